// "Microphone" > "Sound Input...": the sound inputs in a list, the system's default input first, and
// a level meter for the one chosen. Choosing an input listens to it at once, so that the meter
// shows whether it hears the instrument; OK keeps it, Cancel returns to the one before.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "app/sound_input_chooser.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QTimer;

namespace lintra::frontend {

class SoundInputDialog : public QDialog {
  Q_OBJECT

 public:
  SoundInputDialog(const app::SoundInputChoice& choice, QWidget* parent = nullptr);

  // The input chosen in the list; empty for the system's default.
  std::string Chosen() const;
  // The meter's reading, 0 to 100: decibels from -60 to 0 of the loudest sample of late.
  int Meter() const;
  QComboBox* List() const { return list_; }
  // Reads the level once (the dialog does so every 50 ms while shown).
  void ReadLevel();

 private:
  void TryChosen();

  const app::SoundInputChoice& choice_;
  QComboBox* list_ = nullptr;
  QProgressBar* meter_ = nullptr;
  QLabel* note_ = nullptr;
  QTimer* timer_ = nullptr;
  double shown_ = 0;  // the meter falls back slowly, as a peak meter does
};

// The dialog, shown over the window for the trainer.
class QtSoundInputChooser final : public app::SoundInputChooser {
 public:
  explicit QtSoundInputChooser(QWidget* owner) : owner_(owner) {}
  std::optional<std::string> ChooseSoundInput(const app::SoundInputChoice& choice) override;

 private:
  QWidget* owner_;
};

}  // namespace lintra::frontend
