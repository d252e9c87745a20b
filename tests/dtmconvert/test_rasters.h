#pragma once

#include <gdal.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dtm/grid_header.h"
#include "tests/dtm/scratch_folder.h"

namespace dtmconvert::testing {

using suite::dtm_testing::ScratchFolder;

/// What a test raster holds: size, georeferencing (GDAL's six-number transform), system, type;
/// usually written {width, height, transform, system}.
struct RasterShape {
  int width = 0;
  int height = 0;
  std::array<double, 6> transform{0, 1, 0, 0, 0, -1};
  std::string system;  ///< "EPSG:2100", or "" for none
  GDALDataType type = GDT_Float32;
  std::optional<double> noData{};
  int bands = 1;
  bool georeferenced = true;      ///< false: no transform is written
  std::optional<double> scale{};  ///< band 1's scale and offset
  std::optional<double> offset{};
};

/// Writes a GeoTIFF of `shape` whose pixel (column, row), 0-based, holds value(x, y, column, row)
/// with (x, y) the pixel centre's coordinates; returns `path`.
std::string writeRaster(
    const std::string& path, const RasterShape& shape,
    const std::function<double(double x, double y, int column, int row)>& value);

/// Whether the program `name` of GDAL's tools (gdal-bin) is on the PATH.
bool haveTool(const std::string& name);

/// Runs a program with its arguments, each quoted for the shell, its output discarded; returns
/// its exit status.
int runTool(const std::vector<std::string>& command);

/// A DTM grid file's header and heights as the suite's reader gives them.
struct GridFile : suite::GridHeader {
  std::vector<double> heights;
};
GridFile readGrid(const std::string& path);

/// An ESRI ASCII grid as gdal_translate -of AAIGrid writes it: its size, corner and the heights
/// row after row from the north, and its no-data value.
struct AsciiGrid {
  int columns = 0;
  int rows = 0;
  double xLowerLeft = 0;
  double yLowerLeft = 0;
  double cellX = 0;
  double cellY = 0;
  std::optional<double> noData;
  std::vector<double> heights;
};
AsciiGrid readAsciiGrid(const std::string& path);

/// The heights a reference run of gdalwarp (with `options`, from `source`) and
/// gdal_translate -of AAIGrid give; refuses (fails the test) when either tool fails.
AsciiGrid gdalwarpReference(const ScratchFolder& scratch, const std::string& source,
                            const std::vector<std::string>& options);

}  // namespace dtmconvert::testing
