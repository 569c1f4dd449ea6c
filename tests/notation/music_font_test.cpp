// An installed "Partita" answers to the music-font name for the characters it always drew; those
// added with the C clef come from the program's own font. The fixture is the program's font of
// before the C clef, named "Partita".
#include "notation/music_font.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QGuiApplication>

#include "notation/image_canvas.h"
#include "notation/staff_painter.h"

namespace lintra::notation {
namespace {

TEST(MusicFont, AnInstalledFontDrawsWhatItHasAndTheOwnFontTheRest) {
  ASSERT_EQ(MusicFontFamily(), "Partita");
  const TextStyle style{std::string(kMusicFontName), kMusicFontPoints, TextColour::Black, false};
  for (const char* text : {"w", "&", "?", "#", "--", "======="}) EXPECT_EQ(FontFor(style, text).family(), "Partita");
  for (const char* text : {"B", "[", "]", "|", "^", "x"}) EXPECT_EQ(FontFor(style, text).family(), "Lintra Music");
}

}  // namespace
}  // namespace lintra::notation

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  // Installed before the notation first asks for its font.
  if (QFontDatabase::addApplicationFont(QStringLiteral(LINTRA_PARTITA_FIXTURE)) < 0) return 1;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
