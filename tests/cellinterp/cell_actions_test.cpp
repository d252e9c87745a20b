#include "cellinterp/cell_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/dtm/scratch_folder.h"
#include "text/user_error.h"

namespace cellinterp {
namespace {

using suite::dtm_testing::ScratchFolder;
using ::testing::HasSubstr;

const std::string kHelpExample = SUITE_SAMPLES "/cell-6x5.dtm";
const std::string kExample3x3 = SUITE_SAMPLES "/example-3x3.dtm";

/// The state of a window whose picture is 855 × 735 twips.
CellState freshState() {
  CellState state;
  state.pictureWidthTwips = 855;
  state.pictureHeightTwips = 735;
  return state;
}

/// The help example loaded with the row and column boxes at `row` and `column`.
CellState loadedState(const char* row = "1", const char* column = "1") {
  CellState state = freshState();
  loadGridFile(state, kHelpExample, row, column);
  return state;
}

/// The message of the UserError `action` throws; fails the test when none is thrown.
template <typename Action>
std::string messageOf(Action action) {
  try {
    action();
  } catch (const suite::UserError& error) {
    return error.what();
  }
  ADD_FAILURE() << "no UserError";
  return "";
}

std::pair<std::int32_t, std::int32_t> cellOf(const CellState& state) {
  if (!state.cell) return {0, 0};
  return {state.cell->row, state.cell->column};
}

TEST(RowAndColumn, ReadByTheLeadingNumberRuleAndRoundedHalvesToEven) {
  EXPECT_EQ(wholeNumberFromText("2.5"), 2);
  EXPECT_EQ(wholeNumberFromText("3.5"), 4);
  EXPECT_EQ(wholeNumberFromText(" 3abc"), 3);
  EXPECT_EQ(wholeNumberFromText(""), 0);
  EXPECT_EQ(wholeNumberFromText("2147483647"), 2147483647);
  EXPECT_EQ(wholeNumberFromText("-2147483648.5"), -2147483648);
  // Beyond 32 bits, also beyond a double: no number at all.
  EXPECT_EQ(wholeNumberFromText("2147483647.5"), std::nullopt);
  EXPECT_EQ(wholeNumberFromText("4294967297"), std::nullopt);
  EXPECT_EQ(wholeNumberFromText("-2147483649"), std::nullopt);
  EXPECT_EQ(wholeNumberFromText("1e400"), std::nullopt);
}

TEST(RowAndColumn, AcceptEveryCellOfTheHelpGridAndNothingOutsideIt) {
  const CellGrid grid = readCellGrid(kHelpExample);
  const std::optional<AcceptedCell> southEast = cellFromTexts("5", "4", grid.header);
  ASSERT_TRUE(southEast);
  EXPECT_EQ(southEast->cornerNodes, (std::array<std::int64_t, 4>{24, 25, 29, 30}));
  const CellCorners corners = cornerHeights(grid, *southEast);
  EXPECT_EQ(corners.northWest, 57);
  EXPECT_EQ(corners.northEast, 35);
  EXPECT_EQ(corners.southWest, 53);
  EXPECT_EQ(corners.southEast, 38);
  EXPECT_EQ(cellFromTexts("2.5", "3.5", grid.header)->row, 2);
  EXPECT_EQ(cellFromTexts("2.5", "3.5", grid.header)->column, 4);

  for (const auto& [row, column] :
       std::vector<std::pair<const char*, const char*>>{{"6", "1"},
                                                        {"1", "5"},
                                                        {"0", "1"},
                                                        {"1", "0"},
                                                        {"", "1"},
                                                        {"1", ""},
                                                        {"-1", "1"},
                                                        {"abc", "2"},
                                                        {"4294967297", "1"},
                                                        {"1", "1e400"}}) {
    EXPECT_FALSE(cellFromTexts(row, column, grid.header)) << row << ", " << column;
  }
}

TEST(CellActions, RefuseEveryActionOnTheCellBeforeALoad) {
  CellState state = freshState();
  EXPECT_EQ(messageOf([&] { applyRowColumn(state, "1", "1"); }), kNoFileMessage);
  EXPECT_EQ(messageOf([&] { interpolateAtClick(state, 10, 10); }), kNoFileMessage);
  EXPECT_EQ(messageOf([&] { interpolateTyped(state, "10", "10"); }), kNoFileMessage);
  EXPECT_FALSE(state.fileName);
  EXPECT_FALSE(state.cell);
}

TEST(CellActions, ALoadAppliesTheBoxesToTheNewGrid) {
  CellState state = freshState();
  const LoadOutcome first = loadGridFile(state, kHelpExample, "5", "4");
  EXPECT_TRUE(state.fileName);
  EXPECT_EQ(state.fileName, kHelpExample);
  EXPECT_TRUE(first.cellAccepted);
  EXPECT_FALSE(first.notice);
  EXPECT_EQ(cellOf(state), std::make_pair(5, 4));

  // Row 5 is beyond the 3 × 3 grid: no cell of the old grid stays, so no corner can point
  // outside the new heights.
  const LoadOutcome second = loadGridFile(state, kExample3x3, "5", "4");
  EXPECT_EQ(state.fileName, kExample3x3);
  EXPECT_EQ(state.grid.header.rows, 3);
  EXPECT_FALSE(second.cellAccepted);
  EXPECT_EQ(second.notice, std::string(kOutsideGridMessage));
  EXPECT_FALSE(state.cell);
  EXPECT_EQ(messageOf([&] { interpolateAtClick(state, 10, 10); }), kOutsideGridMessage);
  EXPECT_FALSE(interpolateTyped(state, "10", "10"));

  loadGridFile(state, kExample3x3, "2", "2");
  EXPECT_EQ(cellOf(state), std::make_pair(2, 2));
}

TEST(CellActions, AFailedOrCancelledLoadKeepsEverythingAndSaysWhy) {
  ScratchFolder folder;
  CellState state = loadedState("2", "3");
  const std::string shortFile = folder.write("short.dtm", "3,3,0,0,1,1\n1 2 3 4\n");
  const std::string message = messageOf([&] { loadGridFile(state, shortFile, "1", "1"); });
  EXPECT_THAT(message, HasSubstr("«" + shortFile + "»"));
  EXPECT_THAT(message, HasSubstr("τελειώνει"));
  EXPECT_THAT(message, HasSubstr("Ισχύει ακόμη το αρχείο «" + kHelpExample + "»."));
  EXPECT_EQ(state.fileName, kHelpExample);
  EXPECT_EQ(state.grid.header.rows, 6);
  EXPECT_EQ(state.grid.heights.size(), std::size_t{30});
  EXPECT_EQ(cellOf(state), std::make_pair(2, 3));

  EXPECT_EQ(cancelledLoadMessage(state),
            "Δεν επιλέχθηκε αρχείο ΨΜΕ. Ισχύει ακόμη το αρχείο «" + kHelpExample + "».");
  EXPECT_EQ(cancelledLoadMessage(freshState()), "Δεν επιλέχθηκε αρχείο ΨΜΕ.");

  // Before any load a failure leaves the program unloaded.
  CellState fresh = freshState();
  EXPECT_THAT(messageOf([&] { loadGridFile(fresh, shortFile, "1", "1"); }),
              ::testing::Not(HasSubstr("Ισχύει")));
  EXPECT_FALSE(fresh.fileName);
}

TEST(CellActions, AGridOfOneRowOrColumnIsReportedAtLoad) {
  ScratchFolder folder;
  CellState state = loadedState();
  const LoadOutcome outcome =
      loadGridFile(state, folder.write("row.dtm", "1,4,0,0,1,1,1,2,3,4"), "1", "1");
  EXPECT_FALSE(outcome.cellAccepted);
  ASSERT_TRUE(outcome.notice);
  EXPECT_THAT(*outcome.notice, HasSubstr("1 γραμμή και 4 στήλες"));
  EXPECT_THAT(*outcome.notice, HasSubstr("κανένα κελί"));
  EXPECT_TRUE(state.fileName);
  EXPECT_FALSE(state.cell);
  EXPECT_EQ(messageOf([&] { interpolateAtClick(state, 10, 10); }), kOutsideGridMessage);
}

TEST(CellActions, ARefusedRowOrColumnKeepsTheCellAcceptedBefore) {
  CellState state = loadedState("2", "3");
  EXPECT_FALSE(applyRowColumn(state, "6", "3"));
  EXPECT_FALSE(applyRowColumn(state, "", "3"));
  EXPECT_EQ(cellOf(state), std::make_pair(2, 3));

  // Clicks and typed values still work on cell (2, 3): X 610, Y 920 for u 10, v 20.
  const std::optional<InterpolatedPoint> typed = interpolateTyped(state, "10", "20");
  ASSERT_TRUE(typed);
  EXPECT_EQ(typed->ground.x, 610);
  EXPECT_EQ(typed->ground.y, 920);
  EXPECT_EQ(typed->z, 71.8);
  EXPECT_EQ(state.lastPoint.u, 10);
  EXPECT_EQ(state.lastPoint.v, 20);
}

TEST(CellActions, AClickUsesTheAcceptedCellAndThePictureSize) {
  CellState state = loadedState("2", "3");
  const InterpolatedPoint point = interpolateAtClick(state, 171, 147);
  EXPECT_EQ(point.local.u, 10);
  EXPECT_DOUBLE_EQ(point.local.v, 40);
  EXPECT_EQ(point.ground.x, 610);
  EXPECT_EQ(point.ground.y, 940);
  EXPECT_DOUBLE_EQ(point.z, 67.4);  // corners 71, 42 north and 82, 53 south
  EXPECT_EQ(state.lastPoint.u, 10);

  // (0, H) is the south-west corner, (0, 0) the north-west one.
  EXPECT_EQ(interpolateAtClick(state, 0, 735).z, 82);
  EXPECT_DOUBLE_EQ(interpolateAtClick(state, 0, 0).z, 71);

  state.pictureWidthTwips = 0;
  EXPECT_THROW(interpolateAtClick(state, 0, 0), suite::UserError);
}

TEST(CellActions, TypedValuesMayLieOutsideTheCellButNotBeyondTheNumbers) {
  CellState state = loadedState("2", "3");
  // u = 100 is twice the cell's width: the plane through the corners goes on.
  const std::optional<InterpolatedPoint> outside = interpolateTyped(state, "100", "0");
  ASSERT_TRUE(outside);
  EXPECT_EQ(outside->ground.x, 700);
  EXPECT_EQ(outside->z, 2 * 53 - 82);

  EXPECT_THAT(messageOf([&] { interpolateTyped(state, "1e300", "1e300"); }),
              HasSubstr("όρια των αριθμών"));
  EXPECT_THAT(messageOf([&] { interpolateTyped(state, "1e400", "1"); }), HasSubstr("1e400"));
  EXPECT_EQ(state.lastPoint.u, 100);
}

}  // namespace
}  // namespace cellinterp
