#include "map_shell/drawing_layout.h"

#include <gtest/gtest.h>

namespace suite {
namespace {

TEST(DrawingWindowLayout, FullHdScreenGivesTheDesignedMeasures) {
  const DrawingWindowLayout layout = drawingWindowLayout(1920 * 15, 1080 * 15);
  EXPECT_EQ(layout.width, 25920);
  EXPECT_EQ(layout.height, 12960);
  EXPECT_EQ(layout.margin, 518);
  EXPECT_EQ(layout.top, 259);
  EXPECT_EQ(layout.panelWidth, 5184);
  EXPECT_EQ(layout.pictureWidth, 19182);
  EXPECT_EQ(layout.pictureHeight, 12442);
  EXPECT_EQ(layout.picture, (TwipsRect{518, 259, 19182, 12442}));
  EXPECT_EQ(layout.panel, (TwipsRect{2 * 518 + 19182, 259, 5184, 12442}));
}

TEST(DrawingWindowLayout, HalvesRoundToTheEvenNeighbour) {
  // Hs = 5 gives H = 4 exactly; Ws = 25 gives W = 22.5 -> 22; 1250 twips wide: W = 1125,
  // L = 22.5 -> 22, P = 225.
  EXPECT_EQ(drawingWindowLayout(25, 5).width, 22);
  const DrawingWindowLayout layout = drawingWindowLayout(1250, 1000);
  EXPECT_EQ(layout.width, 1125);
  EXPECT_EQ(layout.margin, 22);
  EXPECT_EQ(layout.panelWidth, 225);
  EXPECT_EQ(layout.pictureWidth, 1125 - 66 - 225);
}

TEST(DrawingWindowLayout, ScreensBeyondSixteenBitsAndTinyScreensLayOut) {
  const DrawingWindowLayout wide = drawingWindowLayout(7680 * 15, 4320 * 15);
  EXPECT_EQ(wide.width, 103680);
  EXPECT_EQ(wide.height, 51840);
  EXPECT_GT(wide.pictureWidth, 32767);
  const DrawingWindowLayout none = drawingWindowLayout(0, 0);
  EXPECT_EQ(none.pictureWidth, 0);
  EXPECT_EQ(none.pictureHeight, 0);
}

}  // namespace
}  // namespace suite
