// Menu titles that do not all fit the window's width would hide behind the menu bar's extension
// button, where a student never looks for them: a narrow window or a language with long words
// gets a smaller menu font instead.
#pragma once

class QMenuBar;

namespace lintra::frontend {

// The largest point size not above `points`, and not below kSmallestMenuPoints, at which every menu
// title fits in `width` pixels; the bar takes it.
void FitMenuTitles(QMenuBar* bar, int points, int width);

inline constexpr int kSmallestMenuPoints = 6;

}  // namespace lintra::frontend
