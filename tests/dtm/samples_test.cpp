#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dtm/grid_reader.h"

namespace suite {
namespace {

struct Sample {
  const char* file;
  GridHeader header;
  double lowest;
  double highest;
};

TEST(Samples, EverySampleReadsWholeWithItsHeader) {
  const Sample samples[] = {
      {"example-3x3.dtm", {3, 3, 10000, 11900, 100, 100}, 10, 180},
      {"cell-6x5.dtm", {6, 5, 500, 1000, 50, 50}, 12, 98},
      {"hills-30x30.dtm", {30, 30, 632000, 4132000, 100, 100}, 80, 260},
      {"maunga-whau.dtm", {61, 87, 0, 600, 10, 10}, 94, 195},
  };
  for (const Sample& sample : samples) {
    SCOPED_TRACE(sample.file);
    GridReader reader(std::string(SUITE_SAMPLES) + "/" + sample.file);
    const GridHeader& header = reader.header();
    EXPECT_EQ(header.rows, sample.header.rows);
    EXPECT_EQ(header.columns, sample.header.columns);
    EXPECT_EQ(header.xNorthWest, sample.header.xNorthWest);
    EXPECT_EQ(header.yNorthWest, sample.header.yNorthWest);
    EXPECT_EQ(header.spacingX, sample.header.spacingX);
    EXPECT_EQ(header.spacingY, sample.header.spacingY);
    GridHeight height;
    std::int64_t count = 0;
    double lowest = 1e300, highest = -1e300;
    while (reader.next(height)) {
      ++count;
      lowest = std::min(lowest, height.z);
      highest = std::max(highest, height.z);
    }
    EXPECT_EQ(count, header.nodeCount());
    EXPECT_GE(lowest, sample.lowest);
    EXPECT_LE(highest, sample.highest);
  }
}

TEST(Samples, ExampleGridsHoldTheHelpTextsHeights) {
  GridReader example(std::string(SUITE_SAMPLES) + "/example-3x3.dtm");
  GridHeight height;
  for (int k = 0; k < 6; ++k) example.next(height);
  EXPECT_EQ(height.row, 2);
  EXPECT_EQ(height.column, 3);
  EXPECT_EQ(height.z, 30);

  GridReader cell(std::string(SUITE_SAMPLES) + "/cell-6x5.dtm");
  for (int k = 0; k < 20; ++k) cell.next(height);  // row 4, column 5: the 27 before the blank
  EXPECT_EQ(height.z, 27);
  cell.next(height);
  EXPECT_EQ(height.row, 5);
  EXPECT_EQ(height.column, 1);
  EXPECT_EQ(height.z, 26);
}

}  // namespace
}  // namespace suite
