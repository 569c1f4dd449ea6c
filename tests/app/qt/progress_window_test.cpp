// The Progress window rendered offscreen over small journals written for the purpose.
#include "app/qt/progress/progress_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "app/qt/progress/mastery_map.h"
#include "app/qt/progress/state_style.h"
#include "app/qt/progress/trend_chart.h"
#include "journal/journal.h"
#include "journal/statement.h"

namespace lintra::progress {
namespace {

using practice::MasteryState;

constexpr std::int64_t kDay = 86'400'000;
constexpr std::int64_t kDay1 = 1'765'000'800'000;  // 2025-12-06T06:00:00Z

theory::NoteSlot Slot(const char* name) { return *theory::FindByLetterName(name); }

struct Answer {
  std::int64_t at;
  std::int64_t session;
  const char* question;
  const char* played;
  int attempt = 1;
  std::int64_t ms = 1000;
};

void Write(const std::string& path, const std::vector<Answer>& answers) {
  journal::Journal journal(path);
  std::vector<practice::AnswerRecord> records;
  for (const Answer& a : answers) {
    practice::JudgedAnswer input;
    input.wallTimeUtcMs = a.at;
    input.key = theory::KeyId::CMajor;
    input.clefRange = practice::ClefRange::Grand;
    input.questionSlot = Slot(a.question);
    input.answerKey = a.played;
    input.answerMidi = theory::SpelledNoteTable().at(Slot(a.played)).midiNote;
    input.correct = input.answerMidi == theory::SpelledNoteTable().at(input.questionSlot).midiNote;
    input.attempt = a.attempt;
    input.responseMs = a.ms;
    records.push_back(practice::MakeAnswerRecord(input, a.session));
  }
  ASSERT_TRUE(journal.Append(records));
}

// Three sessions on three local days (one hour east of UTC: the last session, at 23:30 UTC, is on
// the next local day). E3 ends fluent, F3 learning, G3 new after one try, A3 is never asked.
std::vector<Answer> ThreeSessions() {
  std::vector<Answer> answers;
  auto t = [](int day, int minute) { return kDay1 + day * kDay + minute * 60'000; };
  for (int i = 0; i < 4; ++i) answers.push_back({t(0, i), 1, "E3", "E3"});
  answers.push_back({t(0, 5), 1, "F3", "G3"});
  answers.push_back({t(0, 6), 1, "F3", "F3", 2});  // a second try does not count
  for (int i = 0; i < 4; ++i) answers.push_back({t(1, i), 2, "E3", "E3"});
  answers.push_back({t(1, 5), 2, "F3", "F3"});
  answers.push_back({t(1, 6), 2, "F3", "E3"});
  const int late = 17 * 60 + 30;  // 23:30 UTC
  for (int i = 0; i < 2; ++i) answers.push_back({t(1, late + i), 3, "E3", "E3"});
  answers.push_back({t(1, late + 3), 3, "F3", "F3"});
  answers.push_back({t(1, late + 4), 3, "F3", "F3", 1, 2500});
  answers.push_back({t(1, late + 5), 3, "G3", "G3"});
  answers.push_back({t(1, late + 6), 3, "A2", "F4"});  // the bass staff's top line read in the treble clef
  return answers;
}

class ProgressWindowTest : public ::testing::Test {
 protected:
  coach::ProgressRequest Request(bool middleCIsC4 = false, bool syllables = false) {
    coach::ProgressRequest request;
    request.journalPath = path_;
    request.key = theory::KeyId::CMajor;
    request.clefRange = practice::ClefRange::Grand;
    request.pool = {Slot("E3"), Slot("F3"), Slot("G3"), Slot("A3"), Slot("F3")};
    request.nowUtcMs = kDay1 + 2 * kDay;
    request.utcOffsetMinutes = 60;
    request.middleCIsC4 = middleCIsC4;
    request.syllables = syllables;
    return request;
  }

  QTemporaryDir folder_;
  std::string path_ = folder_.filePath("journal.sqlite").toStdString();
  ProgressWindow window_;
};

int PixelsNear(const QImage& image, const QRectF& area, const QColor& colour) {
  int near = 0;
  const QRect box = area.toAlignedRect() & image.rect();
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      near +=
          std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) + std::abs(c.blue() - colour.blue()) <
          40;
    }
  }
  return near;
}

int InkedPixels(const QImage& image, const QRectF& area) {
  int inked = 0;
  const QRect box = area.toAlignedRect() & image.rect();
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x) inked += qGray(image.pixel(x, y)) < 200;
  return inked;
}

