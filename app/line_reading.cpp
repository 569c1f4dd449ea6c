#include "app/line_reading.h"

#include <stdexcept>
#include <string>

#include "app/form2.h"
#include "app/text_numbers.h"
#include "practice/clef_range.h"
#include "theory/clef.h"
#include "ui/translate.h"

namespace lintra::app {
namespace {

using notation::NoteState;

int MidiOf(theory::NoteSlot slot) { return theory::SpelledNoteTable()[slot].midiNote; }

}  // namespace

notation::StaffLayout LineReading::Layout() const {
  if (form_.Checked(menu::PlayKeyboard)) return notation::StaffLayout::Grand();
  const auto clef = practice::CClefOf(form_.ClefRangeInForce());
  return clef ? notation::StaffLayout::Single(*clef) : notation::StaffLayout::Grand();
}

bool LineReading::Wanted() const { return form_.Checked(menu::ReadLine) && !form_.Checked(menu::PlayKeyboard); }

int LineReading::NoteNumber() const { return reading_ < notes_.size() ? static_cast<int>(reading_) + 1 : 0; }

theory::NoteSlot LineReading::Begin(theory::Random& random) {
  const auto slots = form_.events_.pickLine ? form_.events_.pickLine(random) : std::vector<theory::NoteSlot>{};
  if (slots.empty()) throw std::runtime_error("The question pool holds no note in the chosen range");
  notes_.clear();
  for (const theory::NoteSlot slot : slots) notes_.push_back({slot, form_.SignBefore(slot), NoteState::Ahead});
  notes_.front().state = NoteState::Reading;
  reading_ = 0;
  missed_ = false;
  return slots.front();
}

void LineReading::Drop() {
  notes_.clear();
  reading_ = 0;
  missed_ = false;
}

bool LineReading::Draw() {
  const notation::StaffLayout layout = Layout();
  if (!Shown() && !layout.SingleClef()) return false;
  const notation::LineNote question{static_cast<theory::NoteSlot>(form_.CurrentSlot), form_.NoteAccidental,
                                    NoteState::Ahead};
  const std::span<const notation::LineNote> notes = Shown() ? std::span(notes_) : std::span(&question, 1);
  notation::DrawLine(form_.services_.canvas, layout, form_.KeySignatureKind, form_.KeySignatureCount, notes);
  // The staff in words tells of the note being read, and where it stands in the line.
  if (!Shown()) {
    form_.staffReader_.NoteDrawn(theory::LetterStep(question.slot), question.accidental);
  } else if (reading_ < notes_.size()) {
    form_.staffReader_.NoteDrawn(theory::LetterStep(notes_[reading_].slot), notes_[reading_].accidental,
                                 coach::LinePosition{reading_ + 1, notes_.size()});
  }
  return true;
}

void LineReading::Judge() {
  TForm2& f = form_;
  if (reading_ >= notes_.size()) return;  // read to its end: the next line is on its way
  if (!f.Timer1().Enabled()) f.ClosePanel();
  const bool right = f.KeyNote == MidiOf(notes_[reading_].slot);
  if (!missed_) {
    ++f.AnswerCount;
    if (!right) ++f.WrongCount;
    f.SetText(control::Items, std::to_string(f.AnswerCount - f.WrongCount));
    f.SetText(control::Score, ScoreText(f.AnswerCount, f.WrongCount, right ? 2 : 1));
  }
  if (!right) {
    notes_[reading_].state = NoteState::Wrong;
    missed_ = true;
    f.Send(midi::ProgramChange{midi::kErrorSignalProgram});
    f.Send(midi::NoteOn{midi::kErrorSignalNote});
    f.ShowAnswer(ui::Tr("MainWindow", "Try again!"));
    f.PublishAnswer(false);
    Draw();
    return;
  }
  notes_[reading_].state = NoteState::Right;
  f.MakeDisplayName();
  f.ShowAnswer(ui::Args(ui::Tr("MainWindow", "That is correct: %1"), {f.DisplayName}));
  Sound(f.KeyNote);
  f.PublishAnswer(true);
  MoveOn();
  Draw();
  // The next note is asked once it is marked, so that what is said of it is the note itself.
  if (NoteNumber() > 0) f.QuestionShown();
}

// QuestionNote is the note last sounded: the line's first as presented, then each note read right.
void LineReading::Sound(int midi) {
  TForm2& f = form_;
  f.Send(midi::NoteOff{f.QuestionNote});
  f.QuestionNote = static_cast<std::int8_t>(midi);
  f.SoundingNote = midi;
  f.Send(midi::ProgramChange{f.Instrument});
  f.Send(midi::NoteOn{f.QuestionNote});
  if (f.Checked(menu::SustainOff1)) f.Timer3().SetEnabled(true);
}

void LineReading::MoveOn() {
  TForm2& f = form_;
  missed_ = false;
  if (++reading_ == notes_.size()) {
    f.Timer1().SetEnabled(true);
    f.Timer1().SetInterval(600);
    return;
  }
  notation::LineNote& next = notes_[reading_];
  next.state = NoteState::Reading;
  const auto& row = theory::SpelledNoteTable()[next.slot];
  f.CurrentSlot = static_cast<std::int8_t>(next.slot);
  f.SpelledName = row.letterName;
  f.NoteY = row.staffY;
  f.NoteAccidental = next.accidental;
}

void LineReading::AskAnew() {
  TForm2& f = form_;
  if (f.Checked(menu::PlayKeyboard)) return;
  f.questionOpen_ = false;
  f.RepeatPending = 0;
  f.NoteX = 0;
  f.DrawStaff();
  f.Timer1().SetInterval(10);
  f.Timer1().SetEnabled(true);
}

}  // namespace lintra::app
