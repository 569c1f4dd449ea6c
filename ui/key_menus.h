// How the window names the keys: each key's identity and its menu item. The captions and handlers
// of those items stand in the menu table; the rest of the program knows keys by identity alone.
#pragma once

#include <optional>
#include <string_view>

#include "theory/keys.h"
#include "ui/layout_names.h"

namespace lintra::ui {

// The menu item of `key` ("GMajor1"; the chromatic scale's is "ChromaticScale").
MenuName KeyMenu(theory::KeyId key);
// The caption of that item, as the student reads the key's name: "G Major".
std::string_view KeyCaption(theory::KeyId key);
// The key whose menu item is called `item`; nothing for any other name.
std::optional<theory::KeyId> KeyOfMenu(std::string_view item);

}  // namespace lintra::ui
