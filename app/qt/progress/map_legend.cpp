#include "app/qt/progress/map_legend.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include "app/qt/progress/state_style.h"
#include "practice/mastery.h"

namespace lintra::progress {
namespace {

QLabel* Symbol(practice::MasteryState state, QWidget* parent) {
  const qreal ratio = parent->devicePixelRatioF();
  QPixmap pixmap(QSize(14, 14) * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  DrawStateSymbol(painter, QRectF(1, 1, 12, 12), state);
  painter.end();
  auto* label = new QLabel(parent);
  label->setPixmap(pixmap);
  return label;
}

}  // namespace

MapLegend::MapLegend(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("MapLegend"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* states = new QHBoxLayout;
  const std::pair<practice::MasteryState, QString> entries[] = {
      {practice::MasteryState::New, tr("new: fewer than %1 tries").arg(practice::kNewBelowFirstTries)},
      {practice::MasteryState::Learning, tr("learning")},
      {practice::MasteryState::Fluent, tr("fluent: more likely read right at sight than not")},
  };
  for (const auto& [state, text] : entries) {
    states->addWidget(Symbol(state, this));
    states->addWidget(new QLabel(text, this));
    states->addSpacing(12);
  }
  states->addStretch(1);
  layout->addLayout(states);
  auto* under = new QLabel(
      tr("Under each note: its state, how sure the trainer is, in per cent, that you read it fluently, and its name."),
      this);
  under->setWordWrap(true);
  layout->addWidget(under);
}

}  // namespace lintra::progress
