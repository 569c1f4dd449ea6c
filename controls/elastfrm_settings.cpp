#include "controls/elastfrm_settings.h"

#include <QDir>
#include <QSettings>
#include <memory>

namespace lintra::controls::elastfrm {

namespace {

const QString kTotalControls = QStringLiteral("Total Controls");
const QString kWindowState = QStringLiteral("Window State");
const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");
const QString kMaxTrackWidth = QStringLiteral("MaxTrackWidth");
const QString kMaxTrackHeight = QStringLiteral("MaxTrackHeight");
const QString kVisible = QStringLiteral("Visible ");

// The placement record's fields with their value names, in the order the record lists them.
struct PlacementField {
  const char* name;
  int WindowPlacement::*field;
};
constexpr PlacementField kPlacementFields[] = {
    {"wp length ", &WindowPlacement::length},           {"wp flags", &WindowPlacement::flags},
    {"wp showCmd", &WindowPlacement::showCmd},          {"wp MinPosX", &WindowPlacement::minPosX},
    {"wp MinPosY", &WindowPlacement::minPosY},          {"wp MaxPosX", &WindowPlacement::maxPosX},
    {"wp MaxPosY", &WindowPlacement::maxPosY},          {"wp NormPosLeft", &WindowPlacement::normLeft},
    {"wp NormPosTop", &WindowPlacement::normTop},       {"wp NormPosRight", &WindowPlacement::normRight},
    {"wp NormPosBottom", &WindowPlacement::normBottom},
};

std::unique_ptr<QSettings> Open(const QString& key) {
  if (QDir::isAbsolutePath(key)) return std::make_unique<QSettings>(key, QSettings::IniFormat);
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, key);
}

}  // namespace

FormSettingsStore::FormSettingsStore(QString key) : key_(std::move(key)) {}

void FormSettingsStore::Write(const QString& section, const SavedForm& form) const {
  auto settings = Open(key_);
  settings->beginGroup(section);
  settings->setValue(kTotalControls, form.totalControls);
  settings->setValue(kWindowState, form.windowState);
  if (form.hasNormalBounds) {
    settings->setValue(kLeft, form.left);
    settings->setValue(kTop, form.top);
    settings->setValue(kWidth, form.width);
    settings->setValue(kHeight, form.height);
  }
  settings->setValue(kMaxTrackWidth, form.maxTrackWidth);
  settings->setValue(kMaxTrackHeight, form.maxTrackHeight);
  for (std::size_t i = 0; i < form.visible.size(); ++i)
    settings->setValue(kVisible + QString::number(i), static_cast<bool>(form.visible[i]));
  for (const PlacementField& f : kPlacementFields) settings->setValue(QLatin1String(f.name), form.placement.*f.field);
  settings->endGroup();
  settings->sync();
}

std::optional<SavedForm> FormSettingsStore::Read(const QString& section, int totalControls,
                                                 const WindowPlacement& current) const {
  auto settings = Open(key_);
  if (!settings->childGroups().contains(section)) return std::nullopt;
  settings->beginGroup(section);
  bool ok = false;
  const int saved = settings->value(kTotalControls).toInt(&ok);
  if (!ok || saved != totalControls) return std::nullopt;

  SavedForm form;
  form.totalControls = saved;
  form.windowState = settings->value(kWindowState, 0).toInt();
  if (form.windowState != kWindowStateMaximized) {
    form.hasNormalBounds = true;
    form.left = settings->value(kLeft, 0.0).toDouble();
    form.top = settings->value(kTop, 0.0).toDouble();
    form.width = settings->value(kWidth, 0.0).toDouble();
    form.height = settings->value(kHeight, 0.0).toDouble();
  }
  form.maxTrackWidth = settings->value(kMaxTrackWidth, 0).toInt();
  form.maxTrackHeight = settings->value(kMaxTrackHeight, 0).toInt();
  form.visible.reserve(static_cast<std::size_t>(totalControls));
  for (int i = 0; i < totalControls; ++i)
    form.visible.push_back(settings->value(kVisible + QString::number(i), true).toBool());

  WindowPlacement defaults = current;
  defaults.minPosX = 0;
  for (const PlacementField& f : kPlacementFields)
    form.placement.*f.field = settings->value(QLatin1String(f.name), defaults.*f.field).toInt();
  settings->endGroup();
  return form;
}

}  // namespace lintra::controls::elastfrm
