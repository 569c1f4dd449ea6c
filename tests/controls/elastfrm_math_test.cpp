#include "controls/elastfrm_math.h"

#include <gtest/gtest.h>

namespace lintra::controls::elastfrm {
namespace {

TEST(ElasticRounding, RoundGoesToEvenOnTiesOnly) {
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(2.51), 3);
  EXPECT_EQ(Round(2.49), 2);
  EXPECT_EQ(Round(-1.5), -2);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(402.0), 402);
}

TEST(ElasticRounding, FontRoundTakesHalvesDown) {
  EXPECT_EQ(FontRound(9.5), 9);
  EXPECT_EQ(FontRound(9.51), 10);
  EXPECT_EQ(FontRound(10.5), 10);
  EXPECT_EQ(FontRound(8.16), 8);
  EXPECT_EQ(FontRound(8.99), 9);
  EXPECT_EQ(Trunc(7.99), 7);
  EXPECT_EQ(Trunc(-7.99), -7);
}

TEST(ElasticRounding, DesignPixelHeightsBecomePoints) {
  EXPECT_EQ(PixelsToPoints(11, 96), 8);
  EXPECT_EQ(PixelsToPoints(13, 96), 10);
  EXPECT_EQ(PixelsToPoints(16, 96), 12);
  EXPECT_EQ(PixelsToPoints(19, 96), 14);
  EXPECT_EQ(PixelsToPoints(32, 96), 24);
  EXPECT_EQ(PixelsToPoints(13, 0), 0);
}

TEST(ElasticScaling, ScreenRatiosFollowTheDesignScreenOnlyWhenAsked) {
  const Ratios twice = ScreenRatios({1616, 1160}, {808, 580}, true);
  EXPECT_DOUBLE_EQ(twice.rx, 2.0);
  EXPECT_DOUBLE_EQ(twice.ry, 2.0);
  const Ratios off = ScreenRatios({1616, 1160}, {808, 580}, false);
  EXPECT_DOUBLE_EQ(off.rx, 1.0);
  EXPECT_DOUBLE_EQ(off.ry, 1.0);
  const Ratios unrecorded = ScreenRatios({1616, 1160}, {0, 0}, true);
  EXPECT_DOUBLE_EQ(unrecorded.rx, 1.0);
}

TEST(ElasticScaling, BoundsScaleOnlyOnElasticAxes) {
  const Rect design{96, 16, 592, 26};
  EXPECT_EQ(CarryToScreen(design, {2.0, 2.0}), (Rect{192, 32, 1184, 52}));
  EXPECT_EQ(CarryToScreen({1, 1, 3, 5}, {1.5, 0.5}), (Rect{2, 0, 4, 2}));

  EXPECT_EQ(ScaleBounds(design, 1.5, 2.0, true, true), (Rect{144, 32, 888, 52}));
  EXPECT_EQ(ScaleBounds(design, 1.5, 2.0, true, false), (Rect{144, 16, 888, 26}));
  EXPECT_EQ(ScaleBounds(design, 1.5, 2.0, false, true), (Rect{96, 32, 592, 52}));
}

TEST(ElasticScaling, FontScaleTakesTheTighterAxisOfTheOuterSize) {
  // The design window: outer 819 x 478 around a client of 803 x 420.
  const double t = FontScale(8, {819, 478}, {803, 420});
  EXPECT_NEAR(t / 8, 819.0 / 803.0, 1e-12);
  EXPECT_EQ(FontRound(8 * t / 8), 8);
  EXPECT_DOUBLE_EQ(FontScale(10, {400, 1000}, {800, 400}), 5.0);
  EXPECT_DOUBLE_EQ(FontScale(10, {400, 1000}, {0, 400}), 10.0);
}

TEST(ElasticLimits, TrackValuesArePixelsOrScreenPercentages) {
  EXPECT_EQ(TrackLimit(1280, 808), 1280);
  EXPECT_EQ(TrackLimit(-50, 808), 404);
  EXPECT_EQ(TrackLimit(-50, 809), 404);  // 404.5 goes to even
  EXPECT_EQ(TrackLimit(-100, 580), 580);
  EXPECT_EQ(TrackLimit(0, 808), 0);
}

