// The soak: a long practice session through the scenario runner's machinery
// (the same commands a script runs, built directly and run with Execute on a
// manual clock), checking the window's invariants after every step.
//
// Each round answers one question: right, wrong, twice, or from the MIDI
// keyboard; between answers the round may change the key or the clef, visit
// the reverse exercise, start a tutor with small thresholds, or press "Next
// Question".  Every confirmation a tutor asks is predicted and answered;
// one that comes unannounced, or an answer left unused, fails the run.
//
// lintra_soak [QUESTIONS]   (default 100000); exit status 1 on any failure.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <random>
#include <set>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "app/form2.h"
#include "app/text_numbers.h"
#include "rss.h"
#include "theory/keys.h"
#include "theory/note_table.h"
#include "tools/scenario/runner.h"
#include "ui/key_menus.h"
#include "ui/layout.h"
#include "ui/window_model.h"

namespace {

using lintra::scenario::ScriptLine;

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

struct Failure {
  std::string what;
};

void Require(bool condition, const std::string& what) {
  if (!condition) throw Failure{what};
}

// Radio groups that always hold exactly one check, and groups that hold at most one.
const std::vector<std::vector<std::string_view>> kExactlyOne{
    {"NotationQuestions", "PlayKeyboard"}, {"Flats1", "Sharps1"},    {"ClavedoSol1", "ClavedoF1", "Ambos1"},
    {"NoteNames", "NoteNamesOff"},         {"Syllables", "Letters"}, {"MidiInOn", "MidiInOff"},
    {"SustainOn1", "SustainOff1"},         {"On1", "Off1"},          {"AutoModOn", "AutoModOff"}};
const std::vector<std::vector<std::string_view>> kAtMostOne{{"MajorKeys1", "MinorKeys1", "ChromaticScale"},
                                                            {"AutoAdvance2", "AutoModulate2"}};

bool IsDecimal(const std::string& text) {
  std::int32_t value = 0;
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos &&
         lintra::app::TryStrToInt(text, value);
}

bool IsPercentage(const std::string& text) {
  const auto point = text.find('.');
  if (point == std::string::npos || point == 0 || text.back() != '%') return false;
  const std::string whole = text.substr(0, point);
  const std::string fraction = text.substr(point + 1, text.size() - point - 2);
  return IsDecimal(whole) && (fraction.size() == 1 || fraction.size() == 2) && IsDecimal(fraction);
}

class Soak {
 public:
  explicit Soak(std::uint32_t seed) : out_(&null_), runner_(out_), random_(seed) {}

  void Start() {
    Run("clock", {"08:00:00.000"});
    Run("midi-in-devices", {"Keyboard"});
    Run("midi-out-devices", {"Synth"});
    Run("start");
    form_ = runner_.Form();
    model_ = runner_.Model();
    Settle();
  }

  // One question answered, with whatever the round adds around it.
  void Round() {
    const int roll = Below(100);
    if (roll < 3) {
      ChangeKey();
    } else if (roll < 5) {
      Click(kClefs[Below(3)]);
    } else if (roll < 7) {
      ReverseExercise();
    } else if (roll < 9) {
      StartTutor();
    } else if (roll < 10) {
      Click("StartButton");
    } else if (roll < 12) {
      Cosmetic();
    }
    Settle();
    Answer();
    Settle();
    ++answers_;
  }

  std::uint64_t Answers() const { return answers_; }
  std::uint64_t Steps() const { return steps_; }
  std::uint64_t Questions() const { return questions_; }
  std::uint64_t TutorSteps() const { return tutorSteps_; }

 private:
  static constexpr std::string_view kClefs[3] = {"ClavedoSol1", "ClavedoF1", "Ambos1"};

  int Below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }
  bool Checked(std::string_view name) { return model_->MenuNamed(name).checked; }
  const std::string& Text(std::string_view name) { return model_->ControlNamed(name).text; }

