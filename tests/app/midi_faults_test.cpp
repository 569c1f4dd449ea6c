// The main window over a MIDI service that fails: refused opens, failing
// sends, devices that vanish, unreadable device records, and a settings file
// that cannot be written or is damaged.  In every case the trainer must keep
// asking and judging questions, show at most one box per user action, and
// never lose or half-write the saved device choice.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "app/device_settings.h"
#include "app/form2.h"
#include "app/trainer.h"
#include "midi/composite_service.h"
#include "midi/message_loop.h"
#include "midi/null_synth_service.h"
#include "midi/synth_device_name.h"
#include "testing/fake_midi_service.h"
#include "testing/manual_clock.h"
#include "testing/recording_canvas.h"
#include "testing/recording_dialogs.h"
#include "ui/window_model.h"

namespace lintra::app {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using midi::FakeMidiService;
using Op = FakeMidiService::Op;

constexpr const char* kSynth = midi::kSynthDeviceName;

class LoopPump : public ui::EventPump {
 public:
  void ProcessPendingEvents() override {
    while (form != nullptr && loop.Pending() > 0) form->Guard([this] { loop.DispatchPending(); });
  }
  midi::MessageLoop loop;
  TForm2* form = nullptr;
};

// The window as the program wires it, over scripted devices.
class Window {
 public:
  Window(std::vector<std::string> inputs, std::vector<std::string> outputs, fs::path settingsFile)
      : settingsFile_(std::move(settingsFile)) {
    auto fake = std::make_unique<FakeMidiService>();
    fake->SetInputDevices(std::move(inputs));
    fake->SetOutputDevices(std::move(outputs));
    fake_ = fake.get();
    service_ =
        std::make_unique<midi::CompositeMidiService>(std::move(fake), std::make_unique<midi::NullSynthService>());
  }
  ~Window() {
    pump_.form = nullptr;
    trainer_.reset();
    EXPECT_TRUE(dialogs_.questions.empty()) << "unexpected question: " << dialogs_.questions.front();
  }

  FakeMidiService& Fake() { return *fake_; }

  // `beforeCreate` runs between building the window and creating it.
  void Start(const std::function<void()>& beforeCreate = {}) {
    FormServices services{clock_, dialogs_, shell_, pump_, canvas_, *service_, pump_.loop, settingsFile_, "help"};
    trainer_ = std::make_unique<Trainer>(model_, services);
    pump_.form = &trainer_->Form();
    if (beforeCreate) beforeCreate();
    Form().FormCreate();
    Form().Initial();
    Form().FormPaint();
  }

  TForm2& Form() { return trainer_->Form(); }
  ui::WindowModel& Model() { return model_; }
  std::size_t Shown() const { return dialogs_.boxes.size(); }
  const std::string& LastShown() const { return dialogs_.boxes.back(); }

  void Wait(std::int64_t ms) { clock_.Advance(ms); }
  void Menu(std::string_view name) { Form().Guard(model_.MenuNamed(name).handler); }
  void Select(std::string_view combo, const std::string& item) {
    auto& control = model_.ControlNamed(combo);
    for (std::size_t i = 0; i < control.items.size(); ++i) {
      if (control.items[i] == item) {
        Form().SelectItem(control, static_cast<int>(i));
        return;
      }
    }
    ADD_FAILURE() << item << " is not listed in " << combo;
  }
  void ChooseOutput(const std::string& item) {
    Menu("Outputs1");
    Select("cmbOutput", item);
  }
  bool MidiIn(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    if (!fake_->InjectShort(status, data1, data2)) return false;
    pump_.ProcessPendingEvents();
    return true;
  }

  // A question is on the staff and the matching key is judged right.
  void AnswerNextQuestion() {
    Wait(600);
    auto& form = Form();
    ASSERT_GE(form.QuestionNote, 41);
    ASSERT_LE(form.QuestionNote, 83);
    const auto answers = form.AnswerCount;
    form.ClickControl(model_.Key(form.QuestionNote - ui::kLowestKeyNote));
    EXPECT_EQ(form.AnswerCount, answers + 1);
    EXPECT_EQ(model_.C(ui::control::AnsShow).text.rfind("That is correct: ", 0), 0U)
        << model_.C(ui::control::AnsShow).text;
  }

