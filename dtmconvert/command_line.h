#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace dtmconvert {

/// Exit statuses of the command line.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  ///< the work failed; the message says why
inline constexpr int kExitUsage = 2;    ///< the command line itself is wrong

/// The help text of the command line, in Greek.
std::string commandLineHelp();

/// Runs the command line `arguments` (without the program's name):
///   import SRC OUT.dtm [--crs EPSG:N] [--cell A[,B]] [--bounds W,S,E,N]
///          [--resampling bilinear|nearest|cubic] [--fill-nodata]
///   geotiff IN.dtm OUT.tif
///   contours IN.dtm OUT.gpkg|OUT.geojson|OUT.shp|OUT.dxf --interval H
///   --help
/// An option's value follows it or joins it with "=". The summary and what was written go to
/// `out`; failures to `err` as "dtmconvert: message"; progress to `err` when `showProgress` (a
/// terminal), as a percentage rewritten in place. Returns the exit status.
int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   bool showProgress);

}  // namespace dtmconvert
