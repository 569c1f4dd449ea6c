#pragma once
// The bevel around the gradient button and its dotted focus rectangle.

#include <QColor>
#include <optional>

class QImage;
class QPainter;

namespace lintra::controls {

// `frames` one-pixel frames, the first on the outermost pixels. In each frame the top colour takes the
// left column and the top row, the bottom colour then the right column and the bottom row, so the
// top-right and bottom-left corners end up in the bottom colour. A colour without value is not painted.
void PaintBevel(QPainter& painter, int w, int h, int frames, const std::optional<QColor>& top,
                const std::optional<QColor>& bottom);

// Inverts every other pixel on the outline of the rectangle from (left, top) to (right, bottom), right
// and bottom exclusive. Inverting rather than painting keeps the dots visible on any gradient, and
// painting it twice removes it again. Coordinates are those of the button; on an image with a device
// pixel ratio above 1 each dot covers the device pixels of its button pixel.
void InvertFocusRect(QImage& image, int left, int top, int right, int bottom);

}  // namespace lintra::controls
