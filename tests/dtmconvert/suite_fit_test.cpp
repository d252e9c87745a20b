// What the summary tells of each program agrees with what the program itself does.
#include "dtmconvert/suite_fit.h"

#include <gtest/gtest.h>

#include "dtmconvert/grid_summary.h"
#include "isolines/contour_run.h"
#include "stereo/stereo_window.h"
#include "tests/dtmconvert/test_rasters.h"
#include "tests/stereo/golden.h"

namespace dtmconvert {
namespace {

suite::GridHeader gridOf(std::int32_t rows, std::int32_t columns, double a, double b) {
  suite::GridHeader header;
  header.rows = rows;
  header.columns = columns;
  header.xNorthWest = 1000;
  header.yNorthWest = 9000;
  header.spacingX = a;
  header.spacingY = b;
  return header;
}

bool mentions(const std::vector<std::string>& lines, const std::string& text) {
  for (const std::string& line : lines)
    if (line.find(text) != std::string::npos) return true;
  return false;
}

TEST(SuiteFit, TheLargestBaseKeepsFlightsimsStereoWindowWithinItsLimitAndALongerOneDoesNot) {
  for (const auto& [a, b] : {std::pair{10.0, 10.0}, std::pair{25.0, 40.0}, std::pair{0.5, 2.0}}) {
    const suite::GridHeader cells = gridOf(100000, 100000, a, b);
    const SuiteFit fit = suiteFitOf(cells, kReferenceScreen);
    // Flown from a node well inside the grid, as flightsim computes its window.
    const double leftX = cells.nodeX(50000);
    const double leftY = cells.nodeY(50000);
    for (const auto& [base, most] :
         {std::pair{fit.largestBaseDrawn, fit.stereoMostDrawn},
          std::pair{fit.largestBaseSimulated, fit.stereoMostSimulated}}) {
      // The base is bisected to the step where the window grows: just below it, as the summary
      // shows it (cut down), the window keeps within the limit wherever the node lies.
      EXPECT_LE(suite::stereoWindowOf(cells, leftX, leftY, base * (1 - 1e-9)).nodeCount(), most)
          << a;
      EXPECT_GT(suite::stereoWindowOf(cells, leftX, leftY, base * 1.001 + 1e-9).nodeCount(), most)
          << a;
    }
    EXPECT_EQ(fit.stereoMostDrawn, 2500);
    EXPECT_LT(fit.largestBaseSimulated, fit.largestBaseDrawn);
  }
}

TEST(SuiteFit, IsolinesGetsThePixelsPerCellItsOwnDrawingComputesOnThatScreen) {
  testing::ScratchFolder scratch;
  const std::string path =
      scratch.write("maunga.dtm", suite::testing::fileBytes(SUITE_SAMPLES "/maunga-whau.dtm"));
  for (const suite::TwipsSize screen : {kReferenceScreen, suite::TwipsSize{1280 * 15, 1024 * 15}}) {
    isolines::ContourRunInput input;
    input.dtmPath = path;
    input.screenWidthTwips = screen.width;
    input.screenHeightTwips = screen.height;
    const isolines::ContourMap map = isolines::computeContourMap(input);
    const SuiteFit fit = suiteFitOf(map.header, screen);
    EXPECT_EQ(fit.pixelsPerCellX, map.cells.alongX);
    EXPECT_EQ(fit.pixelsPerCellY, map.cells.alongY);
    EXPECT_GT(fit.pixelsPerCellX, 0);
  }
}

TEST(SuiteFit, SaysWhenAProgramCanDoNothingWithTheGrid) {
  // More columns than the contour map has pixels: the map stays blank.
  const SuiteFit wide = suiteFitOf(gridOf(50, 3000, 10, 10), kReferenceScreen);
  EXPECT_EQ(wide.pixelsPerCellX, 0);
  EXPECT_LT(wide.mostColumnsDrawn, 3000);
  const std::vector<std::string> wideLines = suiteFitLines(gridOf(50, 3000, 10, 10), wide);
  EXPECT_TRUE(mentions(wideLines, "δεν θα δείξει τίποτα")) << wideLines[3];
  EXPECT_TRUE(mentions(wideLines, "1920 × 1080"));

  // One row: no cell to interpolate in or draw contours across.
  const suite::GridHeader row = gridOf(1, 40, 10, 10);
  const std::vector<std::string> rowLines = suiteFitLines(row, suiteFitOf(row, kReferenceScreen));
  EXPECT_TRUE(mentions(rowLines, "cellinterp: το πλέγμα δεν έχει κελί"));
  EXPECT_TRUE(mentions(rowLines, "isolines: το πλέγμα δεν έχει κελί"));
  EXPECT_TRUE(mentions(rowLines, "όλο το πλέγμα (40 κόμβοι) χωρά"));

  // Beyond the perspective's and cellinterp's node limits.
  const suite::GridHeader huge = gridOf(20000, 20000, 1, 1);
  const SuiteFit hugeFit = suiteFitOf(huge, kReferenceScreen);
  EXPECT_FALSE(hugeFit.perspectiveDraws);
  EXPECT_FALSE(hugeFit.cellGridHeld);
  const std::vector<std::string> hugeLines = suiteFitLines(huge, hugeFit);
  EXPECT_TRUE(mentions(hugeLines, "vantage: δεν σχεδιάζει"));
  EXPECT_TRUE(mentions(hugeLines, "cellinterp: δεν κρατά"));
}

TEST(Summary, TellsTheGridItsHeightsAndTheFilledNodesBeforeThePrograms) {
  GridSummary summary;
  summary.header = gridOf(61, 87, 10, 10);
  summary.systemName = "EPSG:2193 NZGD2000 / New Zealand Transverse Mercator 2000";
  summary.systemWhy = "το σύστημα της πηγής";
  summary.lowest = 94;
  summary.highest = 195.004;
  summary.rangeEstimated = true;
  summary.filled = 1;
  summary.fit = suiteFitOf(summary.header, kReferenceScreen);
  const std::vector<std::string> lines = summaryLines(summary);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "Πλέγμα: n = 61 γραμμές, m = 87 στήλες, 5307 κόμβοι.");
  EXPECT_EQ(lines[1], "Κελί: a = 10, b = 10· βορειοδυτικός κόμβος X = 1000, Y = 9000.");
  EXPECT_EQ(lines[3], "Υψόμετρα: περίπου από 94 έως 195, με 2 δεκαδικά.");
  EXPECT_EQ(lines[4], "Συμπληρώθηκαν από τους γείτονές τους 1 κόμβος χωρίς δεδομένα.");
  EXPECT_EQ(lines[5].rfind("flightsim:", 0), 0u);
  EXPECT_EQ(lines[8].rfind("isolines:", 0), 0u);
}

}  // namespace
}  // namespace dtmconvert
