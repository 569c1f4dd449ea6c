// How a mastery state is marked: a colour that colour-blind students tell apart (the Okabe-Ito
// vermillion and blue beside grey, of distinct lightness too) and a symbol that needs no colour
// at all: an empty, a half-filled and a filled circle, filling up as the note is learnt.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "practice/mastery.h"

namespace lintra::progress {

QColor StateColour(practice::MasteryState state);

// The state's symbol inside `box`, outlined in black so that it shows on any background.
void DrawStateSymbol(QPainter& painter, const QRectF& box, practice::MasteryState state);

}  // namespace lintra::progress
