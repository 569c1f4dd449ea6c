// The pseudo-translation of a text: the same words in accented letters, about 40% longer and
// bracketed, so that a text cut off or left untranslated shows at a glance.
#pragma once

#include <string>
#include <string_view>

namespace lintra::catalogs {

// Place markers ("%1", "%n"), mnemonics ("&About"), mark-up tags and entities stay as they are, so
// the pseudo-translated program still fills in and underlines what the English one does.
std::string PseudoText(std::string_view english);

// Characters, not bytes, of a UTF-8 text.
std::size_t CodePoints(std::string_view text);

}  // namespace lintra::catalogs
