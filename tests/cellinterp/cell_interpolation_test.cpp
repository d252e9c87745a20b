#include "cellinterp/cell_interpolation.h"

#include <gtest/gtest.h>

#include "text/user_error.h"

namespace cellinterp {
namespace {

// Corners of a 50 × 50 cell: north-west 10, north-east 20, south-west 30, south-east 40.
const CellCorners kCorners{10, 20, 30, 40};

double heightAt(double u, double v) {
  return interpolateHeight({u, v}, 50, 50, kCorners);
}

TEST(BilinearInterpolation, GivesEachCornerAtItsPlaceAndTheMeanAtTheCentre) {
  EXPECT_EQ(heightAt(25, 25), 25);
  EXPECT_EQ(heightAt(0, 0), 30);    // south-west
  EXPECT_EQ(heightAt(50, 0), 40);   // south-east
  EXPECT_EQ(heightAt(0, 50), 10);   // north-west
  EXPECT_EQ(heightAt(50, 50), 20);  // north-east
  EXPECT_EQ(heightAt(25, 0), 35);   // along the south edge
}

TEST(BilinearInterpolation, ExtrapolatesOutsideTheCellWithTheSameFormula) {
  EXPECT_EQ(heightAt(100, 0), 50);
  EXPECT_EQ(heightAt(-50, 0), 20);
  EXPECT_EQ(heightAt(0, 100), -10);
}

TEST(BilinearInterpolation, WeighsAndSumsInTheStatedOrder) {
  // r = ((v · u) / a) / b rather than p · q or (u · v) / (a · b), the south-west weight
  // ((1 − p) − q) + r, and the sum from the south-west weight on: each other way of writing the
  // same formula gives another last bit for these values.
  const CellCorners corners{14.9, 284.3, 240.4, 115.5};
  EXPECT_EQ(interpolateHeight({24.13, 11.05}, 50, 50, corners), 172.34166878000005);
}

TEST(BilinearInterpolation, RefusesACellOfZeroSize) {
  EXPECT_THROW(interpolateHeight({1, 1}, 0, 50, kCorners), suite::UserError);
  EXPECT_THROW(interpolateHeight({1, 1}, 50, 0, kCorners), suite::UserError);
}

TEST(CellLocalToGround, AddsUAndVToTheCellsSouthWestCorner) {
  const GroundPoint at = cellLocalToGround(2, 3, {10, 20}, 500, 1000, 50, 50);
  EXPECT_EQ(at.x, 610);
  EXPECT_EQ(at.y, 920);
  // The north-west cell's south-west corner is node (2, 1).
  const GroundPoint corner = cellLocalToGround(1, 1, {0, 0}, 500, 1000, 50, 50);
  EXPECT_EQ(corner.x, 500);
  EXPECT_EQ(corner.y, 950);
}

TEST(ClickToCellLocal, MapsThePictureOntoTheWholeCell) {
  // 855 × 735 twips, a = b = 50.
  const CellLocal click = clickToCellLocal(171, 147, 855, 735, 50, 50);
  EXPECT_EQ(click.u, 10);
  // (735 − 147) · (50 / 735) is 40 plus one unit in the last place in double precision.
  EXPECT_DOUBLE_EQ(click.v, 40);
  EXPECT_EQ(click.v, 40.00000000000001);

  const CellLocal southWest = clickToCellLocal(0, 735, 855, 735, 50, 50);
  EXPECT_EQ(southWest.u, 0);
  EXPECT_EQ(southWest.v, 0);

  // (W, 0) is the north-east corner: u is exactly a, v is b within one unit in the last place.
  const CellLocal northEast = clickToCellLocal(855, 0, 855, 735, 50, 50);
  EXPECT_EQ(northEast.u, 50);
  EXPECT_DOUBLE_EQ(northEast.v, 50);
  EXPECT_EQ(northEast.v, 50.00000000000001);
  // And the height there is the north-east corner's 20 less seven units in the last place.
  EXPECT_EQ(interpolateHeight(northEast, 50, 50, kCorners), 19.999999999999993);
}

TEST(ClickToCellLocal, TakesEachQuotientFirst) {
  // (a / W) · x and (H − y) · (b / H); (a · x) / W and ((H − y) · b) / H differ in the last bit.
  EXPECT_EQ(clickToCellLocal(666, 0, 735, 735, 7.5, 7.5).u, 6.795918367346938);
  EXPECT_EQ(clickToCellLocal(0, 644, 735, 735, 7.5, 7.5).v, 0.9285714285714285);
}

TEST(ClickToCellLocal, RefusesAPictureOfZeroSize) {
  EXPECT_THROW(clickToCellLocal(0, 0, 0, 735, 50, 50), suite::UserError);
  EXPECT_THROW(clickToCellLocal(0, 0, 855, 0, 50, 50), suite::UserError);
}

}  // namespace
}  // namespace cellinterp
