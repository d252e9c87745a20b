#include "dtmconvert/grid_export.h"

#include <gdal_alg.h>
#include <ogr_api.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "dtm/grid_reader.h"
#include "dtmconvert/grid_text.h"
#include "dtmconvert/import_plan.h"
#include "dtmconvert/memory_folder.h"
#include "dtmconvert/sidecar.h"
#include "text/user_error.h"

namespace dtmconvert {

namespace {

using suite::UserError;

std::string lowerExtension(const std::string& path) {
  const std::string name = nameOf(path);
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string::npos || dot == 0) return "";
  std::string extension = name.substr(dot);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

const char* driverName(ContourFormat format) {
  switch (format) {
    case ContourFormat::GeoPackage:
      return "GPKG";
    case ContourFormat::GeoJson:
      return "GeoJSON";
    case ContourFormat::Shapefile:
      return "ESRI Shapefile";
    case ContourFormat::Dxf:
      break;
  }
  return "DXF";
}

/// The .prj's system, or nothing without one.
std::unique_ptr<OGRSpatialReference> systemOfSidecar(const std::string& gridPath) {
  const std::optional<std::string> wkt = readSidecar(gridPath);
  if (!wkt) return nullptr;
  GdalMessages messages;
  auto srs = std::make_unique<OGRSpatialReference>();
  srs->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
  if (srs->SetFromUserInput(wkt->c_str(), OGRSpatialReference::SET_FROM_USER_INPUT_LIMITATIONS) !=
      OGRERR_NONE) {
    throw UserError("Το σύστημα συντεταγμένων του «" + sidecarPath(gridPath) + "» δεν διαβάζεται" +
                    messages.because() + ".");
  }
  return srs;
}

/// The attributes gdal_contour gives a line: ID, a whole number, and its height.
bool createContourFields(OGRLayerH layer) {
  OGRFieldDefnH id = OGR_Fld_Create("ID", OFTInteger);
  OGR_Fld_SetWidth(id, 8);
  OGRFieldDefnH height = OGR_Fld_Create(kHeightField, OFTReal);
  OGR_Fld_SetWidth(height, 12);
  OGR_Fld_SetPrecision(height, 3);
  const bool created = OGR_L_CreateField(layer, id, FALSE) == OGRERR_NONE &&
                       OGR_L_CreateField(layer, height, FALSE) == OGRERR_NONE;
  OGR_Fld_Destroy(id);
  OGR_Fld_Destroy(height);
  return created;
}

}  // namespace

GridRaster::GridRaster(const std::string& gridPath, Progress& progress) {
  ensureGdal();
  const std::unique_ptr<OGRSpatialReference> srs = systemOfSidecar(gridPath);
  suite::GridReader reader(gridPath);
  header_ = reader.header();
  if (header_.nodeCount() > kMostImportNodes) {
    throw UserError("Το πλέγμα του «" + gridPath + "» έχει " + std::to_string(header_.nodeCount()) +
                    " κόμβους, περισσότερους από τους " + std::to_string(kMostImportNodes) +
                    " που μετατρέπονται.");
  }
  GdalMessages messages;
  raster_.reset(GDALCreate(GDALGetDriverByName("MEM"), "", header_.columns, header_.rows, 1,
                           GDT_Float64, nullptr));
  if (!raster_) {
    throw UserError("Δεν υπάρχει αρκετή μνήμη για τα " + std::to_string(header_.nodeCount()) +
                    " υψόμετρα του «" + gridPath + "»" + messages.because() + ".");
  }
  double transform[6] = {header_.xNorthWest - header_.spacingX / 2,
                         header_.spacingX,
                         0,
                         header_.yNorthWest + header_.spacingY / 2,
                         0,
                         -header_.spacingY};
  GDALSetGeoTransform(raster_.get(), transform);
  if (srs) {
    GDALSetSpatialRef(raster_.get(), OGRSpatialReference::ToHandle(srs.get()));
    systemName_ = srs->GetName() != nullptr ? srs->GetName() : "";
  }

  GDALRasterBandH band = GDALGetRasterBand(raster_.get(), 1);
  std::vector<double> row(static_cast<std::size_t>(header_.columns));
  lowest_ = std::numeric_limits<double>::infinity();
  highest_ = -lowest_;
  suite::GridHeight height;
  while (reader.next(height)) {
    const double z = height.z;
    row[static_cast<std::size_t>(height.column - 1)] = z;
    lowest_ = std::min(lowest_, z);
    highest_ = std::max(highest_, z);
    if (height.column != header_.columns) continue;
    if (GDALRasterIO(band, GF_Write, 0, height.row - 1, header_.columns, 1, row.data(),
                     header_.columns, 1, GDT_Float64, 0, 0) != CE_None) {
      throw UserError("Τα υψόμετρα του «" + gridPath + "» δεν χωρούν στη μνήμη" +
                      messages.because() + ".");
    }
    if (height.row % 64 == 0) reportOrStop(progress, double(height.row) / header_.rows);
  }
  if (!(std::isfinite(lowest_) && std::isfinite(highest_))) {
    throw UserError("Το «" + gridPath + "» έχει υψόμετρα που δεν είναι πεπερασμένοι αριθμοί.");
  }
}

GridFileInfo readGridFileInfo(const std::string& gridPath) {
  ensureGdal();
  GridFileInfo info;
  const std::unique_ptr<OGRSpatialReference> srs = systemOfSidecar(gridPath);
  info.header = suite::GridReader(gridPath).header();
  info.hasSystem = srs != nullptr;
  if (srs && srs->GetName() != nullptr) info.systemName = srs->GetName();
  return info;
}

void writeGeoTiff(const GridRaster& grid, const std::string& tifPath, Progress& progress) {
  GdalMessages messages;
  MemoryFolder folder;
  const std::string name = nameOf(tifPath);
  if (name.empty()) throw UserError("Δεν δόθηκε όνομα για το αρχείο GeoTIFF.");
  GdalArguments options({"COMPRESS=DEFLATE", "PREDICTOR=3", "BIGTIFF=IF_SAFER"});
  CancelWatch watch(progress);
  Dataset tif(GDALCreateCopy(GDALGetDriverByName("GTiff"), folder.path(name).c_str(),
                             grid.dataset(), FALSE, options.list(), &gdalProgress, &watch));
  if (!tif) {
    if (watch.stopped()) throw Cancelled();
    throw UserError("Το GeoTIFF «" + tifPath + "» δεν γράφτηκε" + messages.because() + ".");
  }
  tif.reset();
  folder.publish(folderOf(tifPath));
}

std::optional<ContourFormat> contourFormatOf(const std::string& path) {
  const std::string extension = lowerExtension(path);
  if (extension == ".gpkg") return ContourFormat::GeoPackage;
  if (extension == ".geojson") return ContourFormat::GeoJson;
  if (extension == ".shp") return ContourFormat::Shapefile;
  if (extension == ".dxf") return ContourFormat::Dxf;
  return std::nullopt;
}

ContourResult writeContours(const GridRaster& grid, const std::string& path, double interval,
                            Progress& progress) {
  if (!(interval > 0) || !std::isfinite(interval)) {
    throw UserError("Η ισοδιάσταση πρέπει να είναι θετικός αριθμός, για παράδειγμα 10.");
  }
  const std::optional<ContourFormat> format = contourFormatOf(path);
  if (!format) {
    throw UserError("Το «" + path +
                    "» δεν έχει κατάληξη μορφής ισοϋψών: .gpkg (GeoPackage), .geojson (GeoJSON), "
                    ".shp (Shapefile) ή .dxf (DXF).");
  }
  ContourResult result;
  result.levels = static_cast<std::int64_t>(std::floor(grid.highest() / interval)) -
                  static_cast<std::int64_t>(std::ceil(grid.lowest() / interval)) + 1;
  if (!(std::floor(grid.highest() / interval) - std::ceil(grid.lowest() / interval) <
        kMostContourLevels)) {
    throw UserError("Με ισοδιάσταση " + headerNumber(interval) + " τα υψόμετρα από " +
                    headerNumber(grid.lowest()) + " έως " + headerNumber(grid.highest()) +
                    " δίνουν περισσότερες από " + std::to_string(kMostContourLevels) +
                    " ισοϋψείς: διάλεξε μεγαλύτερη ισοδιάσταση.");
  }
  result.levels = std::max<std::int64_t>(result.levels, 0);

  GdalMessages messages;
  const bool dxf = *format == ContourFormat::Dxf;
  const OGRSpatialReferenceH srs = GDALGetSpatialRef(grid.dataset());
  // The lines are drawn into memory first, where they can be counted, then copied out: DXF
  // takes no attributes, and its lines get their height as their Z.
  Dataset drawn(GDALCreate(GDALGetDriverByName("Memory"), "", 0, 0, 0, GDT_Unknown, nullptr));
  OGRLayerH lines = drawn ? GDALDatasetCreateLayer(drawn.get(), "contour", srs,
                                                   dxf ? wkbLineString25D : wkbLineString, nullptr)
                          : nullptr;
  if (lines == nullptr || !createContourFields(lines)) {
    throw UserError("Δεν υπάρχει μνήμη για τις ισοϋψείς" + messages.because() + ".");
  }
  {
    GdalArguments options({"LEVEL_INTERVAL=" + exactText(interval), "ID_FIELD=0", "ELEV_FIELD=1"});
    ProgressStage drawing(progress, 0, 0.8);
    CancelWatch watch(drawing);
    const CPLErr generated = GDALContourGenerateEx(GDALGetRasterBand(grid.dataset(), 1), lines,
                                                   options.list(), &gdalProgress, &watch);
    if (watch.stopped()) throw Cancelled();
    if (generated != CE_None) {
      throw UserError("Οι ισοϋψείς δεν υπολογίστηκαν" + messages.because() + ".");
    }
  }
  result.lines = OGR_L_GetFeatureCount(lines, TRUE);

  MemoryFolder folder;
  {
    Dataset out(GDALCreate(GDALGetDriverByName(driverName(*format)),
                           folder.path(nameOf(path)).c_str(), 0, 0, 0, GDT_Unknown, nullptr));
    OGRLayerH layer = out ? GDALDatasetCreateLayer(out.get(), "contour", srs,
                                                   dxf ? wkbLineString25D : wkbLineString, nullptr)
                          : nullptr;
    if (layer == nullptr || (!dxf && !createContourFields(layer))) {
      throw UserError("Το αρχείο ισοϋψών «" + path + "» δεν δημιουργείται" + messages.because() +
                      ".");
    }
    ProgressStage copying(progress, 0.8, 1);
    OGR_L_ResetReading(lines);
    std::int64_t copied = 0;
    while (OGRFeatureH line = OGR_L_GetNextFeature(lines)) {
      OGRFeatureH feature = OGR_F_Create(OGR_L_GetLayerDefn(layer));
      OGR_F_SetFrom(feature, line, TRUE);
      const OGRErr added = OGR_L_CreateFeature(layer, feature);
      OGR_F_Destroy(feature);
      OGR_F_Destroy(line);
      if (added != OGRERR_NONE) {
        throw UserError("Οι ισοϋψείς δεν γράφονται στο «" + path + "»" + messages.because() + ".");
      }
      if (++copied % 256 == 0) reportOrStop(copying, double(copied) / double(result.lines));
    }
    const std::size_t errorsBefore = messages.errorCount();
    GDALFlushCache(out.get());
    if (messages.errorCount() != errorsBefore) {
      throw UserError("Το αρχείο ισοϋψών «" + path + "» δεν γράφτηκε" + messages.because() + ".");
    }
  }
  folder.publish(folderOf(path));
  return result;
}

}  // namespace dtmconvert
