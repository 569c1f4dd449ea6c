// What the gradient button puts on screen: gradient shapes and their exact end colours, the bevel's
// corners, the pressed look, caption layers and the focus rectangle.

#include <gtest/gtest.h>

#include <QPainter>
#include <QPalette>

#include "controls/gradbtn_caption.h"
#include "controls/gradbtn_gradient.h"
#include "gradbtn_testing.h"

namespace lintra::controls {
namespace {

using namespace testing;

class GradBtnPaint : public ::testing::Test {
 protected:
  void SetUp() override { EnsureApp(); }

  // A button with a flat known look: no bevel unless asked, explicit bevel colours.
  static void Plain(TGradBtn& b, int w, int h) {
    b.resize(w, h);
    b.SetBtnFrameSize(0);
    b.SetBtnHiliteClr(RGBColor(250, 0, 0));
    b.SetBtnShadowClr(RGBColor(0, 0, 250));
  }

  static TColor Shadow(const TGradBtn& b) { return ToTColor(b.palette().color(QPalette::Active, QPalette::Dark)); }
};

// White piano key: white at the top to silver at the bottom, one colour per row.
TEST_F(GradBtnPaint, WhiteKeyVerticalGradient) {
  TGradBtn key;
  key.resize(32, 143);
  key.SetGradientStyle(TGradientStyle::gsVertical);
  key.SetBeginColor(clNone);
  key.SetEndColor(clSilver);
  key.SetSwapColors(false);
  key.SetBtnHiliteClr(clBlack);

  key.SetBtnFrameSize(0);
  QImage flat = Shot(key);
  EXPECT_EQ(At(flat, 10, 0), clWhite);
  EXPECT_EQ(At(flat, 10, 142), clSilver);
  EXPECT_EQ(At(flat, 10, 141), RGBColor(193, 193, 193));  // step 254 of 255, truncated toward zero
  for (int y = 1; y < 143; ++y) {
    EXPECT_LE(RedOf(At(flat, 10, y)), RedOf(At(flat, 10, y - 1))) << "row " << y;
    for (int x = 0; x < 32; ++x) ASSERT_EQ(At(flat, x, y), At(flat, 0, y)) << x << "," << y;
  }

  // The lit edges of the layout's keys are black; corners top-right and bottom-left are the shadow's.
  key.SetBtnFrameSize(1);
  QImage framed = Shot(key);
  EXPECT_EQ(At(framed, 0, 0), clBlack);
  EXPECT_EQ(At(framed, 0, 100), clBlack);
  EXPECT_EQ(At(framed, 20, 0), clBlack);
  EXPECT_EQ(At(framed, 31, 0), Shadow(key));
  EXPECT_EQ(At(framed, 0, 142), Shadow(key));
  EXPECT_EQ(At(framed, 31, 142), Shadow(key));
  EXPECT_EQ(At(framed, 10, 1), clWhite);
}

// Black piano key: black at both ends, grey on the middle row, each row mirrored about it.
TEST_F(GradBtnPaint, BlackKeyVertCenterGradient) {
  TGradBtn key;
  Plain(key, 20, 91);
  key.SetBeginColor(clBlack);
  key.SetEndColor(clGray);
  QImage img = Shot(key);
  EXPECT_EQ(At(img, 5, 0), clBlack);
  EXPECT_EQ(At(img, 5, 90), clBlack);
  EXPECT_EQ(At(img, 5, 45), clGray);
  EXPECT_EQ(At(img, 5, 44), RGBColor(125, 125, 125));
  for (int y = 0; y < 91; ++y) ASSERT_EQ(At(img, 7, y), At(img, 7, 90 - y)) << "row " << y;
}

TEST_F(GradBtnPaint, StartButtonHorizCenterAndPressedLook) {
  TGradBtn b;
  Plain(b, 125, 30);
  b.SetGradientStyle(TGradientStyle::gsHorizCenter);
  b.SetBeginColor(clGreen);
  b.SetEndColor(clLime);
  QImage up = Shot(b);
  EXPECT_EQ(At(up, 0, 10), clGreen);
  EXPECT_EQ(At(up, 124, 10), clGreen);
  EXPECT_EQ(At(up, 62, 10), clLime);
  EXPECT_EQ(At(up, 1, 10), RGBColor(0, 130, 0));
  for (int x = 0; x < 125; ++x) ASSERT_EQ(At(up, x, 3), At(up, 124 - x, 20)) << "column " << x;

  Press(&b, QPoint(60, 15));
  QImage swapped = Shot(b);
  EXPECT_EQ(At(swapped, 0, 10), clLime);
  EXPECT_EQ(At(swapped, 124, 10), clLime);
  EXPECT_EQ(At(swapped, 62, 10), clGreen);
  Release(&b, QPoint(60, 15));
  EXPECT_EQ(b.BeginColor(), clGreen);

  b.SetBtnFrameSize(1);
  Press(&b, QPoint(60, 15));
  QImage down = Shot(b);
  // Bevel inverted: the shadow now on top and left, the highlight at the bottom and right.
  EXPECT_EQ(At(down, 0, 0), RGBColor(0, 0, 250));
  EXPECT_EQ(At(down, 124, 29), RGBColor(250, 0, 0));
  EXPECT_EQ(At(down, 124, 0), RGBColor(250, 0, 0));
  Release(&b, QPoint(60, 15));
  EXPECT_EQ(At(Shot(b), 0, 0), RGBColor(250, 0, 0));
}

TEST_F(GradBtnPaint, HorizontalRunsLeftToRightAndEllipticAndRectangleShrinkToTheCentre) {
  TGradBtn b;
  Plain(b, 75, 25);
  b.SetBeginColor(RGBColor(255, 0, 0));
  b.SetEndColor(RGBColor(0, 0, 255));

  b.SetGradientStyle(TGradientStyle::gsHorizontal);
  QImage h = Shot(b);
  // Narrower than 256 steps: the first steps' bands are empty and column 0 shows step 3.
  EXPECT_EQ(At(h, 0, 12), FromRgb(GradientStep(b.BeginColor(), b.EndColor(), 3, 255)));
  EXPECT_EQ(At(h, 74, 12), RGBColor(0, 0, 255));
  for (int x = 0; x < 75; ++x) ASSERT_EQ(At(h, x, 0), At(h, x, 24)) << "column " << x;

  // Rectangles: (0, 0) keeps step 5, the last rectangle whose truncated left edge is still 0 on a
  // 75-wide button (left = 6 * 37.5 / 255 < 1); the innermost rectangle, at (37, 12), is the end colour.
  b.SetGradientStyle(TGradientStyle::gsRectangle);
  QImage r = Shot(b);
  EXPECT_EQ(At(r, 0, 0), FromRgb(GradientStep(b.BeginColor(), b.EndColor(), 5, 255)));
  EXPECT_EQ(At(r, 37, 12), RGBColor(0, 0, 255));

  // Ellipses: the first overfills the corners; the last steps sit in the middle.
  b.SetGradientStyle(TGradientStyle::gsElliptic);
  QImage e = Shot(b);
  auto stepOf = [&](TColor c) {
    for (int i = 0; i <= 50; ++i)
      if (FromRgb(GradientStep(b.BeginColor(), b.EndColor(), i, 50)) == c) return i;
    return -1;
  };
  const int corner = stepOf(At(e, 0, 0));
  const int centre = stepOf(At(e, 37, 12));
  EXPECT_GE(corner, 0);
  EXPECT_LT(corner, 10);
  EXPECT_GE(centre, 45);
}

TEST_F(GradBtnPaint, BevelFramesNestInward) {
  TGradBtn b;
  Plain(b, 40, 30);
  b.SetBtnFrameSize(3);
  QImage img = Shot(b);
  const TColor top = RGBColor(250, 0, 0), bottom = RGBColor(0, 0, 250);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(At(img, k, k), top) << k;
    EXPECT_EQ(At(img, k, 15), top) << k;
    EXPECT_EQ(At(img, 20, k), top) << k;
    EXPECT_EQ(At(img, 39 - k, k), bottom) << k;
    EXPECT_EQ(At(img, k, 29 - k), bottom) << k;
    EXPECT_EQ(At(img, 39 - k, 15), bottom) << k;
    EXPECT_EQ(At(img, 20, 29 - k), bottom) << k;
  }
  EXPECT_NE(At(img, 3, 15), top);
  EXPECT_NE(At(img, 36, 15), bottom);
}

TEST_F(GradBtnPaint, PressedCaptionMovesOnePixelDownAndRight) {
  TGradBtn b;
  Plain(b, 75, 25);
  b.SetBeginColor(clSilver);
  b.SetEndColor(clSilver);
  b.SetTxtHiliteClr(clWhite);
  b.SetCaption("Wg");
  QImage up = Shot(b);
  Press(&b, QPoint(30, 10));
  QImage down = Shot(b);

  int ink = 0;
  for (int y = 2; y < 22; ++y)
    for (int x = 2; x < 72; ++x) {
      if (RedOf(At(up, x, y)) < 96) ++ink;
      ASSERT_EQ(At(down, x + 1, y + 1), At(up, x, y)) << x << "," << y;
    }
  EXPECT_GT(ink, 10) << "the caption should have been drawn";
}

TEST_F(GradBtnPaint, CaptionLayersFollowStyleShadeAndEnabledState) {
  TGradBtn b;
  Plain(b, 75, 25);
  b.SetBeginColor(clSilver);
  b.SetEndColor(clSilver);
  b.SetCaption("Wg");
  b.SetTxtHiliteClr(RGBColor(0, 0, 255));
  b.SetTxtShadowClr(RGBColor(0, 255, 0));
  b.SetDisabledColor(RGBColor(255, 0, 0));
  auto count = [](const QImage& img, TColor c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) n += At(img, x, y) == c;
    return n;
  };

