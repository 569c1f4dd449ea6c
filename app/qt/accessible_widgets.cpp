#include "app/qt/accessible_widgets.h"

#include <QAbstractItemView>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>

#include "app/qt/accessibility.h"

namespace lintra::frontend {
namespace {

constexpr const char* kKind = "lintraAccessibleKind";
constexpr const char* kLabelledList = "labelledList";
constexpr const char* kStaff = "staff";
constexpr const char* kAnnouncements = "announcements";

// A line edit keeps two pixels free between its frame and its text.
constexpr int kTextMargin = 2;

class SpokenApplication : public QAccessibleApplication {
 public:
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return QString::fromUtf8(kSpokenProgramName.data(), kSpokenProgramName.size());
    return QAccessibleApplication::text(kind);
  }
};

// A read-only field: its text can be read, selected and copied, but it is no editable text, which
// Qt's own interface says every line edit is.
class ReadOnlyField : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ReadOnlyField(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.selectableText = true;
    return state;
  }
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return Edit()->displayText();
    return QAccessibleWidget::text(kind);
  }

  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !Edit()->hasSelectedText()) return;
    *start = Edit()->selectionStart();
    *end = *start + static_cast<int>(Edit()->selectedText().size());
  }
  int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { Edit()->deselect(); }
  void setSelection(int, int start, int end) override { Edit()->setSelection(start, end - start); }
  int cursorPosition() const override { return Edit()->cursorPosition(); }
  void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
  QString text(int start, int end) const override { return Edit()->displayText().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Edit()->displayText().size()); }
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override {
    return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
};

// Where a character stands on the screen, as the field lays out its one line of text.
QRect ReadOnlyField::characterRect(int offset) const {
  const QString text = Edit()->displayText();
  if (offset < 0 || offset >= text.size()) return {};
  const QFontMetrics metrics(Edit()->font());
  const QRect room =
      Edit()->contentsRect().marginsRemoved(Edit()->textMargins()).adjusted(kTextMargin, 0, -kTextMargin, 0);
  const int left =
      Edit()->alignment() & Qt::AlignRight ? room.right() + 1 - metrics.horizontalAdvance(text) : room.left();
  const QRect local(left + metrics.horizontalAdvance(text.left(offset)), room.center().y() - metrics.height() / 2,
                    metrics.horizontalAdvance(text.at(offset)), metrics.height());
  return QRect(Edit()->mapToGlobal(local.topLeft()), local.size());
}

// A drop-down list named by its label, as elsewhere, and not by the item it shows; the item is its
// value. Qt names a list by its item on Linux and leaves the label to a relation.
class LabelledList : public QAccessibleWidget {
 public:
  explicit LabelledList(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  int childCount() const override { return Combo()->isEditable() ? 2 : 1; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(Combo()->view());
    if (index == 1 && Combo()->isEditable()) return QAccessible::queryAccessibleInterface(Combo()->lineEdit());
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child->object() == Combo()->view()) return 0;
    if (Combo()->isEditable() && child->object() == Combo()->lineEdit()) return 1;
    return -1;
  }
  QAccessibleInterface* focusChild() const override { return Combo()->isEditable() ? child(1) : nullptr; }
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return Combo()->isEditable() ? Combo()->lineEdit()->text() : Combo()->currentText();
    if (kind == QAccessible::Name && Combo()->accessibleName().isEmpty()) return text(QAccessible::Value);
    return QAccessibleWidget::text(kind);
  }
  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) return;
    if (Combo()->view()->isVisible()) {
      Combo()->hidePopup();
    } else {
      Combo()->showPopup();
    }
  }

 private:
  QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (object == qApp && className == QLatin1String("QApplication")) return new SpokenApplication;
  if (!object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (className == QLatin1String("QLineEdit") && static_cast<QLineEdit*>(widget)->isReadOnly()) {
    return new ReadOnlyField(static_cast<QLineEdit*>(widget));
  }
  const QString kind = object->property(kKind).toString();
  if (kind.isEmpty()) return nullptr;
  if (kind == QLatin1String(kLabelledList) && className == QLatin1String("QComboBox")) {
    return new LabelledList(static_cast<QComboBox*>(widget));
  }
  if (kind == QLatin1String(kStaff)) return new QAccessibleWidget(widget, QAccessible::Graphic);
  if (kind == QLatin1String(kAnnouncements)) return new QAccessibleWidget(widget, QAccessible::Notification);
  return nullptr;
}

}  // namespace

void InstallAccessibleWidgets() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}

void NameByLabel(QWidget* combo) { combo->setProperty(kKind, QLatin1String(kLabelledList)); }
void MarkAsStaff(QWidget* widget) { widget->setProperty(kKind, QLatin1String(kStaff)); }
void MarkAsAnnouncements(QWidget* widget) { widget->setProperty(kKind, QLatin1String(kAnnouncements)); }

}  // namespace lintra::frontend
