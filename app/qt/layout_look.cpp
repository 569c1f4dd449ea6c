#include "app/qt/layout_look.h"

#include <cmath>

namespace lintra::frontend {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

namespace {

// Heights at 96 pixels per inch to points, rounded half up: 11 px = 8 pt, 13 = 10, 16 = 12, 19 = 14.
int PixelsToPoints(int pixels) { return static_cast<int>(std::floor(pixels * 72.0 / 96.0 + 0.5)); }

}  // namespace

QFont FontOf(const ui::FontSpec& layout) {
  QFont font(Q(layout.family));
  font.setPointSize(PixelsToPoints(layout.pixels));
  font.setBold(layout.bold);
  return font;
}

QColor ColourOf(ui::Colour colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

// The layout's colours belong to the window, not to the desktop: under a dark
// desktop palette the fields would otherwise turn dark with light text, the
// labels light on silver, and the keys' system-coloured bevels and captions
// would change with them. Every role of every group is set, so nothing of the
// desktop's palette is inherited.
QPalette LayoutPalette() {
  QPalette palette(QColor(0xEF, 0xEF, 0xEF));  // Qt's own light palette, computed from its button colour
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Window, ColourOf(ui::kWindowColour));
    palette.setColor(group, QPalette::WindowText, Qt::black);
    palette.setColor(group, QPalette::Base, Qt::white);
    palette.setColor(group, QPalette::Text, Qt::black);
    palette.setColor(group, QPalette::ButtonText, Qt::black);
  }
  palette.setColor(QPalette::Disabled, QPalette::Window, ColourOf(ui::kWindowColour));
  palette.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
  for (int group = 0; group < QPalette::NColorGroups; ++group) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto g = static_cast<QPalette::ColorGroup>(group);
      const auto r = static_cast<QPalette::ColorRole>(role);
      if (r == QPalette::NoRole) continue;
      palette.setBrush(g, r, palette.brush(g, r));  // marks the role as set
    }
  }
  return palette;
}

controls::TGradientStyle StyleOf(ui::GradientStyle style) {
  return static_cast<controls::TGradientStyle>(static_cast<int>(style));
}

}  // namespace lintra::frontend
