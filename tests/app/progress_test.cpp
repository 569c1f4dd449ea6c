// The window's journal side: what each answer records, the weak-note pick leaving the plain pick
// alone, the journal's troubles told once, export and reset, and the options and the place left off
// kept between starts. The time and mistake line is checked by the scenarios and the Qt window's test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <fstream>
#include <map>
#include <sstream>

#include "app/device_settings.h"
#include "coach/progress_report.h"
#include "practice_window.h"

namespace lintra::app {
namespace {

using test::Questions;
using test::Window;
using ProgressTest = test::PracticeTest;
namespace fs = std::filesystem;

std::string Cell(const std::vector<std::vector<std::string>>& rows, std::size_t row, const std::string& column) {
  const auto& header = rows.at(0);
  const auto at = std::find(header.begin(), header.end(), column);
  EXPECT_NE(at, header.end()) << column;
  return rows.at(row).at(static_cast<std::size_t>(at - header.begin()));
}

TEST_F(ProgressTest, EachAnswerIsRecordedWithItsTimeFromTheQuestionAndItsAttempt) {
  Window w(folder_, true);
  const int question = w.form->QuestionNote;
  w.Wait(1400);
  w.Press(w.Wrong());
  w.Wait(2300);  // the question sounds again after 600 ms: the second try counts from then
  w.Press(question);
  w.Wait(600);  // the next question
  w.Wait(850);
  const int next = w.form->QuestionNote;
  w.Press(w.Wrong());
  w.Wait(250);  // tried again before the note sounds again: counted from "Try again!"
  w.Press(next);

  const auto rows = w.Rows();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(Cell(rows, 1, "response_ms"), "1400");
  EXPECT_EQ(Cell(rows, 1, "attempt"), "1");
  EXPECT_EQ(Cell(rows, 1, "correct"), "0");
  EXPECT_EQ(Cell(rows, 1, "time_utc"), "2026-12-07T12:00:01.410Z");
  EXPECT_EQ(Cell(rows, 2, "response_ms"), "1700");
  EXPECT_EQ(Cell(rows, 2, "attempt"), "2");
  EXPECT_EQ(Cell(rows, 2, "correct"), "1");
  EXPECT_EQ(Cell(rows, 3, "response_ms"), "850");
  EXPECT_EQ(Cell(rows, 3, "attempt"), "1");
  EXPECT_EQ(Cell(rows, 3, "answer_source"), "screen");
  EXPECT_EQ(Cell(rows, 4, "response_ms"), "250");
  EXPECT_EQ(Cell(rows, 4, "attempt"), "2");
  EXPECT_EQ(Cell(rows, 1, "session"), Cell(rows, 4, "session"));
}

// A box at the start (here: the damaged journal's notice, read for 4 s while the first question
// appears behind it) and a box opened while a question waits ("Next Answer?", read for 2.5 s).
TEST_F(ProgressTest, TimeABoxIsOpenNeverCountsIntoAnAnswer) {
  std::ofstream(folder_ / "journal.sqlite", std::ios::binary) << std::string(8192, 'x');
  Window w(folder_, true, 4000);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  w.Wait(690);  // 700 ms after the box closed: the window's start waited 10 of them
  w.Press(w.form->QuestionNote);
  w.Wait(600);  // the next question
  w.Wait(300);
  w.dialogs.whileOpen = [&w] { w.Wait(2500); };
  w.form->ClickControl(w.model.C(ui::control::AnsDisplay));
  w.dialogs.whileOpen = nullptr;
  w.Wait(400);
  w.Press(w.form->QuestionNote);

  const auto rows = w.Rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(Cell(rows, 1, "response_ms"), "700");
  EXPECT_EQ(Cell(rows, 2, "response_ms"), "700");
}

// A clef chosen while a question waits applies from the next pick: the answer to the waiting one is
// recorded under the clef it was asked in, and so is its second try.
TEST_F(ProgressTest, AnAnswerIsRecordedUnderTheClefItsQuestionWasAskedIn) {
  Window w(folder_, true);
  const int question = w.form->QuestionNote;
  w.Menu("ClavedoF1");
  w.Wait(500);
  w.Press(w.Wrong());
  w.Wait(1000);
  w.Press(question);
  w.Wait(600);  // the next question, from the bass clef's range
  w.Press(w.form->QuestionNote);

  const auto rows = w.Rows();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(Cell(rows, 1, "clef_range"), "treble");
  EXPECT_EQ(Cell(rows, 2, "clef_range"), "treble");
  EXPECT_EQ(Cell(rows, 3, "clef_range"), "bass");
}

TEST_F(ProgressTest, WeakNotePickDrawsFromThePoolAndLeavesThePlainPickAsItWasOnceOff) {
  Window plain(folder_ / "a", false);
  Window toggled(folder_ / "b", true);
  // Without AutoAdvance every question stays in the key and clef of the start.
  plain.Menu("Off1");
  toggled.Menu("Off1");
  EXPECT_EQ(Questions(plain, 5, 700), Questions(toggled, 5, 700));

  toggled.Menu("PractiseWeakNotes");
  const auto weak = Questions(toggled, 30, 700);
  const auto& pool = toggled.model.C(ui::control::KeyList).lines;
  for (std::size_t i = 0; i < weak.size(); ++i) {
    EXPECT_NE(std::find(pool.begin(), pool.end(), std::to_string(weak[i])), pool.end()) << weak[i];
    EXPECT_GE(weak[i], 35) << "treble clef";
  }
  toggled.Menu("PractiseWeakNotes");
  plain.Wait(30 * 1300);
  // Only the slot on the staff when the option went off differs; the plain pick's repeat rule turns a
  // draw of that slot into the one three above, so the two agree from the first question they share.
  const auto after = Questions(plain, 12, 900);
  const auto afterToggled = Questions(toggled, 12, 900);
  std::size_t same = 1;
  while (same < after.size() && after[same] != afterToggled[same]) ++same;
  EXPECT_LE(same, 3u);
  EXPECT_EQ(std::vector<int>(after.begin() + static_cast<std::ptrdiff_t>(same), after.end()),
            std::vector<int>(afterToggled.begin() + static_cast<std::ptrdiff_t>(same), afterToggled.end()));
  EXPECT_TRUE(toggled.dialogs.boxes.empty());
}

// Two students on the same clock and generator, journals off: one misses every first try, the other
// never. Only the answers given in this run can tell their picks apart.
TEST_F(ProgressTest, AnswersGivenWhilePractisingWeakNotesMoveThePick) {
  auto run = [&](const char* name, bool practiseWeak, bool miss) {
    Window w(folder_ / name, false);
    w.Menu("Off1");
    if (practiseWeak) w.Menu("PractiseWeakNotes");
    std::vector<int> asked;
    for (int i = 0; i < 25; ++i) {
      asked.push_back(w.form->CurrentSlot);
      w.Wait(700);
      if (miss) {
        const int question = w.form->QuestionNote;
        w.Press(w.Wrong());
        w.Wait(700);
        w.Press(question);
      } else {
        w.Wait(700);
        w.Press(w.form->QuestionNote);
      }
      w.Wait(600);
    }
    return asked;
  };
  EXPECT_EQ(run("plain-missing", false, true), run("plain-reading", false, false));
  EXPECT_NE(run("weak-missing", true, true), run("weak-reading", true, false));
}

// The Progress window reads the very model the weak-note pick draws from, kept up with each first
// try, and read anew from the journal after a reset.
TEST_F(ProgressTest, TheProgressWindowShowsTheModelTheWeakNotePickDrawsFrom) {
  Window w(folder_, true);
  w.Menu("Off1");
  w.Menu("PractiseWeakNotes");
  const auto asked = Questions(w, 6, 700);
  w.Menu("ShowProgress");
  ASSERT_TRUE(w.progress.request.reading);
  practice::ReadingModel& shown = w.progress.request.reading();
  const auto slot = static_cast<theory::NoteSlot>(asked.back());
  const int tries = shown.MasteryOf(slot, w.progress.request.nowUtcMs).firstTries;
  EXPECT_EQ(tries, std::count(asked.begin(), asked.end(), asked.back()));
  for (int i = 0; i < 300 && w.form->CurrentSlot != asked.back(); ++i) Questions(w, 1, 700);
  ASSERT_EQ(w.form->CurrentSlot, asked.back()) << "the pick asks every note again";
  Questions(w, 1, 700);
  EXPECT_EQ(&w.progress.request.reading(), &shown);
  EXPECT_EQ(shown.MasteryOf(slot, w.progress.request.nowUtcMs).firstTries, tries + 1);
  w.Menu("ResetProgress");
  EXPECT_EQ(w.progress.request.reading().MasteryOf(slot, w.progress.request.nowUtcMs).firstTries, 0);
}

// The model is judged at the window's clock: a week away, and what was read well is shown faded.
TEST_F(ProgressTest, TheNotesShownFadeWithTheWindowsClock) {
  Window w(folder_, true);
  w.Menu("Off1");
  w.Menu("PractiseWeakNotes");
  const auto asked = Questions(w, 60, 700);
  std::map<int, int> counts;
  for (const int slot : asked) ++counts[slot];
  const auto most = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; });
  const auto slot = static_cast<theory::NoteSlot>(most->first);
  const auto figure = [&] {
    w.Menu("ShowProgress");
    return w.progress.request.reading().MasteryOf(slot, w.progress.request.nowUtcMs).figure;
  };
  const double now = figure();
  w.Jump(7 * ui::kMsPerDay);
  EXPECT_LT(figure(), now - 10.0) << "asked " << most->second << " times";
}

