#include "app/qt/accessibility.h"

#include <QCoreApplication>
#include <array>
#include <utility>

namespace lintra::frontend {

QString AccessibleNameOf(std::string_view control) {
  static constexpr std::array<std::pair<std::string_view, const char*>, 9> kNames{{
      {"QuestShw", QT_TRANSLATE_NOOP("Accessibility", "Task")},
      {"AnsShow", QT_TRANSLATE_NOOP("Accessibility", "Answer")},
      {"PaintBox1", QT_TRANSLATE_NOOP("Accessibility", "Staff")},
      {"Score", QT_TRANSLATE_NOOP("Accessibility", "Score")},
      {"Items", QT_TRANSLATE_NOOP("Accessibility", "Correct answers")},
      {"KeyList", QT_TRANSLATE_NOOP("Accessibility", "Question pool")},
      {"Memo1", QT_TRANSLATE_NOOP("Accessibility", "Device settings")},
      {"Label2", QT_TRANSLATE_NOOP("Accessibility", "Correct Answers:")},
      {"StatusLine", QT_TRANSLATE_NOOP("Accessibility", "Time and mistake")},
  }};
  for (const auto& [name, spoken] : kNames) {
    if (name == control) return QCoreApplication::translate("Accessibility", spoken);
  }
  return {};
}

QString NameFromLabel(QString caption) {
  caption.remove(QLatin1Char('&'));
  caption = caption.trimmed();
  if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
  return caption.trimmed();
}

std::vector<QChar> AccessKeysOf(const std::vector<std::string>& captions) {
  std::vector<QChar> keys;
  QString used;
  for (const auto& caption : captions) {
    const QString text = QString::fromStdString(caption);
    QChar key;
    if (const auto marked = text.indexOf(QLatin1Char('&')); marked >= 0 && marked + 1 < text.size()) {
      key = text[marked + 1].toLower();
    } else {
      for (const QChar letter : text) {
        if (letter.isLetter() && !used.contains(letter.toLower())) {
          key = letter.toLower();
          break;
        }
      }
    }
    if (!key.isNull()) used += key;
    keys.push_back(key);
  }
  return keys;
}

QString WithAccessKey(QString caption, QChar key) {
  if (caption.contains(QLatin1Char('&')) || key.isNull()) return caption;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i].toLower() == key) return caption.insert(i, QLatin1Char('&'));
  }
  return caption + QStringLiteral(" (&") + key.toUpper() + QLatin1Char(')');
}

}  // namespace lintra::frontend
