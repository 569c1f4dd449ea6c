// What a screen reader is told about the main window: the name of every
// control, the access keys of the top-level menus, and the program's name.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace lintra::frontend {

// The program's name as assistive technology gives it, for the application and its window: the
// window's caption and the name under which the program keeps its files are the layout's.
inline constexpr std::string_view kSpokenProgramName = "Lintra";

// The spoken name of a control of the layout (the keys are named by their notes at run time); empty
// for a control whose own text names it, or whose label does.
QString AccessibleNameOf(std::string_view control);

// A label's caption as the name of what it labels: "Outputs:" names the list "Outputs".
QString NameFromLabel(QString caption);

// The access key of each menu of the bar, from the captions the layout gives them: the letter after
// a '&', or the first letter that no menu to its left already uses (a null character where none is
// left). Chosen once, so that a menu keeps its key when its caption changes.
std::vector<QChar> AccessKeysOf(const std::vector<std::string>& captions);

// `caption` with `key` marked as its access key: before the first letter that is the key, in either
// case, or after the caption in brackets where it has none. A caption with its own '&' is kept.
QString WithAccessKey(QString caption, QChar key);

}  // namespace lintra::frontend
