// How the layout's texts, fonts, colours and gradients look in Qt.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <string_view>

#include "controls/gradbtn_types.h"
#include "ui/layout.h"

namespace lintra::frontend {

QString Q(std::string_view text);
QFont FontOf(const ui::FontSpec& layout);
QColor ColourOf(ui::Colour colour);
QPalette LayoutPalette();
controls::TGradientStyle StyleOf(ui::GradientStyle style);

}  // namespace lintra::frontend