// The forecast waits for days of practice, then plays the model forward at the student's own pace:
// the questions of each day practised, not spread over the four weeks.
TEST_F(ProgressTest, TheForecastWaitsForDaysOfPracticeThenGoesAtTheStudentsPace) {
  Window w(folder_, true);
  w.Menu("Off1");
  w.Menu("PractiseWeakNotes");
  Questions(w, 30, 900);
  w.Menu("ShowProgress");
  EXPECT_EQ(coach::ReadProgress(w.progress.request).forecast, "Keep practising to get a forecast.");
  for (int day = 0; day < 3; ++day) {
    w.Jump(ui::kMsPerDay);
    for (int i = 0; i < 30; ++i) {
      if (i % 4 == 0) w.Press(w.Wrong());
      Questions(w, 1, 900);
    }
  }
  w.Jump(ui::kMsPerDay);
  w.Menu("ShowProgress");
  const auto& request = w.progress.request;
  const auto days = request.reading().DaysToFluent(request.pool, 30.0, request.nowUtcMs);
  ASSERT_TRUE(days.has_value());
  ASSERT_GT(*days, 1);
  EXPECT_EQ(coach::ReadProgress(request).forecast, "Fluent in about " + std::to_string(*days) + " days at your pace.");
}

// After days away, the new start's first questions go to the notes that faded below fluent since
// the last session, drawn by the pick as the window drives it.
TEST_F(ProgressTest, AfterAGapTheFirstQuestionsGoToTheNotesThatFadedSinceTheLastSession) {
  std::int64_t end = 0;
  std::int64_t endClock = 0;
  std::vector<theory::NoteSlot> fluentAtEnd;
  {
    Window w(folder_, true);
    w.Menu("Off1");
    w.Menu("PractiseWeakNotes");
    for (int i = 0; i < 80; ++i) {
      if (i % 7 == 0) w.Press(w.Wrong());
      Questions(w, 1, 900);
    }
    w.Menu("ShowProgress");
    end = w.progress.request.nowUtcMs;
    endClock = w.clock_.Now();
    for (const theory::NoteSlot slot : w.progress.request.pool) {
      if (w.progress.request.reading().StateNow(slot, end) == practice::MasteryState::Fluent)
        fluentAtEnd.push_back(slot);
    }
    w.form->FormClose();
  }
  Window w(folder_, true, 0, endClock + 3 * ui::kMsPerDay);
  w.Menu("ShowProgress");
  const auto& request = w.progress.request;
  std::vector<int> faded;
  for (const theory::NoteSlot slot : fluentAtEnd) {
    if (request.reading().StateNow(slot, request.nowUtcMs) != practice::MasteryState::Fluent) faded.push_back(slot);
  }
  ASSERT_FALSE(fluentAtEnd.empty());
  ASSERT_FALSE(faded.empty());
  ASSERT_LT(faded.size(), request.pool.size()) << "some notes hold";
  // One draw each among all the candidates: a note that held may still come up, but seldom.
  const auto first = Questions(w, 4, 900);
  const auto isFaded = [&](int slot) { return std::find(faded.begin(), faded.end(), slot) != faded.end(); };
  EXPECT_TRUE(isFaded(first[0])) << first[0];
  EXPECT_GE(std::count_if(first.begin(), first.end(), isFaded), 3);
}

