// The scenario language: one command per line, blanks between arguments,
// double-quoted texts with \" and \\ escapes, '#' comments.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace lintra::scenario {

struct ScriptLine {
  int number = 0;    // 1-based line in the script
  std::string text;  // the line as written, for the echo
  std::string command;
  std::vector<std::string> args;
  std::vector<bool> quoted;  // which arguments were written in quotes
};

class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& message)
      : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}
  int Line() const { return line_; }

 private:
  int line_;
};

// Splits a script into command lines; comments and blank lines are dropped.
std::vector<ScriptLine> ParseScript(const std::string& source);

}  // namespace lintra::scenario
