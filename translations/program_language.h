// The program speaking the student's language: its own catalog, built into it, and Qt's catalog for
// the texts of Qt's standard boxes, with ui::Tr looking its texts up in them.
#pragma once

#include <QTranslator>
#include <memory>
#include <string>

namespace lintra::ui {
class UseTranslator;
}

namespace lintra::translations {

class ProgramLanguage {
 public:
  // Needs the application object; lasts as long as the texts are shown. English installs nothing,
  // and neither does a language whose catalog cannot be loaded: every text stays as written.
  explicit ProgramLanguage(const std::string& language);
  ~ProgramLanguage();
  ProgramLanguage(const ProgramLanguage&) = delete;
  ProgramLanguage& operator=(const ProgramLanguage&) = delete;

  // The language the texts are shown in.
  const std::string& Language() const { return language_; }
  // The catalog in use (empty for English), or why the one asked for is not.
  const std::string& Catalog() const { return catalog_; }
  const std::string& Problem() const { return problem_; }

 private:
  std::string language_;
  std::string catalog_;
  std::string problem_;
  QTranslator own_;
  QTranslator qt_;
  std::unique_ptr<ui::UseTranslator> use_;
};

}  // namespace lintra::translations
