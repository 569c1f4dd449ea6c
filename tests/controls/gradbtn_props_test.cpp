// The gradient button's published properties: starting values, the bevel-width guard, design-time
// presets, and how stored colour words become paint.

#include <gtest/gtest.h>

#include <QPalette>

#include "controls/gradbtn_caption.h"
#include "controls/gradbtn_color.h"
#include "gradbtn_testing.h"

namespace lintra::controls {
namespace {

using namespace testing;

class GradBtnProps : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApp(); }
};

TEST_F(GradBtnProps, FrameSizeIsLimitedByHalfTheSmallerSideLessFive) {
  TGradBtn key;
  key.resize(32, 143);
  key.SetBtnFrameSize(11);
  EXPECT_EQ(key.BtnFrameSize(), 11);
  key.SetBtnFrameSize(12);
  EXPECT_EQ(key.BtnFrameSize(), 11);

  TGradBtn flat;
  flat.resize(125, 30);  // the height decides here: 30 div 2 - 5 = 10
  flat.SetBtnFrameSize(11);
  EXPECT_EQ(flat.BtnFrameSize(), 1);
  flat.SetBtnFrameSize(10);
  EXPECT_EQ(flat.BtnFrameSize(), 10);
}

TEST_F(GradBtnProps, PresetsApplyOnlyWhileDesigning) {
  TGradBtn b;
  b.SetPresets(TPreset::GoldCoast);
  EXPECT_EQ(b.Presets(), TPreset::None);
  EXPECT_EQ(b.BeginColor(), clNavy);

  b.SetDesigning(true);
  b.SetJustification(TJustification::jLeft);
  b.SetPresets(TPreset::GoldCoast);
  EXPECT_EQ(b.Presets(), TPreset::GoldCoast);
  EXPECT_EQ(b.DisabledColor(), RGBColor(187, 187, 0));
  EXPECT_EQ(b.BeginColor(), clYellow);
  EXPECT_EQ(b.EndColor(), RGBColor(128, 128, 0));
  EXPECT_EQ(b.font().family(), "Arial");
  EXPECT_EQ(b.font().pointSize(), 10);
  EXPECT_TRUE(b.font().bold());
  EXPECT_EQ(b.FontColor(), RGBColor(187, 187, 0));
  EXPECT_EQ(b.GradientStyle(), TGradientStyle::gsVertical);
  EXPECT_EQ(b.TextShadeType(), TShadeType::stHeavy);
  EXPECT_EQ(b.TxtHiliteClr(), RGBColor(255, 255, 191));
  EXPECT_EQ(b.BtnShadowClr(), RGBColor(97, 97, 97));
  EXPECT_TRUE(b.SwapColors());
  EXPECT_EQ(b.Justification(), TJustification::jLeft);

  b.SetPresets(TPreset::BrassedOff);
  EXPECT_FALSE(b.SwapColors());
  EXPECT_EQ(b.GradientStyle(), TGradientStyle::gsElliptic);
  EXPECT_EQ(b.TextStyle(), TTextStyle::tsNormal);

  b.SetPresets(TPreset::LimeBox);
  EXPECT_FALSE(b.SwapColors()) << "only BrassedOff touches SwapColors";
  EXPECT_EQ(b.BtnHiliteClr(), clBtnHighlight);

  b.SetDesigning(false);
  b.SetPresets(TPreset::Aluminum);
  EXPECT_EQ(b.Presets(), TPreset::LimeBox);
}

TEST_F(GradBtnProps, SystemColoursFollowThePaletteAndNoColourPaintsNothing) {
  QPalette pal;
  pal.setColor(QPalette::Active, QPalette::Light, QColor(1, 2, 3));
  pal.setColor(QPalette::Active, QPalette::Dark, QColor(4, 5, 6));
  pal.setColor(QPalette::Disabled, QPalette::Text, QColor(7, 8, 9));
  pal.setColor(QPalette::Active, QPalette::Button, QColor(10, 11, 12));
  EXPECT_EQ(ResolveColor(clBtnHighlight, pal), QColor(1, 2, 3));
  EXPECT_EQ(ResolveColor(clBtnShadow, pal), QColor(4, 5, 6));
  EXPECT_EQ(ResolveColor(clGrayText, pal), QColor(7, 8, 9));
  EXPECT_EQ(ResolveColor(clBtnFace, pal), QColor(10, 11, 12));
  EXPECT_EQ(ResolveColor(RGBColor(12, 34, 56), pal), QColor(12, 34, 56));
  EXPECT_FALSE(ResolveColor(clNone, pal).has_value());
  EXPECT_EQ(LowBytesColor(clNone), QColor(255, 255, 255));

  // A system colour used as a frame colour is resolved when painting.
  TGradBtn b;
  b.setPalette(pal);
  EXPECT_EQ(At(Shot(b), 0, 0), RGBColor(1, 2, 3));
  EXPECT_EQ(At(Shot(b), 74, 24), RGBColor(4, 5, 6));
}

TEST(GradBtnCaption, MeasuringTextAndAccessKeys) {
  EXPECT_EQ(MeasuringText("A&&B"), "A&B");
  EXPECT_EQ(MeasuringText("&Next"), "Next");
  EXPECT_EQ(MeasuringText(""), "");
  EXPECT_EQ(MeasuringText("&"), "&");
  EXPECT_EQ(MeasuringText("Ab&"), "Ab&");
  EXPECT_EQ(AccessKeyOf("&Next"), QChar(u'N'));
  EXPECT_EQ(AccessKeyOf("A&&B"), QChar());
  EXPECT_EQ(AccessKeyOf("A&&&B"), QChar(u'B'));
  EXPECT_EQ(AccessKeyOf("Ab&"), QChar());
  EXPECT_TRUE(IsAccessKey(u'n', "&Next"));
  EXPECT_FALSE(IsAccessKey(QChar(), "Next"));
}

}  // namespace
}  // namespace lintra::controls
