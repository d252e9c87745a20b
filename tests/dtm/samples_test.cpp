#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dtm/grid_reader.h"
#include "tests/dtm/scratch_folder.h"

namespace suite {
namespace {

TEST(Samples, EverySampleReadsWholeWithItsHeaderAndHeights) {
  const struct {
    const char* file;
    GridHeader header;
    double lowest, highest;
    std::int64_t node;  // a node, counted from 0 in file order, and its height
    double z;
  } samples[] = {
      {"example-3x3.dtm", {3, 3, 10000, 11900, 100, 100}, 10, 180, 5, 30},
      {"cell-6x5.dtm", {6, 5, 500, 1000, 50, 50}, 12, 98, 20, 26},  // after "27 26"
      {"hills-30x30.dtm", {30, 30, 632000, 4132000, 100, 100}, 80, 260, 0, 141},
      {"maunga-whau.dtm", {61, 87, 0, 600, 10, 10}, 94, 195, 87, 104},  // row 2, column 1
  };
  for (const auto& sample : samples) {
    SCOPED_TRACE(sample.file);
    GridReader reader(std::string(SUITE_SAMPLES) + "/" + sample.file);
    EXPECT_EQ(dtm_testing::fieldsOf(reader.header()), dtm_testing::fieldsOf(sample.header));
    GridHeight height;
    std::int64_t count = 0;
    double lowest = 1e300, highest = -1e300;
    while (reader.next(height)) {
      if (count++ == sample.node) {
        EXPECT_EQ(height.z, sample.z);
      }
      lowest = std::min(lowest, height.z);
      highest = std::max(highest, height.z);
    }
    EXPECT_EQ(count, reader.header().nodeCount());
    EXPECT_GE(lowest, sample.lowest);
    EXPECT_LE(highest, sample.highest);
  }
}

}  // namespace
}  // namespace suite
