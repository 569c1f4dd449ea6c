#include "ui/dialogs.h"

#include "ui/translate.h"

namespace lintra::ui {

std::string DisplayedErrorText(const std::string& shown) {
  const std::string text = TrMarked("MidiErrors", shown);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
    return text + ".";
  }
  return text;
}

}  // namespace lintra::ui
