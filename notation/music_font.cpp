#include "notation/music_font.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <optional>

// Resources of a static library must be registered by hand, from the global namespace.
static void RegisterMusicFontResource() { Q_INIT_RESOURCE(music_font); }

namespace lintra::notation {
namespace {

const QString kInstalledFamily = QStringLiteral("Partita");
const QString kEmbeddedFontPath = QStringLiteral(":/fonts/LintraMusic.ttf");
// What an installed font is trusted to draw: the characters the trainer has always drawn. The
// ones added since may stand for other signs there, or not be there at all.
const QString kInstalledCharacters = QStringLiteral("=&?#bnw- ");

QString AddEmbeddedFont() {
  RegisterMusicFontResource();
  const int id = QFontDatabase::addApplicationFont(kEmbeddedFontPath);
  if (id < 0) {
    return {};
  }
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  return families.isEmpty() ? QString() : families.front();
}

const QString& EmbeddedFamily() {
  static const QString family = AddEmbeddedFont();
  return family;
}

QString FindFamily() {
  if (QFontDatabase::hasFamily(kInstalledFamily)) {
    return kInstalledFamily;
  }
  return EmbeddedFamily();
}

const QString& Family() {
  static std::optional<QString> family;
  if (!family && QGuiApplication::instance() != nullptr) {
    family = FindFamily();
  }
  static const QString none;
  return family ? *family : none;
}

}  // namespace

bool MusicFontAvailable() { return !Family().isEmpty(); }

QString MusicFontFamily() { return Family(); }

QString MusicFontFamilyFor(const QString& text) {
  const QString& family = Family();
  if (family != kInstalledFamily || EmbeddedFamily().isEmpty()) return family;
  for (const QChar character : text) {
    if (!kInstalledCharacters.contains(character)) return EmbeddedFamily();
  }
  return family;
}

}  // namespace lintra::notation
