#include "dtmconvert/target_system.h"

#include <gdal_alg.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "text/user_error.h"

namespace dtmconvert {

namespace {

using suite::UserError;

constexpr int kGreekGrid = 2100;

std::string epsgText(int code) {
  return "EPSG:" + std::to_string(code);
}

/// The system of EPSG `code`, or UserError.
OGRSpatialReference systemOf(int code) {
  GdalMessages messages;
  OGRSpatialReference srs;
  if (srs.importFromEPSG(code) != OGRERR_NONE) {
    throw UserError("Δεν υπάρχει σύστημα συντεταγμένων " + epsgText(code) +
                    " στη βάση EPSG της GDAL" + messages.because() + ".");
  }
  return srs;
}

TargetSystem targetOf(const OGRSpatialReference& srs, int code, std::string why) {
  TargetSystem system;
  system.wkt = wktOf(srs);
  system.name = srs.GetName() != nullptr ? srs.GetName() : "";
  system.epsg = code;
  system.reprojected = true;
  system.why = std::move(why);
  return system;
}

/// Longitude and latitude (degrees, WGS 84) of the centre of the source.
bool centreOf(const SourceRaster& source, double& longitude, double& latitude) {
  GdalMessages messages;
  OGRSpatialReference wgs84;
  wgs84.importFromEPSG(4326);
  const std::string wkt = wktOf(wgs84);
  const std::string option = "DST_SRS=" + wkt;
  const char* const options[] = {option.c_str(), nullptr};
  void* transformer =
      GDALCreateGenImgProjTransformer2(source.dataset(), nullptr, const_cast<char**>(options));
  if (transformer == nullptr) return false;
  double x = source.info().width / 2.0;
  double y = source.info().height / 2.0;
  double z = 0;
  int ok = FALSE;
  GDALGenImgProjTransform(transformer, FALSE, 1, &x, &y, &z, &ok);
  GDALDestroyGenImgProjTransformer(transformer);
  longitude = x;
  latitude = y;
  return ok && std::isfinite(x) && std::isfinite(y);
}

}  // namespace

std::optional<int> parseEpsg(const std::string& text) {
  std::string code = text;
  const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  code.erase(code.begin(), std::find_if_not(code.begin(), code.end(), blank));
  code.erase(std::find_if_not(code.rbegin(), code.rend(), blank).base(), code.end());
  if (code.empty()) return std::nullopt;
  std::string prefix = code.substr(0, std::min<std::size_t>(5, code.size()));
  std::transform(prefix.begin(), prefix.end(), prefix.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (prefix == "EPSG:") code = code.substr(5);
  const bool digits =
      !code.empty() && code.size() <= 9 &&
      std::all_of(code.begin(), code.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
  if (!digits) {
    throw UserError("Το «" + text +
                    "» δεν είναι κωδικός συστήματος συντεταγμένων: γράψε τον κωδικό EPSG, για "
                    "παράδειγμα EPSG:2100 (ΕΓΣΑ87).");
  }
  return std::stoi(code);
}

int utmZoneEpsg(double longitudeDegrees, double latitudeDegrees) {
  const int zone =
      std::clamp(static_cast<int>(std::floor((longitudeDegrees + 180.0) / 6.0)) + 1, 1, 60);
  return (latitudeDegrees >= 0 ? 32600 : 32700) + zone;
}

TargetSystem chooseTargetSystem(const SourceRaster& source, std::optional<int> epsg) {
  ensureGdal();
  const SourceInfo& info = source.info();
  if (epsg) {
    if (info.system == SystemKind::None || info.system == SystemKind::Local) {
      throw UserError(
          "Η πηγή δεν έχει γνωστό σύστημα συντεταγμένων, οπότε δεν μετασχηματίζεται σε άλλο: "
          "άφησε κενό το σύστημα, και το πλέγμα θα γραφτεί στις μονάδες της πηγής.");
    }
    const OGRSpatialReference srs = systemOf(*epsg);
    if (!srs.IsProjected()) {
      throw UserError("Το " + epsgText(*epsg) + " (" + (srs.GetName() ? srs.GetName() : "") +
                      ") δεν είναι χαρτογραφική προβολή: το πλέγμα θέλει συντεταγμένες εδάφους "
                      "σε μέτρα, όπως του EPSG:2100 (ΕΓΣΑ87).");
    }
    if (std::fabs(srs.GetLinearUnits() - 1.0) > 1e-12) {
      throw UserError("Το " + epsgText(*epsg) + " (" + (srs.GetName() ? srs.GetName() : "") +
                      ") δεν έχει μονάδα το μέτρο: το πλέγμα θέλει συντεταγμένες εδάφους σε "
                      "μέτρα.");
    }
    OGRSpatialReference own;
    if (!info.systemWkt.empty() && own.importFromWkt(info.systemWkt.c_str()) == OGRERR_NONE &&
        own.IsSame(&srs)) {
      TargetSystem kept;
      kept.wkt = info.systemWkt;
      kept.name = info.systemName;
      kept.epsg = *epsg;
      kept.why = "το σύστημα της πηγής";
      return kept;
    }
    return targetOf(srs, *epsg, "όπως ζητήθηκε");
  }

  switch (info.system) {
    case SystemKind::None: {
      TargetSystem own;
      own.ownUnits = true;
      own.why = info.georeferenced
                    ? "η πηγή δεν έχει σύστημα συντεταγμένων: οι συντεταγμένες μένουν στις "
                      "μονάδες της"
                    : "η πηγή δεν έχει γεωαναφορά: συντεταγμένες σε εικονοστοιχεία, το νοτιοδυτικό "
                      "άκρο στο (0, 0)";
      return own;
    }
    case SystemKind::Local: {
      TargetSystem own;
      own.wkt = info.systemWkt;
      own.name = info.systemName;
      own.ownUnits = true;
      own.why = "τοπικό σύστημα της πηγής: οι συντεταγμένες μένουν στις μονάδες του";
      return own;
    }
    case SystemKind::ProjectedMetres: {
      TargetSystem kept;
      kept.wkt = info.systemWkt;
      kept.name = info.systemName;
      kept.epsg = info.epsg;
      kept.why = "το σύστημα της πηγής, προβολή σε μέτρα";
      return kept;
    }
    case SystemKind::Geographic:
    case SystemKind::ProjectedOtherUnits:
      break;
  }

  double longitude = 0;
  double latitude = 0;
  if (!centreOf(source, longitude, latitude)) {
    throw UserError(
        "Το κέντρο της πηγής δεν μετασχηματίζεται σε γεωγραφικές συντεταγμένες, για να διαλεχτεί "
        "σύστημα: γράψε το σύστημα του πλέγματος (EPSG).");
  }
  const std::string from = info.system == SystemKind::Geographic
                               ? "γεωγραφική πηγή (μοίρες)"
                               : "πηγή σε προβολή με μονάδα άλλη από το μέτρο";
  const OGRSpatialReference greekGrid = systemOf(kGreekGrid);
  double west = 0;
  double south = 0;
  double east = 0;
  double north = 0;
  if (greekGrid.GetAreaOfUse(&west, &south, &east, &north, nullptr) && longitude >= west &&
      longitude <= east && latitude >= south && latitude <= north) {
    return targetOf(greekGrid, kGreekGrid,
                    from + " με κέντρο στην περιοχή του ΕΓΣΑ87: στο Ελληνικό Γεωδαιτικό Σύστημα");
  }
  const int utm = utmZoneEpsg(longitude, latitude);
  return targetOf(systemOf(utm), utm, from + ": στη ζώνη UTM του κέντρου της");
}

}  // namespace dtmconvert
