#pragma once
// The gradient button's caption: access-key markers, measuring, and the embossed, engraved or plain
// layers drawn over the gradient.

#include <QChar>
#include <QColor>
#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

#include "controls/gradbtn_types.h"

class QPainter;

namespace lintra::controls {

// The caption with its access-key markers taken out, as it is measured: an "&" is dropped unless the
// next character is also "&" (so "&&" measures as one), and the last character is always kept.
QString MeasuringText(const QString& caption);

// The character after the first single "&" ("&&" stands for a literal ampersand); a null QChar when the
// caption has no access key.
QChar AccessKeyOf(const QString& caption);

// Whether `c` is the caption's access key, compared without regard to case.
bool IsAccessKey(QChar c, const QString& caption);

struct CaptionLayer {
  int dx = 0;
  int dy = 0;
  std::optional<QColor> color;  // a layer whose colour is "no colour" is skipped
};

// The layers of one drawing routine, back to front, as offsets from the face origin. The last is the
// face itself, in `face`.
std::vector<CaptionLayer> CaptionLayers(TTextStyle routine, TShadeType shade, const std::optional<QColor>& hilite,
                                        const std::optional<QColor>& shadow, const std::optional<QColor>& face);

// Top-left corner of the face layer for a text of tw x th on a w x h button, shifted by the press offset.
// The text is centred between row `top` and the bottom edge (top 0: on the whole button).
QPoint CaptionFaceOrigin(TJustification justification, int w, int h, int tw, int th, int pressOffset, int top = 0);

// Draws every layer with the painter's current font; the ampersand markers are rendered as underlines.
void PaintCaption(QPainter& painter, const QString& caption, TJustification justification, int w, int h,
                  int pressOffset, const std::vector<CaptionLayer>& layers, int top = 0);

}  // namespace lintra::controls