  b.SetTextStyle(TTextStyle::tsNormal);
  QImage plain = Shot(b);
  EXPECT_GT(count(plain, clBlack), 0);
  EXPECT_EQ(count(plain, RGBColor(0, 0, 255)), 0);

  b.SetTextStyle(TTextStyle::tsRaised);
  b.SetTextShadeType(TShadeType::stHeavy);
  QImage heavy = Shot(b);
  EXPECT_GT(count(heavy, RGBColor(0, 0, 255)), 0);
  EXPECT_GT(count(heavy, RGBColor(0, 255, 0)), 0);

  // A disabled button always draws inset, with the disabled colour as its face.
  b.SetTextStyle(TTextStyle::tsNormal);
  b.SetTextShadeType(TShadeType::stLight);
  b.setEnabled(false);
  QImage off = Shot(b);
  EXPECT_GT(count(off, RGBColor(255, 0, 0)), 0);
  EXPECT_GT(count(off, RGBColor(0, 0, 255)), 0);
  EXPECT_EQ(count(off, clBlack), 0);
}

TEST_F(GradBtnPaint, AccessKeyIsUnderlinedButMeasuredWithoutItsMarker) {
  TGradBtn marked, bare;
  for (TGradBtn* b : {&marked, &bare}) {
    Plain(*b, 75, 25);
    b->SetBeginColor(clWhite);
    b->SetEndColor(clWhite);
    b->SetTextStyle(TTextStyle::tsNormal);
  }
  marked.SetCaption("&Next");
  bare.SetCaption("Next");
  const QImage m = Shot(marked), n = Shot(bare);
  // Measured alike, so drawn in the same place: the only extra ink is the underline below the N, in the
  // left part of the word and below every row the plain word inks.
  int left = 75, right = 0, bottom = 0, extra = 0;
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 75; ++x)
      if (At(n, x, y) != clWhite) left = std::min(left, x), right = std::max(right, x), bottom = std::max(bottom, y);
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 75; ++x) {
      if (At(m, x, y) == At(n, x, y)) continue;
      ++extra;
      EXPECT_LT(x, (left + right) / 2) << x << "," << y;
      EXPECT_GE(y, bottom - 2) << x << "," << y;
    }
  EXPECT_GT(extra, 0);
}

