#include "dtmconvert/warped_grid.h"

#include <gdal_alg.h>
#include <gdal_utils.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "text/user_error.h"

namespace dtmconvert {

namespace {

using suite::UserError;

const char* resamplingName(Resampling resampling) {
  switch (resampling) {
    case Resampling::Nearest:
      return "near";
    case Resampling::Cubic:
      return "cubic";
    case Resampling::Bilinear:
      break;
  }
  return "bilinear";
}

}  // namespace

WarpedGrid::WarpedGrid(Dataset raster) : raster_(std::move(raster)) {}

GDALRasterBandH WarpedGrid::band() const {
  return GDALGetRasterBand(raster_.get(), 1);
}

std::int32_t WarpedGrid::rows() const {
  return GDALGetRasterYSize(raster_.get());
}

std::int32_t WarpedGrid::columns() const {
  return GDALGetRasterXSize(raster_.get());
}

void WarpedGrid::readRow(std::int32_t row, std::vector<double>& heights) const {
  heights.resize(static_cast<std::size_t>(columns()));
  if (GDALRasterIO(band(), GF_Read, 0, row - 1, columns(), 1, heights.data(), columns(), 1,
                   GDT_Float64, 0, 0) != CE_None) {
    throw UserError("Τα υψόμετρα της γραμμής " + std::to_string(row) +
                    " του πλέγματος δεν διαβάζονται από τη μνήμη.");
  }
}

NoDataNodes WarpedGrid::noDataNodes() const {
  NoDataNodes nodes;
  std::vector<double> heights;
  for (std::int32_t row = 1; row <= rows(); ++row) {
    readRow(row, heights);
    for (std::int32_t column = 1; column <= columns(); ++column) {
      if (!std::isnan(heights[static_cast<std::size_t>(column - 1)])) continue;
      if (nodes.count++ == 0) {
        nodes.firstRow = row;
        nodes.firstColumn = column;
      }
    }
  }
  return nodes;
}

std::pair<double, double> WarpedGrid::heightRange() const {
  double lowest = std::numeric_limits<double>::infinity();
  double highest = -lowest;
  std::vector<double> heights;
  for (std::int32_t row = 1; row <= rows(); ++row) {
    readRow(row, heights);
    for (const double z : heights) {
      if (std::isnan(z)) continue;
      lowest = std::min(lowest, z);
      highest = std::max(highest, z);
    }
  }
  if (lowest > highest) return {NAN, NAN};
  return {lowest, highest};
}

void WarpedGrid::fillNoData(Progress& progress) {
  if (noDataNodes().count == std::int64_t{rows()} * columns()) {
    throw UserError(
        "Κανένας κόμβος του πλέγματος δεν έχει υψόμετρο, οπότε δεν υπάρχουν γείτονες "
        "για να συμπληρωθούν τα κενά: διάλεξε περιοχή μέσα στην πηγή.");
  }
  GdalMessages messages;
  CancelWatch watch(progress);
  GdalArguments options({"TEMP_FILE_DRIVER=MEM"});
  const double reach = std::hypot(rows(), columns()) + 1;
  const CPLErr result =
      GDALFillNodata(band(), nullptr, reach, 0, 0, options.list(), &gdalProgress, &watch);
  if (watch.stopped()) throw Cancelled();
  if (result != CE_None) {
    throw UserError("Η συμπλήρωση των κενών απέτυχε" + messages.because() + ".");
  }
}

std::vector<std::string> warpOptions(const SourceRaster& source, const ImportPlan& plan) {
  const GroundBounds bounds = plan.bounds();
  std::vector<std::string> options;
  if (plan.system.reprojected) {
    options.insert(options.end(), {"-t_srs", plan.system.wkt});
  }
  options.insert(options.end(),
                 {"-te", exactText(bounds.west), exactText(bounds.south), exactText(bounds.east),
                  exactText(bounds.north), "-tr", exactText(plan.cellX), exactText(plan.cellY),
                  "-r", resamplingName(plan.resampling), "-ot",
                  source.info().heightType == HeightType::Double ? "Float64" : "Float32",
                  "-dstnodata", "nan"});
  return options;
}

WarpedGrid warpToPlan(const SourceRaster& source, const ImportPlan& plan, Progress& progress) {
  ensureGdal();
  GdalMessages messages;
  GdalArguments arguments(warpOptions(source, plan));
  arguments.add("-of");
  arguments.add("MEM");
  GDALWarpAppOptions* options = GDALWarpAppOptionsNew(arguments.list(), nullptr);
  if (options == nullptr) {
    throw UserError("Οι παράμετροι της μετατροπής δεν γίνονται δεκτές από τη GDAL" +
                    messages.because() + ".");
  }
  CancelWatch watch(progress);
  GDALWarpAppOptionsSetProgress(options, &gdalProgress, &watch);
  GDALDatasetH sources[] = {source.dataset()};
  int usageError = FALSE;
  Dataset warped(GDALWarp("", nullptr, 1, sources, options, &usageError));
  GDALWarpAppOptionsFree(options);
  if (watch.stopped()) throw Cancelled();
  if (!warped) {
    throw UserError("Η μετατροπή της πηγής «" + source.info().path + "» στο πλέγμα απέτυχε" +
                    messages.because() + ".");
  }
  if (GDALGetRasterXSize(warped.get()) != plan.columns ||
      GDALGetRasterYSize(warped.get()) != plan.rows) {
    throw UserError("Η GDAL έδωσε πλέγμα άλλου μεγέθους από το σχεδιασμένο.");
  }
  return WarpedGrid(std::move(warped));
}

}  // namespace dtmconvert
