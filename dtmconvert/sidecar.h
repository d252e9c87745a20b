#pragma once

#include <optional>
#include <string>

namespace dtmconvert {

/// The coordinate-system file that goes with a DTM grid file: its path with the extension
/// replaced by ".prj" ("hills.dtm" → "hills.prj"; "hills" → "hills.prj"; a dot that starts the
/// file name is not an extension).
std::string sidecarPath(const std::string& gridPath);

/// The text of the sidecar of `gridPath` (its coordinate system as WKT), or nothing when there
/// is none. Throws suite::UserError when it exists but cannot be read.
std::optional<std::string> readSidecar(const std::string& gridPath);

}  // namespace dtmconvert
