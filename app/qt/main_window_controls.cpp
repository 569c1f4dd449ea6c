// The window's controls as Qt widgets, built from the layout and kept in step with the model.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <algorithm>
#include <utility>

#include "app/qt/accessibility.h"
#include "app/qt/accessible_widgets.h"
#include "app/qt/layout_look.h"
#include "app/qt/main_window.h"
#include "app/qt/piano_keys.h"
#include "controls/gradbtn.h"
#include "ui/layout_texts.h"
#include "ui/translate.h"

namespace lintra::frontend {

namespace {

// A read-only field, made without a parent and given its own font first: a text field lays out its
// text as it is made, and each font it meets costs a font match. Read-only before it is anyone's
// child, which assistive technology may ask about from then on.
QLineEdit* MakeField(const ui::ControlSpec& layout, QWidget* parent) {
  auto* edit = new QLineEdit;
  edit->setReadOnly(true);
  edit->setFont(FontOf(layout.font));
  edit->setParent(parent);
  edit->setFocusPolicy(Qt::ClickFocus);  // read-only fields are no tab stops
  if (layout.kind == ui::ControlKind::RichText) edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return edit;
}

controls::TGradBtn* MakeButton(const ui::ControlSpec& layout, QWidget* parent) {
  auto* button = new controls::TGradBtn(parent);
  button->SetBeginColor(layout.beginColour);
  button->SetEndColor(layout.endColour);
  button->SetGradientStyle(StyleOf(layout.gradient));
  button->SetSwapColors(layout.swapColours);
  button->SetBtnHiliteClr(layout.btnHilite);
  button->SetFontColor(layout.font.colour);
  return button;
}

}  // namespace

QComboBox* MainWindow::MakeCombo(ui::Control& control) {
  auto* combo = new QComboBox;
  NameByLabel(combo);
  combo->setParent(client_);
  combo->setFont(FontOf(control.layout.font));  // before its text field is made
  combo->setEditable(control.Kind() == ui::ControlKind::ComboEdit);
  combo->setInsertPolicy(QComboBox::NoInsert);
  connect(combo, &QComboBox::activated, this, [this, &control](int index) {
    if (!syncing_) form_->SelectItem(control, index);
  });
  if (combo->isEditable()) {
    // Typed text is applied when the user confirms it, not at every keystroke.
    connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [this, &control, combo] {
      if (syncing_) return;
      const std::string text = combo->currentText().toStdString();
      if (text != control.text) form_->TypeText(control, text);
    });
  }
  return combo;
}

QWidget* MainWindow::MakeWidget(ui::Control& control) {
  switch (control.Kind()) {
    case ui::ControlKind::TextField:
    case ui::ControlKind::RichText:
      return MakeField(control.layout, client_);
    case ui::ControlKind::Label:
      return new QLabel(client_);
    case ui::ControlKind::ComboEdit:
    case ui::ControlKind::ComboPick:
      return MakeCombo(control);
    case ui::ControlKind::DataList:
      // A store the window never shows: its lines live in the model. A text editor here would
      // cost the start milliseconds for nothing.
      return new QWidget(client_);
    case ui::ControlKind::PaintBox:
      paintBox_->raise();
      return paintBox_;
    case ui::ControlKind::StatusLine:
      // Under the client area, outside the scaled layout: the window grows by it only while shown.
      // Its text in a label of its own, which a screen reader can read as a message cannot be.
      statusBar()->setSizeGripEnabled(false);
      statusText_ = new QLabel(statusBar());
      statusBar()->addWidget(statusText_, 1);
      return statusBar();
    case ui::ControlKind::Button:
    case ui::ControlKind::Key: {
      auto* button = MakeButton(control.layout, client_);
      button->OnClick = [this, &control](controls::TGradBtn*) {
        form_->Guard([&control] {
          if (control.handler) control.handler();
        });
      };
      return button;
    }
  }
  return new QWidget(client_);
}

