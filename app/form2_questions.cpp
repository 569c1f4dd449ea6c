// The question cycle: "Next Question", the tick that asks or repeats, the
// presentation of a note, the note-off timer and the clef commands.
#include <string>

#include "app/form2.h"
#include "app/random.h"
#include "theory/note_names.h"
#include "theory/note_table.h"
#include "ui/translate.h"

namespace lintra::app {
namespace {

bool PoolHolds(const std::vector<std::string>& pool, int slot) {
  const std::string text = std::to_string(slot);
  for (const auto& line : pool) {
    if (line == text) return true;
  }
  return false;
}

}  // namespace

void TForm2::StartButtonClick() {
  AnswerCount = 0;
  WrongCount = 0;
  SetText(control::Score, ui::Tr("MainWindow", "Start"));
  SetText(control::Items, "0");
  SoundingNote = QuestionNote;
  Send(midi::NoteOff{QuestionNote});
  SetText(control::AnsShow, "");
  DrawStaff();
  NoteX = 0;
  RepeatPending = 0;
  Timer1().SetEnabled(true);
  Timer1().SetInterval(10);
}

void TForm2::ResponseClick() {
  Timer1().SetEnabled(false);
  if (RepeatPending == 1) {
    SoundingNote = QuestionNote;
    Send(midi::NoteOff{QuestionNote});
    Send(midi::ProgramChange{Instrument, midi::ProgramChange::kRepeatFill});
    Send(midi::NoteOn{QuestionNote});
    if (Checked(menu::SustainOff1)) Timer3().SetEnabled(true);
    RepeatPending = 0;
    if (questionOpen_) StartTryClock();  // the next try counts from the note heard again
    return;
  }
  // The reverse exercise asks nothing.  A tick still pending from an answer given
  // just before the switch would otherwise present a note the student never
  // played and report "You played" it.
  if (Checked(menu::PlayKeyboard)) return;

  Random random;
  random.Seed(services_.clock.TimeOfDayMs());
  std::int8_t pick = 0;
  if (line_.Wanted()) {
    pick = static_cast<std::int8_t>(line_.Begin(random));
  } else if (const auto chosen = events_.pickQuestion ? events_.pickQuestion(random) : std::nullopt) {
    pick = static_cast<std::int8_t>(*chosen);
  } else if (Checked(menu::ChromaticScale)) {
    pick = static_cast<std::int8_t>(random.Below(70));
    if (pick == CurrentSlot) pick = static_cast<std::int8_t>(pick + 3);
  } else {
    const auto& pool = model_.C(control::KeyList).lines;
    // Every pool holds several slots in each clef's range, so this ends after a
    // few draws; the bound only guards against a pool built wrongly.
    for (int draws = 0;; ++draws) {
      pick = static_cast<std::int8_t>(random.Below(static_cast<std::uint32_t>(static_cast<std::uint8_t>(PickRange))));
      if (TrebleClef == 1) pick = static_cast<std::int8_t>(pick + 35);
      if (pick == CurrentSlot) pick = static_cast<std::int8_t>(pick + 3);
      if (PoolHolds(pool, pick)) break;
      if (draws > 100000) throw std::runtime_error("The question pool holds no note in the chosen range");
    }
  }
  CurrentSlot = pick;
  NoteAccidental = LeadingToneSign(CurrentSlot);
  PresentNote();
}

std::string TForm2::LeadingToneSign(int slot) const {
  // In major keys the slots keep their last values and the sign is a blank that draws nothing.
  if (slot == LeadingToneSlot1 || slot == LeadingToneSlot2 || slot == LeadingToneSlot3) return LeadingToneAccidental;
  return "";
}

std::string TForm2::SignBefore(theory::NoteSlot slot) {
  return theory::AccidentalGlyph(theory::SpelledNoteTable().at(slot).kind, Checked(menu::ChromaticScale),
                                 Checked(menu::PlayKeyboard), LeadingToneSign(slot));
}

void TForm2::PresentNote() {
  questionOpen_ = false;  // until the new note is on the staff and sounding
  if (Checked(menu::SustainOff1)) Timer3().SetEnabled(true);
  Send(midi::NoteOff{SoundingNote});
  SoundingNote = QuestionNote;
  Send(midi::NoteOff{QuestionNote});

  const auto slot = static_cast<std::size_t>(static_cast<std::uint8_t>(CurrentSlot));
  const auto& row = theory::SpelledNoteTable().at(slot);
  SpelledName = row.letterName;
  QuestionNote = static_cast<std::int8_t>(row.midiNote);
  NoteY = row.staffY;
  NoteAccidental =
      theory::AccidentalGlyph(row.kind, Checked(menu::ChromaticScale), Checked(menu::PlayKeyboard), NoteAccidental);

  if (Checked(menu::PlayKeyboard)) {
    MakeDisplayName();
    ShowAnswer(ui::Args(ui::Tr("MainWindow", "You played %1"), {DisplayName}));
    NoteX = 0;
    DrawNote();
    Send(midi::NoteOn{QuestionNote});
    return;
  }
  if (AnswerCount - WrongCount > 0) {
    if (Checked(menu::On1)) {
      CheckAutoAdvance();
    } else if (Checked(menu::AutoModOn)) {
      CheckAutoModulate();
    }
  }
  if (SkipNoteDraw) {
    SkipNoteDraw = false;
    return;
  }
  DrawNote();
  // A line is read, not heard: its notes sound as they are read right.
  if (!line_.Shown()) Send(midi::NoteOn{QuestionNote});
  QuestionShown();
}

void TForm2::StimNoteOff() {
  Send(midi::NoteOff{QuestionNote});
  Timer3().SetEnabled(false);
}

void TForm2::ClavedoSol1Click() {
  Check(menu::ClavedoSol1);
  Send(midi::NoteOff{SoundingNote});
  TrebleClef = 1;
  PickRange = 35;
}

void TForm2::ClavedoF1Click() {
  Check(menu::ClavedoF1);
  Send(midi::NoteOff{SoundingNote});
  TrebleClef = 0;
  PickRange = 35;
}

void TForm2::Ambos1Click() {
  Check(menu::Ambos1);
  Send(midi::NoteOff{SoundingNote});
  TrebleClef = 0;
  PickRange = 70;
}

void TForm2::MakeDisplayName() {
  // A name kept from before (no row matches) is shown as it already is.
  const bool known = Checked(menu::Letters) || theory::FindByLetterName(SpelledName).has_value();
  DisplayName = theory::DisplayNameFor(SpelledName, Checked(menu::Letters), DisplayName);
  if (known) DisplayName = ShownName(DisplayName);
}

}  // namespace lintra::app
