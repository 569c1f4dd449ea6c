#pragma once

#include <QImage>
#include <QRegion>
#include <memory>
#include <vector>

#include "notation/canvas.h"
#include "notation/draw_call.h"
#include "notation/image_canvas.h"

namespace lintra::notation {

// The staff picture kept so that it can be drawn afresh at any resolution: it holds the draws whose
// marks are still visible and replays them on an image of the scale asked for. A draw whose every
// pixel a later opaque draw has cleared is forgotten, so the list stays as short as the picture.
class PictureCanvas final : public Canvas {
 public:
  void DrawText(int x, int y, std::string_view text, const TextStyle& style) override;

  // The picture with `scale` device pixels per pixel of the staff area; kept, and drawn on, until
  // another scale is asked for.
  const QImage& Image(int scale);
  // A fresh copy at `scale`, leaving the kept image alone.
  QImage Render(int scale) const;
  std::size_t KeptDraws() const { return draws_.size(); }

 private:
  struct Kept {
    DrawCall call;
    QRegion visible;  // the pixels of the staff area it may still show on
  };

  void ReplayOn(ImageCanvas& canvas) const;

  std::vector<Kept> draws_;
  std::unique_ptr<ImageCanvas> image_;
};

}  // namespace lintra::notation
