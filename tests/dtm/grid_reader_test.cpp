#include "dtm/grid_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "tests/dtm/scratch_folder.h"
#include "text/user_error.h"

namespace suite {
namespace {

using dtm_testing::fieldsOf;
using dtm_testing::ScratchFolder;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

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
  try {
    readGrid(folder.write("grid.dtm", bytes));
  } catch (const UserError& error) {
    return error.what();
  }
  return "no failure";
}

// Layouts of the same 3 x 3 grid; values after the ninth height are never read.
TEST(GridReader, ExampleGridReadsTheSameInEveryLayoutAndIgnoresSurplus) {
  ScratchFolder folder;
  const std::string fourLines =
      " 3,3,10000,11900,100,100\n 10, 110, 80\n 15, 175, 30\n 80,180,60\n";
  for (const std::string& text :
       {fourLines,
        std::string("3\n3\n10000\n11900\n100\n100\n10\n110\n80\n15\n175\n30\n80\n180\n60"),
        std::string("3 3 10000 11900 100 100 10 110 80 15 175 30 80 180 60"),
        std::string("3\t3\t10000\t11900\t100\t100\r\n10\t110\t80\t15, \t175\t30\r\n80\t180\t60"),
        fourLines + "7,8 9\n", fourLines + "12abc,,\n"}) {
    const Grid grid = readGrid(folder.write("example.dtm", text));
    EXPECT_EQ(fieldsOf(grid.header), std::make_tuple(3, 3, 10000., 11900., 100., 100.));
    EXPECT_THAT(grid.heights, ElementsAre(10, 110, 80, 15, 175, 30, 80, 180, 60)) << text;
  }
}

TEST(GridReader, SingleRowSingleColumnAndSignedFractionalOrExponentNumbers) {
  ScratchFolder folder;
  const Grid row =
      readGrid(folder.write("row.dtm", "1,4,-1.5e3,4.1E6,0.5,2.5e-1\n-12.5,-.25,1e2,+3"));
  EXPECT_EQ(fieldsOf(row.header), std::make_tuple(1, 4, -1500., 4100000., 0.5, 0.25));
  EXPECT_THAT(row.heights, ElementsAre(-12.5, -0.25, 100, 3));
  const Grid column = readGrid(folder.write("column.dtm", "3.0,1,0,0,10,10\n-1\n0\n1e0\n"));
  EXPECT_EQ(fieldsOf(column.header), std::make_tuple(3, 1, 0., 0., 10., 10.));
  EXPECT_THAT(column.heights, ElementsAre(-1, 0, 1));
}

TEST(GridReader, GridLargerThanTheReadBufferStreamsThrough) {
  ScratchFolder folder;
  std::string text = "400,300,0,0,1,1\n";
  double expectedSum = 0;
  for (int i = 0; i < 400 * 300; ++i) {
    const int whole = (i * 7919) % 100000 - 50000;  // up to "-50000.25, ": well over 256 KiB
    text += std::to_string(whole) + ".25" + (i % 300 == 299 ? "\r\n" : ", ");
    expectedSum += whole < 0 ? whole - 0.25 : whole + 0.25;
  }
  const Grid grid = readGrid(folder.write("big.dtm", text));
  ASSERT_EQ(grid.heights.size(), 120000u);
  double sum = 0;
  for (double z : grid.heights) sum += z;
  EXPECT_EQ(sum, expectedSum);  // exact: every partial sum is a multiple of 0.25 below 2^40
}

TEST(GridReader, ShortMalformedOrOutOfRangeGridIsReportedWithItsPlace) {
  ScratchFolder folder;
  const std::string in = "Στο αρχείο «" + folder.path() + "/grid.dtm», ";
  const std::string header = "3,3,10000,11900,100,100\n";
  const std::string wholeFromOne = ": πρέπει να είναι ακέραιος αριθμός από 1 έως 2147483647.";
  const struct {
    std::string bytes;
    std::string expected;
  } cases[] = {
      {"3,3,10000\n",
       "τελειώνει πριν από την τιμή 4 (Υ της βορειοδυτικής κορυφής του "
       "πλέγματος). Η τελευταία τιμή του, η 3, βρίσκεται στη γραμμή 1."},
      {header + "10,110,80\n15,175\n",
       "πριν από την τιμή 12 (ύψος της γραμμής 2, στήλης 3 του "
       "πλέγματος). Η τελευταία τιμή του, η 11, βρίσκεται στη γραμμή 3."},
      {header + "10,110,80\n15,175,30\n80,18O,60\n",
       in + "γραμμή 4, η τιμή 14 («18O») δεν είναι αριθμός (ύψος της γραμμής 3, στήλης 2 του "
            "πλέγματος)."},
      {header + "10,,110", in + "γραμμή 2, η τιμή 8 λείπει"},
      {"3.5,3,0,0,1,1",
       in + "γραμμή 1, η τιμή 1 (πλήθος γραμμών του πλέγματος) είναι 3.5" + wholeFromOne},
      {"0,3,0,0,1,1", "είναι 0" + wholeFromOne},
      {"\n3,\n-2,0,0,1,1",
       in + "γραμμή 3, η τιμή 2 (πλήθος στηλών του πλέγματος) είναι -2" + wholeFromOne},
      {"3e9,1,0,0,1,1", "είναι 3000000000" + wholeFromOne},
      {"3,3,0,0,0,1", in + "γραμμή 1, η τιμή 5 (απόσταση των κόμβων κατά Χ, α) είναι 0: πρέπει "
                           "να είναι θετικός αριθμός."},
      {"3,3,0,0,1,-100", "η τιμή 6 (απόσταση των κόμβων κατά Υ, β) είναι -100"},
      {"50000,50000,0,0,1,1",
       "Το πλέγμα του αρχείου «" + folder.path() +
           "/grid.dtm» έχει 50000 γραμμές και 50000 "
           "στήλες, δηλαδή 2500000000 κόμβους: οι κόμβοι δεν μπορούν να είναι περισσότεροι από "
           "2147483647."},
      // The largest grid that fits passes the header check, then ends early.
      {"2147483647,1,0,0,1,1", "πριν από την τιμή 7"},
  };
  for (const auto& c : cases) EXPECT_THAT(failureOf(folder, c.bytes), HasSubstr(c.expected));
}

}  // namespace
}  // namespace suite

