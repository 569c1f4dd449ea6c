// Arithmetic of the elastic form: rounding, carrying a design layout over to another screen,
// rescaling bounds and fonts, size limits, placement and background tiles. Free of any toolkit so
// that every rule can be checked on plain numbers.
#pragma once

#include <cstddef>
#include <vector>

namespace lintra::controls::elastfrm {

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Nearest whole number, halves to the even neighbour.
int Round(double x);
// Halves go down: 9.5 -> 9, 9.51 -> 10. Font sizes use this so that a size never grows on a tie.
int FontRound(double x);
// Toward zero.
int Trunc(double x);
// A character height in pixels as whole points; halves go up.
int PixelsToPoints(int pixels, int pixelsPerInch);

struct Ratios {
  double rx = 1.0;
  double ry = 1.0;
};

// Current maximized-window size over the design one. Without resolution independence, or with no
// design screen recorded, the design screen is taken to be the current one.
Ratios ScreenRatios(Size screen, Size designScreen, bool resolutionIndependence);

// Design bounds of a control as they fall on the current screen.
Rect CarryToScreen(const Rect& design, const Ratios& ratios);

// Bounds of a recorded control for a client area scaled by kx, ky. An axis that is not elastic
// keeps its recorded values.
Rect ScaleBounds(const Rect& recorded, double kx, double ky, bool horizontal, bool vertical);

// The font size t of a rescale: the reference size scaled by the tighter of the two axes of the
// outer size against the reference client size.
double FontScale(int referenceFontSize, Size outer, Size referenceClient);

// A tracking-size value in pixels: positive is pixels, negative a percentage of the screen extent,
// 0 means "no limit of ours" and stays 0.
int TrackLimit(int value, int screenExtent);

// Largest window that keeps the design width-to-height ratio on the screen.
Size ProportionalMaximum(Size designForm, Size screen);

// The size at the end of a sizing drag corrected to the design ratio, keeping the dimension that
// changed less since the drag began.
Size KeepProportions(Size designForm, Size atDragStart, Size atDragEnd);

enum class Placement { Designed, ScreenCenter, OwnerCenter };

struct PlacementInput {
  Rect area;  // the maximized-window area of the screen
  Ratios ratios;
  Point designPosition;
  Size size;  // the window size already carried to the screen
  Placement mode = Placement::Designed;
  Rect owner;  // for OwnerCenter
};

// Where the form opens: its designed, centred or owner-centred position, pulled back onto the
// area on any axis where it would reach past the far edge.
Point PlaceForm(const PlacementInput& in);

// Top-left corners of the background tiles: the picture repeats with a one-pixel overlap until the
// whole client area is covered.
std::vector<Point> BackgroundTiles(Size client, Size picture);

enum class Align { None, Top, Bottom, Left, Right, Client };

struct AlignEntry {
  Align align = Align::None;
  int left = 0;
  int top = 0;
};

// Order in which controls are recorded: top-aligned by ascending top, bottom-aligned by descending
// top, left by ascending left, right by descending left, client by ascending left, then the rest in
// collection order. Equal coordinates put the later control first. Returns collection indices.
std::vector<std::size_t> RecordingOrder(const std::vector<AlignEntry>& entries);

}  // namespace lintra::controls::elastfrm
