#include "controls/elastfrm_math.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lintra::controls::elastfrm {

int Round(double x) {
  const double below = std::floor(x);
  const double fraction = x - below;
  double result = below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) result += 1.0;
  return static_cast<int>(result);
}

int FontRound(double x) {
  const double whole = std::trunc(x);
  return x - whole > 0.5 ? Round(x) : static_cast<int>(whole);
}

int Trunc(double x) { return static_cast<int>(std::trunc(x)); }

int PixelsToPoints(int pixels, int pixelsPerInch) {
  if (pixelsPerInch <= 0) return 0;
  return static_cast<int>(std::floor(pixels * 72.0 / pixelsPerInch + 0.5));
}

Ratios ScreenRatios(Size screen, Size designScreen, bool resolutionIndependence) {
  Ratios r;
  if (resolutionIndependence && designScreen.width > 0) r.rx = static_cast<double>(screen.width) / designScreen.width;
  if (resolutionIndependence && designScreen.height > 0)
    r.ry = static_cast<double>(screen.height) / designScreen.height;
  return r;
}

Rect CarryToScreen(const Rect& design, const Ratios& ratios) {
  return {Round(ratios.rx * design.left), Round(ratios.ry * design.top), Round(ratios.rx * design.width),
          Round(ratios.ry * design.height)};
}

Rect ScaleBounds(const Rect& recorded, double kx, double ky, bool horizontal, bool vertical) {
  Rect r = recorded;
  if (horizontal) {
    r.left = Round(recorded.left * kx);
    r.width = Round(recorded.width * kx);
  }
  if (vertical) {
    r.top = Round(recorded.top * ky);
    r.height = Round(recorded.height * ky);
  }
  return r;
}

double FontScale(int referenceFontSize, Size outer, Size referenceClient) {
  if (referenceClient.width <= 0 || referenceClient.height <= 0) return referenceFontSize;
  const double byWidth = static_cast<double>(referenceFontSize) * outer.width / referenceClient.width;
  const double byHeight = static_cast<double>(referenceFontSize) * outer.height / referenceClient.height;
  return std::min(byWidth, byHeight);
}

int TrackLimit(int value, int screenExtent) {
  if (value >= 0) return value;
  return Round(static_cast<double>(-value) * screenExtent / 100.0);
}

Size ProportionalMaximum(Size designForm, Size screen) {
  if (designForm.width <= 0 || designForm.height <= 0 || screen.width <= 0 || screen.height <= 0) return screen;
  const double a = static_cast<double>(designForm.width) / designForm.height;
  const double byWidth = static_cast<double>(designForm.width) / screen.width;
  const double byHeight = static_cast<double>(designForm.height) / screen.height;
  if (byWidth >= byHeight) return {screen.width - 6, Round((screen.width - 6) / a)};
  return {Round(a * (screen.height - 5)), screen.height - 5};
}

Size KeepProportions(Size designForm, Size atDragStart, Size atDragEnd) {
  if (designForm.width <= 0 || designForm.height <= 0) return atDragEnd;
  const double a = static_cast<double>(designForm.width) / designForm.height;
  const int widthChange = std::abs(atDragEnd.width - atDragStart.width);
  const int heightChange = std::abs(atDragEnd.height - atDragStart.height);
  if (widthChange <= heightChange) return {atDragEnd.width, Round(atDragEnd.width / a)};
  return {Round(a * atDragEnd.height), atDragEnd.height};
}

namespace {

// One axis of the placement: pulled back to the centre when it reaches past the far edge, and never
// before the near edge.
int FitAxis(int position, int extent, int areaStart, int areaExtent) {
  if (position + extent > areaStart + areaExtent) position = areaStart + (areaExtent - extent) / 2;
  return std::max(position, areaStart);
}

}  // namespace

Point PlaceForm(const PlacementInput& in) {
  Point p;
  switch (in.mode) {
    case Placement::Designed:
      p = {Round(in.designPosition.x * in.ratios.rx), Round(in.designPosition.y * in.ratios.ry)};
      break;
    case Placement::ScreenCenter:
      p = {in.area.left + (in.area.width - in.size.width) / 2, in.area.top + (in.area.height - in.size.height) / 2};
      break;
    case Placement::OwnerCenter:
      p = {in.owner.left + (in.owner.width - in.size.width) / 2, in.owner.top + (in.owner.height - in.size.height) / 2};
      break;
  }
  p.x = FitAxis(p.x, in.size.width, in.area.left, in.area.width);
  p.y = FitAxis(p.y, in.size.height, in.area.top, in.area.height);
  return p;
}

std::vector<Point> BackgroundTiles(Size client, Size picture) {
  std::vector<Point> tiles;
  if (picture.width <= 0 || picture.height <= 0 || client.width <= 0 || client.height <= 0) return tiles;
  // The tiles overlap by a pixel; a one-pixel picture still has to advance.
  const int stepX = std::max(1, picture.width - 1);
  const int stepY = std::max(1, picture.height - 1);
  for (int y = 0; y < client.height; y += stepY)
    for (int x = 0; x < client.width; x += stepX) tiles.push_back({x, y});
  return tiles;
}

std::vector<std::size_t> RecordingOrder(const std::vector<AlignEntry>& entries) {
  struct Group {
    Align align;
    bool byTop;
    bool ascending;
  };
  static constexpr Group kGroups[] = {
      {Align::Top, true, true},     {Align::Bottom, true, false}, {Align::Left, false, true},
      {Align::Right, false, false}, {Align::Client, false, true},
  };

  std::vector<std::size_t> order;
  order.reserve(entries.size());
  for (const Group& g : kGroups) {
    std::vector<std::size_t> members;
    for (std::size_t i = 0; i < entries.size(); ++i)
      if (entries[i].align == g.align) members.push_back(i);
    auto key = [&](std::size_t i) { return g.byTop ? entries[i].top : entries[i].left; };
    std::sort(members.begin(), members.end(), [&](std::size_t a, std::size_t b) {
      if (key(a) != key(b)) return g.ascending ? key(a) < key(b) : key(a) > key(b);
      return a > b;
    });
    order.insert(order.end(), members.begin(), members.end());
  }
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].align == Align::None) order.push_back(i);
  return order;
}

}  // namespace lintra::controls::elastfrm
