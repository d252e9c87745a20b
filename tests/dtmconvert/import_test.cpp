// Imports written to DTM grid files: heights as GDAL's own gdalwarp gives them, planes kept,
// nodes without data refused or filled, round trips, and files left whole.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "dtmconvert/grid_export.h"
#include "dtmconvert/grid_import.h"
#include "dtmconvert/grid_text.h"
#include "dtmconvert/sidecar.h"
#include "tests/dtmconvert/sources.h"
#include "tests/stereo/golden.h"
#include "text/user_error.h"

namespace dtmconvert {
namespace {

using testing::GridFile;
using testing::ScratchFolder;

#define SKIP_WITHOUT_GDAL_TOOLS()                                                          \
  if (!testing::haveTool("gdalwarp") || !testing::haveTool("gdal_translate")) {            \
    GTEST_SKIP() << "GDAL's command-line tools (gdalwarp, gdal_translate; Debian package " \
                    "gdal-bin) are not installed";                                         \
  }

ImportResult import(const std::string& source, const std::string& grid,
                    const ImportSettings& settings = {}) {
  const SourceRaster raster(source);
  ImportRequest request;
  request.gridPath = grid;
  request.settings = settings;
  NoProgress quiet;
  return importGrid(raster, request, quiet);
}

/// The gdalwarp options that give the grid's raster: its system, its cells and its bounds
/// (the grid's outer edges, half a cell beyond its outer nodes).
std::vector<std::string> warpOptionsFor(const GridFile& grid, const std::string& system) {
  const double west = grid.xNorthWest - grid.spacingX / 2;
  const double north = grid.yNorthWest + grid.spacingY / 2;
  const double east = west + grid.columns * grid.spacingX;
  const double south = north - grid.rows * grid.spacingY;
  return {"-t_srs",
          system,
          "-tr",
          exactText(grid.spacingX),
          exactText(grid.spacingY),
          "-te",
          exactText(west),
          exactText(south),
          exactText(east),
          exactText(north),
          "-r",
          "bilinear"};
}

/// Nodes whose written height differs from the reference's at the written places; at most the
/// first five are named. Reference nodes without data are left out and counted.
struct Comparison {
  int differing = 0;
  int referenceNoData = 0;
  std::string firstDifferences;
};

Comparison compare(const GridFile& grid, const testing::AsciiGrid& reference, int decimals) {
  Comparison result;
  EXPECT_EQ(reference.rows, grid.rows);
  EXPECT_EQ(reference.columns, grid.columns);
  if (reference.heights.size() != grid.heights.size()) {
    ADD_FAILURE() << "sizes differ";
    return result;
  }
  for (std::size_t k = 0; k < grid.heights.size(); ++k) {
    const double expected = reference.heights[k];
    if (reference.noData && expected == *reference.noData) {
      ++result.referenceNoData;
      continue;
    }
    const std::string ours = heightText(grid.heights[k], decimals);
    const std::string theirs = heightText(expected, decimals);
    if (ours == theirs) continue;
    if (result.differing++ < 5)
      result.firstDifferences += " node " + std::to_string(k) + ": " + ours + " vs " + theirs;
  }
  return result;
}

TEST(ImportAgainstGdalwarp, AGeographicSourceOverGreeceGivesGdalwarpsHeightsInTheGreekGrid) {
  SKIP_WITHOUT_GDAL_TOOLS();
  ScratchFolder scratch;
  const std::string source = testing::greekGeographic(scratch);
  const ImportResult result = import(source, scratch.file("greece.dtm"));
  EXPECT_EQ(result.summary.decimals, 4);  // single precision at hundreds of metres
  const GridFile grid = testing::readGrid(scratch.file("greece.dtm"));
  const testing::AsciiGrid reference =
      testing::gdalwarpReference(scratch, source, warpOptionsFor(grid, "EPSG:2100"));
  const Comparison comparison = compare(grid, reference, result.summary.decimals);
  EXPECT_EQ(comparison.differing, 0) << comparison.firstDifferences;
  EXPECT_EQ(comparison.referenceNoData, 0);
  EXPECT_GT(grid.rows * grid.columns, 25000);
}

TEST(ImportAgainstGdalwarp, AGreekGridSourceAtOtherCellsGivesGdalwarpsHeightsInSinglePrecision) {
  SKIP_WITHOUT_GDAL_TOOLS();
  ScratchFolder scratch;
  const std::string source = testing::greekGrid(scratch);
  ImportSettings settings;
  settings.cellX = 20;
  settings.cellY = 15;
  settings.bounds = GroundBounds{450107, 4197503, 453611, 4199291};
  const ImportResult result = import(source, scratch.file("grid.dtm"), settings);
  EXPECT_EQ(result.summary.decimals, 2);  // whole source heights: centimetres
  const GridFile grid = testing::readGrid(scratch.file("grid.dtm"));
  EXPECT_EQ(grid.xNorthWest, 450117);
  // gdalwarp keeps 16-bit whole numbers unless told the single-precision type the import uses.
  std::vector<std::string> options = warpOptionsFor(grid, "EPSG:2100");
  options.insert(options.end(), {"-ot", "Float32"});
  const Comparison comparison =
      compare(grid, testing::gdalwarpReference(scratch, source, options), 2);
  EXPECT_EQ(comparison.differing, 0) << comparison.firstDifferences;
  // Bilinear resampling between whole heights gives fractions.
  EXPECT_TRUE(std::any_of(grid.heights.begin(), grid.heights.end(),
                          [](double z) { return z != std::floor(z); }));
}

TEST(ImportAgainstGdalwarp, HolesAreRefusedByTheirCountAndFirstNodeOrFilledWhereGdalwarpHasNone) {
  SKIP_WITHOUT_GDAL_TOOLS();
  ScratchFolder scratch;
  const std::string source = testing::greekGridWithHoles(scratch);
  const std::string path = scratch.write("holes.dtm", "an earlier file\n");
  try {
    import(source, path);
    ADD_FAILURE() << "holes were not refused";
  } catch (const suite::UserError& error) {
    // Pixel columns 40 … 49 of rows 30 … 37 and 100 … 103 of rows 80 … 99: 80 + 80 nodes, the
    // first in file order at row 31, column 41: X = 450000 + 40.5·25, Y = 4200000 − 30.5·25.
    EXPECT_STREQ(error.what(),
                 "160 κόμβοι του πλέγματος δεν έχουν υψόμετρο (πέφτουν έξω από την πηγή ή σε κενά "
                 "της)· ο πρώτος είναι ο κόμβος της γραμμής 31, στήλης 41 (X = 451012.5, "
                 "Y = 4199237.5). Διάλεξε περιοχή μέσα στην πηγή ή τη συμπλήρωση των κενών από "
                 "τους γείτονες.");
  }
  EXPECT_EQ(suite::testing::fileBytes(path), "an earlier file\n");
  EXPECT_FALSE(std::filesystem::exists(sidecarPath(path)));

  ImportSettings fill;
  fill.fillNoData = true;
  const ImportResult result = import(source, path, fill);
  EXPECT_EQ(result.summary.filled, 160);
  const GridFile grid = testing::readGrid(path);
  const testing::AsciiGrid reference =
      testing::gdalwarpReference(scratch, source, warpOptionsFor(grid, "EPSG:2100"));
  const Comparison comparison = compare(grid, reference, result.summary.decimals);
  EXPECT_EQ(comparison.differing, 0) << comparison.firstDifferences;
  EXPECT_EQ(comparison.referenceNoData, 160);
  // A filled node lies among its neighbours' heights.
  const auto at = [&](int row, int column) {
    return grid.heights[(row - 1) * grid.columns + column - 1];
  };
  const double filled = at(34, 45);
  const double around[] = {at(30, 45), at(39, 45), at(34, 40), at(34, 51)};
  EXPECT_GE(filled, *std::min_element(std::begin(around), std::end(around)) - 1e-9);
  EXPECT_LE(filled, *std::max_element(std::begin(around), std::end(around)) + 1e-9);
}

TEST(ImportPlane, APlaneImportedBilinearlyBetweenThePixelsStaysThatPlane) {
  ScratchFolder scratch;
  ImportSettings settings;
  settings.cellX = 7.5;
  settings.cellY = 11;
  settings.bounds = GroundBounds{450033.3, 4197012.1, 452990.1, 4199917.7};
  const ImportResult result =
      import(testing::greekPlane(scratch), scratch.file("plane.dtm"), settings);
  EXPECT_EQ(result.summary.decimals, kMostDecimals);  // doubles of no fixed places
  const GridFile grid = testing::readGrid(scratch.file("plane.dtm"));
  ASSERT_EQ(grid.heights.size(), std::size_t(grid.rows) * grid.columns);
  double worst = 0;
  for (int i = 1; i <= grid.rows; ++i) {
    for (int j = 1; j <= grid.columns; ++j) {
      const double x = grid.xNorthWest + (j - 1) * grid.spacingX;
      const double y = grid.yNorthWest - (i - 1) * grid.spacingY;
      worst = std::max(
          worst, std::fabs(grid.heights[(i - 1) * grid.columns + j - 1] - testing::plane(x, y)));
    }
  }
  // Written to 9 places; the warper computes in doubles.
  EXPECT_LT(worst, 1e-6);
}

TEST(ImportRoundTrip, AGridWrittenAsGeoTiffAndImportedAgainIsTheSameFileByteForByte) {
  ScratchFolder scratch;
  // A grid the import wrote, with its system.
  import(testing::greekGrid(scratch), scratch.file("first.dtm"));
  // And a grid typed by hand, with no system, millimetres and cells of other sizes.
  scratch.write("typed.dtm",
                "3, 4, 1000.5, 2000.25, 0.5, 0.25\n10.125 -3.5 7 8\n0.001,2,3,4\n5 6 7 1e3\n");
  NoProgress quiet;
  for (const std::string name : {"first", "typed"}) {
    const std::string grid = scratch.file(name + ".dtm");
    std::string before = grid;
    if (name == "typed") {
      // Its own text is not the import's: bring it into the import's form once.
      writeGeoTiff(GridRaster(grid, quiet), scratch.file("typed0.tif"), quiet);
      import(scratch.file("typed0.tif"), scratch.file("typed0.dtm"));
      before = scratch.file("typed0.dtm");
      EXPECT_EQ(testing::readGrid(before).heights, testing::readGrid(grid).heights);
    }
    writeGeoTiff(GridRaster(before, quiet), scratch.file(name + ".tif"), quiet);
    const ImportResult again =
        import(scratch.file(name + ".tif"), scratch.file(name + "-again.dtm"));
    EXPECT_EQ(suite::testing::fileBytes(scratch.file(name + "-again.dtm")),
              suite::testing::fileBytes(before))
        << name;
    EXPECT_EQ(again.sidecarWritten, name == "first");
    EXPECT_EQ(suite::testing::fileBytes(sidecarPath(scratch.file(name + "-again.dtm"))),
              suite::testing::fileBytes(sidecarPath(before)));
  }
  EXPECT_EQ(suite::testing::fileBytes(scratch.file("typed0.dtm")),
            "3,4,1000.5,2000.25,0.5,0.25\r\n10.125,-3.5,7,8\r\n0.001,2,3,4\r\n5,6,7,1000\r\n");
}

TEST(ImportWriting, TheFileIsTheHeaderThenOneRowALineWithItsSystemBeside) {
  ScratchFolder scratch;
  const testing::RasterShape shape{3, 2, {1000, 10, 0, 2020, 0, -10}, "EPSG:2100"};
  const std::string source =
      testing::writeRaster(scratch.file("tiny.tif"), shape,
                           [](double, double, int c, int r) { return 100.25 + c - 10 * r; });
  const ImportResult result = import(source, scratch.file("tiny.dtm"));
  EXPECT_EQ(suite::testing::fileBytes(scratch.file("tiny.dtm")),
            "2,3,1005,2015,10,10\r\n100.25,101.25,102.25\r\n90.25,91.25,92.25\r\n");
  EXPECT_TRUE(result.sidecarWritten);
  const std::string wkt = suite::testing::fileBytes(scratch.file("tiny.prj"));
  EXPECT_EQ(wkt.rfind("PROJCS[\"GGRS87 / Greek Grid\"", 0), 0u) << wkt;
  EXPECT_NE(wkt.find("AUTHORITY[\"EPSG\",\"2100\"]"), std::string::npos);
  EXPECT_EQ(result.summary.lowest, 90.25);
  EXPECT_EQ(result.summary.highest, 102.25);
}

TEST(ImportWriting, AGridWithoutASystemRemovesTheSidecarOfAnEarlierGridOfItsName) {
  ScratchFolder scratch;
  const testing::RasterShape shape{4, 4, {0, 1, 0, 4, 0, -1}, ""};
  const std::string source = testing::writeRaster(scratch.file("plain.tif"), shape,
                                                  [](double, double, int, int) { return 1.0; });
  scratch.write("out.prj", "PROJCS[\"an earlier grid's\"]");
  const ImportResult result = import(source, scratch.file("out.dtm"));
  EXPECT_FALSE(result.sidecarWritten);
  EXPECT_TRUE(result.staleSidecarRemoved);
  EXPECT_FALSE(std::filesystem::exists(scratch.file("out.prj")));
}

TEST(ImportWriting, RefusesToWriteOverItsSourceOrAsASidecar) {
  ScratchFolder scratch;
  const std::string source = testing::greekGrid(scratch);
  const std::string before = suite::testing::fileBytes(source);
  EXPECT_THROW(import(source, source), suite::UserError);
  EXPECT_THROW(import(source, scratch.file("greece-2100.prj")), suite::UserError);
  EXPECT_THROW(import(source, scratch.file("x.PRJ")), suite::UserError);
  EXPECT_EQ(suite::testing::fileBytes(source), before);
}

/// Stops the work at its `stopAt`-th report.
class StopAt : public Progress {
 public:
  explicit StopAt(int stopAt) : stopAt_(stopAt) {}
  bool report(double) override { return ++reports_ < stopAt_; }
  int reports() const { return reports_; }

