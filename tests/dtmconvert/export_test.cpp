// DTM grid files out: a georeferenced GeoTIFF, and contour lines as gdal_contour draws them.
#include <gtest/gtest.h>
#include <ogr_api.h>
#include <ogr_spatialref.h>

#include <cmath>
#include <filesystem>

#include "dtmconvert/grid_export.h"
#include "dtmconvert/grid_import.h"
#include "dtmconvert/sidecar.h"
#include "tests/dtmconvert/sources.h"
#include "tests/stereo/golden.h"
#include "text/user_error.h"

namespace dtmconvert {
namespace {

using testing::ScratchFolder;

/// A DTM grid file of hills in the Greek Grid, with its .prj, as the import writes it.
std::string hillsGrid(const ScratchFolder& scratch) {
  const SourceRaster source(testing::greekGrid(scratch));
  ImportRequest request;
  request.gridPath = scratch.file("hills.dtm");
  NoProgress quiet;
  importGrid(source, request, quiet);
  return request.gridPath;
}

/// One contour line: its height and its vertices.
struct Line {
  double height = 0;
  std::vector<std::array<double, 3>> vertices;
};

std::vector<Line> readLines(const std::string& path, const char* heightField) {
  GDALDatasetH dataset = GDALOpenEx(path.c_str(), GDAL_OF_VECTOR, nullptr, nullptr, nullptr);
  EXPECT_NE(dataset, nullptr) << path;
  std::vector<Line> lines;
  if (dataset == nullptr) return lines;
  OGRLayerH layer = GDALDatasetGetLayer(dataset, 0);
  OGR_L_ResetReading(layer);
  while (OGRFeatureH feature = OGR_L_GetNextFeature(layer)) {
    Line line;
    if (heightField != nullptr) {
      line.height = OGR_F_GetFieldAsDouble(feature, OGR_F_GetFieldIndex(feature, heightField));
    }
    OGRGeometryH geometry = OGR_F_GetGeometryRef(feature);
    for (int i = 0; i < OGR_G_GetPointCount(geometry); ++i) {
      line.vertices.push_back(
          {OGR_G_GetX(geometry, i), OGR_G_GetY(geometry, i), OGR_G_GetZ(geometry, i)});
    }
    if (heightField == nullptr && !line.vertices.empty()) line.height = line.vertices[0][2];
    lines.push_back(std::move(line));
    OGR_F_Destroy(feature);
  }
  GDALClose(dataset);
  return lines;
}

TEST(GeoTiffExport, HoldsEveryHeightExactlyWhereTheGridPutsItInItsSystem) {
  ScratchFolder scratch;
  const std::string grid = hillsGrid(scratch);
  NoProgress quiet;
  const GridRaster raster(grid, quiet);
  writeGeoTiff(raster, scratch.file("hills.tif"), quiet);

  GDALDatasetH tif = GDALOpen(scratch.file("hills.tif").c_str(), GA_ReadOnly);
  ASSERT_NE(tif, nullptr);
  EXPECT_EQ(GDALGetRasterXSize(tif), 160);
  EXPECT_EQ(GDALGetRasterYSize(tif), 120);
  double transform[6];
  ASSERT_EQ(GDALGetGeoTransform(tif, transform), CE_None);
  EXPECT_EQ(transform[0], 450000);
  EXPECT_EQ(transform[1], 25);
  EXPECT_EQ(transform[3], 4200000);
  EXPECT_EQ(transform[5], -25);
  EXPECT_EQ(GDALGetRasterDataType(GDALGetRasterBand(tif, 1)), GDT_Float64);
  OGRSpatialReference greekGrid;
  greekGrid.importFromEPSG(2100);
  EXPECT_TRUE(OGRSpatialReference::FromHandle(GDALGetSpatialRef(tif))->IsSame(&greekGrid));
  std::vector<double> heights(160 * 120);
  ASSERT_EQ(GDALRasterIO(GDALGetRasterBand(tif, 1), GF_Read, 0, 0, 160, 120, heights.data(), 160,
                         120, GDT_Float64, 0, 0),
            CE_None);
  GDALClose(tif);
  EXPECT_EQ(heights, testing::readGrid(grid).heights);
}

TEST(GeoTiffExport, AGridWithoutASidecarHasNoSystemAndAnUnreadableSidecarIsRefused) {
  ScratchFolder scratch;
  const std::string grid = scratch.write("bare.dtm", "2,2,0,10,10,10\n1,2\n3,4\n");
  NoProgress quiet;
  const GridRaster bare(grid, quiet);
  EXPECT_EQ(bare.systemName(), "");
  EXPECT_EQ(GDALGetSpatialRef(bare.dataset()), nullptr);
  scratch.write("bare.prj", "this is no system");
  try {
    GridRaster refused(grid, quiet);
    ADD_FAILURE() << "an unreadable .prj was taken";
  } catch (const suite::UserError& error) {
    EXPECT_NE(std::string(error.what()).find("bare.prj"), std::string::npos) << error.what();
  }
}

class ContourExport : public ::testing::TestWithParam<const char*> {};

TEST_P(ContourExport, TheLinesAreThoseOfGdalContourOfTheSameGeoTiff) {
  if (!testing::haveTool("gdal_contour")) {
    GTEST_SKIP() << "gdal_contour (Debian package gdal-bin) is not installed";
  }
  ScratchFolder scratch;
  const std::string grid = hillsGrid(scratch);
  const std::string extension = GetParam();
  NoProgress quiet;
  const GridRaster raster(grid, quiet);
  writeGeoTiff(raster, scratch.file("hills.tif"), quiet);
  const std::string ours = scratch.file("ours" + extension);
  const std::string theirs = scratch.file("theirs" + extension);
  const ContourResult result = writeContours(raster, ours, 25, quiet);
  ASSERT_EQ(testing::runTool({"gdal_contour", "-q", "-i", "25", "-a", "height",
                              scratch.file("hills.tif"), theirs}),
            0);

  const std::vector<Line> expected = readLines(theirs, "height");
  const std::vector<Line> got = readLines(ours, "height");
  EXPECT_GT(expected.size(), 20u);
  EXPECT_EQ(result.lines, static_cast<std::int64_t>(expected.size()));
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].height, expected[i].height) << "line " << i;
    ASSERT_EQ(got[i].vertices.size(), expected[i].vertices.size()) << "line " << i;
    for (std::size_t v = 0; v < got[i].vertices.size(); ++v) {
      EXPECT_EQ(got[i].vertices[v][0], expected[i].vertices[v][0])
          << "line " << i << " vertex " << v;
      EXPECT_EQ(got[i].vertices[v][1], expected[i].vertices[v][1])
          << "line " << i << " vertex " << v;
    }
  }
  EXPECT_EQ(std::fmod(expected.front().height, 25.0), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Formats, ContourExport, ::testing::Values(".gpkg", ".geojson", ".shp"),
                         [](const auto& info) { return std::string(info.param + 1); });

