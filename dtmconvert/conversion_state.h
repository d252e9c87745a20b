#pragma once

#include <memory>
#include <optional>
#include <string>

#include "dtmconvert/import_plan.h"
#include "dtmconvert/preview.h"
#include "dtmconvert/source_raster.h"

namespace dtmconvert {

/// What the dtmconvert window holds between actions.
struct ConversionState {
  std::unique_ptr<SourceRaster> source;  ///< the open source, or none yet
  PreviewHeights preview;                ///< the source's heights, reduced for its picture
  std::optional<ImportPlan> plan;        ///< the grid at the window's settings, unless refused
  std::string planRefusal;               ///< why the settings give no grid
  std::string gridPath;                  ///< the DTM grid file chosen for export, or ""
  bool busy = false;                     ///< a conversion is running
  bool stopRequested = false;            ///< the user pressed «Ακύρωση» during it
  bool closeRequested = false;           ///< the window was closed during it
};

}  // namespace dtmconvert
