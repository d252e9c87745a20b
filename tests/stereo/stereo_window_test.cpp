#include "stereo/stereo_window.h"

#include <gtest/gtest.h>

namespace suite {
namespace {

TEST(StereoWindow, EdgesClampToTheGridAndAWindowBesideItHoldsNoNodes) {
  const GridHeader grid{30, 30, 632000, 4132000, 100, 100};
  // A centre west of the grid starts at column 1; a base north of it starts at row 1.
  StereoWindow window = stereoWindowOf(grid, 631000, 4131900, 1000);
  EXPECT_EQ(window.firstColumn, 1);
  EXPECT_EQ(window.lastColumn, 1);
  EXPECT_EQ(window.firstRow, 1);
  EXPECT_EQ(window.lastRow, 12);
  // A window entirely beside the grid, or absurdly far away, holds no nodes.
  EXPECT_FALSE(stereoWindowOf(grid, 500000, 4130500, 1000).holdsNodes());
  EXPECT_FALSE(stereoWindowOf(grid, 1e300, -1e300, 1e300).holdsNodes());
  EXPECT_EQ(stereoWindowOf(grid, 640000, 4130500, 1000).nodeCount(), 0);
}

}  // namespace
}  // namespace suite