TEST_F(GradBtnPaint, FocusRectangleInvertsEveryOtherOutlinePixel) {
  QWidget window;
  window.resize(200, 100);
  auto* b = new TGradBtn(&window);
  Plain(*b, 75, 25);
  auto* other = new TGradBtn(&window);
  other->move(100, 0);
  window.show();
  QApplication::setActiveWindow(&window);
  other->setFocus();
  QImage unfocused = Shot(*b);
  b->setFocus();
  ASSERT_TRUE(b->hasFocus());
  QImage focused = Shot(*b);
  auto inverted = [&](int x, int y) { return At(focused, x, y) == (At(unfocused, x, y) ^ 0xFFFFFFu); };
  EXPECT_TRUE(inverted(2, 2));
  EXPECT_FALSE(inverted(3, 2));
  EXPECT_TRUE(inverted(4, 2));
  EXPECT_TRUE(inverted(2, 4));
  EXPECT_TRUE(inverted(72, 22));  // (W - 3, H - 3): the far corner lies inside the rectangle
  EXPECT_FALSE(inverted(73, 23));
  EXPECT_EQ(At(focused, 30, 12), At(unfocused, 30, 12));

  b->SetShowFocus(false);
  EXPECT_EQ(Shot(*b), unfocused);
}

TEST_F(GradBtnPaint, DegenerateSizesPaintWithoutFailing) {
  for (int style = 0; style <= int(TGradientStyle::gsHorizCenter); ++style) {
    for (QSize size : {QSize(1, 1), QSize(1, 5), QSize(5, 1), QSize(2, 2), QSize(0, 0)}) {
      TGradBtn b;
      b.resize(size);
      b.SetGradientStyle(TGradientStyle(style));
      b.SetCaption("X");
      const QImage img = Shot(b);
      EXPECT_EQ(img.size(), size.isEmpty() ? QSize(0, 0) : size) << style;
    }
  }
  TGradBtn thin;
  thin.resize(10, 1);
  thin.SetBtnHiliteClr(clNone);
  thin.SetBtnShadowClr(clNone);
  thin.SetBeginColor(clYellow);
  thin.SetEndColor(clBlack);
  EXPECT_EQ(At(Shot(thin), 4, 0), clYellow);
}

