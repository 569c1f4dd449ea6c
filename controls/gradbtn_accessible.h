// How assistive technology sees a TGradBtn: a push button named by its
// accessible name or else its caption, which a screen reader can press.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace lintra::controls {

// The accessibility factory for TGradBtn; TGradBtn installs it once.
QAccessibleInterface* GradBtnAccessibleFactory(const QString& className, QObject* object);

}  // namespace lintra::controls