  void Run(std::string command, std::vector<std::string> args = {}, std::vector<bool> quoted = {}) {
    ScriptLine line;
    line.number = static_cast<int>(++steps_);
    line.command = std::move(command);
    line.text = line.command;
    line.args = std::move(args);
    line.quoted = quoted.empty() ? std::vector<bool>(line.args.size(), false) : std::move(quoted);
    runner_.Execute(line);
  }
  void Click(std::string_view name) { Run("click", {std::string(name)}); }
  void QueueAnswer(const std::string& kind) { Run("answer", {kind}); }
  void QueueText(const std::string& text) { Run("answer", {"ok", text}, {false, true}); }
  void AllAnswersUsed() { runner_.Finish(static_cast<int>(steps_)); }

  // Would the coming tick of Timer1 ask a tutor's confirmation?
  bool TickWillConfirm() {
    if (form_->RepeatPending == 1 || !Checked("NotationQuestions")) return false;
    if (form_->AnswerCount - form_->WrongCount <= 0) return false;
    auto value = [](const std::string& text, std::int32_t fallback) {
      std::int32_t number = 0;
      return lintra::app::TryStrToInt(text, number) ? number : fallback;
    };
    const bool passed = lintra::app::ThresholdTest(
        form_->AnswerCount, form_->WrongCount, value(form_->CorrectThreshold, 40), value(form_->ScoreThreshold, 90));
    if (!passed) return false;
    if (Checked("On1"))
      return model_->FirstChecked(
                 {lintra::ui::menu::ClavedoSol1, lintra::ui::menu::ClavedoF1, lintra::ui::menu::Ambos1}) != nullptr;
    return Checked("AutoModOn");
  }

  // Runs Timer1's ticks until it rests, checking every new question against
  // the pool and range it was drawn from.
  void Settle() {
    for (int guard = 0; form_->Timer1().Enabled(); ++guard) {
      Require(guard < 8, "Timer1 never comes to rest");
      const bool asks = form_->RepeatPending == 0 && Checked("NotationQuestions");
      const bool chromatic = Checked("ChromaticScale");
      const std::vector<std::string> pool = model_->C(lintra::ui::control::KeyList).lines;
      const int base = form_->TrebleClef == 1 ? 35 : 0;
      const int span = chromatic ? 70 : static_cast<std::uint8_t>(form_->PickRange);
      const int first = chromatic ? 0 : base;
      const int previous = form_->CurrentSlot;
      const bool confirm = TickWillConfirm();
      if (confirm) {
        QueueAnswer(Below(4) == 0 ? "no" : "yes");
        ++tutorSteps_;
      }
      Run("wait", {std::to_string(form_->Timer1().Interval())});
      AllAnswersUsed();
      if (asks) {
        ++questions_;
        const int slot = form_->CurrentSlot;
        const std::string at = " (question " + std::to_string(questions_) + ", slot " + std::to_string(slot) + ")";
        Require(slot != previous, "the question repeats the slot asked just before" + at);
        const bool inRange = slot >= first && slot < first + span;
        Require(inRange || (slot == previous + 3 && previous >= first && previous < first + span),
                "the question lies outside the clef's range" + at);
        if (!chromatic) {
          bool inPool = false;
          for (const auto& line : pool) inPool = inPool || line == std::to_string(slot);
          Require(inPool, "the question is not in the key's pool" + at);
        }
      }
      CheckInvariants();
    }
    CheckInvariants();
  }

