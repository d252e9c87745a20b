// Which system, cells and area an import takes.
#include "dtmconvert/import_plan.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dtmconvert/source_raster.h"
#include "dtmconvert/target_system.h"
#include "dtmconvert/warped_grid.h"
#include "tests/dtmconvert/sources.h"
#include "text/user_error.h"

namespace dtmconvert {
namespace {

using testing::RasterShape;
using testing::ScratchFolder;

/// Whether `value` is a whole multiple of `step`, to a millionth of it.
bool onMultiple(double value, double step) {
  const double ratio = value / step;
  return std::fabs(ratio - std::round(ratio)) < 1e-6;
}

std::string messageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const suite::UserError& error) {
    return error.what();
  }
  return "(no message)";
}

TEST(TargetSystem, AGeographicSourceInGreeceGoesToTheGreekGridAndElsewhereToItsUtmZone) {
  ScratchFolder scratch;
  const SourceRaster greece(testing::greekGeographic(scratch));
  EXPECT_EQ(greece.info().system, SystemKind::Geographic);
  const TargetSystem greek = chooseTargetSystem(greece, std::nullopt);
  EXPECT_EQ(greek.epsg, 2100);
  EXPECT_TRUE(greek.reprojected);
  EXPECT_NE(greek.wkt.find("GGRS87"), std::string::npos);

  // Peru, south of the equator.
  const RasterShape shape{50, 40, {-75.5, 0.001, 0, -12.0, 0, -0.001}, "EPSG:4326"};
  const SourceRaster peru(testing::writeRaster(scratch.file("peru.tif"), shape,
                                               [](double, double, int, int) { return 1000.0; }));
  EXPECT_EQ(chooseTargetSystem(peru, std::nullopt).epsg, 32718);
}

TEST(TargetSystem, AProjectedSourceInMetresKeepsItsSystemUnlessAnotherIsNamed) {
  ScratchFolder scratch;
  const SourceRaster grid(testing::greekGrid(scratch));
  const TargetSystem kept = chooseTargetSystem(grid, std::nullopt);
  EXPECT_FALSE(kept.reprojected);
  EXPECT_EQ(kept.epsg, 2100);
  EXPECT_FALSE(chooseTargetSystem(grid, 2100).reprojected);
  const TargetSystem utm = chooseTargetSystem(grid, 32634);
  EXPECT_TRUE(utm.reprojected);
  EXPECT_EQ(utm.epsg, 32634);
}

TEST(TargetSystem, RefusesSystemsThatAreNotProjectedInMetres) {
  ScratchFolder scratch;
  const SourceRaster grid(testing::greekGrid(scratch));
  EXPECT_NE(messageOf([&] { chooseTargetSystem(grid, 4326); }).find("EPSG:4326"),
            std::string::npos);
  // California zone 3 in US survey feet.
  EXPECT_NE(messageOf([&] { chooseTargetSystem(grid, 2227); }).find("μέτρο"), std::string::npos);
  EXPECT_NE(messageOf([&] { chooseTargetSystem(grid, 999999); }).find("EPSG:999999"),
            std::string::npos);
}

TEST(TargetSystem, ASourceWithoutASystemStaysInItsOwnUnitsAndTakesNoOther) {
  ScratchFolder scratch;
  const RasterShape shape{20, 10, {100, 2, 0, 500, 0, -2}, ""};
  const SourceRaster plain(testing::writeRaster(scratch.file("plain.tif"), shape,
                                                [](double, double, int, int) { return 5.0; }));
  EXPECT_EQ(plain.info().system, SystemKind::None);
  const TargetSystem own = chooseTargetSystem(plain, std::nullopt);
  EXPECT_TRUE(own.ownUnits);
  EXPECT_TRUE(own.wkt.empty());
  EXPECT_THROW(chooseTargetSystem(plain, 2100), suite::UserError);
}

TEST(SourceRaster, AnImageWithoutGeoreferencingHasItsSouthWestCornerAtTheOrigin) {
  ScratchFolder scratch;
  RasterShape shape;
  shape.width = 30;
  shape.height = 20;
  shape.georeferenced = false;
  const SourceRaster image(testing::writeRaster(
      scratch.file("image.tif"), shape, [](double, double, int c, int r) { return c + 100.0 * r; }));
  EXPECT_FALSE(image.info().georeferenced);
  const ImportPlan plan = planImport(image, {});
  EXPECT_EQ(plan.cellX, 1);
  EXPECT_EQ(plan.cellY, 1);
  EXPECT_EQ(plan.header().xNorthWest, 0.5);
  EXPECT_EQ(plan.header().yNorthWest, 19.5);
  EXPECT_EQ(plan.rows, 20);
  EXPECT_EQ(plan.columns, 30);
}

TEST(SourceRaster, ReadsBandOneWithItsScaleAndOffsetAndRefusesWhatIsNoRaster) {
  ScratchFolder scratch;
  RasterShape shape{8, 6, {0, 10, 0, 60, 0, -10}, "EPSG:2100", GDT_Int16};
  shape.bands = 3;
  shape.scale = 0.01;
  shape.offset = 100;
  const SourceRaster scaled(testing::writeRaster(
      scratch.file("scaled.tif"), shape, [](double, double, int c, int) { return 1234 + c; }));
  EXPECT_EQ(scaled.info().bandCount, 3);
  EXPECT_TRUE(scaled.info().scaled);
  EXPECT_EQ(scaled.info().decimals, 2);
  double value = 0;
  ASSERT_EQ(GDALRasterIO(GDALGetRasterBand(scaled.dataset(), 1), GF_Read, 2, 1, 1, 1, &value, 1, 1,
                         GDT_Float64, 0, 0),
            CE_None);
  EXPECT_NEAR(value, 100 + 12.36, 1e-9);

  scratch.write("text.tif", "not a raster\n");
  const std::string message = messageOf([&] { SourceRaster(scratch.file("text.tif")); });
  EXPECT_NE(message.find("text.tif"), std::string::npos) << message;
  EXPECT_NE(messageOf([&] { SourceRaster(scratch.file("missing.tif")); }).find("missing.tif"),
            std::string::npos);
}