TEST(ElasticLimits, ProportionalMaximumFitsTheTighterAxis) {
  // 819 x 478 on 1000 x 1000: width is the tighter axis.
  EXPECT_EQ(ProportionalMaximum({819, 478}, {1000, 1000}), (Size{994, 580}));
  // On a tall-limited screen the height decides.
  EXPECT_EQ(ProportionalMaximum({800, 400}, {2000, 500}), (Size{990, 495}));
}

TEST(ElasticLimits, DragEndKeepsTheDimensionThatChangedLess) {
  // Width barely changed: the height follows the width.
  EXPECT_EQ(KeepProportions({800, 400}, {800, 400}, {810, 600}), (Size{810, 405}));
  // Height barely changed: the width follows the height.
  EXPECT_EQ(KeepProportions({800, 400}, {800, 400}, {1200, 410}), (Size{820, 410}));
}

TEST(ElasticPlacement, DesignedPositionIsCarriedAndPulledBackOnScreen) {
  PlacementInput in;
  in.area = {0, 0, 808, 580};
  in.designPosition = {201, 126};
  in.size = {400, 300};
  EXPECT_EQ(PlaceForm(in), (Point{201, 126}));

  in.ratios = {2.0, 2.0};
  in.area = {0, 0, 1616, 1160};
  in.size = {1638, 956};  // wider than the screen: centred, then clipped to 0; too low: centred
  EXPECT_EQ(PlaceForm(in), (Point{0, 102}));

  in.size = {1610, 844};  // reaches past the right edge only
  EXPECT_EQ(PlaceForm(in), (Point{3, 252}));
}

TEST(ElasticPlacement, CentredOnScreenOrOwner) {
  PlacementInput in;
  in.area = {0, 20, 1000, 700};
  in.size = {401, 300};
  in.mode = Placement::ScreenCenter;
  EXPECT_EQ(PlaceForm(in), (Point{299, 220}));

  in.mode = Placement::OwnerCenter;
  in.owner = {100, 100, 600, 400};
  EXPECT_EQ(PlaceForm(in), (Point{199, 150}));
  in.owner = {-500, -500, 600, 400};  // an owner off screen does not drag the form off with it
  EXPECT_EQ(PlaceForm(in), (Point{0, 20}));
}

TEST(ElasticBackground, TilesOverlapByOnePixelAndCoverTheClient) {
  const std::vector<Point> tiles = BackgroundTiles({20, 10}, {10, 10});
  // Steps of 9: x = 0, 9, 18 and y = 0, 9.
  ASSERT_EQ(tiles.size(), 6U);
  EXPECT_EQ(tiles[1], (Point{9, 0}));
  EXPECT_EQ(tiles[5], (Point{18, 9}));

  // 109 wide: eleven tiles of width 10 at steps of 9 would stop at 100; tiling goes on to the edge.
  const std::vector<Point> wide = BackgroundTiles({109, 1}, {10, 10});
  EXPECT_GE(wide.back().x + 10, 109);

  EXPECT_EQ(BackgroundTiles({3, 2}, {1, 1}).size(), 6U);
  EXPECT_TRUE(BackgroundTiles({100, 100}, {0, 10}).empty());
}

TEST(ElasticOrder, AlignedControlsComeFirstByGroupAndCoordinate) {
  const std::vector<AlignEntry> entries = {
      {Align::None, 5, 5},      // 0
      {Align::Bottom, 0, 300},  // 1
      {Align::Top, 0, 40},      // 2
      {Align::Top, 0, 0},       // 3
      {Align::Client, 10, 0},   // 4
      {Align::Right, 700, 0},   // 5
      {Align::Left, 0, 0},      // 6
      {Align::Bottom, 0, 350},  // 7
      {Align::Right, 750, 0},   // 8
      {Align::None, 1, 1},      // 9
  };
  EXPECT_EQ(RecordingOrder(entries), (std::vector<std::size_t>{3, 2, 7, 1, 6, 8, 5, 4, 0, 9}));
}

TEST(ElasticOrder, EqualCoordinatesPutTheLaterControlFirst) {
  const std::vector<AlignEntry> entries = {{Align::Top, 0, 10}, {Align::Top, 0, 10}, {Align::None, 0, 0}};
  EXPECT_EQ(RecordingOrder(entries), (std::vector<std::size_t>{1, 0, 2}));
}

}  // namespace
}  // namespace lintra::controls::elastfrm
