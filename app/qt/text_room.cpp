#include "app/qt/text_room.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <algorithm>

#include "controls/gradbtn.h"
#include "controls/gradbtn_caption.h"

namespace lintra::frontend {
namespace {

// A line edit keeps two pixels free on either side of its text and one for the caret.
constexpr int kLineEditMargins = 2 * 2 + 1;

int LineEditRoom(const QLineEdit* edit) {
  QStyleOptionFrame option;
  option.initFrom(edit);
  option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
  return contents.marginsRemoved(edit->textMargins()).width() - kLineEditMargins;
}

int ComboRoom(const QComboBox* combo) {
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = combo->isEditable();
  option.frame = combo->hasFrame();
  option.subControls = QStyle::SC_All;
  const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
  // The field holds a frameless line edit, or the chosen item's text drawn inside it.
  return field.width() - kLineEditMargins;
}

}  // namespace

QStringList TextsOf(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return {label->text()};
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return {edit->text()};
  // The open list widens itself to its longest item: only the shown choice must fit.
  if (const auto* combo = qobject_cast<const QComboBox*>(widget)) return {combo->currentText()};
  if (const auto* button = qobject_cast<const controls::TGradBtn*>(widget))
    return {controls::MeasuringText(button->Caption())};
  return {};
}

int TextRoom(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget))
    return label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return LineEditRoom(edit);
  if (const auto* combo = qobject_cast<const QComboBox*>(widget)) return ComboRoom(combo);
  if (const auto* button = qobject_cast<const controls::TGradBtn*>(widget)) {
    // Inside the bevel, with a pixel on either side for the raised layer and the pressed shift.
    return button->width() - 2 * button->BtnFrameSize() - 2 * 2;
  }
  return 0;
}

int FittingPoints(const QWidget* widget, int points) {
  const QStringList texts = TextsOf(widget);
  const int room = TextRoom(widget);
  QFont font = widget->font();
  // Below half its size a text is no longer worth reading whole (a device with a very long name).
  const int smallest = std::max(1, (points + 1) / 2);
  for (; points > smallest; --points) {
    font.setPointSize(points);
    const QFontMetrics metrics(font);
    const bool fits = std::all_of(texts.begin(), texts.end(),
                                  [&](const QString& text) { return metrics.horizontalAdvance(text) <= room; });
    if (fits) break;
  }
  return points;
}

}  // namespace lintra::frontend