TEST(ImportPlan, AKeptSystemKeepsTheSourcePixelsAsNodes) {
  ScratchFolder scratch;
  const SourceRaster grid(testing::greekGrid(scratch));
  const ImportPlan plan = planImport(grid, {});
  EXPECT_EQ(plan.cellX, 25);
  EXPECT_EQ(plan.cellY, 25);
  EXPECT_EQ(plan.rows, 120);
  EXPECT_EQ(plan.columns, 160);
  EXPECT_EQ(plan.header().xNorthWest, 450012.5);
  EXPECT_EQ(plan.header().yNorthWest, 4199987.5);
  EXPECT_TRUE(plan.wholeSource);

  // Larger cells start at the source's corner and stay inside it.
  ImportSettings coarse;
  coarse.cellX = 60;
  const ImportPlan larger = planImport(grid, coarse);
  EXPECT_EQ(larger.cellY, 60);
  EXPECT_EQ(larger.left, 450000);
  EXPECT_EQ(larger.top, 4200000);
  EXPECT_EQ(larger.columns, 66);  // 4000 m / 60
  EXPECT_EQ(larger.rows, 50);     // 3000 m / 60
}

TEST(ImportPlan, BoundsGivenPutTheNorthWestCornerAtTheirWestAndNorthEdges) {
  ScratchFolder scratch;
  const SourceRaster grid(testing::greekGrid(scratch));
  ImportSettings settings;
  settings.bounds = GroundBounds{450100, 4198000, 451000.4, 4199010};
  settings.cellX = 20;
  settings.cellY = 30;
  const ImportPlan plan = planImport(grid, settings);
  EXPECT_EQ(plan.left, 450100);
  EXPECT_EQ(plan.top, 4199010);
  EXPECT_EQ(plan.columns, 45);  // 900.4 / 20, rounded
  EXPECT_EQ(plan.rows, 34);     // 1010 / 30, rounded
  EXPECT_EQ(plan.header().xNorthWest, 450110);
  EXPECT_EQ(plan.header().yNorthWest, 4198995);
  EXPECT_FALSE(plan.wholeSource);
}

TEST(ImportPlan, AReprojectedSourceGetsRoundCellsOnRoundCoordinatesInsideItsFootprint) {
  ScratchFolder scratch;
  const SourceRaster greece(testing::greekGeographic(scratch));
  const ImportPlan plan = planImport(greece, {});
  // 3" is about 73 m east-west and 93 m north-south at 38° N.
  EXPECT_EQ(plan.defaultCellX, 100);
  EXPECT_EQ(plan.defaultCellY, 100);
  EXPECT_TRUE(onMultiple(plan.left, plan.cellX));
  EXPECT_TRUE(onMultiple(plan.top, plan.cellY));
  // Every node has data: the whole area lies inside the source.
  NoProgress quiet;
  const WarpedGrid warped = warpToPlan(greece, plan, quiet);
  EXPECT_EQ(warped.noDataNodes().count, 0);
  // And it covers nearly all of the source: 0.2° of longitude is about 17.5 km there, 0.15° of
  // latitude 16.7 km; the grid turned by half a degree loses little more than a cell a side.
  EXPECT_GT(plan.columns * plan.cellX, 17000);
  EXPECT_GT(plan.rows * plan.cellY, 16200);
}

TEST(ImportPlan, ADraggedRectangleIsShrunkToWholeCellsOfTheLattice) {
  ScratchFolder scratch;
  const SourceRaster grid(testing::greekGrid(scratch));
  ImportSettings settings;
  settings.cellX = 50;
  const ImportPlan plan = planImport(grid, settings);
  // Pixels 10.3 … 50.6 across and 20.2 … 40.9 down: X 450257.5 … 451265, Y 4199495 … 4198977.5.
  const GroundBounds bounds = boundsOfPixels(grid, plan, {10.3, 20.2, 50.6, 40.9});
  EXPECT_EQ(bounds.west, 450300);
  EXPECT_EQ(bounds.east, 451250);
  EXPECT_EQ(bounds.north, 4199450);
  EXPECT_EQ(bounds.south, 4199000);
  EXPECT_THROW(boundsOfPixels(grid, plan, {10.1, 10.1, 10.9, 10.9}), suite::UserError);
}

TEST(ImportPlan, RefusesCellsAndAreasThatGiveNoGridWithAMessageThatSaysWhatToChange) {
  ScratchFolder scratch;
  const SourceRaster grid(testing::greekGrid(scratch));
  ImportSettings badCell;
  badCell.cellX = -5;
  EXPECT_NE(messageOf([&] { planImport(grid, badCell); }).find("κελί a"), std::string::npos);
  ImportSettings badBounds;
  badBounds.bounds = GroundBounds{451000, 4198000, 450000, 4199000};
  EXPECT_NE(messageOf([&] { planImport(grid, badBounds); }).find("δυτικό"), std::string::npos);
  ImportSettings tiny;
  tiny.cellX = 0.1;
  EXPECT_NE(messageOf([&] { planImport(grid, tiny); }).find("268435456"), std::string::npos);
  ImportSettings huge;
  huge.cellX = 1e6;
  EXPECT_NE(messageOf([&] { planImport(grid, huge); }).find("ένα κελί"), std::string::npos);
}

}  // namespace
}  // namespace dtmconvert
