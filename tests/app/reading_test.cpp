// The "Reading" menu as the trainer wires it: its choices read back from the options file, lines
// drawn as the menu and the range say, and each note of a line journalled with its place.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/trainer.h"
#include "midi/composite_service.h"
#include "midi/null_synth_service.h"
#include "testing/fake_midi_service.h"
#include "testing/manual_clock.h"
#include "testing/recording_canvas.h"
#include "testing/recording_dialogs.h"
#include "ui/layout.h"

namespace lintra::app {
namespace {

namespace fs = std::filesystem;

struct Pump : ui::EventPump {
  void ProcessPendingEvents() override {}
};

// A trainer started over an options file of the given lines, in a folder of its own.
struct Rig {
  explicit Rig(const std::vector<std::string>& options, bool journal = false)
      : folder(fs::temp_directory_path() /
               (std::string("lintra-reading-") + ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream file(folder / "options.qor");
    for (const auto& line : options) file << line << '\n';
    file.close();
    trainer = std::make_unique<Trainer>(
        model, FormServices{clock, dialogs, shell, pump, canvas, midi, loop, (folder / "cmbtext.qor").string(), "help"},
        PracticeServices{journal ? (folder / "journal.sqlite").string() : ""});
    trainer->Form().FormCreate();
    trainer->Form().Initial();
    trainer->Form().FormPaint();
  }
  ~Rig() {
    trainer.reset();
    fs::remove_all(folder);
  }
  void Play(int midiNote) {
    trainer->Form().ClickControl(*model.FindControl(ui::Keyboard()[midiNote - theory::kLowestKeyMidi].name));
  }

  fs::path folder;
  ui::ManualClock clock;
  ui::RecordingDialogs dialogs;
  ui::QuietShell shell;
  Pump pump;
  notation::RecordingCanvas canvas;
  midi::MessageLoop loop;
  midi::CompositeMidiService midi{std::make_unique<midi::FakeMidiService>(),
                                  std::make_unique<midi::NullSynthService>()};
  ui::WindowModel model;
  std::unique_ptr<Trainer> trainer;
};

int MidiOf(const notation::LineNote& note) { return theory::SpelledNoteTable()[note.slot].midiNote; }

TEST(ReadingChoices, ValuesNoRowNamesAreReadAsTheDefaults) {
  for (const char* range : {"NoteRange=90-10", "NoteRange=72-60", "NoteRange=60", "NoteRange=-5-70"}) {
    Rig rig({"LineLength=7", "LargestLeap=huge", range});
    EXPECT_TRUE(rig.model.M(ui::menu::LineOf4).checked);
    EXPECT_TRUE(rig.model.M(ui::menu::LeapFifth).checked);
    EXPECT_FALSE(rig.model.M(ui::menu::ChooseRange).checked) << range;
    EXPECT_EQ(rig.trainer->Coach().Reading().Range(), theory::NoteRange{}) << range;
  }
}

TEST(ReadingChoices, EveryLineKeepsToTheRangeTheLengthAndTheLargestLeap) {
  Rig rig({"ReadLine=1", "LineLength=8", "LargestLeap=third", "NoteRange=60-72"});
  EXPECT_TRUE(rig.model.M(ui::menu::ChooseRange).checked);
  for (int line = 0; line < 40; ++line) {
    rig.trainer->Form().Reading().AskAnew();
    rig.clock.Advance(10 + line);
    const auto& notes = rig.trainer->Form().Reading().Notes();
    ASSERT_EQ(notes.size(), 8u);
    for (std::size_t i = 0; i < notes.size(); ++i) {
      EXPECT_GE(MidiOf(notes[i]), 60);
      EXPECT_LE(MidiOf(notes[i]), 72);
      EXPECT_EQ(notes[i].slot % 3, 0) << "C major's notes are the naturals";
      // A third spans two letter steps.
      if (i > 0) {
        EXPECT_LE(std::abs(notes[i].slot / 3 - notes[i - 1].slot / 3), 2);
      }
    }
  }
}

TEST(LineReading, EachNoteIsJournalledWithItsPlaceAndAWrongKeyCountsOnlyOnce) {
  Rig rig({"ReadLine=1"}, true);
  rig.clock.Advance(10);
  const auto notes = rig.trainer->Form().Reading().Notes();
  ASSERT_EQ(notes.size(), 4u);
  const int wrong = MidiOf(notes[1]) == 83 ? 82 : MidiOf(notes[1]) + 1;
  rig.Play(MidiOf(notes[0]));
  rig.Play(wrong);
  rig.Play(wrong);
  for (std::size_t i = 1; i < notes.size(); ++i) rig.Play(MidiOf(notes[i]));
  auto& form = rig.trainer->Form();
  EXPECT_EQ(form.Reading().NoteNumber(), 0);
  EXPECT_EQ(form.AnswerCount, 4);
  EXPECT_EQ(form.WrongCount, 1);

  rig.trainer.reset();  // the journal is written and closed
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open((rig.folder / "journal.sqlite").string().c_str(), &db), SQLITE_OK);
  sqlite3_stmt* select = nullptr;
  sqlite3_prepare_v2(db, "SELECT line_note, attempt, correct FROM answers ORDER BY id", -1, &select, nullptr);
  std::vector<std::string> rows;
  while (sqlite3_step(select) == SQLITE_ROW) {
    rows.push_back(std::to_string(sqlite3_column_int(select, 0)) + "/" + std::to_string(sqlite3_column_int(select, 1)) +
                   "/" + std::to_string(sqlite3_column_int(select, 2)));
  }
  sqlite3_finalize(select);
  sqlite3_close(db);
  EXPECT_EQ(rows, (std::vector<std::string>{"1/1/1", "2/1/0", "2/2/0", "2/3/1", "3/1/1", "4/1/1"}));
}

}  // namespace
}  // namespace lintra::app
