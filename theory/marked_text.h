// Marks a text kept as data (a key's task line, a menu caption in a table) for the translation
// catalogs, and reads as the text itself: the code that shows it looks it up (ui::TrMarked).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#define LINTRA_TRANSLATE_NOOP(context, text) text

namespace lintra::theory {

// Fills the place markers of a sentence: "%1" becomes the first argument, "%2" the second, up to
// "%99"; a marker without an argument stays as it is. What is filled in is never read for markers
// again, so a device or file name holding "%1" comes out as it is.
std::string FillMarkers(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace lintra::theory
