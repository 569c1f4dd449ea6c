#pragma once
// Turning a stored colour word into something Qt can paint with.

#include <QColor>
#include <QPalette>
#include <optional>

#include "controls/colors.h"

namespace lintra::controls {

// A system colour resolves against the palette at paint time, so a theme change shows at the next
// repaint. "No colour" and the "default colour" word resolve to nothing: the caller
// leaves those pixels alone.
std::optional<QColor> ResolveColor(TColor color, const QPalette& palette);

// The plain red, green and blue of the three low bytes, whatever the top byte holds. The gradient reads
// colours this way, which is why "no colour" paints white there.
QColor LowBytesColor(TColor color);

}  // namespace lintra::controls
