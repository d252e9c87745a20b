#pragma once

#include <cstdint>
#include <vector>

#include "dtmconvert/gdal_support.h"
#include "dtmconvert/import_plan.h"
#include "dtmconvert/progress.h"

namespace dtmconvert {

/// Nodes of a warped grid without data.
struct NoDataNodes {
  std::int64_t count = 0;
  std::int32_t firstRow = 0;     ///< 1-based, from the north; 0 when count is 0
  std::int32_t firstColumn = 0;  ///< 1-based, from the west
};

/// The heights of an import's grid in memory, as GDAL's warper gives them: a raster of the
/// plan's rows × columns whose pixel (i, j) is node (i, j), NaN where there is no data.
class WarpedGrid {
 public:
  explicit WarpedGrid(Dataset raster);

  std::int32_t rows() const;
  std::int32_t columns() const;

  /// Reads row `row` (1-based, from the north) into `heights`, resized to columns().
  void readRow(std::int32_t row, std::vector<double>& heights) const;

  /// Counts the nodes without data and finds the first in file order.
  NoDataNodes noDataNodes() const;

  /// The lowest and highest height; NaN for both when no node has data.
  std::pair<double, double> heightRange() const;

  /// Fills every node without data from its neighbours with GDAL's fill-nodata (inverse-distance
  /// weighting, searching as far as the grid reaches). Throws suite::UserError when no node has
  /// data, Cancelled when stopped.
  void fillNoData(Progress& progress);

 private:
  GDALRasterBandH band() const;
  Dataset raster_;
};

/// Warps band 1 of `source` onto the plan's grid through GDAL's gdalwarp (GDALWarp), with the
/// options `gdalwarp -t_srs <system> -te <bounds> -tr a b -r <resampling> -ot <type>
/// -dstnodata nan` (the type Float64 for a source that holds doubles, else Float32), so that
/// every height is the one gdalwarp gives. Throws suite::UserError when GDAL fails (Greek, with
/// GDAL's reason), Cancelled when stopped.
WarpedGrid warpToPlan(const SourceRaster& source, const ImportPlan& plan, Progress& progress);

/// The gdalwarp options warpToPlan passes, without -of: for the tests that run gdalwarp itself.
std::vector<std::string> warpOptions(const SourceRaster& source, const ImportPlan& plan);

}  // namespace dtmconvert
