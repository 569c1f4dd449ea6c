// The Progress window rendered offscreen over small journals written for the purpose.
#include "app/qt/progress/progress_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/qt/progress/calendar_chart.h"
#include "app/qt/progress/map_legend.h"
#include "app/qt/progress/mastery_map.h"
#include "app/qt/progress/mastery_table.h"
#include "app/qt/progress/screen_fit.h"
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

// Each answer of session `weakSession` asked while "Practise Weak Notes" was on.
void Write(const std::string& path, const std::vector<Answer>& answers, std::int64_t weakSession = 0) {
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
    records.back().weakNotes = a.session == weakSession;
    records.back().utcOffsetMinutes = 60;  // the student is one hour east of UTC
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
  Write(path_, ThreeSessions(), 2);
  window_.Show(Request());
  window_.Pages().setCurrentIndex(1);
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
  // The session that practised weak notes stands on a grey band, and the words say so.
  ASSERT_EQ(window_.SessionChart().WeakNotesBands().size(), 1u);
  const QImage sessions = window_.SessionChart().grab().toImage();
  const QRectF band = window_.SessionChart().WeakNotesBands()[0];
  const QPoint clear(static_cast<int>(band.left()) + 3, static_cast<int>(band.top() + 0.4 * band.height()));
  EXPECT_EQ(qGray(sessions.pixel(clear)), 0xE4);  // away from the lines and the grid
  EXPECT_EQ(band.center().x(), window_.SessionChart().AccuracyMarkers()[1].x());
  EXPECT_EQ(window_.SessionSummary().text().toStdString(),
            "Over the last 3 sessions: right at the first try from 80% to 83%, median answer time from 1.0 s to 1.0 s. "
            "1 of them practised weak notes.");
  EXPECT_EQ(window_.SessionChart().accessibleDescription(), window_.SessionSummary().text());
  EXPECT_EQ(window_.DaySummary().text().toStdString(),
            "Over 3 days of practice: right at the first try from 80% to 83%, median answer time from 1.0 s to 1.0 s.");
  EXPECT_EQ(window_.DayChart().accessibleDescription(), window_.DaySummary().text());
  // The calendar: the three days of practice shaded, nothing before them, three days in a row.
  const std::int64_t first = kDay1 / kDay;
  EXPECT_EQ(window_.Calendar().LevelOf(first - 1), 0);
  for (std::int64_t day = first; day < first + 3; ++day) EXPECT_GT(window_.Calendar().LevelOf(day), 0);
  const int questions = days[0].firstTries + days[1].firstTries + days[2].firstTries;
  EXPECT_EQ(window_.CalendarSummary().text().toStdString(), "Days with practice in the last 119: 3, with " +
                                                                std::to_string(questions) +
                                                                " questions. Days in a row: 3 (the longest run: 3).");
  EXPECT_EQ(window_.Calendar().accessibleDescription(), window_.CalendarSummary().text());

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

// The map in words: a table a screen reader reads row by row and a teacher sorts, the notes' names
// under them in the naming chosen, one line that sums it up, and the legend whole beside a map of
// one clef (a narrow one).
// The band of a weak-note session at the chart's edge is cut at the plot's frame, not painted over
// the axis and its figures.
TEST(TrendChartBands, AWeakNoteBandAtTheEdgeStaysInsideThePlot) {
  TrendChart chart("Per practice session", "Session");
  chart.resize(400, 300);
  std::vector<journal::TrendPoint> points(3, {.firstTries = 4, .firstTriesRight = 3, .medianResponseMs = 300});
  points[0].weakNotes = true;
  chart.SetPoints(points, {"1", "2", "3"});
  const QImage image = chart.grab().toImage();
  ASSERT_EQ(chart.WeakNotesBands().size(), 1u);
  const QRectF band = chart.WeakNotesBands()[0];
  const int y = static_cast<int>(band.top() + 0.15 * band.height());  // above the lines and the grid
  int frame = static_cast<int>(chart.AccuracyMarkers()[0].x());
  while (frame > 0 && qGray(image.pixel(frame, y)) > 200) --frame;  // the plot's left edge, antialiased
  ASSERT_GT(frame, 0);
  EXPECT_GE(band.left(), frame);
  for (int x = 0; x < frame; ++x) EXPECT_NE(qGray(image.pixel(x, y)), 0xE4) << x;
  EXPECT_EQ(qGray(image.pixel(frame + 3, y)), 0xE4);
}

TEST_F(ProgressWindowTest, TheMapIsAlsoATableWithNamesASummaryAndAWholeLegend) {
  Write(path_, ThreeSessions());
  window_.Show(Request(/*middleCIsC4=*/false, /*syllables=*/true));
  const QImage map = window_.Map().grab().toImage();
  const auto& marks = window_.Map().Marks();
  const MasteryTable& table = window_.Table();
  ASSERT_EQ(table.rowCount(), 4);
  for (int row = 0; row < table.rowCount(); ++row) {
    SCOPED_TRACE(row);
    const auto& mark = marks[static_cast<std::size_t>(row)];
    EXPECT_EQ(table.item(row, MasteryTable::Note)->text(), mark.name);
    EXPECT_EQ(table.item(row, MasteryTable::Figure)->text(), mark.figure);
    EXPECT_EQ(table.item(row, MasteryTable::Answers)->text().toInt(),
              window_.Report().notes[static_cast<std::size_t>(row)].mastery.firstTries);
    EXPECT_GT(InkedPixels(map, mark.nameBox), 5);
    if (row > 0) {
      EXPECT_FALSE(mark.nameBox.intersects(marks[static_cast<std::size_t>(row) - 1].nameBox));
    }
  }
  EXPECT_EQ(marks[0].name, "Mi3");
  EXPECT_EQ(table.item(0, MasteryTable::State)->text(), "fluent");
  const_cast<MasteryTable&>(table).sortByColumn(MasteryTable::Figure, Qt::AscendingOrder);
  EXPECT_EQ(table.item(0, MasteryTable::Note)->text(), QString::fromUtf8("Lá3"));  // never asked
  EXPECT_EQ(table.item(3, MasteryTable::Note)->text(), "Mi3");

  const QString summary = window_.MapSummary().text();
  EXPECT_TRUE(summary.startsWith("1 of 4 notes fluent, 1 learning, 2 new. Weakest: ")) << summary.toStdString();
  EXPECT_TRUE(summary.contains(QString::fromUtf8("Fá3 (")) && summary.contains("Sol3 ("));
  EXPECT_FALSE(summary.contains("Mi3") || summary.contains(QString::fromUtf8("Lá3")));
  EXPECT_EQ(window_.Map().accessibleDescription(), summary);

  auto oneClef = Request();
  oneClef.clefRange = practice::ClefRange::Treble;
  oneClef.pool = {Slot("E4"), Slot("F4")};
  window_.Show(oneClef);
  QCoreApplication::processEvents();
  const auto* legend = window_.findChild<MapLegend*>();
  ASSERT_NE(legend, nullptr);
  for (const QLabel* label : legend->findChildren<QLabel*>()) {
    EXPECT_TRUE(label->isVisible());
    EXPECT_GE(label->width(), label->minimumSizeHint().width()) << label->text().toStdString();
    EXPECT_TRUE(window_.rect().contains(QRect(label->mapTo(&window_, QPoint()), label->size())));
  }
}

// A teacher looks through the student's keys: another key or clef range in the window reads the
// journal, not the trainer's model (which stays the student's key), and the trends are that key's.
TEST_F(ProgressWindowTest, AnotherKeyOrClefIsShownWithoutTouchingTheStudentsExercise) {
  Write(path_, ThreeSessions());  // all in C major
  practice::ReadingModel trainers;
  int asked = 0;
  auto request = Request();
  request.reading = [&]() -> practice::ReadingModel& {
    ++asked;
    return trainers;
  };
  window_.Show(request);
  EXPECT_EQ(asked, 1);
  auto choose = [](QComboBox& choice, int value) { choice.setCurrentIndex(choice.findData(value)); };
  choose(window_.KeyChoice(), static_cast<int>(theory::KeyId::GMajor));
  EXPECT_EQ(window_.Shown().key, theory::KeyId::GMajor);
  EXPECT_EQ(window_.Shown().pool, practice::PoolIn(theory::KeyId::GMajor, practice::ClefRange::Grand));
  EXPECT_EQ(window_.Table().rowCount(), static_cast<int>(window_.Shown().pool.size()));
  EXPECT_TRUE(window_.Report().days.empty());
  EXPECT_EQ(window_.DaySummary().text(), "No answers in this key in the last 30 days.");
  choose(window_.ClefChoice(), static_cast<int>(practice::ClefRange::Treble));
  EXPECT_EQ(window_.Shown().pool, practice::PoolIn(theory::KeyId::GMajor, practice::ClefRange::Treble));
  EXPECT_EQ(asked, 1);

  choose(window_.ClefChoice(), static_cast<int>(practice::ClefRange::Grand));
  choose(window_.KeyChoice(), static_cast<int>(theory::KeyId::CMajor));
  EXPECT_EQ(window_.Shown().pool, request.pool);  // the trainer's own again
  EXPECT_EQ(window_.Report().days.size(), 3u);
  EXPECT_EQ(asked, 2);
  choose(window_.KeyChoice(), static_cast<int>(theory::KeyId::DMajor));
  window_.Show(request);  // the menu shows the student's key again
  EXPECT_EQ(window_.KeyChoice().currentData().toInt(), static_cast<int>(theory::KeyId::CMajor));
}

TEST_F(ProgressWindowTest, NewAnswersAppearWhileTheWindowIsOpen) {
  Write(path_, ThreeSessions());
  int renewals = 0;
  std::function<coach::ProgressRequest()> renewed = [&] {
    ++renewals;
    auto again = Request();
    again.renewed = renewed;
    return again;
  };
  auto request = Request();
  request.renewed = renewed;
  window_.Show(request);
  window_.KeyChoice().setCurrentIndex(window_.KeyChoice().findData(static_cast<int>(theory::KeyId::AMinor)));
  window_.KeyChoice().setCurrentIndex(window_.KeyChoice().findData(static_cast<int>(theory::KeyId::CMajor)));
  const auto sessions = window_.Report().sessions.size();
  Write(path_, {{kDay1 + 2 * kDay, 4, "E3", "E3"}});
  window_.Answered();
  window_.Answered();  // answers in a run are read once
  EXPECT_EQ(renewals, 0);
  QTest::qWait(ProgressWindow::kRefreshDelayMs + 200);
  EXPECT_EQ(renewals, 1);
  EXPECT_EQ(window_.Report().sessions.size(), sessions + 1);
  window_.hide();
  window_.Answered();
  QTest::qWait(ProgressWindow::kRefreshDelayMs + 200);
  EXPECT_EQ(renewals, 1);
}

// The window's frame stays in the screen's free area at any screen size: smaller where it must be,
// moved in where it would stand out.
TEST_F(ProgressWindowTest, TheWindowStaysInsideTheScreen) {
  const QMargins frame(4, 30, 4, 4);
  EXPECT_EQ(FitOnScreen(QRect(0, 0, 1920, 1040), QRect(500, -20, 820, 1100), frame), QRect(500, 30, 820, 1006));
  EXPECT_EQ(FitOnScreen(QRect(0, 0, 1366, 740), QRect(900, 100, 1400, 600), frame), QRect(4, 100, 1358, 600));
  EXPECT_EQ(FitOnScreen(QRect(0, 0, 1366, 740), QRect(10, 40, 800, 500), frame), QRect(10, 40, 800, 500));

  Write(path_, ThreeSessions());
  auto grand = Request();
  grand.pool = practice::PoolIn(theory::KeyId::Chromatic, practice::ClefRange::Grand);  // three systems
  grand.key = theory::KeyId::Chromatic;
  window_.Show(grand);
  QCoreApplication::processEvents();
  const QRect screen = window_.screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(window_.frameGeometry())) << screen.width() << "x" << screen.height();
  EXPECT_GT(window_.Map().sizeHint().height(), screen.height() / 2);  // the map scrolls rather than push it out
  // Whatever the screen, nothing needs more than a small laptop's screen gives.
  EXPECT_LE(window_.minimumSizeHint().width(), 1366 - 20);
  EXPECT_LE(window_.minimumSizeHint().height(), 768 - 80);
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
  // A small laptop's screen whatever the machine (the offscreen platform's own is 800 x 800): the window
  // must fit inside it.
  const auto screen = std::filesystem::temp_directory_path() /
                      ("lintra-progress-screen-" + std::to_string(QCoreApplication::applicationPid()) + ".json");
  std::ofstream(screen) << R"({"screens":[{"name":"S","x":0,"y":0,"width":1366,"height":768,"logicalDpi":96}]})";
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + screen.string().c_str());
  QApplication application(argc, argv);
  std::filesystem::remove(screen);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
