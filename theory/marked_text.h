// Marks a text kept as data (a key's task line, a menu caption in a table) for the translation
// catalogs, and reads as the text itself: the code that shows it looks it up (ui::TrMarked).
#pragma once

#define LINTRA_TRANSLATE_NOOP(context, text) text
