// Answers by microphone as the trainer wires them: nothing captured (nor the capture even made)
// until listening is switched on, the input remembered between starts, and what the trainer
// itself sounds kept from answering.
#include "app/microphone.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/trainer.h"
#include "midi/composite_service.h"
#include "midi/null_synth_service.h"
#include "testing/fake_capture_service.h"
#include "testing/fake_midi_service.h"
#include "testing/manual_clock.h"
#include "testing/recording_canvas.h"
#include "testing/recording_dialogs.h"

namespace lintra::app {
namespace {

struct Pump : ui::EventPump {
  void ProcessPendingEvents() override {}
};

struct Chooser : SoundInputChooser {
  std::optional<std::string> ChooseSoundInput(const SoundInputChoice& choice) override {
    shown = choice;
    return answer;
  }
  std::optional<std::string> answer;
  SoundInputChoice shown;
};

struct MicrophoneTest : ::testing::Test {
  MicrophoneTest() {
    folder = std::filesystem::temp_directory_path() /
             ("lintra-microphone-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  ~MicrophoneTest() override { std::filesystem::remove_all(folder); }

  // A trainer as the program makes one, with the options file holding `options`.
  std::unique_ptr<Trainer> Start(const std::vector<std::string>& options = {}) {
    if (!options.empty()) {
      std::ofstream file(folder / "options.qor", std::ios::binary);
      for (const auto& line : options) file << line << "\r\n";
    }
    model = std::make_unique<ui::WindowModel>();
    auto trainer = std::make_unique<Trainer>(
        *model, FormServices{clock, dialogs, shell, pump, canvas, midi, loop, folder / "cmbtext.qor", "help"},
        PracticeServices{}, ListeningServices{[this]() -> listen::CaptureService& {
                                                ++made;
                                                return capture;
                                              },
                                              &chooser});
    trainer->Form().FormCreate();
    clock.Advance(10);  // the first question
    return trainer;
  }
  std::string OptionsFile() {
    std::ifstream file(folder / "options.qor", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  void Click(Trainer& trainer, ui::MenuName item) { trainer.Form().Guard(model->M(item).handler); }

  std::filesystem::path folder;
  ui::ManualClock clock;
  ui::RecordingDialogs dialogs;
  ui::QuietShell shell;
  Pump pump;
  notation::RecordingCanvas canvas;
  midi::MessageLoop loop;
  midi::CompositeMidiService midi{std::make_unique<midi::FakeMidiService>(), std::make_unique<midi::NullSynthService>()};
  testing::FakeCaptureService capture;
  Chooser chooser;
  int made = 0;  // how often the capture was asked for
  std::unique_ptr<ui::WindowModel> model;
};

TEST_F(MicrophoneTest, NothingIsCapturedOrEvenLoadedUntilListeningIsOnAndNothingAfter) {
  auto trainer = Start();
  trainer->Form().KeyClick(35);  // an answer on the screen
  clock.Advance(2000);
  EXPECT_EQ(made, 0);
  EXPECT_FALSE(capture.Running());

  Click(*trainer, ui::menu::AnswerByMicrophone);
  EXPECT_TRUE(capture.Running());
  EXPECT_EQ(capture.Started(), "");  // the system's default input
  Click(*trainer, ui::menu::AnswerByMicrophone);
  EXPECT_FALSE(capture.Running());

  Click(*trainer, ui::menu::AnswerByMicrophone);
  trainer->Form().FormClose();
  EXPECT_FALSE(capture.Running());
  EXPECT_EQ(made, 1);
  EXPECT_TRUE(dialogs.boxes.size() == 1 && dialogs.boxes[0].rfind("Thank", 0) == 0) << dialogs.boxes.size();
}

TEST_F(MicrophoneTest, TheInputChosenIsRememberedAndListenedToAtTheNextStart) {
  {
    auto trainer = Start();
    chooser.answer = "USB Audio";
    Click(*trainer, ui::menu::SoundInput);
    EXPECT_FALSE(chooser.shown.listening);
    EXPECT_EQ(chooser.shown.devices.size(), 2u);
    EXPECT_FALSE(capture.Running());  // chosen, not listened to: the option is off
    Click(*trainer, ui::menu::AnswerByMicrophone);
    EXPECT_EQ(capture.Started(), "USB Audio");
  }
  EXPECT_EQ(OptionsFile(), "MiddleCIsC4=0\r\nAnswerByMicrophone=1\r\nSoundInput=USB Audio\r\n");
  capture.Stop();

  auto trainer = Start();
  EXPECT_EQ(capture.Started(), "USB Audio");

  // A name that would break the file's lines is listened to, not written.
  chooser.answer = "Odd\nName";
  capture.devices.push_back({"Odd\nName", false});
  Click(*trainer, ui::menu::SoundInput);
  EXPECT_EQ(capture.Started(), "Odd\nName");
  EXPECT_EQ(OptionsFile().find("Odd"), std::string::npos);
}

TEST_F(MicrophoneTest, AnInputMissingAtStartIsToldOnceAndTheTrainerGoesOn) {
  capture.devices = {{"Built-in Microphone", true}};
  auto trainer = Start({"AnswerByMicrophone=1", "SoundInput=USB Audio"});
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_NE(dialogs.boxes[0].find("cannot listen to \"USB Audio\""), std::string::npos);
  EXPECT_FALSE(capture.Running());
  clock.Advance(5000);
  EXPECT_EQ(dialogs.boxes.size(), 1u);
  const int question = trainer->Form().QuestionNote;
  trainer->Form().KeyClick(question - ui::kLowestKeyNote);
  EXPECT_EQ(trainer->Form().AnswerCount, 1);
}

// The trainer sounds from a note-on until all its notes are off, and at most 800 ms: a note held
// on (the sustain on, the error signal that nothing switches off) must not keep the student from
// answering.
TEST(TrainerSound, EndsWithItsLastNoteOrAfterTheLongestTime) {
  std::vector<bool> changes;
  TrainerSound sound([&changes](bool sounding) { changes.push_back(sounding); });
  sound.Sent(midi::NoteOn{76}, 1000);
  sound.Sent(midi::ProgramChange{113}, 1000);
  sound.Sent(midi::NoteOn{81}, 1000);
  sound.Sent(midi::NoteOff{76}, 1100);
  EXPECT_TRUE(sound.Sounding());  // the error signal rings on
  sound.Tick(1799);
  EXPECT_TRUE(sound.Sounding());
  sound.Tick(1800);
  EXPECT_FALSE(sound.Sounding());
  EXPECT_EQ(changes, (std::vector<bool>{true, true, false}));

  // The note held past its time is forgotten: the next note ends with its own note-off.
  sound.Sent(midi::NoteOn{60}, 2000);
  sound.Sent(midi::NoteOff{60, 0}, 2300);
  EXPECT_FALSE(sound.Sounding());

  // Across midnight.
  sound.Sent(midi::NoteOn{60}, ui::kMsPerDay - 100);
  sound.Tick(500);
  EXPECT_TRUE(sound.Sounding());
  sound.Tick(700);
  EXPECT_FALSE(sound.Sounding());
}

}  // namespace
}  // namespace lintra::app
