// The window's dialogs and shell for tests: nothing is shown, everything asked is kept.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace lintra::ui {

// Keeps the text of every box and of every question. Confirmations are answered with `confirm`,
// a file question with `savePath` and a list with `choose` (each cancelled while unset), prompts are
// cancelled.
class RecordingDialogs : public Dialogs {
 public:
  void Message(const std::string& text) override {
    boxes.push_back(text);
    Open();
  }
  void Error(const std::string& text) override {
    boxes.push_back(text);
    Open();
  }
  bool Confirm(const std::string& text, DefaultAnswer preferred) override {
    questions.push_back(text);
    defaults.push_back(preferred);
    Open();
    return confirm;
  }
  bool InputQuery(const std::string&, const std::string& prompt, std::string& value) override {
    questions.push_back(prompt);
    Open();
    if (!input) return false;
    value = *input;
    return true;
  }
  bool SaveFileName(const std::string& caption, std::string& path) override {
    questions.push_back(caption);
    Open();
    if (!savePath) return false;
    path = *savePath;
    return true;
  }

  bool ChooseItem(const std::string&, const std::string& prompt, const std::vector<std::string>& items,
                  std::size_t& chosen) override {
    questions.push_back(prompt);
    Open();
    offered = items;
    if (!choose) return false;
    chosen = *choose;
    return true;
  }

  // What happens while a box is open, as in a box's own event loop: time passing, ticks falling due.
  std::function<void()> whileOpen;

  std::vector<std::string> boxes;
  std::vector<std::string> questions;
  std::vector<DefaultAnswer> defaults;  // of each confirmation, in order
  bool confirm = false;
  std::optional<std::string> savePath;
  std::optional<std::string> input;   // what a question for a text is answered with; unset: cancelled
  std::optional<std::size_t> choose;  // the item a list question is answered with; unset: cancelled
  std::vector<std::string> offered;   // the items of the last list question

 private:
  void Open() {
    if (whileOpen) whileOpen();
  }
};

// A shell that opens every document and remembers being told to end.
class QuietShell : public Shell {
 public:
  bool OpenDocument(const std::string&) override { return true; }
  void Terminate() override { terminated = true; }
  void SetBusyCursor(bool) override {}
  void Maximize() override {}

  bool terminated = false;
};

}  // namespace lintra::ui
