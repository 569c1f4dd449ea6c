#include "app/qt/sound_input_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace lintra::frontend {
namespace {

constexpr double kFloorDb = -60;
constexpr double kFallPerRead = 0.85;

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

SoundInputDialog::SoundInputDialog(const app::SoundInputChoice& choice, QWidget* parent)
    : QDialog(parent), choice_(choice) {
  setWindowTitle(tr("Sound Input"));
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(tr("Listen to:"), this);
  list_ = new QComboBox(this);
  prompt->setBuddy(list_);
  list_->addItem(tr("The system's default input"), QString());
  for (const auto& device : choice.devices) list_->addItem(Q(device.name), Q(device.name));
  const int current = list_->findData(Q(choice.current));
  // A remembered input that is not there now is still the one chosen until another is.
  if (current < 0) list_->addItem(Q(choice.current), Q(choice.current));
  list_->setCurrentIndex(current < 0 ? list_->count() - 1 : current);

  meter_ = new QProgressBar(this);
  meter_->setRange(0, 100);
  meter_->setValue(0);
  meter_->setTextVisible(false);
  meter_->setAccessibleName(tr("Input level"));
  note_ = new QLabel(this);
  note_->setWordWrap(true);
  if (!choice.listening) note_->setText(tr("The meter moves while \"Answer by Microphone\" is on."));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(prompt);
  layout->addWidget(list_);
  layout->addWidget(new QLabel(tr("Level:"), this));
  layout->addWidget(meter_);
  layout->addWidget(note_);
  layout->addWidget(buttons);

  connect(list_, &QComboBox::currentIndexChanged, this, [this] { TryChosen(); });
  timer_ = new QTimer(this);
  timer_->setInterval(50);
  connect(timer_, &QTimer::timeout, this, [this] { ReadLevel(); });
  if (choice.listening) timer_->start();
}

std::string SoundInputDialog::Chosen() const { return list_->currentData().toString().toStdString(); }

int SoundInputDialog::Meter() const { return meter_->value(); }

void SoundInputDialog::TryChosen() {
  if (!choice_.listening || !choice_.tryDevice) return;
  const std::string problem = choice_.tryDevice(Chosen());
  note_->setText(Q(problem));
  shown_ = 0;
  meter_->setValue(0);
}

void SoundInputDialog::ReadLevel() {
  const double peak = choice_.level ? std::clamp(static_cast<double>(choice_.level()), 0.0, 1.0) : 0.0;
  const double db = peak > 0 ? 20.0 * std::log10(peak) : kFloorDb;
  const double reading = std::clamp((db - kFloorDb) / -kFloorDb, 0.0, 1.0) * 100.0;
  shown_ = std::max(reading, shown_ * kFallPerRead);
  meter_->setValue(static_cast<int>(std::lround(shown_)));
}

std::optional<std::string> QtSoundInputChooser::ChooseSoundInput(const app::SoundInputChoice& choice) {
  SoundInputDialog dialog(choice, owner_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Chosen();
}

}  // namespace lintra::frontend