 private:
  fs::path settingsFile_;
  ui::ManualClock clock_;
  ui::RecordingDialogs dialogs_;
  ui::QuietShell shell_;
  LoopPump pump_;
  notation::RecordingCanvas canvas_;
  FakeMidiService* fake_ = nullptr;
  std::unique_ptr<midi::MidiService> service_;
  ui::WindowModel model_;
  std::unique_ptr<Trainer> trainer_;
};

class MidiFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "lintra-faults-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    file_ = DeviceSettingsPath(folder_);
  }
  void TearDown() override {
    window_.reset();
    std::error_code error;
    fs::remove_all(folder_, error);
  }

  Window& Make(std::vector<std::string> inputs, std::vector<std::string> outputs) {
    return Make(std::move(inputs), std::move(outputs), file_);
  }
  Window& Make(std::vector<std::string> inputs, std::vector<std::string> outputs, const fs::path& file) {
    window_ = std::make_unique<Window>(std::move(inputs), std::move(outputs), file);
    return *window_;
  }
  void WriteSettings(const std::string& bytes) {
    fs::create_directories(file_.parent_path());
    std::ofstream(file_, std::ios::binary | std::ios::trunc) << bytes;
  }
  std::string Settings() const {
    std::ifstream in(file_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static std::size_t SentTo(FakeMidiService& fake, int device) {
    std::size_t count = 0;
    for (const auto& message : fake.Sent()) count += message.device == device ? 1 : 0;
    return count;
  }

  fs::path folder_;
  fs::path file_;
  std::unique_ptr<Window> window_;
};

TEST_F(MidiFaultsTest, RefusedOutputOpenFallsBackToTheSynthesizerWithOneMessagePerChoice) {
  auto& w = Make({"Keys"}, {"Alpha Out", "Zeta Out"});
  w.Fake().Fail(Op::OutOpen, midi::kErrAllocated);
  w.Start();
  ASSERT_EQ(w.Shown(), 1U);
  EXPECT_NE(w.LastShown().find("\"Alpha Out\""), std::string::npos) << w.LastShown();
  EXPECT_NE(w.LastShown().find("built-in synthesizer"), std::string::npos) << w.LastShown();
  EXPECT_TRUE(w.Form().MidiOutput1.IsOpen());
  EXPECT_EQ(w.Form().MidiOutput1.ProductName(), kSynth);
  EXPECT_TRUE(w.Form().MidiInput1.IsOpen());
  w.AnswerNextQuestion();
  w.AnswerNextQuestion();
  EXPECT_EQ(w.Shown(), 1U);

  // Choosing a refused device again says so again, once, and still saves it.
  w.ChooseOutput("Zeta Out");
  EXPECT_EQ(w.Shown(), 2U);
  EXPECT_NE(w.LastShown().find("\"Zeta Out\""), std::string::npos) << w.LastShown();
  EXPECT_EQ(Settings(), "Keys\r\n0\r\nZeta Out\r\n2\r\n\r\n\r\n");
  EXPECT_EQ(w.Form().MidiOutput1.ProductName(), kSynth);
  EXPECT_EQ(w.Form().RepeatPending, 1);
  w.AnswerNextQuestion();
  EXPECT_EQ(w.Shown(), 2U);

  // Once the device lets itself be opened, the same choice uses it.
  w.Fake().ClearFaults();
  w.ChooseOutput("Zeta Out");
  EXPECT_EQ(w.Shown(), 2U);
  EXPECT_EQ(w.Form().MidiOutput1.ProductName(), "Zeta Out");
  w.AnswerNextQuestion();
  EXPECT_GT(SentTo(w.Fake(), 1), 0U);
}

TEST_F(MidiFaultsTest, SendFailingOnceIsReportedOnceAndTheNotesGoOnThroughTheSynthesizer) {
  auto& w = Make({"Keys"}, {"Alpha Out"});
  w.Start();
  w.Wait(10);
  ASSERT_EQ(w.Shown(), 0U);
  ASSERT_EQ(w.Form().MidiOutput1.ProductName(), "Alpha Out");
  const std::string saved = "Keys\r\n0\r\nAlpha Out\r\n0\r\n";
  WriteSettings(saved);

  w.Fake().Fail(Op::OutShort, midi::kErrNotReady, /*once=*/true);
  w.AnswerNextQuestion();
  EXPECT_EQ(w.Shown(), 1U);
  EXPECT_NE(w.LastShown().find("\"Alpha Out\""), std::string::npos) << w.LastShown();
  EXPECT_EQ(w.Form().MidiOutput1.ProductName(), kSynth);
  for (int i = 0; i < 5; ++i) w.AnswerNextQuestion();
  EXPECT_EQ(w.Shown(), 1U);
  EXPECT_EQ(Settings(), saved) << "a fallback is no choice of the user";

  // The user's device comes back with the next choice; failures are reported afresh.
  const auto before = SentTo(w.Fake(), 0);
  w.ChooseOutput("Alpha Out");
  w.AnswerNextQuestion();
  EXPECT_GT(SentTo(w.Fake(), 0), before);
  EXPECT_EQ(w.Shown(), 1U);
  w.Fake().Fail(Op::OutShort, midi::kErrNotReady, /*once=*/true);
  w.AnswerNextQuestion();
  EXPECT_EQ(w.Shown(), 2U);
}

TEST_F(MidiFaultsTest, SilentSynthesizerIsToldOnceAndOnlyWhileItIsTheOutput) {
  const std::string why = "it could open no audio output";
  {
    auto& w = Make({}, {});  // the synthesizer is all there is
    w.Start();
    w.Form().SynthesizerSilent(why);
    ASSERT_EQ(w.Shown(), 1U);
    EXPECT_NE(w.LastShown().find(why), std::string::npos) << w.LastShown();
    EXPECT_NE(w.LastShown().find("\"Inputs/Outputs\""), std::string::npos) << w.LastShown();
    for (int i = 0; i < 3; ++i) w.AnswerNextQuestion();
    EXPECT_EQ(w.Shown(), 1U) << "nothing per note";
  }
  auto& w = Make({"Keys"}, {"Alpha Out"});
  w.Start();
  w.Wait(10);
  w.Form().SynthesizerSilent(why);
  EXPECT_EQ(w.Shown(), 0U) << "the notes sound through Alpha Out";
  w.ChooseOutput(kSynth);
  ASSERT_EQ(w.Shown(), 1U);
  EXPECT_NE(w.LastShown().find(why), std::string::npos) << w.LastShown();
  w.AnswerNextQuestion();
  w.ChooseOutput("Alpha Out");
  w.ChooseOutput(kSynth);
  EXPECT_EQ(w.Shown(), 1U);
}

TEST_F(MidiFaultsTest, SilentSynthesizerTakingOverAFailingOutputIsToldInTheSameBox) {
  auto& w = Make({"Keys"}, {"Alpha Out"});
  w.Start();
  w.Form().SynthesizerSilent("it could open no audio output");
  w.Fake().Fail(Op::OutShort, midi::kErrNotReady, /*once=*/true);
  w.AnswerNextQuestion();
  ASSERT_EQ(w.Shown(), 1U);
  EXPECT_NE(w.LastShown().find("\"Alpha Out\""), std::string::npos) << w.LastShown();
  EXPECT_NE(w.LastShown().find("synthesizer is silent"), std::string::npos) << w.LastShown();
}

TEST_F(MidiFaultsTest, SendFailingAlwaysIsReportedOnceInAllAndChoicesStillWork) {
  auto& w = Make({}, {"Alpha Out", "Zeta Out"});
  w.Start();
  w.Wait(10);
  w.Fake().Fail(Op::OutShort, midi::kErrNoDriver);
  for (int i = 0; i < 4; ++i) w.AnswerNextQuestion();
  EXPECT_EQ(w.Shown(), 1U);
  EXPECT_EQ(w.Form().MidiOutput1.ProductName(), kSynth);
  w.Menu("AllNotesOff1");
  EXPECT_EQ(w.Shown(), 1U);

  w.ChooseOutput("Zeta Out");
  EXPECT_EQ(Settings(), "\r\n-1\r\nZeta Out\r\n2\r\n\r\n\r\n");
  w.AnswerNextQuestion();
  EXPECT_EQ(w.Shown(), 2U) << "the failing device chosen again is reported again, once";
  w.AnswerNextQuestion();
  EXPECT_EQ(w.Shown(), 2U);
}

TEST_F(MidiFaultsTest, VanishedDevicesFallBackAndCloseWithoutErrors) {
  auto& w = Make({"Keys"}, {"Alpha Out"});
  w.Start();
  w.Wait(10);
  ASSERT_TRUE(w.MidiIn(144, static_cast<std::uint8_t>(w.Form().QuestionNote), 100));
  ASSERT_EQ(w.Form().AnswerCount, 1);

  w.Fake().Vanish();
  w.AnswerNextQuestion();
  EXPECT_EQ(w.Shown(), 1U);
  EXPECT_EQ(w.Form().MidiOutput1.ProductName(), kSynth);

  // A choice closes the lost devices quietly and opens them anew.
  w.ChooseOutput("Alpha Out");
  EXPECT_EQ(w.Shown(), 1U);
  EXPECT_TRUE(w.Form().MidiInput1.IsOpen());
  EXPECT_EQ(w.Form().MidiOutput1.ProductName(), "Alpha Out");
  w.Wait(600);
  ASSERT_TRUE(w.MidiIn(144, static_cast<std::uint8_t>(w.Form().QuestionNote), 100));
  EXPECT_EQ(w.Form().AnswerCount, 3);

  // Closing after another loss shows only the farewell.
  w.Fake().Vanish();
  w.Form().FormClose();
  EXPECT_EQ(w.Shown(), 2U);
  EXPECT_FALSE(w.Form().MidiInput1.IsOpen());
  EXPECT_FALSE(w.Form().MidiOutput1.IsOpen());
}

TEST_F(MidiFaultsTest, ClosingReleasesBothDevices) {
  auto& w = Make({"Keys"}, {"Alpha Out"});
  w.Start();
  ASSERT_TRUE(w.Fake().HasOpenInput());
  ASSERT_TRUE(w.Fake().HasOpenOutput());
  w.Form().FormClose();
  EXPECT_EQ(w.Shown(), 1U);
  EXPECT_FALSE(w.Fake().HasOpenInput());
  EXPECT_FALSE(w.Fake().HasOpenOutput());
  EXPECT_EQ(w.Form().MidiInput1.QueuedSysexBuffers(), 0U);
}

TEST_F(MidiFaultsTest, UnreadableDeviceRecordsAreLeftOutOfTheListsAtStart) {
  auto& w = Make({"Broken In", "Good In"}, {"Broken Out", "A Good Out"});
  w.Fake().FailInCaps(0, midi::kErrNoDriver);
  w.Fake().FailOutCaps(0, midi::kErrNoDriver);
  w.Start();
  EXPECT_EQ(w.Shown(), 0U);
  EXPECT_EQ(w.Model().C(ui::control::cmbInput).items, (std::vector<std::string>{"Good In"}));
  EXPECT_EQ(w.Model().C(ui::control::cmbOutput).items, (std::vector<std::string>{"A Good Out", kSynth}));
  EXPECT_EQ(w.Form().MidiInput1.ProductName(), "Good In");
  EXPECT_EQ(w.Form().MidiOutput1.ProductName(), "A Good Out");
  EXPECT_TRUE(w.Form().MidiInput1.IsOpen());
  w.Wait(10);
  ASSERT_TRUE(w.MidiIn(144, static_cast<std::uint8_t>(w.Form().QuestionNote), 100));
  EXPECT_EQ(w.Form().AnswerCount, 1);
  EXPECT_GT(SentTo(w.Fake(), 1), 0U);
}

TEST_F(MidiFaultsTest, PortsFirstReachedAfterTheWindowWasBuiltAreListedAndTheSavedChoiceOpened) {
  WriteSettings("Keys\r\n0\r\nAlpha Out\r\n0\r\n");
  auto& w = Make({}, {});
  w.Start([&] {
    w.Fake().SetInputDevices({"Keys"});
    w.Fake().SetOutputDevices({"Alpha Out"});
  });
  EXPECT_EQ(w.Shown(), 0U);
  EXPECT_EQ(w.Model().C(ui::control::cmbInput).items, (std::vector<std::string>{"Keys"}));
  EXPECT_EQ(w.Model().C(ui::control::cmbOutput).items, (std::vector<std::string>{"Alpha Out", kSynth}));
  EXPECT_TRUE(w.Form().MidiInput1.IsOpen());
  EXPECT_EQ(w.Form().MidiOutput1.ProductName(), "Alpha Out");
  w.Wait(10);
  ASSERT_TRUE(w.MidiIn(144, static_cast<std::uint8_t>(w.Form().QuestionNote), 100));
  EXPECT_EQ(w.Form().AnswerCount, 1);
}

TEST_F(MidiFaultsTest, UnreadableDeviceRecordDoesNotStopANameSearch) {
  WriteSettings("Good In\r\n0\r\nGood Out\r\n1\r\n");
  auto& w = Make({"Other In", "Good In"}, {"Other Out", "Good Out"});
  w.Start();
  ASSERT_EQ(w.Form().MidiOutput1.ProductName(), "Good Out");

  // Device 0 of each kind can no longer be read: the saved and the chosen
  // names are still found.
  w.Fake().FailInCaps(0, midi::kErrNoDriver);
  w.Fake().FailOutCaps(0, midi::kErrNoDriver);
  w.ChooseOutput("Good Out");
  EXPECT_EQ(w.Shown(), 0U);
  EXPECT_EQ(w.Form().MidiInput1.ProductName(), "Good In");
  EXPECT_EQ(w.Form().MidiOutput1.ProductName(), "Good Out");
  EXPECT_EQ(Settings(), "Good In\r\n0\r\nGood Out\r\n1\r\n");

  Window again({"Other In", "Good In"}, {"Other Out", "Good Out"}, file_);
  again.Fake().FailInCaps(0, midi::kErrNoDriver);
  again.Fake().FailOutCaps(0, midi::kErrNoDriver);
  again.Start();
  EXPECT_EQ(again.Shown(), 0U);
  EXPECT_EQ(again.Form().MidiInput1.ProductName(), "Good In");
  EXPECT_EQ(again.Form().MidiOutput1.ProductName(), "Good Out");
  again.AnswerNextQuestion();
}

TEST_F(MidiFaultsTest, RefusedInputOpenShowsTheConflictOnceAndMouseAnswersGoOn) {
  auto& w = Make({"Keys"}, {"Alpha Out"});
  w.Fake().Fail(Op::InOpen, midi::kErrAllocated);
  w.Start();
  ASSERT_EQ(w.Shown(), 1U);
  EXPECT_EQ(w.LastShown(), midi::kMidiConflictText);
  EXPECT_FALSE(w.Form().MidiInput1.IsOpen());
  EXPECT_EQ(w.Form().MidiInput1.GetState(), midi::TMidiInput::State::Closed);
  EXPECT_EQ(w.Form().MidiOutput1.ProductName(), "Alpha Out");
  EXPECT_FALSE(w.MidiIn(144, 60, 100));
  w.AnswerNextQuestion();
  w.AnswerNextQuestion();
  EXPECT_EQ(w.Shown(), 1U);

  w.ChooseOutput("Alpha Out");
  EXPECT_EQ(w.Shown(), 2U);
  w.Fake().ClearFaults();
  w.ChooseOutput("Alpha Out");
  EXPECT_EQ(w.Shown(), 2U);
  EXPECT_TRUE(w.Form().MidiInput1.IsOpen());
}

TEST_F(MidiFaultsTest, UnwritableConfigurationFolderAppliesTheChoiceForTheSession) {
  std::ofstream(folder_ / "blocker") << "a regular file where a folder belongs";
  const fs::path blocked = DeviceSettingsPath(folder_ / "blocker");
  auto& w = Make({"Keys"}, {"Alpha Out", "Zeta Out"}, blocked);
  w.Start();
  w.Wait(10);
  EXPECT_EQ(w.Shown(), 0U);

  w.ChooseOutput("Zeta Out");
  ASSERT_EQ(w.Shown(), 1U);
  EXPECT_NE(w.LastShown().find("until the program ends"), std::string::npos) << w.LastShown();
  EXPECT_EQ(w.Form().MidiOutput1.ProductName(), "Zeta Out");
  EXPECT_TRUE(w.Form().MidiInput1.IsOpen());
  EXPECT_FALSE(w.Model().C(ui::control::cmbOutput).visible);
  w.AnswerNextQuestion();
  EXPECT_GT(SentTo(w.Fake(), 1), 0U);
  EXPECT_EQ(w.Shown(), 1U);
}

TEST_F(MidiFaultsTest, FailedSaveNeitherDamagesTheOldFileNorBringsBackTheOldChoice) {
  const std::string saved = "Keys\r\n0\r\nAlpha Out\r\n0\r\n";
  WriteSettings(saved);
  auto& w = Make({"Keys"}, {"Alpha Out", "Zeta Out"});
  w.Start();
  fs::create_directories(fs::path(file_).concat(".tmp"));  // the write cannot start

  w.ChooseOutput("Zeta Out");
  EXPECT_EQ(w.Shown(), 1U);
  EXPECT_EQ(Settings(), saved);
  EXPECT_EQ(w.Form().MidiOutput1.ProductName(), "Zeta Out");
  EXPECT_EQ(w.Model().C(ui::control::cmbOutput).text, "Zeta Out");
}

TEST_F(MidiFaultsTest, MissingConfigurationFolderIsMadeByTheFirstChoice) {
  const fs::path deep = DeviceSettingsPath(folder_ / "not" / "yet");
  auto& w = Make({}, {"Alpha Out", "Zeta Out"}, deep);
  w.Start();
  EXPECT_EQ(w.Shown(), 0U);
  EXPECT_FALSE(fs::exists(deep));
  w.ChooseOutput("Zeta Out");
  EXPECT_EQ(w.Shown(), 0U);
  EXPECT_EQ(LoadDeviceSettings(deep), (std::vector<std::string>{"", "-1", "Zeta Out", "2", "", ""}));
}

TEST_F(MidiFaultsTest, SettingsFileReplacedByGarbage) {
  WriteSettings("Keys\r\n0\r\nZeta Out\r\n2\r\nkept\r\n");
  auto& w = Make({"Keys"}, {"Alpha Out", "Zeta Out"});
  w.Start();
  ASSERT_EQ(w.Form().MidiOutput1.ProductName(), "Zeta Out");

  // Replaced while the program runs: the next choice writes a whole new file
  // from what the window holds.
  WriteSettings("\xff\xfe\0\x01garbage\0\0\r\n\x80"s);
  w.ChooseOutput("Alpha Out");
  EXPECT_EQ(w.Shown(), 0U);
  EXPECT_EQ(Settings(), "Keys\r\n0\r\nAlpha Out\r\n0\r\nkept\r\n");

  // Replaced before a start: ignored without a word; the file stays as it is.
  const std::string garbage = "\x00\x01\x02\r\n\xff\xff\xff\xff\r\n1\r\n"s;
  WriteSettings(garbage);
  Window again({"Keys"}, {"Alpha Out", "Zeta Out"}, file_);
  again.Start();
  EXPECT_EQ(again.Shown(), 0U);
  EXPECT_EQ(again.Form().MidiOutput1.ProductName(), "Alpha Out");
  EXPECT_EQ(Settings(), garbage);
  again.AnswerNextQuestion();
}

TEST_F(MidiFaultsTest, SystemExclusiveInputIsReadAndItsBufferGivenBack) {
  auto& w = Make({"Keys"}, {"Alpha Out"});
  w.Start();
  w.Wait(10);
  const auto queued = w.Form().MidiInput1.QueuedSysexBuffers();
  ASSERT_GT(queued, 0U);
  ASSERT_TRUE(w.Fake().InjectSysex({240, 1, 2, 3, 247}));
  EXPECT_EQ(w.Form().MidiInput1.QueuedSysexBuffers(), queued - 1);
  w.AnswerNextQuestion();  // a key handles pending events before its handler
  EXPECT_EQ(w.Form().MidiInput1.QueuedSysexBuffers(), queued);
  EXPECT_EQ(w.Shown(), 0U);
}

}  // namespace
}  // namespace lintra::app
