// What a screen reader is told about the main window: the name of every
// control, and the access keys of the top-level menus.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace lintra::frontend {

// The spoken name of a control of the layout (the keys are named by their
// notes at run time); empty for a control whose own text names it.
QString AccessibleNameOf(std::string_view control);

// The menu bar's captions with an access key each: the first letter of a
// caption that no menu to its left already uses.
std::vector<QString> WithAccessKeys(const std::vector<std::string>& captions);

}  // namespace lintra::frontend
