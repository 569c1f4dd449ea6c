// The per-widget side of elastic scaling: font sizes in points, extra fonts, and the widget kinds
// that carry sizes of their own (status bar panels, header sections, tool bar buttons, grid columns
// and rows, tab fonts).
#pragma once

#include <QByteArray>
#include <QFont>
#include <vector>

#include "controls/elastfrm_math.h"

class QWidget;

namespace lintra::controls::elastfrm {

// A font's size in whole points; a font given in pixels converts at the given pixels per inch.
double FontPoints(const QFont& font, int pixelsPerInch);
// Sets a widget's font size in points, touching the widget only when the size changes.
void SetFontPoints(QWidget* widget, int points);
// Makes a widget's font wholly its own, so that it no longer follows its parent's font.
void OwnFont(QWidget* widget);

// Extra fonts are the widget's properties of type QFont, declared or dynamic, other than "font",
// "titleFont" and "tabFont" (names compared without regard to case).
struct ExtraFont {
  QByteArray property;
  int size = 0;
};
std::vector<ExtraFont> RecordExtraFonts(const QWidget* widget, double ry);
void ApplyExtraFonts(QWidget* widget, const std::vector<ExtraFont>& fonts, double fontFactor);

enum class Kind { Plain, StatusBar, Header, ToolBar, Grid, TabWidget };
Kind KindOf(const QWidget* widget);

struct GridOptions {
  bool columnWidths = true;
  bool rowHeights = true;
  bool fonts = true;
};

struct KindRecord {
  Kind kind = Kind::Plain;
  std::vector<int> widths;    // status panels, header sections or grid columns, on this screen
  std::vector<Size> buttons;  // tool bar buttons, on this screen
  int defaultRowHeight = 0;
  int innerWidth = 0;  // a grid's width inside its frame when its columns were recorded
  int titleFont = 0;   // a grid header's own font size; 0 when it follows the grid
  int tabFont = 0;     // a tab bar's own font size; 0 when it follows the tab widget
};

// `carriedWidth` is the widget's width already carried to the current screen.
KindRecord RecordKind(QWidget* widget, const Ratios& ratios, int carriedWidth);

struct KindScale {
  double kx = 1.0;
  double ky = 1.0;
  double fontFactor = 1.0;
  bool elasticFont = true;
  GridOptions grid;
};
// `widthBefore` is the widget's width before this rescale moved it: a grid whose column count
// changed records its columns again against that width.
void ApplyKind(QWidget* widget, KindRecord& record, const KindScale& scale, int widthBefore);

}  // namespace lintra::controls::elastfrm
