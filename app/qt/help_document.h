// The help page in the student's language.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lintra::frontend {

// "Note Help.de.html" for German, and "Note Help.html", the English page, where a language has
// none. The first of `folders` that holds either wins, so an installed program never reads the page
// of the tree it was built from. Nothing found: the English page of the first folder, which names
// the file the student is told is missing.
std::string FindHelpDocument(const std::vector<std::filesystem::path>& folders, std::string_view language);

}  // namespace lintra::frontend
