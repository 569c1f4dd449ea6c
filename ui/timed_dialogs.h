// The window's boxes as the student meets them, and how long they kept the student: time spent
// reading a box is no time spent reading the staff.
#pragma once

#include <cstdint>
#include <string>

#include "ui/clock.h"
#include "ui/dialogs.h"

namespace lintra::ui {

// Passes every box on to `boxes` and counts, on `clock`, the time during which at least one was
// open. A box opened inside another (a box's own event loop runs the window's events) counts once.
class TimedDialogs final : public Dialogs {
 public:
  TimedDialogs(Dialogs& boxes, const Clock& clock) : boxes_(boxes), clock_(clock) {}

  void Message(const std::string& text) override;
  void Error(const std::string& text) override;
  using Dialogs::Confirm;
  bool Confirm(const std::string& text, DefaultAnswer preferred) override;
  bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override;
  bool SaveFileName(const std::string& caption, std::string& path) override;
  bool ChooseItem(const std::string& caption, const std::string& prompt, const std::vector<std::string>& items,
                  std::size_t& chosen) override;

  // Milliseconds boxes have been open since the start, the one open now up to this moment included.
  std::int64_t OpenMs() const;

 private:
  template <typename Box>
  auto Timed(Box box);

  Dialogs& boxes_;
  const Clock& clock_;
  int open_ = 0;
  std::int64_t openedAtMs_ = 0;  // time of day the outermost open box appeared
  std::int64_t closedMs_ = 0;    // of the boxes closed so far
};

}  // namespace lintra::ui
