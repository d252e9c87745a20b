#include <gtest/gtest.h>

#include <cmath>

#include "stereo/projection.h"
#include "stereo/rotation_matrix.h"

namespace suite {
namespace {

void expectRows(const RotationMatrix& m, const double (&rows)[3][3], double tolerance) {
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      EXPECT_NEAR(m(i, j), rows[i - 1][j - 1], tolerance) << "M(" << i << "," << j << ")";
    }
  }
}

TEST(RotationMatrix, ZeroAnglesAndQuarterTurnsAboutEachAxis) {
  const double halfPi = 2.0 * std::atan(1.0);
  expectRows(RotationMatrix::fromRadians(0, 0, 0), {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, 0);
  expectRows(RotationMatrix::fromRadians(halfPi, 0, 0), {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}}, 1e-15);
  expectRows(RotationMatrix::fromRadians(0, halfPi, 0), {{0, 0, -1}, {0, 1, 0}, {1, 0, 0}}, 1e-15);
  expectRows(RotationMatrix::fromRadians(0, 0, halfPi), {{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}}, 1e-15);
}

TEST(RotationMatrix, SmallTiltsFromDegreesToSixDecimals) {
  ExteriorOrientation o;
  o.omegaDegrees = 1.18;
  o.phiDegrees = -0.97;
  o.kappaDegrees = 0.31;
  expectRows(RotationMatrix::of(o),
             {{0.999842, 0.005061, 0.017036},
              {-0.005410, 0.999775, 0.020502},
              {-0.016929, -0.020590, 0.999645}},
             5e-7);
  EXPECT_EQ(radiansPerDegree(), 0.017453292519943295);
}

TEST(Projection, PointBelowCentreMapsToPrincipalPoint) {
  for (double focal : {88.0, 152.0, 305.0}) {
    const ImagePointMm p =
        project({632900, 4131500, 140}, {632900, 4131500, 1802.17}, RotationMatrix(), focal);
    EXPECT_EQ(p.x, 0.0);
    EXPECT_EQ(p.y, 0.0);
  }
}

TEST(Projection, ZeroDenominatorIsReplacedBySinglePrecisionGuard) {
  // Level with the centre of an untilted photo: W = 0.
  const ImagePointMm p = project({1, -2, 100}, {0, 0, 100}, RotationMatrix(), 152);
  EXPECT_EQ(p.x, -152.0 / static_cast<double>(1e-10f));
  EXPECT_EQ(p.y, 304.0 / static_cast<double>(1e-10f));
  EXPECT_NE(p.x, -152.0 / 1e-10);  // the guard is the single-precision value, not 1e-10 itself
}

// The example stereo DTM file of pairsim's help: 3 × 3 nodes from X 10000, Y 11900, spacing
// 100, photographed with F = 152.
std::vector<GroundPoint> helpExampleNodes() {
  const double heights[9] = {10, 110, 80, 15, 175, 30, 80, 180, 60};
  std::vector<GroundPoint> nodes;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j)
      nodes.push_back({10000.0 + j * 100, 11900.0 - i * 100, heights[i * 3 + j]});
  }
  return nodes;
}

TEST(Projection, HelpExamplePairToThreeDecimals) {
  const ExteriorOrientation left{10000, 11000, 1965, 1.18, -0.97, 0.31};
  const ExteriorOrientation right{11100, 11007, 1963, -0.19, 1.22, 1.25};
  const StereoProjection pair = projectStereoPair(helpExampleNodes(), left, right, 152);
  ASSERT_EQ(pair.points.size(), 9u);
  const double mm = 0.0005;
  EXPECT_NEAR(pair.points[0].left.x, -2.215, mm);
  EXPECT_NEAR(pair.points[0].left.y, 66.238, mm);
  EXPECT_NEAR(pair.points[0].right.x, -79.995, mm);
  EXPECT_NEAR(pair.points[0].right.y, 71.057, mm);
  EXPECT_NEAR(pair.points[4].left.x, 6.184, mm);
  EXPECT_NEAR(pair.points[4].left.y, 64.128, mm);
  EXPECT_NEAR(pair.points[4].right.x, -79.449, mm);
  EXPECT_NEAR(pair.points[4].right.y, 68.981, mm);
  // Extremes are single-precision roundings of the projected values.
  EXPECT_EQ(pair.extremes.leftXMin, static_cast<float>(pair.points[6].left.x));
  EXPECT_EQ(pair.extremes.leftXMax, static_cast<float>(pair.points[2].left.x));
  EXPECT_NEAR(pair.extremes.leftXMin, -2.287, mm);
  EXPECT_NEAR(pair.extremes.leftXMax, 13.748, mm);
}

}  // namespace
}  // namespace suite
