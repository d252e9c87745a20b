#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "dtm/grid_header.h"
#include "dtmconvert/gdal_support.h"
#include "dtmconvert/progress.h"

namespace dtmconvert {

/// A DTM grid file read whole into a raster in memory: pixel (i, j) is node (i, j), so the
/// raster's top-left corner is (X_NW − a/2, Y_NW + b/2) and its pixels a × b; the heights as
/// doubles; the coordinate system from the grid file's .prj when there is one.
class GridRaster {
 public:
  /// Reads `gridPath` with the suite's grid reader and its .prj. Throws suite::UserError (the
  /// reader's messages; a .prj GDAL cannot read; more than kMostImportNodes nodes; no memory),
  /// Cancelled when stopped.
  GridRaster(const std::string& gridPath, Progress& progress);

  const suite::GridHeader& header() const { return header_; }
  /// The coordinate system's name, "" when the grid has none.
  const std::string& systemName() const { return systemName_; }
  GDALDatasetH dataset() const { return raster_.get(); }
  double lowest() const { return lowest_; }
  double highest() const { return highest_; }

 private:
  suite::GridHeader header_;
  std::string systemName_;
  Dataset raster_;
  double lowest_ = 0;
  double highest_ = 0;
};

/// What a DTM grid file is, read without its heights.
struct GridFileInfo {
  suite::GridHeader header;
  bool hasSystem = false;  ///< a .prj lies beside it
  std::string systemName;  ///< its system's name
};

/// Reads the header of `gridPath` and its .prj. Throws suite::UserError as the grid reader does,
/// or for a .prj GDAL cannot read.
GridFileInfo readGridFileInfo(const std::string& gridPath);

/// Writes the heights of `grid` as a GeoTIFF at `tifPath`: one band of doubles (so every height
/// comes back exactly), DEFLATE-compressed, georeferenced by the grid's corner and cells and
/// its coordinate system; written through the suite's atomic writer. Throws suite::UserError,
/// Cancelled.
void writeGeoTiff(const GridRaster& grid, const std::string& tifPath, Progress& progress);

/// The formats contour lines are written in, told by the output's extension.
enum class ContourFormat { GeoPackage, GeoJson, Shapefile, Dxf };

/// The format of `path` by its extension (.gpkg, .geojson, .shp, .dxf, in any case), or nothing.
std::optional<ContourFormat> contourFormatOf(const std::string& path);

/// The name of the attribute that carries each line's height.
inline constexpr const char* kHeightField = "height";

/// The most contour levels an export draws.
inline constexpr std::int64_t kMostContourLevels = 100000;

/// What an export of contour lines wrote.
struct ContourResult {
  std::int64_t lines = 0;   ///< features written
  std::int64_t levels = 0;  ///< levels k·H within the height range
};

/// Writes the contour lines of `grid` at every whole multiple of `interval` with GDAL's contour
/// generator, as `gdal_contour -i interval -a height` draws them: a layer "contour" of line
/// strings with the attributes ID and height, in the grid's coordinate system; in DXF, which
/// takes no attributes, as 3D polylines at their height. The files (a shapefile's .shp, .shx,
/// .dbf and .prj together) are written through the suite's atomic writer. Throws
/// suite::UserError for an interval that is not positive and finite, more than
/// kMostContourLevels levels, an extension of no format, a GDAL failure; Cancelled.
ContourResult writeContours(const GridRaster& grid, const std::string& path, double interval,
                            Progress& progress);

}  // namespace dtmconvert