TEST(ContourExportDxf, CarriesEachLineAtItsHeightAsA3dPolyline) {
  if (!testing::haveTool("gdal_contour")) GTEST_SKIP() << "gdal_contour is not installed";
  ScratchFolder scratch;
  NoProgress quiet;
  const GridRaster raster(hillsGrid(scratch), quiet);
  writeGeoTiff(raster, scratch.file("hills.tif"), quiet);
  writeContours(raster, scratch.file("ours.dxf"), 25, quiet);
  ASSERT_EQ(testing::runTool({"gdal_contour", "-q", "-i", "25", "-a", "height",
                              scratch.file("hills.tif"), scratch.file("theirs.gpkg")}),
            0);
  const std::vector<Line> expected = readLines(scratch.file("theirs.gpkg"), "height");
  const std::vector<Line> got = readLines(scratch.file("ours.dxf"), nullptr);
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    ASSERT_EQ(got[i].vertices.size(), expected[i].vertices.size()) << "line " << i;
    for (const auto& vertex : got[i].vertices)
      EXPECT_EQ(vertex[2], expected[i].height) << "line " << i;
    // DXF writes coordinates as text, to 15 significant digits or so.
    EXPECT_NEAR(got[i].vertices[0][0], expected[i].vertices[0][0], 1e-6);
  }
}

TEST(ContourExportShapefile, WritesItsFourFilesTogetherBesideEachOther) {
  ScratchFolder scratch;
  NoProgress quiet;
  const GridRaster raster(hillsGrid(scratch), quiet);
  writeContours(raster, scratch.file("lines.shp"), 50, quiet);
  for (const char* extension : {".shp", ".shx", ".dbf", ".prj"})
    EXPECT_TRUE(std::filesystem::exists(scratch.file(std::string("lines") + extension)))
        << extension;
}

TEST(ContourExportRefusals, RefusesIntervalsAndNamesThatGiveNoLinesAndLeavesFilesAsTheyWere) {
  ScratchFolder scratch;
  NoProgress quiet;
  const GridRaster raster(hillsGrid(scratch), quiet);
  const std::string path = scratch.write("lines.gpkg", "kept");
  for (const double interval : {0.0, -10.0, double(NAN), 1e-6}) {
    EXPECT_THROW(writeContours(raster, path, interval, quiet), suite::UserError) << interval;
  }
  EXPECT_THROW(writeContours(raster, scratch.file("lines.kml"), 10, quiet), suite::UserError);
  EXPECT_EQ(suite::testing::fileBytes(path), "kept");
  EXPECT_EQ(contourFormatOf("a/b.GeoJSON"), ContourFormat::GeoJson);
  EXPECT_EQ(contourFormatOf("a/b.DXF"), ContourFormat::Dxf);
  EXPECT_FALSE(contourFormatOf("a.b/c").has_value());
}

}  // namespace
}  // namespace dtmconvert