// The Progress window hears of every answer, reads the journal afresh when it asks again, and works
// out the pool of a key and clef range chosen in it as the trainer does; the sessions that
// practised weak notes are marked in the journal.
TEST_F(ProgressTest, TheProgressWindowIsToldOfAnswersAndKnowsEveryPoolAsTheTrainer) {
  Window w(folder_, true);
  w.Menu("Off1");
  w.Press(w.Wrong());
  Questions(w, 2, 700);  // the first a second try
  EXPECT_EQ(w.progress.answers, 3);
  w.Menu("ShowProgress");
  const auto first = coach::ReadProgress(w.progress.request);
  ASSERT_EQ(first.sessions.size(), 1u);
  EXPECT_FALSE(first.sessions[0].weakNotes);
  w.Menu("PractiseWeakNotes");
  Questions(w, 2, 700);
  ASSERT_TRUE(w.progress.request.renewed);
  const auto renewed = coach::ReadProgress(w.progress.request.renewed());
  ASSERT_EQ(renewed.sessions.size(), 1u);
  EXPECT_EQ(renewed.sessions[0].firstTries, first.sessions[0].firstTries + 2);
  EXPECT_TRUE(renewed.sessions[0].weakNotes);

  for (const char* clef : {"ClavedoSol1", "ClavedoF1", "Ambos1"}) {
    w.Menu(clef);
    for (const auto& key : theory::Keys()) {
      w.form->KeyCommand(key.id);
      EXPECT_EQ(w.form->PoolInRange(), practice::PoolIn(key.id, w.form->ClefRangeInForce())) << clef;
    }
    w.Menu("ChromaticScale");
    EXPECT_EQ(w.form->PoolInRange(), practice::PoolIn(theory::KeyId::Chromatic, w.form->ClefRangeInForce())) << clef;
  }
}

