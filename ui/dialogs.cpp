#include "ui/dialogs.h"

namespace lintra::ui {

std::string DisplayedErrorText(const std::string& text) {
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
    return text + ".";
  }
  return text;
}

}  // namespace lintra::ui
