#include "app/qt/piano_keys.h"

#include <QKeyEvent>
#include <algorithm>
#include <optional>
#include <string>

#include "controls/gradbtn.h"
#include "ui/key_navigation.h"

namespace lintra::frontend {
namespace {

std::optional<ui::KeyStep> StepOf(int key) {
  switch (key) {
    case Qt::Key_Left:
      return ui::KeyStep::Lower;
    case Qt::Key_Right:
      return ui::KeyStep::Higher;
    case Qt::Key_Down:
      return ui::KeyStep::OctaveLower;
    case Qt::Key_Up:
      return ui::KeyStep::OctaveHigher;
    case Qt::Key_Home:
      return ui::KeyStep::Lowest;
    case Qt::Key_End:
      return ui::KeyStep::Highest;
    default:
      return std::nullopt;
  }
}

}  // namespace

PianoKeyNavigation::PianoKeyNavigation(std::vector<controls::TGradBtn*> keys, QObject* parent)
    : QObject(parent), keys_(std::move(keys)) {
  for (auto* key : keys_) key->installEventFilter(this);
}

bool PianoKeyNavigation::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto at = std::find(keys_.begin(), keys_.end(), watched);
  if (at == keys_.end()) return false;
  const auto* press = static_cast<QKeyEvent*>(event);
  // Shortcuts and access keys keep their modifiers.
  if (press->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const int from = static_cast<int>(at - keys_.begin());
  if (press->key() == Qt::Key_Space) {
    if (!press->isAutoRepeat()) (*at)->Click();
    return true;
  }
  std::optional<int> to;
  if (const auto step = StepOf(press->key())) {
    to = ui::KeyAfter(from, *step);
  } else if (const QString text = press->text(); text.size() == 1 && text[0].isLetter() && text[0].unicode() < 0x80) {
    std::vector<std::string> names;
    for (const auto* key : keys_) names.push_back(key->accessibleName().toStdString());
    to = ui::NextKeyNamed(from, static_cast<char>(text[0].unicode()), names);
  }
  if (!to) return false;
  keys_[static_cast<std::size_t>(*to)]->setFocus(Qt::OtherFocusReason);
  return true;
}

}  // namespace lintra::frontend
