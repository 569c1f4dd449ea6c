#include "tools/scenario/script.h"

namespace lintra::scenario {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

ScriptLine Tokenize(int number, const std::string& raw) {
  ScriptLine line;
  line.number = number;
  std::vector<std::string> tokens;
  std::size_t i = 0;
  std::size_t end = raw.size();
  while (i < raw.size()) {
    const char c = raw[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      end = i;
      break;
    } else if (c == '"') {
      std::string text;
      ++i;
      bool closed = false;
      while (i < raw.size()) {
        if (raw[i] == '\\' && i + 1 < raw.size() && (raw[i + 1] == '"' || raw[i + 1] == '\\')) {
          text.push_back(raw[i + 1]);
          i += 2;
        } else if (raw[i] == '"') {
          closed = true;
          ++i;
          break;
        } else {
          text.push_back(raw[i++]);
        }
      }
      if (!closed) throw ScriptError(number, "unterminated text");
      tokens.push_back(std::move(text));
      line.quoted.push_back(true);
    } else {
      std::string word;
      while (i < raw.size() && raw[i] != ' ' && raw[i] != '\t' && raw[i] != '\r' && raw[i] != '"') {
        if (raw[i] == '#') break;
        word.push_back(raw[i++]);
      }
      tokens.push_back(std::move(word));
      line.quoted.push_back(false);
    }
  }
  line.text = Trimmed(raw.substr(0, end));
  if (!tokens.empty()) {
    if (line.quoted.front()) throw ScriptError(number, "a command cannot be a text");
    line.command = tokens.front();
    line.args.assign(tokens.begin() + 1, tokens.end());
    line.quoted.erase(line.quoted.begin());
  }
  return line;
}

}  // namespace

std::vector<ScriptLine> ParseScript(const std::string& source) {
  std::vector<ScriptLine> lines;
  std::size_t start = 0;
  int number = 0;
  while (start <= source.size()) {
    auto end = source.find('\n', start);
    if (end == std::string::npos) end = source.size();
    ++number;
    auto line = Tokenize(number, source.substr(start, end - start));
    if (!line.command.empty()) lines.push_back(std::move(line));
    if (end == source.size()) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace lintra::scenario
