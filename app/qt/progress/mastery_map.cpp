#include "app/qt/progress/mastery_map.h"

#include <QFont>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/qt/progress/state_style.h"
#include "notation/image_canvas.h"
#include "notation/painter_canvas.h"
#include "notation/staff_painter.h"
#include "practice/staff_place.h"
#include "theory/keys.h"

namespace lintra::progress {
namespace {

// The staff painter's fixed geometry, in pixels of its staff area.
constexpr int kFirstNoteX = 74;  // the accidental of the first note
constexpr int kAccidentalToHead = 8;
constexpr int kNotePitch = 22;
constexpr int kStaffHeight = notation::ImageCanvas::kHeight;
constexpr int kRightMargin = 12;

constexpr std::size_t kNotesPerSystem = 24;
constexpr double kScale = 1.25;
constexpr int kLabelRows = 32;  // symbol and figure under each system, staff-area pixels
constexpr int kSymbol = 12;
constexpr int kLegendHeight = 46;  // widget pixels, two lines
constexpr int kMargin = 6;

double SystemWidth(std::size_t notes) {
  return (kFirstNoteX + static_cast<double>(notes) * kNotePitch + kRightMargin) * kScale;
}
double SystemHeight() { return (kStaffHeight + kLabelRows) * kScale; }

QFont FigureFont() {
  QFont font;
  font.setPixelSize(9);
  return font;
}

}  // namespace

QString MasteryFigure(const practice::Mastery& mastery) {
  if (mastery.firstTries == 0) return QStringLiteral("–");
  // The per cent sign is left to the legend: "100%" is wider than a note's column.
  return QString::number(static_cast<int>(std::lround(mastery.figure)));
}

MasteryMap::MasteryMap(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  setPalette(white);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void MasteryMap::SetNotes(theory::KeyId key, std::vector<coach::NoteMastery> notes) {
  key_ = key;
  notes_ = std::move(notes);
  marks_.clear();
  updateGeometry();
  adjustSize();
  update();
}

int MasteryMap::Systems() const {
  return std::max<int>(1, static_cast<int>((notes_.size() + kNotesPerSystem - 1) / kNotesPerSystem));
}

QSize MasteryMap::sizeHint() const {
  const std::size_t widest = std::clamp<std::size_t>(notes_.size(), 8, kNotesPerSystem);
  return QSize(static_cast<int>(std::ceil(SystemWidth(widest))) + 2 * kMargin,
               static_cast<int>(std::ceil(SystemHeight() * Systems())) + kLegendHeight + 2 * kMargin);
}

void MasteryMap::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  marks_.clear();
  for (int system = 0; system < Systems(); ++system) {
    const std::size_t first = static_cast<std::size_t>(system) * kNotesPerSystem;
    const std::size_t count = std::min(kNotesPerSystem, notes_.size() - std::min(first, notes_.size()));
    DrawSystem(painter, QPointF(kMargin, kMargin + system * SystemHeight()), first, count);
  }
  DrawLegend(painter, QPointF(kMargin, kMargin + Systems() * SystemHeight()));
}

void MasteryMap::DrawSystem(QPainter& painter, QPointF origin, std::size_t first, std::size_t count) {
  painter.save();
  painter.translate(origin);
  painter.scale(kScale, kScale);
  const double width = SystemWidth(std::max<std::size_t>(count, 8)) / kScale;
  painter.setClipRect(QRectF(0, 0, width, kStaffHeight + kLabelRows));

  notation::PainterCanvas canvas(painter, QPointF(0, 0));
  notation::StaffPainter staff(canvas);
  const theory::KeyInfo* key = theory::FindKey(key_);
  staff.DrawStaff(key ? key->signatureKind : std::string_view(), key ? key->signatureCount : 0);
  const int linesWidth = notation::TextCell(0, 0, notation::kStaffLines, staff.Style()).width();
  for (int x = linesWidth; linesWidth > 0 && x < width; x += linesWidth) staff.DrawStaves(x);

  const QTransform toWidget = painter.transform();
  std::int32_t noteX = 0;
  for (std::size_t i = first; i < first + count; ++i) {
    const coach::NoteMastery& note = notes_[i];
    const auto state = note.mastery.state;
    const int headX = kFirstNoteX + noteX + kAccidentalToHead;
    const int headY = theory::SpelledNoteTable().at(note.slot).staffY;
    canvas.SetInk(StateColour(state));
    staff.DrawNote(practice::DrawnSign(key_, note.slot), headY, noteX);

    const QRectF head = notation::InkBounds(headX, headY, "w", staff.Style());
    const double centre = head.center().x();
    const QRectF symbol(centre - kSymbol / 2.0, kStaffHeight + 2, kSymbol, kSymbol);
    DrawStateSymbol(painter, symbol, state);
    const QString figure = MasteryFigure(note.mastery);
    painter.setPen(Qt::black);
    painter.setFont(FigureFont());
    painter.drawText(QRectF(centre - kNotePitch / 2.0, symbol.bottom() + 1, kNotePitch, 14),
                     Qt::AlignHCenter | Qt::AlignTop, figure);
    marks_.push_back({note.slot, state, toWidget.mapRect(head), toWidget.mapRect(symbol), figure});
  }
  painter.restore();
}

void MasteryMap::DrawLegend(QPainter& painter, QPointF origin) {
  struct Entry {
    practice::MasteryState state;
    const char* text;
  };
  static const Entry entries[] = {
      {practice::MasteryState::New, "new: fewer than 3 tries"},
      {practice::MasteryState::Learning, "learning"},
      {practice::MasteryState::Fluent, "fluent: more likely read right at sight than not"},
  };
  painter.save();
  QFont font = painter.font();
  font.setPixelSize(12);
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  double x = origin.x();
  const double y = origin.y() + 4;
  for (const Entry& entry : entries) {
    DrawStateSymbol(painter, QRectF(x, y, 12, 12), entry.state);
    x += 16;
    painter.setPen(Qt::black);
    const QString text = QString::fromUtf8(entry.text);
    painter.drawText(QPointF(x, y + 10), text);
    x += metrics.horizontalAdvance(text) + 18;
  }
  painter.drawText(
      QPointF(origin.x(), y + 28),
      QStringLiteral(
          "Under each note: its state, and how sure the trainer is, in per cent, that you read it fluently."));
  painter.restore();
}

}  // namespace lintra::progress
