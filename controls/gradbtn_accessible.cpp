#include "controls/gradbtn_accessible.h"

#include <QAccessibleWidget>

#include "controls/gradbtn.h"

namespace lintra::controls {
namespace {

class GradBtnAccessible : public QAccessibleWidget {
 public:
  explicit GradBtnAccessible(TGradBtn* button) : QAccessibleWidget(button, QAccessible::Button) {
    addControllingSignal(QStringLiteral("destroyed()"));
  }

  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
    if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
    // The caption without its access-key markers: "&&" stands for one ampersand.
    QString caption = static_cast<TGradBtn*>(widget())->Caption();
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption;
  }

  QStringList actionNames() const override {
    return widget()->isEnabled() ? QStringList{pressAction()} : QStringList{};
  }

  void doAction(const QString& action) override {
    if (action == pressAction() && widget()->isEnabled()) static_cast<TGradBtn*>(widget())->Click();
  }
};

}  // namespace

QAccessibleInterface* GradBtnAccessibleFactory(const QString&, QObject* object) {
  if (auto* button = qobject_cast<TGradBtn*>(object)) return new GradBtnAccessible(button);
  return nullptr;
}

}  // namespace lintra::controls