  void Answer() {
    if (!Checked("NotationQuestions")) return;
    const int question = form_->QuestionNote;
    const int kind = Below(100);
    const bool right = kind < 70;
    int note = question;
    if (!right) {
      do note = lintra::ui::kLowestKeyNote + Below(43);
      while (note == question);
    }
    const auto before = std::make_pair(form_->AnswerCount, form_->WrongCount);
    const bool byMidi = kind % 10 == 7 && Checked("MidiInOn") && form_->MidiInput1.IsOpen();
    if (byMidi) {
      Run("midi-in", {"144", std::to_string(note), "100"});
    } else {
      Click(lintra::ui::Keyboard()[static_cast<std::size_t>(note - lintra::ui::kLowestKeyNote)].name);
    }
    const std::int32_t answers = before.first + 1;
    const std::int32_t wrong = before.second + (right ? 0 : 1);
    Require(form_->AnswerCount == answers && form_->WrongCount == wrong, "the counts did not follow the answer");
    Require(Text("Items") == std::to_string(answers - wrong), "Items does not show the correct answers");
    Require(Text("Score") == lintra::app::ScoreText(answers, wrong, right ? 2 : 1),
            "the score text does not match the counts: " + Text("Score"));
    Require(Text("AnsShow") == (right ? "That is correct: " + form_->DisplayName : std::string("Try again!")),
            "the feedback line is wrong: " + Text("AnsShow"));
    if (kind >= 95) Answer();  // a second answer before the tick
  }

  void ChangeKey() {
    if (!Checked("NotationQuestions")) return;
    if (Below(12) == 0) {
      Click("ChromaticScale");
    } else {
      Click(lintra::ui::KeyMenu(lintra::theory::Keys()[static_cast<std::size_t>(Below(24))].id));
    }
  }

  void ReverseExercise() {
    Click(Below(2) == 0 ? "Flats1" : "Sharps1");
    Require(Checked("PlayKeyboard"), "the reverse exercise did not start");
    for (int i = 0, n = 1 + Below(5); i < n; ++i) {
      const int key = Below(43);
      Click(lintra::ui::Keyboard()[static_cast<std::size_t>(key)].name);
      const auto& row = lintra::theory::SpelledNoteTable().at(static_cast<std::uint8_t>(form_->CurrentSlot));
      Require(row.midiNote == lintra::ui::kLowestKeyNote + key, "the reverse exercise drew another note");
      Require(Text("AnsShow") == "You played " + form_->DisplayName, "the reverse exercise names no note");
      Require(Text("Items") == " ", "Items is not blank in the reverse exercise");
      Settle();
    }
    Click("NotationQuestions");
    Click("StartButton");
  }

  void StartTutor() {
    if (!Checked("NotationQuestions") || Checked("ChromaticScale")) return;
    const bool advance = Below(2) == 0;
    const bool cancel = Below(8) == 0;
    QueueText(std::to_string(3 + Below(8)));
    if (cancel) {
      QueueAnswer("cancel");
    } else {
      QueueText(std::to_string(40 + Below(50)));
    }
    Click(advance ? "On1" : "AutoModOn");
    AllAnswersUsed();
    if (!cancel) Require(Checked(advance ? "On1" : "AutoModOn"), "the tutor did not switch on");
  }

  void Cosmetic() {
    switch (Below(6)) {
      case 0:
        Click(Checked("Letters") ? "Syllables" : "Letters");
        break;
      case 1:
        Click(Checked("NoteNames") ? "NoteNamesOff" : "NoteNames");
        break;
      case 2:
        Click(Checked("SustainOn1") ? "SustainOff1" : "SustainOn1");
        break;
      case 3:
        QueueText(std::to_string(Below(128)));
        Click("Instrument1");
        AllAnswersUsed();
        break;
      case 4:
        Click(Checked("MidiInOn") ? "MidiInOff" : "MidiInOn");
        break;
      default:
        Click("AnsDisplay");
        break;
    }
  }

