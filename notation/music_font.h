#pragma once

#include <QString>

namespace lintra::notation {

// The font that answers to the notation's music-font name: an installed "Partita" if there is one,
// else the program's own "Lintra Music" from the resources. Needs a QGuiApplication; asked before
// one exists, it reports no font and tries again next time.
bool MusicFontAvailable();

// Family in use, empty when no music font could be found (drawing then uses the default font).
QString MusicFontFamily();
// The family that draws `text`: the one in use, or the program's own for the characters an
// installed font was never asked for (the C clef, the marks and cut ledger lines of a line).
QString MusicFontFamilyFor(const QString& text);

}  // namespace lintra::notation
