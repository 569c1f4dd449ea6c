#include "app/qt/progress/mastery_map.h"

#include <QFont>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/qt/progress/state_style.h"
#include "notation/image_canvas.h"
#include "notation/line_painter.h"
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
constexpr int kSymbol = 12;  // staff-area pixels, as the rows under each note
constexpr int kTextRow = 12;
constexpr int kMargin = 6;  // widget pixels

double SystemWidth(std::size_t notes) {
  return (kFirstNoteX + static_cast<double>(notes) * kNotePitch + kRightMargin) * kScale;
}

QFont LabelFont() {
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

void MasteryMap::SetNotes(theory::KeyId key, std::vector<coach::NoteMastery> notes, practice::ClefRange range) {
  key_ = key;
  range_ = range;
  notes_ = std::move(notes);
  marks_.clear();
  const QFontMetricsF metrics(LabelFont());
  staggered_ = std::any_of(notes_.begin(), notes_.end(), [&](const coach::NoteMastery& note) {
    return metrics.horizontalAdvance(QString::fromStdString(note.name)) > kNotePitch - 3;
  });
  updateGeometry();
  adjustSize();
  update();
}

int MasteryMap::Systems() const {
  return std::max<int>(1, static_cast<int>((notes_.size() + kNotesPerSystem - 1) / kNotesPerSystem));
}

double MasteryMap::SystemHeight() const {
  const int rows = staggered_ ? 3 : 2;  // the figure and one or two rows of names
  return (kStaffHeight + 2 + kSymbol + rows * kTextRow + 6) * kScale;
}

QSize MasteryMap::sizeHint() const {
  const std::size_t widest = std::clamp<std::size_t>(notes_.size(), 8, kNotesPerSystem);
  return QSize(static_cast<int>(std::ceil(SystemWidth(widest))) + 2 * kMargin,
               static_cast<int>(std::ceil(SystemHeight() * Systems())) + 2 * kMargin);
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
}

void MasteryMap::DrawSystem(QPainter& painter, QPointF origin, std::size_t first, std::size_t count) {
  painter.save();
  painter.translate(origin);
  painter.scale(kScale, kScale);
  const double width = SystemWidth(std::max<std::size_t>(count, 8)) / kScale;
  painter.setClipRect(QRectF(0, 0, width, SystemHeight() / kScale));

  notation::PainterCanvas canvas(painter, QPointF(0, 0));
  notation::StaffPainter staff(canvas);
  const theory::KeyInfo* key = theory::FindKey(key_);
  const auto clef = practice::CClefOf(range_);
  const auto layout = clef ? notation::StaffLayout::Single(*clef) : notation::StaffLayout::Grand();
  staff.DrawStaff(layout, key ? key->signatureKind : std::string_view(), key ? key->signatureCount : 0);
  const int linesWidth = notation::TextCell(0, 0, notation::kStaffLines, staff.Style()).width();
  for (int x = linesWidth; linesWidth > 0 && x < width; x += linesWidth) staff.DrawStaves(layout, x);

  std::int32_t noteX = 0;
  for (std::size_t i = first; i < first + count; ++i) {
    const coach::NoteMastery& note = notes_[i];
    const int headX = kFirstNoteX + noteX + kAccidentalToHead;
    const int headY = layout.NoteY(note.slot);
    canvas.SetInk(StateColour(note.mastery.state));
    const std::string sign(practice::DrawnSign(key_, note.slot));
    if (clef) {
      // A C clef's ledger lines are its own staff's; the grand staff's painter knows only middle C's and A4's.
      notation::DrawNoteAt(canvas, layout, headX, {note.slot, sign}, staff.Style());
      noteX += kNotePitch;
    } else {
      staff.DrawNote(sign, headY, noteX);
    }

    const QRectF head = notation::InkBounds(headX, headY, "w", staff.Style());
    Mark mark{note.slot, note.mastery.state, head, {}, {}, {}, {}};
    DrawLabels(painter, note, head.center().x(), i - first, mark);
    const QTransform toWidget = painter.transform();
    for (QRectF* box : {&mark.head, &mark.symbol, &mark.nameBox}) *box = toWidget.mapRect(*box);
    marks_.push_back(std::move(mark));
  }
  painter.restore();
}

// Under the note: its state's symbol, its figure and its name.
void MasteryMap::DrawLabels(QPainter& painter, const coach::NoteMastery& note, double centre, std::size_t row,
                            Mark& mark) {
  mark.symbol = QRectF(centre - kSymbol / 2.0, kStaffHeight + 2, kSymbol, kSymbol);
  DrawStateSymbol(painter, mark.symbol, note.mastery.state);
  mark.figure = MasteryFigure(note.mastery);
  mark.name = QString::fromStdString(note.name);
  painter.setPen(Qt::black);
  painter.setFont(LabelFont());
  const double figureTop = mark.symbol.bottom() + 1;
  painter.drawText(QRectF(centre - kNotePitch / 2.0, figureTop, kNotePitch, kTextRow), Qt::AlignHCenter | Qt::AlignTop,
                   mark.figure);
  const double nameTop = figureTop + kTextRow + (staggered_ && row % 2 == 1 ? kTextRow : 0);
  const double nameWidth = 2.0 * kNotePitch;  // room for a staggered name over its neighbours' columns
  painter.drawText(QRectF(centre - nameWidth / 2, nameTop, nameWidth, kTextRow), Qt::AlignHCenter | Qt::AlignTop,
                   mark.name, &mark.nameBox);
}

}  // namespace lintra::progress
