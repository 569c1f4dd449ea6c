// The modal boxes and prompts of the window, behind a seam so that tests and
// scenarios answer them from a script.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lintra::ui {

// The answer a question's Enter key gives.
enum class DefaultAnswer { Yes, No };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void Message(const std::string& text) = 0;
  // An error shown by the event loop; `text` is already as displayed.
  virtual void Error(const std::string& text) = 0;
  // Yes = true. A question whose Yes cannot be undone makes No the default, so that Enter loses nothing.
  virtual bool Confirm(const std::string& text, DefaultAnswer preferred) = 0;
  bool Confirm(const std::string& text) { return Confirm(text, DefaultAnswer::Yes); }
  // OK = true; `value` holds the typed text after OK and is untouched after Cancel.
  virtual bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) = 0;
  // Asks where to save a file. `path` starts as the name suggested and holds the chosen path after
  // OK; false on Cancel.
  virtual bool SaveFileName(const std::string& caption, std::string& path) = 0;
  // Asks for one of `items`. `chosen` starts as the one shown chosen and holds the one chosen after
  // OK; false on Cancel.
  virtual bool ChooseItem(const std::string& caption, const std::string& prompt, const std::vector<std::string>& items,
                          std::size_t& chosen) = 0;
  // Returns the typed text, or `defaultValue` on Cancel.
  std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue) {
    std::string value = defaultValue;
    return InputQuery(caption, prompt, value) ? value : defaultValue;
  }
};

// Raised by a scripted dialog that has no answer queued; it is no error of the
// window and passes every handler guard.
struct DialogNotAnswered {
  std::string what;
};

// The error text as the event loop shows it, in the student's language where it is one of the
// MIDI system's own texts: a full stop is added when the last character sorts after ".".
std::string DisplayedErrorText(const std::string& text);

// What the application itself offers the window.
class Shell {
 public:
  virtual ~Shell() = default;
  // False when the document could not be opened (it is missing, or nothing
  // on this desktop opens it).
  virtual bool OpenDocument(const std::string& path) = 0;
  virtual void Terminate() = 0;
  virtual void SetBusyCursor(bool busy) = 0;
  virtual void Maximize() = 0;
};

// "Handle pending events from inside a handler."
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void ProcessPendingEvents() = 0;
};

}  // namespace lintra::ui
