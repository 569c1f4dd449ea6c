// Qt Linguist catalogs (.ts) as data: read, checked, and the pseudo-translation written.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lintra::catalogs {

struct CatalogMessage {
  std::string context;
  std::string source;
  std::string comment;  // tells equal source texts apart
  bool numerus = false;
  std::string type;                       // "" when finished, else "unfinished", "vanished" or "obsolete"
  std::vector<std::string> translations;  // one, or one per plural form
};

struct Catalog {
  std::string language;
  std::vector<CatalogMessage> messages;
};

// Nothing, with `error` set, for a file that is no catalog.
std::optional<Catalog> ReadCatalog(const std::string& xml, std::string& error);
std::string WriteCatalog(const Catalog& catalog);

// What keeps a catalog from being shipped, one line each: a text not translated yet, one the program
// no longer has, an empty translation, or one whose place markers ("%1") differ from the English.
std::vector<std::string> CatalogProblems(const Catalog& catalog);

// Every message of `extracted` translated by PseudoText, as a finished catalog of its own.
Catalog PseudoCatalog(const Catalog& extracted);

}  // namespace lintra::catalogs