  void CheckInvariants() {
    for (const auto& group : kExactlyOne) {
      int checks = 0;
      for (auto name : group) checks += Checked(name) ? 1 : 0;
      Require(checks == 1,
              "radio group of " + std::string(group.front()) + " holds " + std::to_string(checks) + " checks");
    }
    for (const auto& group : kAtMostOne) {
      int checks = 0;
      for (auto name : group) checks += Checked(name) ? 1 : 0;
      Require(checks <= 1, "radio group of " + std::string(group.front()) + " holds several checks");
    }
    for (std::string_view scale : {"MajorKeys1", "MinorKeys1"}) {
      int checks = 0;
      for (const auto* child : model_->MenuNamed(scale).children) checks += child->checked ? 1 : 0;
      Require(checks <= 1, std::string(scale) + " has several keys checked");
    }
    Require(form_->WrongCount >= 0 && form_->AnswerCount >= form_->WrongCount, "the counts are inconsistent");
    const auto& pool = model_->C(lintra::ui::control::KeyList).lines;
    Require(pool.size() == 24, "KeyList does not hold 24 slots");
    for (const auto& line : pool) {
      std::int32_t slot = -1;
      Require(lintra::app::TryStrToInt(line, slot) && slot >= 0 && slot <= 72, "KeyList holds " + line);
    }
    const int slot = form_->CurrentSlot;
    Require(slot >= 0 && slot <= 72, "CurrentSlot is " + std::to_string(slot));
    if (questions_ > 0) {
      Require(lintra::theory::SpelledNoteTable().at(static_cast<std::size_t>(slot)).midiNote ==
                  static_cast<std::uint8_t>(form_->QuestionNote),
              "QuestionNote is not the note of CurrentSlot");
    }
    if (Checked("NotationQuestions")) {
      const auto& items = Text("Items");
      Require(IsDecimal(items), "Items reads \"" + items + "\"");
      const auto& score = Text("Score");
      Require(score == "Start" || score == "Advance" || score == "New Scale" || IsPercentage(score),
              "Score reads \"" + score + "\"");
    } else {
      Require(Text("Items") == " ", "Items is not blank in the reverse exercise");
    }
  }

  NullBuffer null_;
  std::ostream out_;
  lintra::scenario::Runner runner_;
  std::mt19937 random_;
  lintra::app::TForm2* form_ = nullptr;
  lintra::ui::WindowModel* model_ = nullptr;
  std::uint64_t answers_ = 0;
  std::uint64_t steps_ = 0;
  std::uint64_t questions_ = 0;
  std::uint64_t tutorSteps_ = 0;
};

}  // namespace

// Under AddressSanitizer freed blocks wait in a quarantine before reuse; a
// small one keeps that wait from reading as growth.  ASAN_OPTIONS still wins.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=8"; }

int main(int argc, char** argv) {
  const std::uint64_t target = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000;
  Soak soak(20240611);
  long rssAtTenth = 0;
  try {
    soak.Start();
    while (soak.Answers() < target) {
      soak.Round();
      if (rssAtTenth == 0 && soak.Answers() >= target / 10) rssAtTenth = lintra::soak::PeakRssKb();
    }
  } catch (const Failure& failure) {
    std::fprintf(stderr, "soak: FAILED after %llu answers, step %llu: %s\n",
                 static_cast<unsigned long long>(soak.Answers()), static_cast<unsigned long long>(soak.Steps()),
                 failure.what.c_str());
    return 1;
  } catch (const lintra::scenario::ScriptError& error) {
    std::fprintf(stderr, "soak: FAILED after %llu answers: %s\n", static_cast<unsigned long long>(soak.Answers()),
                 error.what());
    return 1;
  }
  const long rssAtEnd = lintra::soak::PeakRssKb();
  std::printf(
      "soak: %llu answers, %llu questions, %llu tutor confirmations, %llu commands; "
      "peak RSS %ld kB at 10%%, %ld kB at 100%%\n",
      static_cast<unsigned long long>(soak.Answers()), static_cast<unsigned long long>(soak.Questions()),
      static_cast<unsigned long long>(soak.TutorSteps()), static_cast<unsigned long long>(soak.Steps()), rssAtTenth,
      rssAtEnd);
  // The window keeps no history: after the first tenth the peak must stay put, within allocator slack.
  if (rssAtEnd > rssAtTenth + 16 * 1024) {
    std::fprintf(stderr, "soak: FAILED: memory grew from %ld kB to %ld kB\n", rssAtTenth, rssAtEnd);
    return 1;
  }
  std::printf("soak: OK\n");
  return 0;
}
