// The program's style: the platform's own, with the one icon it would otherwise read from an image
// file drawn in code instead. The menu bar asks for its overflow button's icon when it is made,
// which loaded every image format plugin before the window could show; the program shows no other
// picture from a file.
#pragma once

#include <QProxyStyle>

namespace lintra::frontend {

class WindowStyle final : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace lintra::frontend
