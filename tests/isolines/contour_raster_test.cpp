#include "isolines/contour_raster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

#include "canvas/recording_canvas.h"

namespace isolines {
namespace {

// The runs of row y found pixel by pixel.
std::vector<PixelRun> runsByPixel(const ContourRaster& raster, std::int32_t y) {
  std::vector<PixelRun> runs;
  for (std::int32_t x = 1; x <= raster.width(); ++x) {
    if (!raster.isSet(x, y)) continue;
    if (!runs.empty() && runs.back().xFirst + runs.back().length == x)
      ++runs.back().length;
    else
      runs.push_back({y, x, 1});
  }
  return runs;
}

TEST(ContourRaster, RunsAreTheStretchesOfNeighbouringSetPixelsAcrossWordEdges) {
  // Widths around the 64-pixel words; runs that start, end or pass at word edges and touch
  // the map's east edge, at densities from sparse to almost full.
  std::mt19937 random(7);
  for (const std::int32_t width : {1, 63, 64, 65, 127, 128, 130, 200}) {
    for (const double density : {0.05, 0.5, 0.95, 1.0}) {
      ContourRaster raster(width, 4);
      std::bernoulli_distribution setIt(density);
      for (std::int32_t y = 0; y < 3; ++y)  // row 3 stays empty
        for (std::int32_t x = 1; x <= width; ++x)
          if (setIt(random)) raster.set(x, y);
      std::int64_t count = 0;
      std::vector<PixelRun> visited;
      raster.forEachRun([&visited](const PixelRun& run) { visited.push_back(run); });
      std::vector<PixelRun> expected;
      for (std::int32_t y = 0; y < 4; ++y) {
        const std::vector<PixelRun> row = runsByPixel(raster, y);
        ASSERT_EQ(raster.runsInRow(y), row) << width << " " << density << " row " << y;
        expected.insert(expected.end(), row.begin(), row.end());
        for (const PixelRun& run : row) count += run.length;
      }
      EXPECT_EQ(visited, expected);
      EXPECT_EQ(raster.setCount(), count);
    }
  }
}

TEST(ContourRaster, PaintsEachSetPixelInOrangeAtFifteenTwipsAPixel) {
  ContourRaster raster(70, 3);
  raster.set(1, 0);
  raster.set(70, 0);
  raster.set(64, 2);
  raster.set(65, 2);
  suite::RecordingCanvas canvas(2000, 1000);
  raster.paint(canvas);
  ASSERT_EQ(canvas.ops().size(), 4u);
  const double expected[4][2] = {{15, 0}, {1050, 0}, {960, 30}, {975, 30}};
  for (int i = 0; i < 4; ++i) {
    const suite::RecordingCanvas::Op& op = canvas.ops()[i];
    EXPECT_EQ(op.kind, suite::RecordingCanvas::Kind::Point);
    EXPECT_EQ(op.x, expected[i][0]);
    EXPECT_EQ(op.y, expected[i][1]);
    EXPECT_EQ(op.colour, (suite::Rgb{250, 120, 0}));
  }
}

TEST(ContourRaster, BlocksCoverEverySetPixelOnceAndMergeARunRepeatedDownTheRows) {
  // A column two pixels wide down four rows, a run that changes width, and scattered pixels
  // across the word edges.
  ContourRaster raster(130, 6);
  for (std::int32_t y = 0; y < 4; ++y) {
    raster.set(10, y);
    raster.set(11, y);
  }
  for (std::int32_t x = 60; x <= 70; ++x) raster.set(x, 2);
  for (std::int32_t x = 60; x <= 72; ++x) raster.set(x, 3);
  raster.set(64, 5);
  raster.set(130, 5);
  const std::vector<PixelBlock> blocks = raster.blocks();
  EXPECT_EQ(blocks,
            (std::vector<PixelBlock>{
                {60, 2, 11, 1}, {10, 0, 2, 4}, {60, 3, 13, 1}, {64, 5, 1, 1}, {130, 5, 1, 1}}));

  std::mt19937 random(11);
  for (const double density : {0.1, 0.5, 0.9}) {
    ContourRaster dense(150, 40);
    std::bernoulli_distribution setIt(density);
    for (std::int32_t y = 0; y < 40; ++y)
      for (std::int32_t x = 1; x <= 150; x += 1 + (y % 3))  // repeats down some rows
        if (setIt(random)) dense.set(x, y);
    std::vector<int> covered(150 * 40, 0);
    std::int64_t area = 0;
    for (const PixelBlock& b : dense.blocks()) {
      ASSERT_GE(b.width, 1);
      ASSERT_GE(b.height, 1);
      for (std::int32_t y = b.yFirst; y < b.yFirst + b.height; ++y)
        for (std::int32_t x = b.xFirst; x < b.xFirst + b.width; ++x) ++covered[y * 150 + x - 1];
      area += std::int64_t{b.width} * b.height;
    }
    for (std::int32_t y = 0; y < 40; ++y)
      for (std::int32_t x = 1; x <= 150; ++x)
        ASSERT_EQ(covered[y * 150 + x - 1], dense.isSet(x, y) ? 1 : 0) << x << "," << y;
    EXPECT_EQ(area, dense.setCount());
  }
}

TEST(ContourRaster, PaintingByBlocksSetsThePixelsPaintingByPointsSets) {
  ContourRaster raster(70, 5);
  for (std::int32_t y = 1; y < 5; ++y) raster.set(3, y);
  for (std::int32_t x = 62; x <= 70; ++x) raster.set(x, 0);
  suite::RecordingCanvas byPoints(2000, 1000);
  suite::RecordingCanvas byBlocks(2000, 1000);
  raster.paint(byPoints);
  raster.paintBlocks(byBlocks);
  const auto pointsOf = [](const suite::RecordingCanvas& canvas) {
    std::vector<std::pair<double, double>> points;
    for (const suite::RecordingCanvas::Op& op : canvas.ops()) {
      EXPECT_EQ(op.kind, suite::RecordingCanvas::Kind::Point);
      EXPECT_EQ(op.colour, (suite::Rgb{250, 120, 0}));
      points.emplace_back(op.x, op.y);
    }
    std::sort(points.begin(), points.end());
    return points;
  };
  EXPECT_EQ(pointsOf(byBlocks), pointsOf(byPoints));
  EXPECT_EQ(pointsOf(byBlocks).size(), 13u);
}

TEST(ContourRaster, PixelsOutsideTheMapAreNeverSetAndSizesAreBounded) {
  ContourRaster raster(10, 2);
  raster.set(10, 1);
  EXPECT_TRUE(raster.isSet(10, 1));
  EXPECT_FALSE(raster.isSet(0, 1));  // column 0 is left of every cell's pixels
  EXPECT_FALSE(raster.isSet(11, 1));
  EXPECT_FALSE(raster.isSet(10, 2));
  EXPECT_FALSE(raster.isSet(10, -1));
  EXPECT_TRUE(raster.runsInRow(2).empty());
  EXPECT_EQ(ContourRaster().setCount(), 0);
  EXPECT_THROW(ContourRaster(1 << 15, (1 << 13) + 1), std::invalid_argument);
  EXPECT_THROW(ContourRaster(-1, 5), std::invalid_argument);
}

}  // namespace
}  // namespace isolines
