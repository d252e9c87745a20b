#include "vantage/plan_map.h"

#include <gtest/gtest.h>

#include <string>

#include "canvas/recording_canvas.h"
#include "text/user_error.h"

namespace vantage {
namespace {

using suite::RecordingCanvas;
using Kind = RecordingCanvas::Kind;

// A 1024 × 1024 model from (0, 1024) in a panel 6400 twips wide: c = 128, d = 3136,
// 0.125 twips per ground unit, so every value of the map and of a pick is exact.
ModelFrame squareFrame() {
  ModelFrame frame;
  frame.xNorthWest = 0;
  frame.yNorthWest = 1024;
  frame.xEast = 1024;
  frame.ySouth = 0;
  frame.heightMax = 40;
  return frame;
}
constexpr int kPanel = 6400;
constexpr double kMiddle = 3136 + 64;  // panel twips of the model's middle, both axes

TEST(PlanMap, SquareOfAFiftiethOfThePanelCentredAcrossIt) {
  const PlanMap map = planMap(squareFrame(), kPanel);
  EXPECT_TRUE(map.set);
  EXPECT_EQ(map.squareSide, 128.0f);
  EXPECT_EQ(map.squareOffset, 3136.0f);
  EXPECT_EQ(map.twipsPerGroundX, 0.125f);
  EXPECT_EQ(map.twipsPerGroundY, 0.125f);
  EXPECT_EQ(map.groundXLeft, -25088.0f);
  EXPECT_EQ(map.groundYTop, 26112.0f);
  EXPECT_EQ(map.groundXMiddle, 512.0f);
  EXPECT_EQ(map.groundYMiddle, 512.0f);

  RecordingCanvas panel(kPanel, 12000);
  drawPlanMap(map, panel);
  ASSERT_EQ(panel.ops().size(), 5u);  // no clear: the parameter text stays
  const double corners[5][2] = {
      {3136, 3136}, {3264, 3136}, {3264, 3264}, {3136, 3264}, {3136, 3136}};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(panel.ops()[k].kind, k == 0 ? Kind::Point : Kind::Line);
    EXPECT_EQ(panel.ops()[k].x, corners[k][0]);
    EXPECT_EQ(panel.ops()[k].y, corners[k][1]);
  }

  // The 1920 × 1080 layout's panel: c = 5184/50 and d in single precision.
  const PlanMap screen = planMap(squareFrame(), 5184);
  EXPECT_EQ(screen.squareSide, 103.68f);
  EXPECT_EQ(screen.squareOffset, 2540.16f);
}

TEST(PlanMap, ModelOfAnyShapeIsASquareAndAThinModelTakesTheOtherScale) {
  ModelFrame wide = squareFrame();
  wide.xEast = 2048;
  const PlanMap map = planMap(wide, kPanel);
  EXPECT_EQ(map.twipsPerGroundX, 0.0625f);
  EXPECT_EQ(map.twipsPerGroundY, 0.125f);

  ModelFrame column = squareFrame();
  column.xEast = column.xNorthWest;  // one column
  const PlanMap thin = planMap(column, kPanel);
  EXPECT_EQ(thin.twipsPerGroundX, 0.125f);
  EXPECT_EQ(thin.groundXLeft, -25088.0f);

  ModelFrame node = column;
  node.ySouth = node.yNorthWest;  // one node: no scale at all
  EXPECT_THROW(planMap(node, kPanel), suite::UserError);
  EXPECT_THROW(planMap(squareFrame(), 0), suite::UserError);
}

TEST(PlanMap, PicksAroundTheMiddleTurnTheLineOfSightTowardIt) {
  const PlanMap map = planMap(squareFrame(), kPanel);
  const double height = 100;  // ΔZ + H_max
  // Straight south, 1000 twips (8000 units) below the square: looking north.
  ProjectionCentre c = pickOnPlanMap(map, height, kMiddle, 3264 + 1000);
  EXPECT_EQ(c.x, 512);
  EXPECT_EQ(c.y, 26112 - 4264 * 8);
  EXPECT_EQ(c.azimuthDegrees, 0.0f);
  EXPECT_EQ(c.z, 0);
  // Straight north: dX = 0 and dY < 0.
  EXPECT_EQ(pickOnPlanMap(map, height, kMiddle, 3136 - 1000).azimuthDegrees, 180.0f);
  // East and west, one twip south of the middle's level: nearly 270 and nearly 90.
  const float east = pickOnPlanMap(map, height, 3264 + 1000, kMiddle + 1).azimuthDegrees;
  EXPECT_GT(east, 270.0f);
  EXPECT_NEAR(east, 270, 0.1);
  const float west = pickOnPlanMap(map, height, 3136 - 1000, kMiddle + 1).azimuthDegrees;
  EXPECT_LT(west, 90.0f);
  EXPECT_NEAR(west, 90, 0.1);
  // Exactly level with the middle: due east or due west, never a negative bearing.
  EXPECT_EQ(pickOnPlanMap(map, height, 3264 + 1000, kMiddle).azimuthDegrees, 270.0f);
  EXPECT_EQ(pickOnPlanMap(map, height, 3136 - 1000, kMiddle).azimuthDegrees, 90.0f);
  // South-west of the middle: looking north-east.
  EXPECT_NEAR(pickOnPlanMap(map, height, kMiddle - 500, kMiddle + 500).azimuthDegrees, 45, 1e-4);
}

TEST(PlanMap, DepressionFallsWithDistanceAndIsStraightDownOnTheMiddle) {
  const PlanMap map = planMap(squareFrame(), kPanel);
  // The panel's corner lies some 36000 units away: a low, oblique view.
  const float far = pickOnPlanMap(map, 100, 0, 0).depressionDegrees;
  EXPECT_GT(far, 0.0f);
  EXPECT_LT(far, 0.2f);
  // One twip (8 units) from the middle: atan(100 / 8).
  const float near = pickOnPlanMap(map, 100, kMiddle, kMiddle + 1).depressionDegrees;
  EXPECT_NEAR(near, 85.43, 0.01);
  // On the middle: north up, straight down (or up from below the ground).
  const ProjectionCentre on = pickOnPlanMap(map, 100, kMiddle, kMiddle);
  EXPECT_EQ(on.azimuthDegrees, 0.0f);
  EXPECT_EQ(on.depressionDegrees, 90.0f);
  EXPECT_EQ(pickOnPlanMap(map, -5, kMiddle, kMiddle).depressionDegrees, -90.0f);
}

TEST(PlanMap, PickBeforeTheMapIsSetIsExplained) {
  try {
    pickOnPlanMap(PlanMap{}, 100, 10, 10);
    ADD_FAILURE() << "a pick without a map";
  } catch (const suite::UserError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Διάλεξε πρώτα «Βάλε παραμέτρους», για να σχεδιαστεί ο χάρτης πάνω στον οποίο "
              "διαλέγεται το προβολικό κέντρο.");
  }
}

}  // namespace
}  // namespace vantage
