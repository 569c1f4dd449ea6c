// How wide the texts of a control may be before they are cut off, and the
// font size at which they fit.
#pragma once

#include <QStringList>

class QWidget;

namespace lintra::frontend {

// The texts a control shows: a label's caption, a field's text, the shown
// choice or typed text of a drop-down list, a gradient button's caption as it
// is measured. Empty for other widgets.
QStringList TextsOf(const QWidget* widget);

// The width in pixels that the control's text is drawn in without being cut
// off, inside frames, margins, the list's arrow and a caret.
int TextRoom(const QWidget* widget);

// The largest point size not above `points` at which every text of the
// control fits its room, given the control's font otherwise; never below half
// of `points`.
int FittingPoints(const QWidget* widget, int points);

}  // namespace lintra::frontend
