#include "app/qt/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace lintra::frontend {
namespace {

class QtTimer : public ui::Timer {
 public:
  QtTimer(std::string name, int interval) : ui::Timer(std::move(name), interval) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (OnTimer) OnTimer();
    });
  }

 protected:
  void Restart() override {
    if (Interval() > 0) {
      timer_.start(Interval());
    } else {
      timer_.stop();
    }
  }
  void Stop() override { timer_.stop(); }

 private:
  QTimer timer_;
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

std::int64_t QtClock::TimeOfDayMs() const { return QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay(); }

std::int64_t QtClock::WallTimeUtcMs() const { return QDateTime::currentMSecsSinceEpoch(); }

int QtClock::UtcOffsetMinutes() const { return QDateTime::currentDateTime().offsetFromUtc() / 60; }

std::unique_ptr<ui::Timer> QtClock::CreateTimer(std::string name, int interval) {
  return std::make_unique<QtTimer>(std::move(name), interval);
}

void QtDialogs::Message(const std::string& text) {
  QMessageBox::information(owner_, QApplication::applicationName(), Q(text));
}

void QtDialogs::Error(const std::string& text) {
  QMessageBox::critical(owner_, QApplication::applicationName(), Q(text));
}

bool QtDialogs::Confirm(const std::string& text, ui::DefaultAnswer preferred) {
  const auto button = preferred == ui::DefaultAnswer::No ? QMessageBox::No : QMessageBox::Yes;
  return QMessageBox::question(owner_, QApplication::applicationName(), Q(text), QMessageBox::Yes | QMessageBox::No,
                               button) == QMessageBox::Yes;
}

bool QtDialogs::InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  bool ok = false;
  const QString typed = QInputDialog::getText(owner_, Q(caption), Q(prompt), QLineEdit::Normal, Q(value), &ok);
  if (ok) value = typed.toStdString();
  return ok;
}

bool QtDialogs::SaveFileName(const std::string& caption, std::string& path) {
  const QString chosen = QFileDialog::getSaveFileName(owner_, Q(caption), Q(path));
  if (chosen.isEmpty()) return false;
  path = chosen.toStdString();
  return true;
}

bool QtDialogs::ChooseItem(const std::string& caption, const std::string& prompt,
                           const std::vector<std::string>& items, std::size_t& chosen) {
  QStringList list;
  for (const auto& item : items) list << Q(item);
  bool ok = false;
  const QString picked =
      QInputDialog::getItem(owner_, Q(caption), Q(prompt), list, static_cast<int>(chosen), false, &ok);
  const auto index = list.indexOf(picked);
  if (!ok || index < 0) return false;
  chosen = static_cast<std::size_t>(index);
  return true;
}

bool QtShell::OpenDocument(const std::string& path) {
  // A missing page would only show up, if at all, as an error of the browser.
  return QFileInfo(Q(path)).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path)));
}

void QtShell::Terminate() { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); }

void QtShell::SetBusyCursor(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtShell::Maximize() {
  if (window_ && !window_->isMaximized()) window_->showMaximized();
}

void QtPump::ProcessPendingEvents() { QCoreApplication::processEvents(); }

EventWaker::EventWaker(std::function<void()> onWake, QObject* parent)
    : QObject(parent), wakeType_(static_cast<QEvent::Type>(QEvent::registerEventType())), onWake_(std::move(onWake)) {}

void EventWaker::Wake() noexcept {
  if (pending_.exchange(true, std::memory_order_acq_rel)) return;  // one is on its way already
  try {
    QCoreApplication::postEvent(this, new QEvent(wakeType_));
  } catch (...) {
    pending_.store(false, std::memory_order_release);  // no memory: the next message tries again
  }
}

bool EventWaker::event(QEvent* event) {
  if (event->type() != wakeType_) return QObject::event(event);
  // Cleared before the messages are handled, and by an exchange, which sees
  // every message posted before it: one that comes in meanwhile posts anew.
  pending_.exchange(false, std::memory_order_acq_rel);
  if (onWake_) onWake_();
  return true;
}

}  // namespace lintra::frontend
