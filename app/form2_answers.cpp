// Answers: the 43 key handlers, judging, the score, "Next Answer?" and each judged answer told to
// whoever listens.
#include "app/form2.h"
#include "app/text_numbers.h"
#include "midi/messages.h"

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
  if (!Timer1().Enabled()) ClosePanel();
  Timer1().SetEnabled(true);
  ++AnswerCount;
  SetText(control::Items, std::to_string(AnswerCount - WrongCount));
  const bool right = KeyNote == QuestionNote;
  if (right) {
    SetText(control::Score, ScoreText(AnswerCount, WrongCount, 2));
    MakeDisplayName();
    SetText(control::AnsShow, "That is correct: " + DisplayName);
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
    SetText(control::AnsShow, "Try again!");
    Timer1().SetInterval(600);
  }
  PublishAnswer(right);
}

void TForm2::QuestionShown() {
  questionOpen_ = true;
  questionShownMs_ = services_.clock.TimeOfDayMs();
  attempt_ = 1;
}

void TForm2::PublishAnswer(bool correct) {
  if (!questionOpen_) return;  // a key pressed before the first question: there is nothing to answer
  practice::JudgedAnswer answer;
  answer.wallTimeUtcMs = services_.clock.WallTimeUtcMs();
  answer.exercise = practice::Exercise::NoteReading;
  answer.key = KeyInForce();
  answer.clefRange = ClefRangeInForce();
  answer.questionSlot = static_cast<theory::NoteSlot>(CurrentSlot);
  answer.answerKey = std::string(ui::Keyboard()[static_cast<std::size_t>(KeyNote - ui::kLowestKeyNote)].name);
  answer.answerMidi = KeyNote;
  answer.source = answerSource_;
  answer.correct = correct;
  answer.attempt = attempt_++;
  // The clock gives the time of day: an answer after midnight still counts from the question.
  answer.responseMs = (services_.clock.TimeOfDayMs() - questionShownMs_ + ui::kMsPerDay) % ui::kMsPerDay;
  if (events_.answered) events_.answered(answer);
}

void TForm2::AnsDisplayClick() {
  if (Checked(menu::Syllables)) {
    MakeDisplayName();
    services_.dialogs.Message(DisplayName);
  } else {
    services_.dialogs.Message("The answer is: " + ShownName(SpelledName));
  }
}

}  // namespace lintra::app
