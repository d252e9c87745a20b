#pragma once

#include <optional>
#include <string>

#include "dtmconvert/source_raster.h"

namespace dtmconvert {

/// The coordinate system a DTM grid is written in.
struct TargetSystem {
  std::string wkt;   ///< empty when the source has no system (own units)
  std::string name;  ///< e.g. "GGRS87 / Greek Grid"
  std::optional<int> epsg;
  bool reprojected = false;  ///< false: the source's own system (or none) is kept
  bool ownUnits = false;     ///< the source's own units, not metres of a known system
  std::string why;           ///< why this system, in Greek, for the summary
};

/// "EPSG:2100" or "2100" (blanks around, "epsg" in any case) as the code 2100; nothing for an
/// empty text; throws suite::UserError for anything else.
std::optional<int> parseEpsg(const std::string& text);

/// The system of an import of `source`: the projected system in metres named by `epsg`; else
/// the source's own when it is projected in metres, has no system or a local one; else, for a
/// geographic source or one projected in other units, the Greek Grid (EGSA87, EPSG:2100) when
/// the source's centre lies in that system's area of use, or the WGS 84 UTM zone of the centre.
/// Throws suite::UserError for a code GDAL does not know, a named system that is not projected
/// in metres, and a named system for a source without one.
TargetSystem chooseTargetSystem(const SourceRaster& source, std::optional<int> epsg);

/// The EPSG code of the WGS 84 UTM zone holding the point at `longitudeDegrees` (−180 … 180)
/// and `latitudeDegrees`: 326zz north of the equator, 327zz south, zz = 1 … 60 (the zones are
/// 6° wide from 180° W; Norway's and Svalbard's exceptions are not made).
int utmZoneEpsg(double longitudeDegrees, double latitudeDegrees);

}  // namespace dtmconvert
