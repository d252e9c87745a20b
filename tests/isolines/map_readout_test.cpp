#include "isolines/map_readout.h"

#include <gtest/gtest.h>

namespace isolines {
namespace {

TEST(MapReadout, TopLeftCornerReadsTheNorthWestNodeCutToTwoDecimals) {
  const MapTransform map{632000.5, 4132000.259, 10, 10, {13, 13}};
  EXPECT_EQ(readoutText(map, 0, 0), "    X =   632000.5    Y =   4132000.25");
}

TEST(MapReadout, NegativeCoordinatesAreCutDownToTheNextLowerHundredth) {
  const MapTransform map{-10.001, -0.001, 10, 10, {13, 13}};
  EXPECT_EQ(readoutText(map, 0, 0), "    X =  -10.01    Y =  -.01");
}

TEST(MapReadout, PixelsCountCellWidthsEastAndCellHeightsSouth) {
  // 5 pixels a cell of 10 × 4 ground units: pixel (10, 20) is two cells east, four south.
  const MapTransform map{1000, 2000, 10, 4, {5, 5}};
  EXPECT_EQ(readoutText(map, 150, 300), "    X =   1020    Y =   1984");
  // Uniform scale with a = b: equal screen distances are equal ground distances.
  const MapTransform square{0, 0, 10, 10, {7, 7}};
  const GroundPoint origin = *groundPointAt(square, 0, 0);
  const GroundPoint east = *groundPointAt(square, 1050, 0);
  const GroundPoint south = *groundPointAt(square, 0, 1050);
  EXPECT_DOUBLE_EQ(east.x - origin.x, origin.y - south.y);
  // Beyond the map's east edge the formula goes on.
  EXPECT_EQ(readoutText(map, 15000, 0), "    X =   3000    Y =   2000");
}

TEST(MapReadout, NothingIsReadBeforeAMapOrOnAMapOfNoPixels) {
  EXPECT_EQ(readoutText(std::nullopt, 0, 0), std::nullopt);
  EXPECT_EQ(readoutText(MapTransform{0, 0, 10, 10, {0, 0}}, 15, 15), std::nullopt);
  EXPECT_EQ(readoutText(MapTransform{0, 0, 10, 10, {3, 0}}, 15, 15), std::nullopt);
}

}  // namespace
}  // namespace isolines
