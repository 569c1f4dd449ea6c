#include "app/qt/announcer.h"

#include <QWidget>

#include "app/qt/accessible_widgets.h"

namespace lintra::frontend {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

Announcer::Announcer(QWidget* window) : source_(window) {}

void Announcer::Say(const QString& text) {
  if (!source_ || text.isEmpty() || !Deliver) return;
  QAccessibleAnnouncementEvent event(source_, text);
  Deliver(&event);
}

QString Announcer::MessageOf(QAccessibleEvent* event) {
  if (event->type() != QAccessible::Announcement) return {};
  return static_cast<QAccessibleAnnouncementEvent*>(event)->message();
}

#else

// Before announcements of their own, a screen reader speaks a notification as it is shown: the
// window holds an empty one, which takes each text as its name and is shown anew.
Announcer::Announcer(QWidget* window) {
  auto* notification = new QWidget;
  MarkAsAnnouncements(notification);
  notification->setParent(window);
  notification->setGeometry(0, 0, 0, 0);
  notification->setAttribute(Qt::WA_TransparentForMouseEvents);
  notification->setFocusPolicy(Qt::NoFocus);
  notification->show();
  source_ = notification;
}

void Announcer::Say(const QString& text) {
  if (!source_ || text.isEmpty() || !Deliver) return;
  source_->setAccessibleName(text);
  QAccessibleEvent event(source_, QAccessible::ObjectShow);
  Deliver(&event);
}

QString Announcer::MessageOf(QAccessibleEvent* event) {
  auto* widget = qobject_cast<QWidget*>(event->object());
  if (event->type() != QAccessible::ObjectShow || widget == nullptr ||
      widget->property("lintraAccessibleKind").toString() != QLatin1String("announcements"))
    return {};
  return widget->accessibleName();
}

#endif

}  // namespace lintra::frontend
