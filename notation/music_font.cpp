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

QString FindFamily() {
  if (QFontDatabase::hasFamily(kInstalledFamily)) {
    return kInstalledFamily;
  }
  RegisterMusicFontResource();
  const int id = QFontDatabase::addApplicationFont(kEmbeddedFontPath);
  if (id < 0) {
    return {};
  }
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  return families.isEmpty() ? QString() : families.front();
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

}  // namespace lintra::notation
