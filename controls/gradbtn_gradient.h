#pragma once
// The six gradient fills of the gradient button. Every style paints a bounded number of fills (at most
// 256, or 51 ellipses) whatever the size, so a large button costs no more than a small one.

#include <QRgb>
#include <cstdint>

#include "controls/colors.h"
#include "controls/gradbtn_types.h"

class QPainter;

namespace lintra::controls {

// a * b / c with a 64-bit product, truncated toward zero. A zero divisor gives 0 rather than a trap:
// the centre styles divide by half the button's size, which is 0 on a button 0 or 1 pixel thick.
std::int64_t Scale(std::int64_t a, std::int64_t b, std::int64_t c);

// Colour of step i of n between the low three bytes of begin and end: step 0 is begin, step n is end.
QRgb GradientStep(TColor begin, TColor end, int i, int n);

// Fills the w x h area at (0, 0) of the painter's device. The painter must not antialias.
void PaintGradient(QPainter& painter, TGradientStyle style, int w, int h, TColor begin, TColor end);

}  // namespace lintra::controls
