// "Sound Input...": the inputs listed with the default first, a choice listened to at once while
// listening is on, and a meter in decibels that falls back slowly.
#include "app/qt/sound_input_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>

namespace lintra::frontend {
namespace {

bool Shows(QDialog& dialog, const QString& text) {
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->text().contains(text)) return true;
  }
  return false;
}

TEST(SoundInputDialog, ListsTheInputsListensToTheOneChosenAndMetersItsLevel) {
  std::vector<std::string> tried;
  float level = 0.5f;
  app::SoundInputChoice choice{{{"Built-in Microphone", true}, {"USB Audio", false}},
                               "Gone Interface",
                               true,
                               [&tried](const std::string& device) {
                                 tried.push_back(device);
                                 return device == "USB Audio" ? std::string("the device is busy") : std::string();
                               },
                               [&level] { return level; }};
  SoundInputDialog dialog(choice);
  // The default, the inputs there are, and the one remembered, which is gone but still chosen.
  ASSERT_EQ(dialog.List()->count(), 4);
  EXPECT_EQ(dialog.Chosen(), "Gone Interface");
  EXPECT_TRUE(tried.empty());

  dialog.List()->setCurrentIndex(2);
  EXPECT_EQ(tried, std::vector<std::string>{"USB Audio"});
  EXPECT_TRUE(Shows(dialog, "the device is busy"));
  dialog.List()->setCurrentIndex(0);
  EXPECT_EQ(dialog.Chosen(), "");
  EXPECT_FALSE(Shows(dialog, "the device is busy"));

  dialog.ReadLevel();
  EXPECT_EQ(dialog.Meter(), 90);  // -6 dB on a scale from -60 to 0
  level = 0;
  dialog.ReadLevel();
  EXPECT_GT(dialog.Meter(), 60);  // falling back, not dropping
  EXPECT_LT(dialog.Meter(), 90);
}

TEST(SoundInputDialog, TriesNothingWhileListeningIsOff) {
  int tries = 0;
  app::SoundInputChoice choice{{{"Built-in Microphone", true}}, "", false, [&tries](const std::string&) {
                                 ++tries;
                                 return std::string();
                               },
                               {}};
  SoundInputDialog dialog(choice);
  EXPECT_EQ(dialog.Chosen(), "");
  dialog.List()->setCurrentIndex(1);
  EXPECT_EQ(tries, 0);
  EXPECT_TRUE(Shows(dialog, "Answer by Microphone"));
}

}  // namespace
}  // namespace lintra::frontend
