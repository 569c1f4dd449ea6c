// lintra-catalogs pseudo EXTRACTED.ts OUT.ts   writes the pseudo-translation of every extracted text
// lintra-catalogs check CATALOG.ts...           lists what keeps each catalog from being shipped
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/catalogs/catalog.h"

namespace {

bool ReadFile(const char* path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  text = content.str();
  return static_cast<bool>(in);
}

std::optional<lintra::catalogs::Catalog> Load(const char* path) {
  std::string text;
  std::string error;
  if (!ReadFile(path, text)) {
    std::fprintf(stderr, "%s: cannot be read\n", path);
    return std::nullopt;
  }
  auto catalog = lintra::catalogs::ReadCatalog(text, error);
  if (!catalog) std::fprintf(stderr, "%s: %s\n", path, error.c_str());
  return catalog;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string verb = argc > 1 ? argv[1] : "";
  if (verb == "pseudo" && argc == 4) {
    const auto extracted = Load(argv[2]);
    if (!extracted) return 1;
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out << lintra::catalogs::WriteCatalog(lintra::catalogs::PseudoCatalog(*extracted));
    out.close();
    if (!out) {
      std::fprintf(stderr, "%s: cannot be written\n", argv[3]);
      return 1;
    }
    return 0;
  }
  if (verb == "check" && argc > 2) {
    int failed = 0;
    for (int i = 2; i < argc; ++i) {
      const auto catalog = Load(argv[i]);
      if (!catalog) {
        ++failed;
        continue;
      }
      const auto problems = lintra::catalogs::CatalogProblems(*catalog);
      for (const auto& problem : problems) std::printf("%s: %s\n", argv[i], problem.c_str());
      std::printf("%s: %zu texts, %zu problems\n", argv[i], catalog->messages.size(), problems.size());
      if (!problems.empty() || catalog->messages.empty()) ++failed;
    }
    return failed == 0 ? 0 : 1;
  }
  std::fprintf(stderr, "usage: lintra-catalogs pseudo EXTRACTED.ts OUT.ts | check CATALOG.ts...\n");
  return 2;
}
