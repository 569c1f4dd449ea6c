// The trainer as the program wires it: every handler the layout names is answered by the window's
// logic or a practice feature, and each by one alone.
#include "app/trainer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/language_menu.h"
#include "midi/composite_service.h"
#include "midi/null_synth_service.h"
#include "testing/fake_midi_service.h"
#include "testing/manual_clock.h"
#include "testing/recording_canvas.h"
#include "testing/recording_dialogs.h"

namespace lintra::app {
namespace {

struct Pump : ui::EventPump {
  void ProcessPendingEvents() override {}
};

// The services a trainer is made with, as the program gives them, with nothing shown or sounded.
struct Services {
  ui::ManualClock clock;
  ui::RecordingDialogs dialogs;
  ui::QuietShell shell;
  Pump pump;
  notation::RecordingCanvas canvas;
  midi::MessageLoop loop;
  midi::CompositeMidiService midi{std::make_unique<midi::FakeMidiService>(),
                                  std::make_unique<midi::NullSynthService>()};
  ui::WindowModel model;
  FormServices For(const std::filesystem::path& settings) {
    return {clock, dialogs, shell, pump, canvas, midi, loop, settings, "help"};
  }
};

TEST(Trainer, EveryHandlerTheLayoutNamesIsBound) {
  Services services;
  auto& model = services.model;
  Trainer trainer(model, services.For("/nonexistent/cmbtext.qor"));

  EXPECT_EQ(trainer.UnboundHandlers(), std::vector<std::string>{});
  int named = 0;
  for (const auto& control : model.AllControls()) {
    if (control->layout.handler.empty()) continue;
    ++named;
    EXPECT_TRUE(control->handler) << control->Name();
  }
  for (const auto& item : model.AllMenus()) {
    if (item->layout.handler.empty()) continue;
    ++named;
    EXPECT_TRUE(item->handler) << item->Name();
  }
  EXPECT_EQ(named, 4 + 43 + 72);  // the buttons and lists, the keys, the menu commands
}

// "Language...": the choice is kept in the options beside the settings, where the program reads it
// before its first text; the desktop's language again clears it, and Cancel keeps what was there.
TEST(Trainer, TheLanguageChosenIsKeptForTheNextStart) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("lintra-language-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::create_directories(folder);
  const auto settings = folder / "cmbtext.qor";
  Services services;
  auto& model = services.model;
  auto& dialogs = services.dialogs;
  Trainer trainer(model, services.For(settings));
  trainer.Form().FormCreate();
  auto choose = [&](std::optional<std::size_t> item) {
    dialogs.choose = item;
    trainer.Form().Guard(model.M(ui::menu::Language).handler);
  };

  choose(std::nullopt);
  ASSERT_EQ(dialogs.offered.size(), 7u);
  EXPECT_EQ(dialogs.offered[1], "English");
  EXPECT_EQ(ChosenLanguage(settings), "");
  const auto german = std::find(dialogs.offered.begin(), dialogs.offered.end(), "Deutsch") - dialogs.offered.begin();
  choose(static_cast<std::size_t>(german));
  EXPECT_EQ(ChosenLanguage(settings), "de");
  EXPECT_NE(dialogs.boxes.back().find("next start"), std::string::npos);
  choose(std::nullopt);
  EXPECT_EQ(ChosenLanguage(settings), "de");
  choose(0);
  EXPECT_EQ(ChosenLanguage(settings), "");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace lintra::app
