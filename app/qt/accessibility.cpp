#include "app/qt/accessibility.h"

#include <array>
#include <utility>

namespace lintra::frontend {

QString AccessibleNameOf(std::string_view control) {
  static constexpr std::array<std::pair<std::string_view, const char*>, 11> kNames{{
      {"QuestShw", "Task"},
      {"AnsShow", "Answer"},
      {"PaintBox1", "Staff"},
      {"Score", "Score"},
      {"Items", "Correct answers"},
      {"cmbInput", "MIDI input device"},
      {"cmbOutput", "MIDI output device"},
      {"KeyList", "Question pool"},
      {"Memo1", "Device settings"},
      {"Label2", "Correct Answers:"},
      {"StatusLine", "Time and mistake"},
  }};
  for (const auto& [name, spoken] : kNames) {
    if (name == control) return QString::fromUtf8(spoken);
  }
  return {};
}

std::vector<QString> WithAccessKeys(const std::vector<std::string>& captions) {
  std::vector<QString> texts;
  QString used;
  for (const auto& caption : captions) {
    QString text = QString::fromStdString(caption);
    if (text.contains(QLatin1Char('&'))) {
      texts.push_back(text);
      continue;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
      const QChar letter = text[i].toLower();
      if (!letter.isLetter() || used.contains(letter)) continue;
      used += letter;
      text.insert(i, QLatin1Char('&'));
      break;
    }
    texts.push_back(text);
  }
  return texts;
}

}  // namespace lintra::frontend
