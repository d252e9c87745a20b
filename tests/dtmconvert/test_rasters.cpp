#include "tests/dtmconvert/test_rasters.h"

#include <gtest/gtest.h>
#include <ogr_spatialref.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "dtm/grid_reader.h"

namespace dtmconvert::testing {

std::string writeRaster(const std::string& path, const RasterShape& shape,
                        const std::function<double(double, double, int, int)>& value) {
  GDALAllRegister();
  const char* const options[] = {"COMPRESS=DEFLATE", nullptr};
  GDALDatasetH dataset =
      GDALCreate(GDALGetDriverByName("GTiff"), path.c_str(), shape.width, shape.height, shape.bands,
                 shape.type, const_cast<char**>(options));
  if (dataset == nullptr) throw std::runtime_error("cannot create " + path);
  double transform[6];
  std::copy(shape.transform.begin(), shape.transform.end(), transform);
  if (shape.georeferenced) GDALSetGeoTransform(dataset, transform);
  if (!shape.system.empty()) {
    OGRSpatialReference srs;
    srs.SetFromUserInput(shape.system.c_str());
    GDALSetSpatialRef(dataset, OGRSpatialReference::ToHandle(&srs));
  }
  std::vector<double> row(static_cast<std::size_t>(shape.width));
  for (int band = 1; band <= shape.bands; ++band) {
    GDALRasterBandH handle = GDALGetRasterBand(dataset, band);
    if (shape.noData) GDALSetRasterNoDataValue(handle, *shape.noData);
    if (band == 1 && shape.scale) GDALSetRasterScale(handle, *shape.scale);
    if (band == 1 && shape.offset) GDALSetRasterOffset(handle, *shape.offset);
    for (int r = 0; r < shape.height; ++r) {
      for (int c = 0; c < shape.width; ++c) {
        const double x =
            shape.transform[0] + (c + 0.5) * shape.transform[1] + (r + 0.5) * shape.transform[2];
        const double y =
            shape.transform[3] + (c + 0.5) * shape.transform[4] + (r + 0.5) * shape.transform[5];
        row[static_cast<std::size_t>(c)] = band == 1 ? value(x, y, c, r) : -1000.0 * band;
      }
      if (GDALRasterIO(handle, GF_Write, 0, r, shape.width, 1, row.data(), shape.width, 1,
                       GDT_Float64, 0, 0) != CE_None) {
        throw std::runtime_error("cannot write " + path);
      }
    }
  }
  GDALClose(dataset);
  return path;
}

bool haveTool(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::stringstream folders(path != nullptr ? path : "");
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    if (!folder.empty() && ::access((folder + "/" + name).c_str(), X_OK) == 0) return true;
  }
  return false;
}

int runTool(const std::vector<std::string>& command) {
  std::string line;
  for (const std::string& word : command) {
    std::string quoted = "'";
    for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    line += quoted + "' ";
  }
  line += ">/dev/null 2>&1";
  const int status = std::system(line.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

GridFile readGrid(const std::string& path) {
  suite::GridReader reader(path);
  GridFile grid{reader.header(), {}};
  suite::GridHeight height;
  while (reader.next(height)) grid.heights.push_back(height.z);
  return grid;
}

AsciiGrid readAsciiGrid(const std::string& path) {
  std::ifstream in(path);
  in.imbue(std::locale::classic());
  AsciiGrid grid;
  std::string key;
  // Keys until the first height; the grid's rows follow.
  while (in >> key) {
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (key == "ncols") {
      in >> grid.columns;
    } else if (key == "nrows") {
      in >> grid.rows;
    } else if (key == "xllcorner") {
      in >> grid.xLowerLeft;
    } else if (key == "yllcorner") {
      in >> grid.yLowerLeft;
    } else if (key == "cellsize") {
      in >> grid.cellX;
      grid.cellY = grid.cellX;
    } else if (key == "dx") {
      in >> grid.cellX;
    } else if (key == "dy") {
      in >> grid.cellY;
    } else if (key == "nodata_value") {
      double noData = 0;
      in >> noData;
      grid.noData = noData;
    } else {
      grid.heights.push_back(std::stod(key));
      break;
    }
  }
  double z = 0;
  while (in >> z) grid.heights.push_back(z);
  return grid;
}

AsciiGrid gdalwarpReference(const ScratchFolder& scratch, const std::string& source,
                            const std::vector<std::string>& options) {
  const std::string warped = scratch.file("reference.tif");
  const std::string ascii = scratch.file("reference.asc");
  std::vector<std::string> warp{"gdalwarp", "-q", "-overwrite"};
  warp.insert(warp.end(), options.begin(), options.end());
  warp.insert(warp.end(), {source, warped});
  EXPECT_EQ(runTool(warp), 0);
  EXPECT_EQ(runTool({"gdal_translate", "-q", "-of", "AAIGrid", warped, ascii}), 0);
  return readAsciiGrid(ascii);
}

}  // namespace dtmconvert::testing
