// The seams of the window's logic, realised with Qt: timers, dialogs, the
// shell, the event pump and the wake-up of the user-interface thread.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>

#include "midi/message_loop.h"
#include "ui/clock.h"
#include "ui/dialogs.h"

namespace lintra::frontend {

class QtClock : public ui::Clock {
 public:
  std::int64_t TimeOfDayMs() const override;
  std::int64_t WallTimeUtcMs() const override;
  int UtcOffsetMinutes() const override;
  std::unique_ptr<ui::Timer> CreateTimer(std::string name, int interval) override;
};

class QtDialogs : public ui::Dialogs {
 public:
  explicit QtDialogs(QWidget* owner = nullptr) : owner_(owner) {}
  // The window the boxes belong to; made after the dialogs it is given.
  void SetOwner(QWidget* owner) { owner_ = owner; }
  void Message(const std::string& text) override;
  void Error(const std::string& text) override;
  bool Confirm(const std::string& text, ui::DefaultAnswer preferred) override;
  bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override;
  bool SaveFileName(const std::string& caption, std::string& path) override;
  bool ChooseItem(const std::string& caption, const std::string& prompt, const std::vector<std::string>& items,
                  std::size_t& chosen) override;

 private:
  QPointer<QWidget> owner_;
};

class QtShell : public ui::Shell {
 public:
  explicit QtShell(QWidget* window = nullptr) : window_(window) {}
  void SetWindow(QWidget* window) { window_ = window; }
  bool OpenDocument(const std::string& path) override;
  void Terminate() override;
  void SetBusyCursor(bool busy) override;
  void Maximize() override;

 private:
  QPointer<QWidget> window_;
};

class QtPump : public ui::EventPump {
 public:
  void ProcessPendingEvents() override;
};

// Wakes the user-interface thread from the MIDI callback thread with an
// event posted through Qt, on every platform Qt runs on.  At most one such
// event is on its way: a flood of messages costs the callback thread one
// atomic exchange each, and an allocation only when the thread was idle.
class EventWaker : public QObject, public midi::Waker {
 public:
  explicit EventWaker(std::function<void()> onWake, QObject* parent = nullptr);
  void Wake() noexcept override;

 protected:
  bool event(QEvent* event) override;

 private:
  const QEvent::Type wakeType_;
  std::function<void()> onWake_;
  std::atomic<bool> pending_{false};
};

}  // namespace lintra::frontend
