#include "controls/gradbtn_color.h"

namespace lintra::controls {

namespace {

// The "default colour" word some layouts carry; like "no colour" it names nothing paintable here.
constexpr TColor kDefaultColor = 0x20000000u;

std::optional<QColor> SystemColor(std::uint8_t index, const QPalette& palette) {
  switch (index) {
    case syscolor::kBtnHighlight:
      return palette.color(QPalette::Active, QPalette::Light);
    case syscolor::kBtnShadow:
      return palette.color(QPalette::Active, QPalette::Dark);
    case syscolor::kGrayText:
      return palette.color(QPalette::Disabled, QPalette::Text);
    case syscolor::kBtnFace:
      return palette.color(QPalette::Active, QPalette::Button);
    case syscolor::kBtnText:
      return palette.color(QPalette::Active, QPalette::ButtonText);
    case syscolor::kWindow:
      return palette.color(QPalette::Active, QPalette::Base);
    case syscolor::kWindowText:
      return palette.color(QPalette::Active, QPalette::Text);
    case syscolor::kHighlight:
      return palette.color(QPalette::Active, QPalette::Highlight);
    case syscolor::kHighlightText:
      return palette.color(QPalette::Active, QPalette::HighlightedText);
    default:
      return palette.color(QPalette::Active, QPalette::WindowText);
  }
}

}  // namespace

std::optional<QColor> ResolveColor(TColor color, const QPalette& palette) {
  if (IsSystemColor(color)) return SystemColor(SystemColorIndex(color), palette);
  if (color == clNone || color == kDefaultColor) return std::nullopt;
  return LowBytesColor(color);
}

QColor LowBytesColor(TColor color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

}  // namespace lintra::controls
