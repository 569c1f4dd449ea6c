// The trainer as the program wires it: every handler the layout names is answered by the window's
// logic or a practice feature, and each by one alone.
#include "app/trainer.h"

#include <gtest/gtest.h>

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

TEST(Trainer, EveryHandlerTheLayoutNamesIsBound) {
  ui::ManualClock clock;
  ui::RecordingDialogs dialogs;
  ui::QuietShell shell;
  Pump pump;
  notation::RecordingCanvas canvas;
  midi::MessageLoop loop;
  midi::CompositeMidiService midi(std::make_unique<midi::FakeMidiService>(),
                                  std::make_unique<midi::NullSynthService>());
  ui::WindowModel model;
  Trainer trainer(model, {clock, dialogs, shell, pump, canvas, midi, loop, "/nonexistent/cmbtext.qor", "help"});

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
  EXPECT_EQ(named, 4 + 43 + 60);  // the buttons and lists, the keys, the menu commands
}

}  // namespace
}  // namespace lintra::app