// Gradients are written straight into a picture's rows where they can be; the pixels are those the
// painter's own fills give (a clipped painter takes that path).
TEST(GradBtnGradient, RowsWrittenDirectlyMatchThePaintersFills) {
  for (int style = 0; style <= int(TGradientStyle::gsHorizCenter); ++style) {
    for (const QSize size : {QSize(75, 25), QSize(13, 130), QSize(1, 7), QSize(300, 2)}) {
      QImage direct(size, QImage::Format_RGB32), filled(size, QImage::Format_RGB32);
      direct.fill(Qt::black);
      filled.fill(Qt::black);
      {
        QPainter painter(&direct);
        PaintGradient(painter, TGradientStyle(style), size.width(), size.height(), RGBColor(250, 10, 0), RGBColor(0, 40, 255));
      }
      {
        QPainter painter(&filled);
        painter.setClipRect(QRect(QPoint(0, 0), size));
        PaintGradient(painter, TGradientStyle(style), size.width(), size.height(), RGBColor(250, 10, 0), RGBColor(0, 40, 255));
      }
      EXPECT_EQ(direct, filled) << "style " << style << ", " << size.width() << " x " << size.height();
    }
  }
}

TEST(GradBtnScale, TruncatesTowardZeroWithWideProducts) {
  EXPECT_EQ(Scale(254, -63, 255), -62);
  EXPECT_EQ(Scale(3, -63, 255), 0);
  EXPECT_EQ(Scale(100000, 100000, 7), 1428571428);
  EXPECT_EQ(Scale(5, 7, 0), 0);
  EXPECT_EQ(FromRgb(GradientStep(clNone, clSilver, 0, 255)), clWhite);
  EXPECT_EQ(FromRgb(GradientStep(clBlack, clGray, 45, 45)), clGray);
}

}  // namespace
}  // namespace lintra::controls
