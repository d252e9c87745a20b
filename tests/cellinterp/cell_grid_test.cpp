#include "cellinterp/cell_grid.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/dtm/scratch_folder.h"
#include "text/user_error.h"

namespace cellinterp {
namespace {

using suite::dtm_testing::ScratchFolder;
using ::testing::HasSubstr;

const std::string kHelpExample = SUITE_SAMPLES "/cell-6x5.dtm";

/// The message of the UserError that reading `path` throws; fails the test when none is thrown.
std::string failureOf(const std::string& path) {
  try {
    readCellGrid(path);
  } catch (const suite::UserError& error) {
    return error.what();
  }
  ADD_FAILURE() << "no UserError for " << path;
  return "";
}

TEST(CellGrid, HoldsEveryHeightOfTheHelpExampleInFileOrder) {
  const CellGrid grid = readCellGrid(kHelpExample);
  EXPECT_EQ(grid.header.rows, 6);
  EXPECT_EQ(grid.header.columns, 5);
  EXPECT_EQ(grid.header.xNorthWest, 500);
  EXPECT_EQ(grid.header.yNorthWest, 1000);
  EXPECT_EQ(grid.header.spacingX, 50);
  EXPECT_EQ(grid.header.spacingY, 50);
  const std::vector<double> heights = {28, 35, 67, 45, 12, 14, 29, 71, 42, 18, 16, 37, 82, 53, 23,
                                       22, 41, 86, 48, 27, 26, 39, 93, 57, 35, 29, 42, 98, 53, 38};
  EXPECT_EQ(grid.heights, heights);
  EXPECT_EQ(grid.height(1), 28);
  EXPECT_EQ(grid.height(21), 26);  // after the blank that stands for a comma
  EXPECT_EQ(grid.height(30), 38);
  EXPECT_TRUE(grid.hasCells());
}

TEST(CellGrid, ReadsNothingAfterTheLastHeightAndKnowsAGridWithoutCells) {
  ScratchFolder folder;
  const CellGrid row = readCellGrid(folder.write("row.dtm", "1,3,0,0,1,1\n4 5 6\nnot read"));
  EXPECT_EQ(row.heights, (std::vector<double>{4, 5, 6}));
  EXPECT_FALSE(row.hasCells());
  EXPECT_FALSE(readCellGrid(folder.write("column.dtm", "3,1,0,0,1,1,7,8,9")).hasCells());
}

TEST(CellGrid, RefusesAFileThatIsMissingOrEndsEarlyNamingIt) {
  ScratchFolder folder;
  const std::string missing = folder.path() + "/none.dtm";
  EXPECT_THAT(failureOf(missing), HasSubstr("«" + missing + "»"));
  const std::string shortFile = folder.write("short.dtm", "2,2,0,0,1,1\n1,2,3\n");
  EXPECT_THAT(failureOf(shortFile), HasSubstr("τελειώνει"));
  EXPECT_THAT(failureOf(folder.write("zero.dtm", "2,2,0,0,0,1,1,2,3,4")), HasSubstr("θετικός"));
}

TEST(CellGrid, RefusesAGridBeyondTheBoundFromItsHeaderAlone) {
  ScratchFolder folder;
  // 16385 × 16384 = 268 451 840 nodes: refused before a height is looked for.
  const std::string tooLarge = failureOf(folder.write("large.dtm", "16385,16384,0,0,1,1\n"));
  EXPECT_THAT(tooLarge, HasSubstr("268451840 κόμβους"));
  EXPECT_THAT(tooLarge, HasSubstr("το πολύ 268435456 κόμβους"));
  // 5000 × 5000 is within the bound: only its missing heights are refused.
  EXPECT_THAT(failureOf(folder.write("square.dtm", "5000,5000,0,0,1,1\n")), HasSubstr("τελειώνει"));
}

TEST(CellGrid, HoldsAGridOf5000By5000Nodes) {
  ScratchFolder folder;
  const std::string path = folder.path() + "/square.dtm";
  {
    std::ofstream out(path, std::ios::binary);
    out << "5000,5000,0,0,1,1\n";
    const std::string row = [] {
      std::string text;
      for (int j = 0; j < 5000; ++j) text += "7 ";
      return text + "\n";
    }();
    for (int i = 0; i < 5000; ++i) out << row;
  }
  const CellGrid grid = readCellGrid(path);
  EXPECT_EQ(grid.heights.size(), std::size_t{25'000'000});
  EXPECT_EQ(grid.height(25'000'000), 7);
}

}  // namespace
}  // namespace cellinterp
