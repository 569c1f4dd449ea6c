// Says a text to the student through assistive technology, whatever has the focus and whether or
// not the text is new: the answers and the questions of the main window.
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;

namespace lintra::frontend {

class Announcer {
 public:
  // Announces on behalf of `window`.
  explicit Announcer(QWidget* window);

  void Say(const QString& text);

  // The text an event of Say() announces; empty for any other event.
  static QString MessageOf(QAccessibleEvent* event);

  // Where the events go: the accessibility bridge, unless a test listens.
  std::function<void(QAccessibleEvent*)> Deliver = [](QAccessibleEvent* event) {
    QAccessible::updateAccessibility(event);
  };

 private:
  QPointer<QWidget> source_;
};

}  // namespace lintra::frontend
