// Where a window goes so that the whole of it, the window manager's frame included, lies in the
// screen's free area (inside panels and docks), whatever the screen's size.
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace lintra::progress {

// The window's own rectangle (without its frame) nearest `wanted` whose frame fits `available`:
// smaller where it must be, moved in where it stands out.
QRect FitOnScreen(const QRect& available, const QRect& wanted, const QMargins& frame);

// The frame the window manager gives `window`: its own once shown, else that of another shown
// window of the program; none where no window has a frame (the offscreen platform).
QMargins FrameOf(const QWidget& window);

}  // namespace lintra::progress
