// Answers: the 43 key handlers, judging, the score, "Next Answer?" and each judged answer told to
// whoever listens.
#include <algorithm>

#include "app/form2.h"
#include "app/text_numbers.h"
#include "midi/messages.h"
#include "ui/translate.h"

namespace lintra::app {

void TForm2::KeyClick(int chromaticIndex) {
  const auto& key = ui::Keyboard()[static_cast<std::size_t>(chromaticIndex)];
  KeyNote = static_cast<std::int8_t>(ui::kLowestKeyNote + chromaticIndex);
  if (Checked(menu::NotationQuestions)) {
    CheckAnswer();
    return;
  }
  // The reverse exercise: show the key's note.  A black key is spelled as a
  // sharp or as a flat, as chosen.
  NoteX = 0;
  DrawStaff();
  int slot = 3 * key.letterStep;
  if (key.black) slot += Checked(menu::Sharps1) ? 1 : 2;
  CurrentSlot = static_cast<std::int8_t>(slot);
  PresentNote();
}

void TForm2::ClosePanel() {
  auto& model = model_;
  model.SetVisible(model.C(control::cmbOutput), false);
  model.SetVisible(model.C(control::cmbInput), false);
  model.SetVisible(model.C(control::Label1), false);
  model.SetVisible(model.C(control::Label3), false);
  model.SetEnabled(model.C(control::cmbOutput), false);
  model.SetEnabled(model.C(control::cmbInput), false);
}

void TForm2::CheckAnswer() {
  if (line_.Shown()) {
    line_.Judge();
    return;
  }
  if (!Timer1().Enabled()) ClosePanel();
  Timer1().SetEnabled(true);
  ++AnswerCount;
  SetText(control::Items, std::to_string(AnswerCount - WrongCount));
  const bool right = KeyNote == QuestionNote;
  if (right) {
    SetText(control::Score, ScoreText(AnswerCount, WrongCount, 2));
    MakeDisplayName();
    ShowAnswer(ui::Args(ui::Tr("MainWindow", "That is correct: %1"), {DisplayName}));
    DrawStaff();
    NoteX = 0;
    DrawNote();
    SoundingNote = QuestionNote;
    Send(midi::NoteOff{QuestionNote});
    Send(midi::ProgramChange{Instrument});
    Send(midi::NoteOn{QuestionNote});
    Timer1().SetInterval(600);
  } else {
    ++WrongCount;
    SetText(control::Items, std::to_string(AnswerCount - WrongCount));
    SetText(control::Score, ScoreText(AnswerCount, WrongCount, 1));
    Send(midi::ProgramChange{midi::kErrorSignalProgram});
    Send(midi::NoteOn{midi::kErrorSignalNote});
    SoundingNote = QuestionNote;
    Send(midi::NoteOff{QuestionNote});
    RepeatPending = 1;
    ShowAnswer(ui::Tr("MainWindow", "Try again!"));
    Timer1().SetInterval(600);
  }
  PublishAnswer(right);
}

void TForm2::QuestionShown() {
  questionOpen_ = true;
  StartTryClock();
  attempt_ = 1;
  // A clef chosen while the question waits applies from the next pick: its answers belong to what was asked.
  askedKey_ = KeyInForce();
  askedClef_ = ClefRangeInForce();
  staffReader_.AnnounceQuestion();
}

void TForm2::ShowAnswer(std::string text) {
  SetText(control::AnsShow, std::move(text));
  model_.Announce(Text(control::AnsShow));
}

void TForm2::PublishAnswer(bool correct) {
  if (!questionOpen_) return;  // a key pressed before the first question: there is nothing to answer
  practice::JudgedAnswer answer;
  answer.wallTimeUtcMs = services_.clock.WallTimeUtcMs();
  answer.exercise = practice::Exercise::NoteReading;
  answer.key = askedKey_;
  answer.clefRange = askedClef_;
  answer.questionSlot = static_cast<theory::NoteSlot>(CurrentSlot);
  answer.answerKey = std::string(ui::Keyboard()[static_cast<std::size_t>(KeyNote - ui::kLowestKeyNote)].name);
  answer.answerMidi = KeyNote;
  answer.source = answerSource_;
  answer.correct = correct;
  answer.attempt = attempt_++;
  answer.lineNote = line_.NoteNumber();
  // The clock gives the time of day: an answer after midnight still counts from the question.
  const std::int64_t elapsed = (services_.clock.TimeOfDayMs() - tryStartMs_ + ui::kMsPerDay) % ui::kMsPerDay;
  answer.responseMs = std::max<std::int64_t>(0, elapsed - (boxes_.OpenMs() - tryStartBoxMs_) - answerBeganMsAgo_);
  // A try given before the note sounds again counts from "Try again!".
  if (!correct) StartTryClock();
  if (events_.answered) events_.answered(answer);
}

void TForm2::StartTryClock() {
  tryStartMs_ = services_.clock.TimeOfDayMs();
  tryStartBoxMs_ = boxes_.OpenMs();
}

void TForm2::PressKeyFrom(int note, practice::AnswerSource source, std::int64_t beganMsAgo) {
  // Events already waiting come first, as before a click; a note handled among them has its own
  // source, and this one's is in force again once it is done.
  services_.pump.ProcessPendingEvents();
  struct Restore {
    TForm2& form;
    practice::AnswerSource source;
    std::int64_t began;
    ~Restore() {
      form.answerSource_ = source;
      form.answerBeganMsAgo_ = began;
    }
  } restore{*this, answerSource_, answerBeganMsAgo_};
  answerSource_ = source;
  answerBeganMsAgo_ = beganMsAgo;
  if (const auto& handler = model_.Key(note - ui::kLowestKeyNote).handler) handler();
}

void TForm2::AnswerHeard(int note, practice::AnswerSource source, std::int64_t beganMsAgo) {
  // The trainer asks only notes of its keyboard: a note heard off it can answer nothing.
  const int highest = ui::kLowestKeyNote + static_cast<int>(ui::Keyboard().size()) - 1;
  if (note < ui::kLowestKeyNote || note > highest) return;
  Guard([&] { PressKeyFrom(note, source, std::max<std::int64_t>(0, beganMsAgo)); });
}

void TForm2::AnsDisplayClick() {
  if (Checked(menu::Syllables)) {
    MakeDisplayName();
    boxes_.Message(DisplayName);
  } else {
    boxes_.Message(ui::Args(ui::Tr("Messages", "The answer is: %1"), {ShownName(SpelledName)}));
  }
}

}  // namespace lintra::app
