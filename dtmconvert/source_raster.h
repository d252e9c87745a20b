#pragma once

#include <array>
#include <optional>
#include <string>

#include "dtmconvert/gdal_support.h"
#include "dtmconvert/height_precision.h"

namespace dtmconvert {

/// What the coordinate system of a source is, as the import treats it.
enum class SystemKind {
  None,                 ///< no coordinate system: taken in its own units
  Local,                ///< a local (engineering) system: taken in its own units
  Geographic,           ///< degrees: reprojected
  ProjectedMetres,      ///< a map projection in metres: kept
  ProjectedOtherUnits,  ///< a map projection in feet or other units: reprojected
};

/// What the import knows of a source raster.
struct SourceInfo {
  std::string path;            ///< as opened, UTF-8
  std::string driver;          ///< GDAL's long name of the format, e.g. "GeoTIFF"
  int width = 0;               ///< pixels across
  int height = 0;              ///< pixels down
  int bandCount = 0;           ///< bands of the file; band 1 is imported
  std::string dataType;        ///< GDAL's name of band 1's type, e.g. "Int16"
  bool georeferenced = false;  ///< false: pixel coordinates given by the import (see SourceRaster)
  bool northUp = false;        ///< rows run along X, columns along −Y, no rotation
  std::array<double, 6> geoTransform{0, 1, 0, 0, 0, 1};  ///< of the prepared band
  SystemKind system = SystemKind::None;
  std::string systemWkt;   ///< empty for SystemKind::None
  std::string systemName;  ///< e.g. "GGRS87 / Greek Grid"
  std::optional<int> epsg;
  std::optional<double> noData;  ///< the no-data value of band 1, in its stored units
  bool scaled = false;           ///< band 1 carries a scale or offset, which the import applies
  HeightType heightType = HeightType::Single;  ///< what the import resamples in
  int decimals = 0;  ///< the places the heights are given to (sourceDecimals of a sample)
};

/// A source raster open for import: band 1, prepared so that GDAL's warper reads exactly the
/// heights the import means. When the file has several bands, a scale or offset on band 1, or no
/// georeferencing, the prepared dataset is a virtual raster of band 1 over the file, with the
/// scale and offset applied (as doubles) and, without georeferencing, pixel (column, row) taken
/// at X = column, Y = height − row: the south-west corner at (0, 0), north up, one unit a pixel.
class SourceRaster {
 public:
  /// Opens the file. Throws suite::UserError (Greek, naming the file and GDAL's reason) when GDAL
  /// cannot open it as a raster, it has no band, band 1 holds complex numbers, or its size is
  /// beyond what GDAL reads.
  explicit SourceRaster(const std::string& path);

  const SourceInfo& info() const { return info_; }
  /// The prepared dataset: band 1 is the heights.
  GDALDatasetH dataset() const { return prepared_ ? prepared_.get() : file_.get(); }

 private:
  SourceInfo info_;
  Dataset file_;
  Dataset prepared_;
};

/// The name GDAL gives a source's coordinate system and its EPSG code, as shown to the user:
/// "EPSG:2100 GGRS87 / Greek Grid", or the name alone.
std::string systemLabel(const SourceInfo& info);

}  // namespace dtmconvert