TEST_F(ProgressTest, ADamagedJournalIsKeptAsideAndTheStudentToldOnce) {
  std::ofstream(folder_ / "journal.sqlite", std::ios::binary) << std::string(8192, 'x');
  Window w(folder_, true);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].rfind("The practice journal was damaged. It is kept as \"journal.sqlite.damaged-", 0),
            0u)
      << w.dialogs.boxes[0];
  Questions(w, 3, 500);
  EXPECT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.Rows().size(), 4u);
  int kept = 0;
  for (const auto& entry : fs::directory_iterator(folder_)) {
    if (entry.path().filename().string().starts_with("journal.sqlite.damaged-")) ++kept;
  }
  EXPECT_EQ(kept, 1);
}

TEST_F(ProgressTest, ExportTellsWhenItCannotWriteAndResetKeepsTheOldJournal) {
  Window w(folder_, true);
  Questions(w, 2, 500);
  w.dialogs.savePath = (folder_ / "missing" / "answers.csv").string();
  w.Menu("ExportJournal");
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].rfind("The journal could not be exported to \"", 0), 0u) << w.dialogs.boxes[0];

  w.Menu("ResetProgress");
  ASSERT_EQ(w.dialogs.defaults.size(), 1u);
  EXPECT_EQ(w.dialogs.defaults[0], ui::DefaultAnswer::No);  // Enter keeps the journal
  EXPECT_EQ(w.Rows().size(), 1u);                           // the header alone
  const fs::path backup = folder_ / "journal.sqlite.backup-20261207T120002Z";
  EXPECT_TRUE(fs::exists(backup));
  w.dialogs.savePath = (folder_ / "answers.csv").string();
  Questions(w, 1, 500);
  w.Menu("ExportJournal");
  EXPECT_EQ(w.dialogs.boxes.size(), 2u);  // the reset's message, and no error
  std::ifstream csv(folder_ / "answers.csv");
  std::string header, row, more;
  EXPECT_TRUE(std::getline(csv, header) && std::getline(csv, row));
  EXPECT_FALSE(std::getline(csv, more));
}

TEST_F(ProgressTest, OptionsAndThePlaceLeftOffAreKeptBetweenStarts) {
  const fs::path options = DeviceSettingsPath(folder_).parent_path() / "options.qor";
  {
    Window w(folder_, false);
    for (const char* item : {"PractiseWeakNotes", "ShowTimeAndMistake", "ResumeWhereILeftOff"}) w.Menu(item);
    w.Menu("ClavedoF1");
    w.form->KeyCommand(theory::KeyId::EFlatMajor);
    w.Menu("Syllables");
    w.Menu("NoteNames");
    w.form->Instrument = 24;
    w.form->FormClose();
  }
  // A later build's line is kept; a line naming nothing known is passed over.
  auto lines = LoadDeviceSettings(options);
  EXPECT_EQ(lines.front(), "MiddleCIsC4=0");  // as older builds read it
  const auto instrument = std::find(lines.begin(), lines.end(), "LastInstrument=24");
  ASSERT_NE(instrument, lines.end());
  *instrument = "LastInstrument=300";
  lines.push_back("FutureOption=7");
  ASSERT_FALSE(SaveDeviceSettings(options, lines));
  {
    Window w(folder_, false);
    for (const char* item : {"PractiseWeakNotes", "ShowTimeAndMistake", "ResumeWhereILeftOff", "ClavedoF1", "EbMajor1",
                             "MajorKeys1", "Syllables", "NoteNames"}) {
      EXPECT_TRUE(w.model.MenuNamed(item).checked) << item;
    }
    EXPECT_TRUE(w.model.C(ui::control::StatusLine).visible);
    EXPECT_EQ(w.form->Instrument, 0);
    EXPECT_EQ(w.form->TrebleClef, 0);
    w.Menu("ResumeWhereILeftOff");
  }
  lines = LoadDeviceSettings(options);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "FutureOption=7"), lines.end());
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.starts_with("Last"); }), 0);
  Window fresh(folder_, false);
  EXPECT_TRUE(fresh.model.M(ui::menu::CMajor1).checked);
  EXPECT_TRUE(fresh.model.M(ui::menu::ClavedoSol1).checked);
  EXPECT_FALSE(fresh.model.M(ui::menu::ResumeWhereILeftOff).checked);
}

}  // namespace
}  // namespace lintra::app
