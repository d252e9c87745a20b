#include "isolines/contour_rasterizer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/user_error.h"

namespace isolines {
namespace {

using Grid = std::vector<std::vector<double>>;  // rows north to south, west to east

template <typename Real = long double>
ContourRaster rasterOf(const Grid& grid, suite::PixelsPerCell cells, float interval) {
  BasicContourRasterizer<Real> rasterizer(static_cast<std::int32_t>(grid.size()),
                                          static_cast<std::int32_t>(grid[0].size()), cells,
                                          interval);
  for (const std::vector<double>& row : grid) rasterizer.addRow(row.data());
  return rasterizer.takeRaster();
}

// Two columns, west nodes 0 and east nodes 100: one cell.
const Grid kRamp = {{0, 100}, {0, 100}};

// The pixel columns of row y that are set.
std::vector<std::int32_t> setColumns(const ContourRaster& raster, std::int32_t y) {
  std::vector<std::int32_t> columns;
  for (const PixelRun& run : raster.runsInRow(y))
    for (std::int32_t x = run.xFirst; x < run.xFirst + run.length; ++x) columns.push_back(x);
  return columns;
}

TEST(ContourRasterizer, FlatModelOnALevelDrawsNothingForEveryCellSize) {
  const Grid flat(2, std::vector<double>(2, 100.0));
  for (std::int32_t a = 1; a <= 60; ++a) {
    for (std::int32_t b = 1; b <= 60; ++b) {
      const ContourRaster raster = rasterOf(flat, {a, b}, 10);
      ASSERT_EQ(raster.width(), a);
      ASSERT_EQ(raster.height(), b);
      ASSERT_EQ(raster.setCount(), 0) << "A " << a << ", B " << b;
    }
  }
  // Other levels and intervals, a few cell sizes.
  for (const std::int32_t side : {1, 7, 15, 33, 60}) {
    EXPECT_EQ(rasterOf(Grid(2, std::vector<double>(3, 1234.5)), {side, side}, 0.5f).setCount(), 0);
    EXPECT_EQ(rasterOf(Grid(2, std::vector<double>(3, -30.0)), {side, side + 3}, 10).setCount(), 0);
  }
}

TEST(ContourRasterizer, RampDrawsTenOnePixelLinesForTheLevelsTenToHundred) {
  for (std::int32_t a = 10; a <= 60; ++a) {
    // Level k·10 meets pixel column s when (s − 1)/A < k/10 ≤ s/A: s = ceil(k·A / 10).
    std::vector<std::int32_t> expected;
    for (std::int32_t k = 1; k <= 10; ++k) expected.push_back((k * a + 9) / 10);
    for (std::int32_t b = 1; b <= 60; ++b) {
      const ContourRaster raster = rasterOf(kRamp, {a, b}, 10);
      for (std::int32_t y = 0; y < raster.height(); ++y)
        ASSERT_EQ(setColumns(raster, y), expected) << "A " << a << ", B " << b << ", row " << y;
    }
  }
}

TEST(ContourRasterizer, RampBelowTenPixelsACellFillsEveryPixelOfTheRow) {
  for (std::int32_t a = 1; a < 10; ++a) {
    for (std::int32_t b = 1; b <= 60; ++b) {
      const ContourRaster raster = rasterOf(kRamp, {a, b}, 10);
      ASSERT_EQ(raster.setCount(), std::int64_t{a} * raster.height()) << "A " << a << ", B " << b;
    }
  }
}

TEST(ContourRasterizer, PlainDoubleInterpolationWouldDrawPixelsOffTheLevels) {
  // Why the corners are interpolated with extended intermediates: in double the same formula
  // misses the level at many corners, by one unit in the last place.
  const Grid flat(2, std::vector<double>(2, 100.0));
  EXPECT_EQ(rasterOf<double>(flat, {15, 15}, 10).setCount(), 50);
  EXPECT_EQ(rasterOf<double>(flat, {57, 60}, 10).setCount(), 1396);  // of 3420 pixels
  EXPECT_EQ(rasterOf(flat, {57, 60}, 10).setCount(), 0);
  // The ramp at 15 pixels a cell: some rows get a level twice, as a line two pixels wide.
  const ContourRaster plain = rasterOf<double>(kRamp, {15, 15}, 10);
  std::int32_t rowsOffTen = 0;
  for (std::int32_t y = 0; y < plain.height(); ++y)
    if (setColumns(plain, y).size() != 10) ++rowsOffTen;
  EXPECT_EQ(rowsOffTen, 4);  // of 15
}

TEST(ContourRasterizer, AgreesWithPlainDoubleExceptWhereACornerLiesOnALevel) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> steps(-50000, 50000);
  std::uniform_int_distribution<int> tens(0, 2);
  // Heights in centimetres put hardly a corner on a level; heights of 0, 10 or 20 put the
  // corners of every cell with four equal nodes on a level, and many others.
  for (const bool onLevels : {false, true}) {
    Grid grid(6, std::vector<double>(7));
    for (std::vector<double>& row : grid)
      for (double& z : row) z = onLevels ? tens(random) * 10.0 : steps(random) / 100.0;
    const suite::PixelsPerCell cells =
        onLevels ? suite::PixelsPerCell{10, 10} : suite::PixelsPerCell{13, 9};
    const float interval = onLevels ? 10.0f : 2.5f;
    const ContourRaster extended = rasterOf(grid, cells, interval);
    const ContourRaster plain = rasterOf<double>(grid, cells, interval);
    std::int64_t differing = 0;
    for (std::int32_t y = 0; y < extended.height(); ++y) {
      for (std::int32_t x = 1; x <= extended.width(); ++x) {
        if (extended.isSet(x, y) == plain.isSet(x, y)) continue;
        ++differing;
        // The pixel's cell and offsets, and its four corner heights.
        const std::int32_t j = (x - 1) / cells.alongX + 1;
        const std::int32_t s = x - (j - 1) * cells.alongX;
        const std::int32_t r = y / cells.alongY + 2;
        const std::int32_t t = (r - 1) * cells.alongY - y;
        bool onLevel = false;
        for (const std::int32_t p : {s - 1, s}) {
          for (const std::int32_t q : {t - 1, t}) {
            const long double u = static_cast<long double>(p) / cells.alongX;
            const long double v = static_cast<long double>(q) / cells.alongY;
            const double z = cornerHeight<long double>(grid[r - 1][j - 1], grid[r - 1][j],
                                                       grid[r - 2][j - 1], grid[r - 2][j], u, v);
            onLevel = onLevel || std::fabs(z / interval - std::round(z / interval)) < 1e-12;
          }
        }
        EXPECT_TRUE(onLevel) << "pixel " << x << ", " << y;
      }
    }
    if (onLevels)
      EXPECT_GT(differing, 0);
    else
      EXPECT_EQ(differing, 0);
  }
}

TEST(ContourRasterizer, NegativeHeightsTakeTheFloorAndACornerOnALevelBelongsAbove) {
  // −5 and 5 straddle 0: bands −1 and 0.
  EXPECT_EQ(rasterOf({{-5, 5}, {-5, 5}}, {1, 1}, 10).setCount(), 1);
  // 0 … 10 reaches the level 10; 10 … 15 only starts on it.
  EXPECT_EQ(rasterOf({{0, 10}, {0, 10}}, {1, 1}, 10).setCount(), 1);
  EXPECT_EQ(rasterOf({{10, 15}, {10, 15}}, {1, 1}, 10).setCount(), 0);
  EXPECT_EQ(rasterOf({{-15, -10}, {-15, -10}}, {1, 1}, 10).setCount(), 1);
  EXPECT_EQ(rasterOf({{-10, -5}, {-10, -5}}, {1, 1}, 10).setCount(), 0);
}

TEST(ContourRasterizer, PixelSitsAtTheColumnOfItsEastCornerAndTheRowOfItsUpperCorner) {
  // One node above the level 10 at a corner of the grid sets the one pixel touching it.
  Grid grid(3, std::vector<double>(3, 1.0));
  grid[2][2] = 11;  // south-east node
  ContourRaster raster = rasterOf(grid, {4, 3}, 10);
  ASSERT_EQ(raster.width(), 8);
  ASSERT_EQ(raster.height(), 6);
  EXPECT_EQ(raster.setCount(), 1);
  EXPECT_TRUE(raster.isSet(8, 5));
  grid[2][2] = 1;
  grid[0][0] = 11;  // north-west node
  raster = rasterOf(grid, {4, 3}, 10);
  EXPECT_EQ(raster.setCount(), 1);
  EXPECT_TRUE(raster.isSet(1, 0));
}

TEST(ContourRasterizer, RowBuffersTakeAnyNumberOfColumns) {
  Grid grid(2, std::vector<double>(1500));
  for (std::size_t j = 0; j < 1500; ++j) grid[0][j] = grid[1][j] = static_cast<double>(j);
  const ContourRaster raster = rasterOf(grid, {1, 1}, 1);
  EXPECT_EQ(raster.width(), 1499);
  EXPECT_EQ(raster.setCount(), 1499);
}

TEST(ContourRasterizer, BandNumberBeyond32BitsIsRefusedWithAMessage) {
  const auto messageOf = [](const Grid& grid, float interval) {
    try {
      rasterOf(grid, {2, 2}, interval);
    } catch (const suite::UserError& error) {
      return std::string(error.what());
    }
    return std::string();
  };
  EXPECT_EQ(messageOf({{0, 1}, {2, 3}, {4, 3e9}}, 1),
            "Με ισοδιάσταση 1 το ύψος 3000000000 στο κελί των γραμμών 2 και 3, στηλών 1 και 2 "
            "του πλέγματος απέχει από το 0 περισσότερες από 2147483647 ισοδιαστάσεις, όσες "
            "μετρά το πρόγραμμα: βάλε μεγαλύτερη ισοδιάσταση.");
  EXPECT_NE(messageOf({{-100, 1}, {2, 3}}, 1e-30f), "");
  // 2^31 − 1 intervals still draw.
  EXPECT_EQ(messageOf({{0, 2147483647.0}, {0, 0}}, 1), "");
}

TEST(ContourRasterizer, MisuseIsAProgrammingError) {
  EXPECT_THROW(BasicContourRasterizer<long double>(3, 3, {0, 4}, 10), std::invalid_argument);
  EXPECT_THROW(BasicContourRasterizer<long double>(3, 3, {4, 4}, 0), std::invalid_argument);
  EXPECT_THROW(BasicContourRasterizer<long double>(1, 3, {4, 4}, 10), std::invalid_argument);
  ContourRasterizer rasterizer(2, 2, {3, 3}, 10);
  const double row[2] = {1, 2};
  rasterizer.addRow(row);
  EXPECT_THROW(rasterizer.takeRaster(), std::logic_error);
  rasterizer.addRow(row);
  EXPECT_THROW(rasterizer.addRow(row), std::logic_error);
}

}  // namespace
}  // namespace isolines
