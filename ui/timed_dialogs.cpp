#include "ui/timed_dialogs.h"

namespace lintra::ui {
namespace {

// The clock gives the time of day: a box open across midnight still counts from its opening.
std::int64_t Since(std::int64_t startMs, std::int64_t nowMs) { return (nowMs - startMs + kMsPerDay) % kMsPerDay; }

}  // namespace

template <typename Box>
auto TimedDialogs::Timed(Box box) {
  if (open_++ == 0) openedAtMs_ = clock_.TimeOfDayMs();
  // Closed however the box ends: a scripted box without an answer raises.
  struct Closing {
    TimedDialogs& boxes;
    ~Closing() {
      if (--boxes.open_ == 0) boxes.closedMs_ += Since(boxes.openedAtMs_, boxes.clock_.TimeOfDayMs());
    }
  } closing{*this};
  return box();
}

void TimedDialogs::Message(const std::string& text) {
  Timed([&] { boxes_.Message(text); });
}

void TimedDialogs::Error(const std::string& text) {
  Timed([&] { boxes_.Error(text); });
}

bool TimedDialogs::Confirm(const std::string& text, DefaultAnswer preferred) {
  return Timed([&] { return boxes_.Confirm(text, preferred); });
}

bool TimedDialogs::InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  return Timed([&] { return boxes_.InputQuery(caption, prompt, value); });
}

bool TimedDialogs::SaveFileName(const std::string& caption, std::string& path) {
  return Timed([&] { return boxes_.SaveFileName(caption, path); });
}

bool TimedDialogs::ChooseItem(const std::string& caption, const std::string& prompt,
                              const std::vector<std::string>& items, std::size_t& chosen) {
  return Timed([&] { return boxes_.ChooseItem(caption, prompt, items, chosen); });
}

std::int64_t TimedDialogs::OpenMs() const {
  return closedMs_ + (open_ > 0 ? Since(openedAtMs_, clock_.TimeOfDayMs()) : 0);
}

}  // namespace lintra::ui
