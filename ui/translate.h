// The student's language, as the toolkit-free window sees it. The window's logic asks for every text
// it shows through Tr(); the Qt front end installs a translator that looks the text up in Qt's
// catalogs, and without one (the scenario runner, the tests) every text is the English one unchanged.
//
// Qt's lupdate finds the calls: it reads Tr as QCoreApplication::translate and LINTRA_TRANSLATE_NOOP as
// QT_TRANSLATE_NOOP (translations/CMakeLists.txt), so context and text must be string literals there.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "theory/marked_text.h"

namespace lintra::ui {

class Translator {
 public:
  virtual ~Translator() = default;
  // The text in the student's language, or `text` itself where the catalog has no translation.
  // `n` >= 0 picks the plural form for n and stands for "%n"; -1 for a text without a count.
  virtual std::string Translate(std::string_view context, std::string_view text, std::string_view disambiguation,
                                int n) const = 0;
};

// The translator in use while this object lives; the one before it comes back afterwards.
class UseTranslator {
 public:
  explicit UseTranslator(const Translator& translator);
  ~UseTranslator();
  UseTranslator(const UseTranslator&) = delete;
  UseTranslator& operator=(const UseTranslator&) = delete;

 private:
  const Translator* previous_;
};

// `text` of `context` in the student's language. `disambiguation` tells two equal English texts apart
// for the translator; with `n` >= 0, "%n" in the text becomes n (and the catalog's plural form for n
// is used).
std::string Tr(std::string_view context, std::string_view text, std::string_view disambiguation = {}, int n = -1);

// The same for a text marked with LINTRA_TRANSLATE_NOOP where it is kept; lupdate does not look here.
std::string TrMarked(std::string_view context, std::string_view text);

// Fills the place markers of a translated sentence, as theory::FillMarkers does: "%1" becomes the
// first argument, and a device or file name holding "%1" comes out as it is.
std::string Args(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace lintra::ui