namespace suite {
namespace {

// A header value whose plain decimal form runs to hundreds of digits is quoted in its shortest
// form with an exponent, never cut or filled with whatever the buffer held.
TEST(GridReader, HeaderValuesOfAnyMagnitudeAreQuotedInFull) {
  ScratchFolder folder;
  const std::string whole = ": πρέπει να είναι ακέραιος αριθμός από 1 έως 2147483647.";
  const std::string positive = ": πρέπει να είναι θετικός αριθμός.";
  const struct {
    std::string bytes;
    std::string expected;
  } cases[] = {
      {"1e-70 2 0 0 1 1\n1 2 3 4\n", "(πλήθος γραμμών του πλέγματος) είναι 1e-70" + whole},
      {"2 4.9406564584124654e-324 0 0 1 1", "είναι 5e-324" + whole},
      {"1e300 2 0 0 1 1", "είναι 1e+300" + whole},
      {"2 -123456789012345678 0 0 1 1", "είναι -1.2345678901234568e+17" + whole},
      {"2 0.00001 0 0 1 1", "είναι 0.00001" + whole},
      {"2 2 0 0 -1e-70 1", "(απόσταση των κόμβων κατά Χ, α) είναι -1e-70" + positive},
      {"2 2 0 0 1 -1.7976931348623157e308", "είναι -1.7976931348623157e+308" + positive},
  };
  for (const auto& c : cases) EXPECT_THAT(failureOf(folder, c.bytes), HasSubstr(c.expected));
}

// A header that announces far more heights than the file can hold: what a caller reserves for
// them is bounded by the file's size, and the file is refused where it ends.
TEST(GridReader, HeightsLeftAtMostAreBoundedByWhatTheFileCanHold) {
  ScratchFolder folder;
  GridReader lying(folder.write("lying.dtm", "16384 16384 0 0 1 1\n1 2 3 4 5 6 7 8 9\n"));
  EXPECT_EQ(lying.header().nodeCount(), std::int64_t{1} << 28);
  EXPECT_LE(lying.heightsLeftAtMost(), 10);
  EXPECT_GE(lying.heightsLeftAtMost(), 9);
  GridHeight height;
  for (int k = 0; k < 9; ++k) ASSERT_TRUE(lying.next(height));
  EXPECT_LE(lying.heightsLeftAtMost(), 1);
  EXPECT_THROW(lying.next(height), UserError);

  // An honest file: exactly the heights the header announces, counting down to none.
  GridReader honest(folder.write("honest.dtm", "2 3 0 0 1 1\n1,2,3\n4,5,6"));
  EXPECT_EQ(honest.heightsLeftAtMost(), 6);
  for (int k = 6; k > 0; --k) {
    ASSERT_TRUE(honest.next(height));
    EXPECT_EQ(honest.heightsLeftAtMost(), k - 1);
  }
}

TEST(GridReader, ReadsAGridHeldInMemory) {
  const std::string bytes = " 3,3,10000,11900,100,100\n 10, 110, 80\n 15, 175, 30\n 80,180,60\n";
  GridReader reader(std::make_unique<NumberScanner>(NumberScanner::InMemory{"example", bytes}, 6));
  EXPECT_EQ(fieldsOf(reader.header()), std::make_tuple(3, 3, 10000.0, 11900.0, 100.0, 100.0));
  std::vector<double> heights;
  GridHeight height;
  while (reader.next(height)) heights.push_back(height.z);
  EXPECT_THAT(heights, ElementsAre(10, 110, 80, 15, 175, 30, 80, 180, 60));
}

}  // namespace
}  // namespace suite
