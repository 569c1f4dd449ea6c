// The window's paint box as a widget.
#pragma once

#include <QImage>
#include <QWidget>

#include "notation/canvas.h"
#include "notation/image_canvas.h"
#include "notation/picture_canvas.h"

namespace lintra::frontend {

// The paint surface: keeps its picture in an image, so that repaints of
// other controls never erase the question.
class PaintBoxWidget : public QWidget, public notation::Canvas {
 public:
  explicit PaintBoxWidget(QWidget* parent);
  void DrawText(int x, int y, std::string_view text, const notation::TextStyle& style) override;
  // The picture at `scale` device pixels per design pixel, whatever the box's size.
  QImage Picture(int scale = 4) const { return picture_.Render(scale); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  notation::PictureCanvas picture_;
  QImage scaled_;
  qint64 scaledFrom_ = 0;
};

}  // namespace lintra::frontend
