#include "cellinterp/shown_values.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cellinterp/help_text.h"

namespace cellinterp {
namespace {

TEST(ShownValues, GridSizeIsColumnsByRows) {
  suite::GridHeader header;
  header.rows = 6;
  header.columns = 5;
  EXPECT_EQ(gridSizeText(header), "5x6");
  header.rows = 120;
  header.columns = 80;
  EXPECT_EQ(gridSizeText(header), "80x120");
  header.rows = 5000;
  header.columns = 5000;
  EXPECT_EQ(gridSizeText(header), "5000x5000");
}

TEST(ShownValues, EachBoxHasItsMask) {
  EXPECT_EQ(cornerTexts({57, 35.25, 0.5, -3}),
            (std::array<std::string, 4>{"57.000", "35.250", ".500", "-3.000"}));
  InterpolatedPoint point;
  point.local = {10, 40.00000000000001};
  point.ground = {610, 940.0004};
  point.z = 67.4;
  const PointTexts texts = pointTexts(point);
  EXPECT_EQ(texts.u, "10.000");
  EXPECT_EQ(texts.v, "40.000");
  EXPECT_EQ(texts.x, "610.000");
  EXPECT_EQ(texts.y, "940.000");
  EXPECT_EQ(texts.z, "67.4");
  point.z = 25;
  EXPECT_EQ(pointTexts(point).z, "25.");
  point.z = 19.999999999999993;  // the north-east corner of a click at (W, 0)
  EXPECT_EQ(pointTexts(point).z, "20.");
  point.z = 0.12345;
  EXPECT_EQ(pointTexts(point).z, ".123");
}

TEST(HelpText, HasItsThirtyTwoLinesWithTheSampleFileInLinesSevenToNine) {
  const std::vector<std::string>& lines = helpLines();
  ASSERT_EQ(lines.size(), std::size_t{32});
  for (std::size_t k : {0, 1, 2, 5, 9, 20, 24, 28, 31}) EXPECT_EQ(lines[k], "  ") << k + 1;
  EXPECT_EQ(lines[3], "   Το παρόν πρόγραμμα  για να λειτουργήσει πρέπει να έχει ");
  EXPECT_EQ(lines[8], "   41,86,48,27 26,39,93,57,35,29,42,98,53,38");
  EXPECT_EQ(lines[30], "  και πατήσετε το κουμπί *κάνε παρεμβολή <Διγραμμική>* ");

  // The sample the program ships is the help's example, line for line.
  std::ifstream sample(SUITE_SAMPLES "/cell-6x5.dtm");
  std::string line;
  for (std::size_t k = 6; k <= 8; ++k) {
    ASSERT_TRUE(std::getline(sample, line));
    EXPECT_EQ("   " + line, lines[k]);
  }
}

}  // namespace
}  // namespace cellinterp
