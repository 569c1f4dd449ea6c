// Saved placement and control visibility of an elastic form, kept in a QSettings store.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace lintra::controls::elastfrm {

// The window-placement record as the settings store keeps it. Rectangles are outer window
// coordinates, right and bottom exclusive.
struct WindowPlacement {
  int length = 44;
  int flags = 0;
  int showCmd = 1;  // 1 normal, 2 minimized, 3 maximized
  int minPosX = -1;
  int minPosY = -1;
  int maxPosX = -1;
  int maxPosY = -1;
  int normLeft = 0;
  int normTop = 0;
  int normRight = 0;
  int normBottom = 0;
};

inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 2;
inline constexpr int kShowMaximized = 3;
inline constexpr int kWindowStateMaximized = 2;

struct SavedForm {
  int totalControls = 0;
  int windowState = 0;
  // Outer bounds as fractions of the maximized-window size; written only for a normal window.
  bool hasNormalBounds = false;
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  int maxTrackWidth = 0;
  int maxTrackHeight = 0;
  std::vector<bool> visible;
  WindowPlacement placement;
};

// The store behind a settings key: an absolute path names an INI file of its own; any other key
// names <user config folder>/<key>.ini.
class FormSettingsStore {
 public:
  explicit FormSettingsStore(QString key);

  void Write(const QString& section, const SavedForm& form) const;

  // Reads the section only when it exists and was saved for the same number of controls;
  // anything else means the form has changed since and the whole section is ignored.
  // Missing values take their defaults: 0 for bounds and limits, true for visibility, and for the
  // placement record the given current values (except "wp MinPosX", which defaults to 0).
  std::optional<SavedForm> Read(const QString& section, int totalControls, const WindowPlacement& current) const;

 private:
  QString key_;
};

}  // namespace lintra::controls::elastfrm
