#include "dtmconvert/source_raster.h"

#include <gdal_utils.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "text/user_error.h"

namespace dtmconvert {

namespace {

using suite::UserError;

std::string quoted(const std::string& path) {
  return "«" + path + "»";
}

/// Reads up to 8 × 8 windows of 32 × 32 pixels spread over band 1, as doubles, leaving out no
/// data: enough to tell the places of the heights, while reading a few blocks of a large file.
std::vector<double> sampleHeights(GDALDatasetH dataset, const std::optional<double>& noData) {
  GDALRasterBandH band = GDALGetRasterBand(dataset, 1);
  const int width = GDALGetRasterXSize(dataset);
  const int height = GDALGetRasterYSize(dataset);
  constexpr int kWindows = 8;
  constexpr int kSide = 32;
  const int across = std::min(kSide, width);
  const int down = std::min(kSide, height);
  std::vector<double> samples;
  std::vector<double> window(static_cast<std::size_t>(across) * down);
  for (int wy = 0; wy < kWindows; ++wy) {
    const int top = static_cast<int>(std::int64_t{height - down} * wy / (kWindows - 1));
    for (int wx = 0; wx < kWindows; ++wx) {
      const int left = static_cast<int>(std::int64_t{width - across} * wx / (kWindows - 1));
      if (GDALRasterIO(band, GF_Read, left, top, across, down, window.data(), across, down,
                       GDT_Float64, 0, 0) != CE_None) {
        continue;
      }
      for (const double value : window) {
        if (noData && (value == *noData || (std::isnan(*noData) && std::isnan(value)))) continue;
        if (std::isfinite(value)) samples.push_back(value);
      }
    }
  }
  return samples;
}

HeightType heightTypeOf(GDALDataType type) {
  switch (type) {
    case GDT_Float64:
    case GDT_Int32:
    case GDT_UInt32:
    case GDT_Int64:
    case GDT_UInt64:
      return HeightType::Double;
    default:
      return HeightType::Single;
  }
}

void describeSystem(const OGRSpatialReference* srs, SourceInfo& info) {
  if (srs == nullptr || srs->IsEmpty()) {
    info.system = SystemKind::None;
    return;
  }
  if (srs->IsLocal()) {
    info.system = SystemKind::Local;
  } else if (srs->IsGeographic()) {
    info.system = SystemKind::Geographic;
  } else if (srs->IsProjected()) {
    info.system = std::fabs(srs->GetLinearUnits() - 1.0) < 1e-12 ? SystemKind::ProjectedMetres
                                                                 : SystemKind::ProjectedOtherUnits;
  } else {
    throw UserError(
        "Το σύστημα συντεταγμένων της πηγής («" +
        std::string(srs->GetName() ? srs->GetName() : "") +
        "») δεν είναι ούτε γεωγραφικό ούτε χαρτογραφική προβολή, και το πλέγμα δεν μπορεί να "
        "τοποθετηθεί σε αυτό.");
  }
  info.systemWkt = wktOf(*srs);
  info.systemName = srs->GetName() != nullptr ? srs->GetName() : "";
  const char* authority = srs->GetAuthorityName(nullptr);
  const char* code = srs->GetAuthorityCode(nullptr);
  if (authority != nullptr && code != nullptr && EQUAL(authority, "EPSG"))
    info.epsg = std::atoi(code);
}

}  // namespace

SourceRaster::SourceRaster(const std::string& path) {
  ensureGdal();
  GdalMessages messages;
  info_.path = path;
  file_.reset(GDALOpenEx(path.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY | GDAL_OF_VERBOSE_ERROR,
                         nullptr, nullptr, nullptr));
  if (!file_) {
    throw UserError("Το αρχείο " + quoted(path) +
                    " δεν ανοίγει ως ψηφιδωτό (raster) που διαβάζει η GDAL" + messages.because() +
                    ".");
  }
  GDALDatasetH file = file_.get();
  info_.driver = GDALGetDriverLongName(GDALGetDatasetDriver(file));
  info_.width = GDALGetRasterXSize(file);
  info_.height = GDALGetRasterYSize(file);
  info_.bandCount = GDALGetRasterCount(file);
  if (info_.bandCount < 1 || info_.width < 1 || info_.height < 1) {
    throw UserError("Το αρχείο " + quoted(path) + " δεν έχει ζώνη (band) με υψόμετρα.");
  }
  GDALRasterBandH band = GDALGetRasterBand(file, 1);
  const GDALDataType type = GDALGetRasterDataType(band);
  info_.dataType = GDALGetDataTypeName(type);
  if (GDALDataTypeIsComplex(type)) {
    throw UserError("Η ζώνη 1 του αρχείου " + quoted(path) + " έχει μιγαδικούς αριθμούς (" +
                    info_.dataType + "), όχι υψόμετρα.");
  }
  int hasNoData = FALSE;
  const double noData = GDALGetRasterNoDataValue(band, &hasNoData);
  if (hasNoData) info_.noData = noData;
  int hasScale = FALSE;
  int hasOffset = FALSE;
  const double scale = GDALGetRasterScale(band, &hasScale);
  const double offset = GDALGetRasterOffset(band, &hasOffset);
  info_.scaled = (hasScale && scale != 1.0) || (hasOffset && offset != 0.0);

  std::array<double, 6> transform{0, 1, 0, 0, 0, 1};
  info_.georeferenced = GDALGetGeoTransform(file, transform.data()) == CE_None;
  const bool hasGcps = !info_.georeferenced && GDALGetGCPCount(file) > 0;
  const OGRSpatialReference* srs = OGRSpatialReference::FromHandle(
      hasGcps ? GDALGetGCPSpatialRef(file) : GDALGetSpatialRef(file));
  describeSystem(srs, info_);

  // Band 1 alone, unscaled and georeferenced, as a virtual raster when the file is not so.
  GdalArguments arguments({"-of", "VRT", "-b", "1"});
  bool prepare = info_.bandCount > 1;
  if (info_.scaled) {
    arguments.add("-unscale");
    arguments.add("-ot");
    arguments.add("Float64");
    prepare = true;
  }
  if (!info_.georeferenced && !hasGcps) {
    for (const std::string& corner :
         {std::string("-a_ullr"), std::string("0"), std::to_string(info_.height),
          std::to_string(info_.width), std::string("0")}) {
      arguments.add(corner);
    }
    prepare = true;
  }
  if (prepare) {
    GDALTranslateOptions* options = GDALTranslateOptionsNew(arguments.list(), nullptr);
    prepared_.reset(GDALTranslate("", file, options, nullptr));
    GDALTranslateOptionsFree(options);
    if (!prepared_) {
      throw UserError("Η ζώνη 1 του αρχείου " + quoted(path) + " δεν διαβάζεται" +
                      messages.because() + ".");
    }
    if (info_.scaled && hasNoData) {
      info_.noData = GDALGetRasterNoDataValue(GDALGetRasterBand(dataset(), 1), &hasNoData);
      if (!hasNoData) info_.noData.reset();
    }
  }
  GDALGetGeoTransform(dataset(), info_.geoTransform.data());
  info_.northUp = !hasGcps && info_.geoTransform[2] == 0 && info_.geoTransform[4] == 0 &&
                  info_.geoTransform[1] > 0 && info_.geoTransform[5] < 0;
  info_.heightType = info_.scaled ? HeightType::Double : heightTypeOf(type);
  info_.decimals = sourceDecimals(sampleHeights(dataset(), info_.noData), info_.heightType);
}

std::string systemLabel(const SourceInfo& info) {
  if (info.system == SystemKind::None) return "χωρίς σύστημα συντεταγμένων";
  if (info.epsg) return "EPSG:" + std::to_string(*info.epsg) + " " + info.systemName;
  return info.systemName;
}

}  // namespace dtmconvert