 private:
  int stopAt_;
  int reports_ = 0;
};

TEST(ImportWriting, AStoppedImportWritesNothing) {
  ScratchFolder scratch;
  const SourceRaster source(testing::greekGeographic(scratch));
  ImportRequest request;
  request.gridPath = scratch.write("stopped.dtm", "kept\n");
  for (const int stopAt : {1, 3, 1000}) {
    StopAt stop(stopAt);
    try {
      importGrid(source, request, stop);
    } catch (const Cancelled&) {
    }
    if (stop.reports() < stopAt) continue;  // finished before it was stopped
    EXPECT_EQ(suite::testing::fileBytes(request.gridPath), "kept\n") << stopAt;
    EXPECT_FALSE(std::filesystem::exists(scratch.file("stopped.prj"))) << stopAt;
  }
}

}  // namespace
}  // namespace dtmconvert

namespace dtmconvert {
namespace {

TEST(ImportSamples, MaungaWhauInItsRealPlaceGivesBackTheSampleGridThereAndItsTwinHasEmptyCorners) {
  ScratchFolder scratch;
  const ImportResult nztm = import(SUITE_SAMPLES "/maunga-whau-nztm.tif", scratch.file("mw.dtm"));
  const GridFile sample = testing::readGrid(SUITE_SAMPLES "/maunga-whau.dtm");
  const GridFile placed = testing::readGrid(scratch.file("mw.dtm"));
  EXPECT_EQ(placed.heights, sample.heights);
  EXPECT_EQ(placed.rows, 61);
  EXPECT_EQ(placed.columns, 87);
  EXPECT_EQ(placed.xNorthWest, 1756780);
  EXPECT_EQ(placed.yNorthWest, 5917620);
  EXPECT_EQ(nztm.summary.systemName, "EPSG:2193 NZGD2000 / New Zealand Transverse Mercator 2000");

  try {
    import(SUITE_SAMPLES "/maunga-whau-wgs84.tif", scratch.file("twin.dtm"));
    ADD_FAILURE() << "the empty corners were not refused";
  } catch (const suite::UserError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("70 κόμβοι", 0), 0u) << error.what();
  }
  ImportSettings inside;
  inside.epsg = 2193;
  inside.bounds = GroundBounds{1756800, 5917100, 1757600, 5917600};
  const ImportResult twin =
      import(SUITE_SAMPLES "/maunga-whau-wgs84.tif", scratch.file("twin.dtm"), inside);
  // Resampled twice, bilinearly, the heights stay within a metre of the sample's.
  const GridFile back = testing::readGrid(scratch.file("twin.dtm"));
  double worst = 0;
  for (int i = 0; i < back.rows; ++i) {
    for (int j = 0; j < back.columns; ++j) {
      // Node (i, j) of the twin's grid (0-based) lies 25 m east and south of node (i + 2, j + 2)
      // of the sample's: in the middle of a sample cell, where bilinear interpolation gives the
      // mean of its four corners.
      const auto at = [&](int r, int c) {
        return sample.heights[static_cast<std::size_t>(r * 87 + c)];
      };
      const double z =
          (at(i + 2, j + 2) + at(i + 2, j + 3) + at(i + 3, j + 2) + at(i + 3, j + 3)) / 4;
      worst = std::max(worst,
                       std::fabs(back.heights[static_cast<std::size_t>(i * back.columns + j)] - z));
    }
  }
  EXPECT_EQ(back.xNorthWest, 1756805);
  EXPECT_LT(worst, 1.0) << worst;
  EXPECT_EQ(twin.summary.filled, 0);
}

}  // namespace
}  // namespace dtmconvert