TEST_F(ProgressWindowTest, MapMarksEachStateByColourSymbolAndFigure) {
  Write(path_, ThreeSessions());
  window_.Show(Request());
  const QImage map = window_.Map().grab().toImage();
  const auto& marks = window_.Map().Marks();
  ASSERT_EQ(marks.size(), 4u);  // the pool's repeated F3 is drawn once
  const std::vector<MasteryState> expected{MasteryState::Fluent, MasteryState::Learning, MasteryState::New,
                                           MasteryState::New};
  // Each figure is the model's, rounded: the fluent note's above the learning one's; none for A3.
  const auto& notes = window_.Report().notes;
  ASSERT_EQ(notes.size(), marks.size());
  EXPECT_GT(notes[0].mastery.figure, notes[1].mastery.figure + 20);
  EXPECT_EQ(marks[3].figure, "–");
  std::map<MasteryState, int> ink;
  for (std::size_t i = 0; i < marks.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(marks[i].state, expected[i]);
    EXPECT_EQ(marks[i].figure, MasteryFigure(notes[i].mastery));
    // The head is drawn in its state's colour and in no other state's.
    for (const MasteryState other : {MasteryState::New, MasteryState::Learning, MasteryState::Fluent}) {
      const int near = PixelsNear(map, marks[i].head, StateColour(other));
      if (other == marks[i].state)
        EXPECT_GT(near, 10);
      else
        EXPECT_EQ(near, 0);
    }
    const QRectF& symbol = marks[i].symbol;
    const QRectF middle =
        symbol.adjusted(symbol.width() * 0.3, symbol.height() * 0.3, -symbol.width() * 0.3, -symbol.height() * 0.3);
    ink[marks[i].state] = InkedPixels(map.convertToFormat(QImage::Format_Grayscale8), middle);
  }
  // Without colour the symbols still differ: an empty, a half-filled and a filled circle.
  EXPECT_EQ(ink[MasteryState::New], 0);
  EXPECT_GT(ink[MasteryState::Learning] * 4, ink[MasteryState::Fluent]);
  EXPECT_LT(ink[MasteryState::Learning] * 4, ink[MasteryState::Fluent] * 3);
}

TEST_F(ProgressWindowTest, TrendsAndMistakes) {
  Write(path_, ThreeSessions());
  window_.Show(Request());
  window_.grab();
  const auto& days = window_.DayChart().Points();
  ASSERT_EQ(days.size(), 3u);
  EXPECT_EQ(window_.DayChart().AccuracyMarkers().size(), 3u);
  EXPECT_EQ(days[0].firstTries, 5);  // the second try at F3 is left out
  EXPECT_EQ(days[0].firstTriesRight, 4);
  EXPECT_EQ(days[2].firstTries, 6);
  EXPECT_EQ(days[2].medianResponseMs, 1000);
  EXPECT_EQ(window_.SessionChart().Points().size(), 3u);
  EXPECT_EQ(window_.SessionChart().TimeMarkers().size(), 3u);

  const QStringList lines = window_.MistakeLines();
  ASSERT_EQ(lines.size(), 2) << lines.join('\n').toStdString();
  EXPECT_TRUE(lines[0].startsWith("One step off: 2. For example: Read F3 in the treble clef as E3"));
  EXPECT_TRUE(lines
                  .filter("Read in the other clef: 1. For example: Read A2 in the bass clef as F4: the same place on "
                          "the treble staff.")
                  .size() == 1)
      << lines.join('\n').toStdString();

  window_.Show(Request(/*middleCIsC4=*/true));
  EXPECT_EQ(window_.MistakeLines().filter("Read A3 in the bass clef as F5: the same place").size(), 1);
  window_.Show(Request(/*middleCIsC4=*/false, /*syllables=*/true));
  EXPECT_EQ(window_.MistakeLines().filter(QString::fromUtf8("Read Lá2 in the bass clef as Fá4: the same place")).size(),
            1)
      << window_.MistakeLines().join('\n').toStdString();
}

TEST_F(ProgressWindowTest, NothingToShowIsSaidPlainly) {
  window_.Show(Request());  // no file
  EXPECT_TRUE(window_.Message().startsWith("No answers yet"));
  EXPECT_EQ(window_.Map().Marks().size(), 0u);
  window_.grab();
  EXPECT_EQ(window_.Map().Marks().size(), 4u);
  EXPECT_FALSE(std::filesystem::exists(path_));  // reading never creates a journal

  { journal::Journal created(path_); }
  window_.Reload();
  EXPECT_TRUE(window_.Message().startsWith("No answers yet"));

  std::filesystem::remove(path_);
  std::ofstream(path_) << std::string(8192, 'x');
  window_.Reload();
  EXPECT_TRUE(window_.Message().contains("could not be read"));
  EXPECT_TRUE(window_.MistakeLines().isEmpty());
  window_.grab();
}

TEST_F(ProgressWindowTest, ReadsWhileAnotherTrainerWrites) {
  Write(path_, ThreeSessions());
  journal::Journal writer(path_);
  ASSERT_EQ(journal::Execute(writer.db(), "BEGIN IMMEDIATE"), 0);
  ASSERT_EQ(journal::Execute(writer.db(), "DELETE FROM answers"), 0);
  window_.Show(Request());  // sees what was committed, without waiting for the writer
  EXPECT_TRUE(window_.Message().isEmpty());
  EXPECT_EQ(window_.Report().days.size(), 3u);
  journal::Execute(writer.db(), "ROLLBACK");
}

TEST_F(ProgressWindowTest, ResetShowsTheJournalAnew) {
  Write(path_, ThreeSessions());
  auto request = Request();
  int exported = 0;
  request.exportJournal = [&] { ++exported; };
  request.resetProgress = [&] { std::filesystem::rename(path_, path_ + ".backup"); };
  window_.Show(request);
  EXPECT_TRUE(window_.Message().isEmpty());
  window_.ExportButton().click();
  EXPECT_EQ(exported, 1);
  window_.ResetButton().click();
  EXPECT_TRUE(window_.Message().startsWith("No answers yet"));
  EXPECT_TRUE(window_.Report().days.empty());
}

}  // namespace
}  // namespace lintra::progress

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
