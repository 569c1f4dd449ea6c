#include "controls/elastfrm_kinds.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QMetaProperty>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>
#include <algorithm>

namespace lintra::controls::elastfrm {

namespace {

bool IsQtInternal(const QObject* object) { return object->objectName().startsWith(QLatin1String("qt_")); }

bool IsOwnFontName(const QByteArray& name) {
  const QByteArray lower = name.toLower();
  return lower == "font" || lower == "titlefont" || lower == "tabfont";
}

double PointsOf(const QWidget* widget, const QFont& font) { return FontPoints(font, widget->logicalDpiY()); }

// The widgets a status bar shows as panels: everything it was given, not its own size grip.
std::vector<QWidget*> StatusPanels(QStatusBar* bar) {
  std::vector<QWidget*> panels;
  for (QWidget* child : bar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!qobject_cast<QSizeGrip*>(child) && !IsQtInternal(child) && !child->isWindow()) panels.push_back(child);
  return panels;
}

std::vector<QToolButton*> ToolButtons(QToolBar* bar) {
  std::vector<QToolButton*> buttons;
  for (QToolButton* b : bar->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
    if (!IsQtInternal(b)) buttons.push_back(b);
  return buttons;
}

int InnerWidth(const QTableView* grid, int width) { return width - 2 * grid->frameWidth(); }

void RecordColumns(QTableView* grid, KindRecord& record, double rx, int innerWidth) {
  const QHeaderView* header = grid->horizontalHeader();
  record.widths.clear();
  for (int i = 0; i < header->count(); ++i) record.widths.push_back(Round(header->sectionSize(i) * rx));
  record.innerWidth = innerWidth;
}

}  // namespace

double FontPoints(const QFont& font, int pixelsPerInch) {
  if (font.pointSizeF() > 0) return font.pointSizeF();
  if (font.pixelSize() > 0) return PixelsToPoints(font.pixelSize(), pixelsPerInch);
  return 0;
}

void SetFontPoints(QWidget* widget, int points) {
  if (points <= 0) return;
  QFont font = widget->font();
  if (font.pointSizeF() == points && widget->testAttribute(Qt::WA_SetFont)) return;
  font.setPointSize(points);
  widget->setFont(font);
}

void OwnFont(QWidget* widget) {
  QFont font = widget->font();
  font.setResolveMask(QFont::AllPropertiesResolved);
  widget->setFont(font);
}

std::vector<ExtraFont> RecordExtraFonts(const QWidget* widget, double ry) {
  std::vector<ExtraFont> fonts;
  auto take = [&](const QByteArray& name, const QVariant& value) {
    if (value.metaType().id() != QMetaType::QFont || IsOwnFontName(name)) return;
    const int size = Trunc(FontPoints(value.value<QFont>(), widget->logicalDpiY()) * ry);
    fonts.push_back({name, size});
  };
  const QMetaObject* meta = widget->metaObject();
  for (int i = 0; i < meta->propertyCount(); ++i) {
    const QMetaProperty p = meta->property(i);
    if (p.metaType().id() == QMetaType::QFont && p.isWritable()) take(p.name(), p.read(widget));
  }
  for (const QByteArray& name : widget->dynamicPropertyNames()) take(name, widget->property(name.constData()));
  return fonts;
}

void ApplyExtraFonts(QWidget* widget, const std::vector<ExtraFont>& fonts, double fontFactor) {
  for (const ExtraFont& extra : fonts) {
    QFont font = widget->property(extra.property.constData()).value<QFont>();
    const int size = FontRound(extra.size * fontFactor);
    if (size > 0 && font.pointSize() != size) {
      font.setPointSize(size);
      widget->setProperty(extra.property.constData(), font);
    }
  }
}

Kind KindOf(const QWidget* widget) {
  if (qobject_cast<const QStatusBar*>(widget)) return Kind::StatusBar;
  if (qobject_cast<const QHeaderView*>(widget)) return Kind::Header;
  if (qobject_cast<const QToolBar*>(widget)) return Kind::ToolBar;
  if (qobject_cast<const QTableView*>(widget)) return Kind::Grid;
  if (qobject_cast<const QTabWidget*>(widget)) return Kind::TabWidget;
  return Kind::Plain;
}

KindRecord RecordKind(QWidget* widget, const Ratios& ratios, int carriedWidth) {
  KindRecord record;
  record.kind = KindOf(widget);
  switch (record.kind) {
    case Kind::Plain:
      break;
    case Kind::StatusBar:
      for (QWidget* panel : StatusPanels(static_cast<QStatusBar*>(widget)))
        record.widths.push_back(Round(panel->width() * ratios.rx));
      break;
    case Kind::Header: {
      auto* header = static_cast<QHeaderView*>(widget);
      const double r = header->orientation() == Qt::Horizontal ? ratios.rx : ratios.ry;
      for (int i = 0; i < header->count(); ++i) record.widths.push_back(Round(header->sectionSize(i) * r));
      break;
    }
    case Kind::ToolBar: {
      auto* bar = static_cast<QToolBar*>(widget);
      for (QToolButton* b : ToolButtons(bar))
        record.buttons.push_back({Round(b->width() * ratios.rx), Round(b->height() * ratios.ry)});
      // Its font stays as it is from now on, whatever happens to the form's font.
      OwnFont(bar);
      break;
    }
    case Kind::Grid: {
      auto* grid = static_cast<QTableView*>(widget);
      RecordColumns(grid, record, ratios.rx, InnerWidth(grid, carriedWidth));
      record.defaultRowHeight = Round(grid->verticalHeader()->defaultSectionSize() * ratios.ry);
      // A grid fed by an outside model shows text of the grid's font in every row: keep its rows
      // tall enough for that text.
      if (!qobject_cast<QTableWidget*>(grid)) {
        const int minimum = Round(1.2 * QFontMetrics(grid->font()).height());
        record.defaultRowHeight = std::max(record.defaultRowHeight, minimum + 1);
      }
      if (grid->horizontalHeader()->testAttribute(Qt::WA_SetFont))
        record.titleFont = Trunc(PointsOf(grid, grid->horizontalHeader()->font()) * ratios.ry);
      break;
    }
    case Kind::TabWidget: {
      const QTabBar* bar = static_cast<QTabWidget*>(widget)->tabBar();
      if (bar->testAttribute(Qt::WA_SetFont)) record.tabFont = Trunc(PointsOf(bar, bar->font()) * ratios.ry);
      break;
    }
  }
  return record;
}

void ApplyKind(QWidget* widget, KindRecord& record, const KindScale& scale, int widthBefore) {
  switch (record.kind) {
    case Kind::Plain:
      break;
    case Kind::StatusBar: {
      const std::vector<QWidget*> panels = StatusPanels(static_cast<QStatusBar*>(widget));
      for (std::size_t i = 0; i < panels.size() && i < record.widths.size(); ++i)
        panels[i]->setFixedWidth(Round(record.widths[i] * scale.kx));
      break;
    }
    case Kind::Header: {
      auto* header = static_cast<QHeaderView*>(widget);
      const double k = header->orientation() == Qt::Horizontal ? scale.kx : scale.ky;
      for (int i = 0; i < header->count() && i < static_cast<int>(record.widths.size()); ++i)
        header->resizeSection(i, Round(record.widths[static_cast<std::size_t>(i)] * k));
      break;
    }
    case Kind::ToolBar: {
      const std::vector<QToolButton*> buttons = ToolButtons(static_cast<QToolBar*>(widget));
      for (std::size_t i = 0; i < buttons.size() && i < record.buttons.size(); ++i)
        buttons[i]->setFixedSize(Round(record.buttons[i].width * scale.kx), Round(record.buttons[i].height * scale.ky));
      break;
    }
    case Kind::Grid: {
      auto* grid = static_cast<QTableView*>(widget);
      QHeaderView* columns = grid->horizontalHeader();
      const int inner = InnerWidth(grid, grid->width());
      if (scale.grid.columnWidths) {
        if (columns->count() != static_cast<int>(record.widths.size()))
          RecordColumns(grid, record, 1.0, InnerWidth(grid, widthBefore));
        const double k = record.innerWidth > 0 ? static_cast<double>(inner) / record.innerWidth : 1.0;
        for (int i = 0; i < columns->count(); ++i)
          columns->resizeSection(i, Round(record.widths[static_cast<std::size_t>(i)] * k));
      }
      if (scale.grid.rowHeights)
        grid->verticalHeader()->setDefaultSectionSize(Round(record.defaultRowHeight * scale.ky));
      if (scale.elasticFont && scale.grid.fonts && record.titleFont > 0)
        SetFontPoints(columns, FontRound(record.titleFont * scale.fontFactor));
      break;
    }
    case Kind::TabWidget:
      if (scale.elasticFont && record.tabFont > 0)
        SetFontPoints(static_cast<QTabWidget*>(widget)->tabBar(), FontRound(record.tabFont * scale.fontFactor));
      break;
  }
}

}  // namespace lintra::controls::elastfrm
