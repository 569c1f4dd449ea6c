#include "app/qt/help_document.h"

#include "ui/language.h"

namespace lintra::frontend {

std::string FindHelpDocument(const std::vector<std::filesystem::path>& folders, std::string_view language) {
  const std::string english = "Note Help.html";
  std::vector<std::string> names;
  if (language != ui::kEnglish && language != ui::kPseudoLanguage) {
    names.push_back("Note Help." + std::string(language) + ".html");
  }
  names.push_back(english);
  for (const auto& folder : folders) {
    for (const auto& name : names) {
      std::error_code error;
      const auto candidate = folder / name;
      if (std::filesystem::is_regular_file(candidate, error)) {
        return std::filesystem::absolute(candidate, error).lexically_normal().string();
      }
    }
  }
  return ((folders.empty() ? std::filesystem::path(".") : folders.front()) / english).string();
}

}  // namespace lintra::frontend