void MainWindow::BuildControls() {
  // Built in the layout's creation order: later controls lie on top, so every
  // black key covers the white keys it overlaps.
  for (const auto name : ui::CreationOrder()) {
    ui::Control& control = model_.ControlNamed(name);
    const auto& layout = control.layout;
    QWidget* widget = MakeWidget(control);
    widget->setObjectName(Q(layout.name));
    if (const QString spoken = AccessibleNameOf(layout.name); !spoken.isEmpty()) widget->setAccessibleName(spoken);
    if (layout.kind != ui::ControlKind::StatusLine) {
      widget->setGeometry(layout.left, layout.top, layout.width, layout.height);
    }
    if (layout.kind != ui::ControlKind::PaintBox) widget->setFont(FontOf(layout.font));
    widgets_[&control] = widget;
    SyncControl(control);
  }
  // The tab order of the layout.
  std::vector<std::pair<int, QWidget*>> order;
  for (const auto& [control, widget] : widgets_) {
    if (control->layout.tabOrder >= 0) order.emplace_back(control->layout.tabOrder, widget);
  }
  std::sort(order.begin(), order.end());
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1].second, order[i].second);
  NameListsByLabels();
  NameKeys();
  PlaceKeyCaptions();
  std::vector<controls::TGradBtn*> keys;
  for (int i = 0; i < static_cast<int>(ui::Keyboard().size()); ++i) {
    keys.push_back(static_cast<controls::TGradBtn*>(widgets_.at(&model_.Key(i))));
  }
  new PianoKeyNavigation(std::move(keys), this);
  PublishSettled();
}

// Each drop-down list is named by the label before it, which is also its buddy.
void MainWindow::NameListsByLabels() {
  for (const auto& [label, list] : {std::pair{ui::control::Label1, ui::control::cmbInput},
                                    std::pair{ui::control::Label3, ui::control::cmbOutput}}) {
    auto* caption = static_cast<QLabel*>(Widget(label));
    caption->setBuddy(Widget(list));
    Widget(list)->setAccessibleName(NameFromLabel(caption->text()));
  }
}

void MainWindow::PublishLater() {
  if (publishQueued_) return;
  publishQueued_ = true;
  // Changes made outside the window's handlers settle when the event loop next comes round.
  QMetaObject::invokeMethod(
      this, [this] { PublishSettled(); }, Qt::QueuedConnection);
}

void MainWindow::PublishSettled() {
  publishQueued_ = false;
  for (const ui::Control* control : std::exchange(unsettled_, {})) {
    auto* edit = static_cast<QLineEdit*>(widgets_.at(control));
    const QString text = Q(control->text);
    if (edit->text() == text) continue;
    syncing_ = true;
    edit->setText(text);
    syncing_ = false;
    FitText(edit);
  }
  for (const QString& text : std::exchange(announcements_, {})) announcer_->Say(text);
}

void MainWindow::SyncControl(const ui::Control& control) {
  auto it = widgets_.find(&control);
  if (it == widgets_.end()) return;
  QWidget* widget = it->second;
  syncing_ = true;
  switch (control.Kind()) {
    case ui::ControlKind::TextField:
    case ui::ControlKind::RichText:
      unsettled_.insert(&control);
      PublishLater();
      break;
    case ui::ControlKind::Label:
      static_cast<QLabel*>(widget)->setText(Q(ui::TrMarked(ui::kWindowContext, control.text)));
      break;
    case ui::ControlKind::ComboEdit:
    case ui::ControlKind::ComboPick: {
      auto* combo = static_cast<QComboBox*>(widget);
      QStringList items;
      for (const auto& item : control.items) items << Q(item);
      QStringList current;
      for (int i = 0; i < combo->count(); ++i) current << combo->itemText(i);
      if (current != items) {
        combo->clear();
        combo->addItems(items);
      }
      combo->setCurrentIndex(control.itemIndex);
      if (combo->isEditable()) combo->setEditText(Q(control.text));
      break;
    }
    case ui::ControlKind::DataList:
      break;
    case ui::ControlKind::Button:
      static_cast<controls::TGradBtn*>(widget)->SetCaption(Q(ui::TrMarked(ui::kWindowContext, control.text)));
      break;
    case ui::ControlKind::Key:  // a note's name, in the naming the student chose
      static_cast<controls::TGradBtn*>(widget)->SetCaption(Q(control.text));
      break;
    case ui::ControlKind::PaintBox:
      // What the staff shows, in words.
      widget->setAccessibleDescription(Q(control.text));
      break;
    case ui::ControlKind::StatusLine:
      statusText_->setText(Q(control.text));
      break;
  }
  FitText(widget);
  widget->setVisible(control.visible);
  widget->setEnabled(control.enabled);
  syncing_ = false;
}

}  // namespace lintra::frontend
