#include "translations/program_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "ui/language.h"
#include "ui/translate.h"

namespace lintra::translations {
namespace {

class QtCatalogs : public ui::Translator {
 public:
  std::string Translate(std::string_view context, std::string_view text, std::string_view disambiguation,
                        int n) const override {
    // Qt wants terminated strings; the copies are.
    const QByteArray scope(context.data(), static_cast<qsizetype>(context.size()));
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    const QByteArray comment(disambiguation.data(), static_cast<qsizetype>(disambiguation.size()));
    return QCoreApplication::translate(scope.constData(), source.constData(),
                                       comment.isEmpty() ? nullptr : comment.constData(), n)
        .toStdString();
  }
};

const QtCatalogs kQtCatalogs;

}  // namespace

ProgramLanguage::ProgramLanguage(const std::string& language) : language_(ui::kEnglish) {
  if (language == ui::kEnglish) return;
  const QString path = QStringLiteral(":/i18n/lintra_%1.qm").arg(QString::fromStdString(language));
  if (!own_.load(path)) {
    problem_ = "no catalog " + path.toStdString();
    return;
  }
  // Qt asks the translator installed last first: the program's own texts win.
  if (language != ui::kPseudoLanguage && qt_.load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qt_);
  }
  QCoreApplication::installTranslator(&own_);
  use_ = std::make_unique<ui::UseTranslator>(kQtCatalogs);
  language_ = language;
  catalog_ = path.toStdString();
}

ProgramLanguage::~ProgramLanguage() {
  use_.reset();
  QCoreApplication::removeTranslator(&own_);
  QCoreApplication::removeTranslator(&qt_);
}

}  // namespace lintra::translations
