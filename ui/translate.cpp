#include "ui/translate.h"

#include <atomic>

namespace lintra::ui {
namespace {

// Set once by the program before its window exists; atomic so that a text made on another thread
// never reads a half-written pointer.
std::atomic<const Translator*> current{nullptr};

std::string ReplaceCount(std::string_view text, int n) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 'n') {
      result += std::to_string(n);
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

}  // namespace

UseTranslator::UseTranslator(const Translator& translator) : previous_(current.exchange(&translator)) {}
UseTranslator::~UseTranslator() { current.store(previous_); }

std::string Tr(std::string_view context, std::string_view text, std::string_view disambiguation, int n) {
  if (const Translator* translator = current.load()) return translator->Translate(context, text, disambiguation, n);
  return n >= 0 ? ReplaceCount(text, n) : std::string(text);
}

std::string TrMarked(std::string_view context, std::string_view text) { return Tr(context, text); }

std::string Args(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
  return theory::FillMarkers(pattern, arguments);
}

}  // namespace lintra::ui
