#include "app/qt/qt_platform.h"

#include <fcntl.h>
#include <unistd.h>

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

bool QtDialogs::Confirm(const std::string& text) {
  return QMessageBox::question(owner_, QApplication::applicationName(), Q(text), QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
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

PipeWaker::PipeWaker(std::function<void()> onWake, QObject* parent) : QObject(parent), onWake_(std::move(onWake)) {
  if (::pipe(fds_) == 0) {
    for (int fd : fds_) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { Drain(); });
  }
}

PipeWaker::~PipeWaker() {
  notifier_.reset();
  for (int fd : fds_) {
    if (fd >= 0) ::close(fd);
  }
}

void PipeWaker::Wake() noexcept {
  if (fds_[1] < 0) return;
  const char byte = 1;
  // A full pipe already means a wake-up is pending.
  [[maybe_unused]] const auto written = ::write(fds_[1], &byte, 1);
}

void PipeWaker::Drain() {
  char buffer[256];
  while (::read(fds_[0], buffer, sizeof buffer) > 0) {
  }
  if (onWake_) onWake_();
}

}  // namespace lintra::frontend
