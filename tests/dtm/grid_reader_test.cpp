#include "dtm/grid_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/dtm/scratch_folder.h"
#include "text/user_error.h"

namespace suite {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using dtm_testing::ScratchFolder;

struct Grid {
  GridHeader header;
  std::vector<double> heights;
};

// Reads the whole grid, checking that every height comes with the next row and column.
Grid readGrid(const std::string& path) {
  GridReader reader(path);
  Grid grid{reader.header(), {}};
  GridHeight height;
  while (reader.next(height)) {
    const auto index = static_cast<std::int32_t>(grid.heights.size());
    EXPECT_EQ(height.row, index / grid.header.columns + 1);
    EXPECT_EQ(height.column, index % grid.header.columns + 1);
    grid.heights.push_back(height.z);
  }
  EXPECT_FALSE(reader.next(height));  // stays at the end
  return grid;
}

std::string failureOf(const ScratchFolder& folder, const std::string& bytes) {
  const std::string path = folder.write("grid.dtm", bytes);
  try {
    readGrid(path);
  } catch (const UserError& error) {
    return error.what();
  }
  ADD_FAILURE() << "no failure for: " << bytes;
  return "";
}

TEST(GridReader, ExampleGridReadsTheSameInEveryLayout) {
  ScratchFolder folder;
  const std::string fourLines =
      " 3,3,10000,11900,100,100\n 10, 110, 80\n 15, 175, 30\n 80,180,60\n";
  for (const std::string& text :
       {fourLines, std::string("3\n3\n10000\n11900\n100\n100\n10\n110\n80\n15\n175\n30\n80\n180\n60"),
        std::string("3 3 10000 11900 100 100 10 110 80 15 175 30 80 180 60"),
        std::string("3\t3\t10000\t11900\t100\t100\r\n10\t110\t80\t15, \t175\t30\r\n80\t180\t60"),
        fourLines + "7,8 9\n", fourLines + "12abc,,\n", std::string("3,3,10000,11900,100,100,10,"
                                                                     "110,80,15,175,30,80,180,60,")}) {
    const Grid grid = readGrid(folder.write("example.dtm", text));
    EXPECT_EQ(grid.header.rows, 3);
    EXPECT_EQ(grid.header.columns, 3);
    EXPECT_EQ(grid.header.xNorthWest, 10000);
    EXPECT_EQ(grid.header.yNorthWest, 11900);
    EXPECT_EQ(grid.header.spacingX, 100);
    EXPECT_EQ(grid.header.spacingY, 100);
    EXPECT_THAT(grid.heights, ElementsAre(10, 110, 80, 15, 175, 30, 80, 180, 60)) << text;
  }
}

TEST(GridReader, SingleRowSingleColumnAndSignedFractionalOrExponentNumbers) {
  ScratchFolder folder;
  const Grid row = readGrid(folder.write("row.dtm", "1,4,-1.5e3,4.1E6,0.5,2.5e-1\n-12.5,-.25,1e2,+3"));
  EXPECT_EQ(row.header.xNorthWest, -1500);
  EXPECT_EQ(row.header.yNorthWest, 4100000);
  EXPECT_EQ(row.header.spacingX, 0.5);
  EXPECT_EQ(row.header.spacingY, 0.25);
  EXPECT_THAT(row.heights, ElementsAre(-12.5, -0.25, 100, 3));

  const Grid column = readGrid(folder.write("column.dtm", "3.0,1,0,0,10,10\n-1\n0\n1e0\n"));
  EXPECT_EQ(column.header.rows, 3);
  EXPECT_THAT(column.heights, ElementsAre(-1, 0, 1));
}

TEST(GridReader, GridLargerThanTheReadBufferStreamsThrough) {
  ScratchFolder folder;
  std::string text = "400,300,0,0,1,1\n";
  double expectedSum = 0;
  for (int i = 0; i < 400 * 300; ++i) {
    const int value = (i * 7919) % 100000 - 50000;  // up to "-50000.25, ": well over 256 KiB
    text += std::to_string(value) + ".25" + (i % 300 == 299 ? "\r\n" : ", ");
    expectedSum += value < 0 ? value - 0.25 : value + 0.25;
  }
  const Grid grid = readGrid(folder.write("big.dtm", text));
  ASSERT_EQ(grid.heights.size(), 120000u);
  double sum = 0;
  for (double z : grid.heights) sum += z;
  EXPECT_EQ(sum, expectedSum);  // exact: every partial sum is a multiple of 0.25 below 2^40
}

TEST(GridReader, ShortOrMalformedGridNamesFileValueLineAndNode) {
  ScratchFolder folder;
  const std::string header = "3,3,10000,11900,100,100\n";
  EXPECT_THAT(failureOf(folder, "3,3,10000\n"),
              AllOf(HasSubstr("grid.dtm» τελειώνει πριν από την τιμή 4"),
                    HasSubstr("(Υ της βορειοδυτικής κορυφής του πλέγματος)"),
                    HasSubstr("στη γραμμή 1")));
  EXPECT_THAT(failureOf(folder, header + "10,110,80\n15,175\n"),
              AllOf(HasSubstr("πριν από την τιμή 12 (ύψος της γραμμής 2, στήλης 3 του πλέγματος)"),
                    HasSubstr("η 11, βρίσκεται στη γραμμή 3")));
  EXPECT_THAT(failureOf(folder, header + "10,110,80\n15,175,30\n80,18O,60\n"),
              AllOf(HasSubstr("γραμμή 4, η τιμή 14 («18O») δεν είναι αριθμός"),
                    HasSubstr("(ύψος της γραμμής 3, στήλης 2 του πλέγματος)")));
  EXPECT_THAT(failureOf(folder, header + "10,,110"),
              AllOf(HasSubstr("γραμμή 2, η τιμή 8 λείπει"), HasSubstr("γραμμής 1, στήλης 2")));
}

TEST(GridReader, HeaderOutsideItsRangeIsRefused) {
  ScratchFolder folder;
  const std::string wholeFromOne = "πρέπει να είναι ακέραιος αριθμός από 1 έως 2147483647";
  EXPECT_THAT(failureOf(folder, "3.5,3,0,0,1,1"),
              AllOf(HasSubstr("grid.dtm», γραμμή 1, η τιμή 1 (πλήθος γραμμών του πλέγματος) "
                              "είναι 3.5"),
                    HasSubstr(wholeFromOne)));
  EXPECT_THAT(failureOf(folder, "0,3,0,0,1,1"), HasSubstr("είναι 0: " + wholeFromOne));
  EXPECT_THAT(failureOf(folder, "\n3,\n-2,0,0,1,1"),
              AllOf(HasSubstr("γραμμή 3, η τιμή 2 (πλήθος στηλών του πλέγματος) είναι -2"),
                    HasSubstr(wholeFromOne)));
  EXPECT_THAT(failureOf(folder, "3e9,1,0,0,1,1"), HasSubstr("είναι 3000000000: " + wholeFromOne));
  EXPECT_THAT(failureOf(folder, "3,3,0,0,0,1"),
              HasSubstr("η τιμή 5 (απόσταση των κόμβων κατά Χ, α) είναι 0: πρέπει να είναι "
                        "θετικός αριθμός."));
  EXPECT_THAT(failureOf(folder, "3,3,0,0,1,-100"),
              HasSubstr("η τιμή 6 (απόσταση των κόμβων κατά Υ, β) είναι -100"));
  EXPECT_THAT(failureOf(folder, "50000,50000,0,0,1,1"),
              HasSubstr("έχει 50000 γραμμές και 50000 στήλες, δηλαδή 2500000000 κόμβους"));
  // The largest grid that fits passes the header check (and then ends early).
  EXPECT_THAT(failureOf(folder, "2147483647,1,0,0,1,1"), HasSubstr("πριν από την τιμή 7"));
}

}  // namespace
}  // namespace suite
