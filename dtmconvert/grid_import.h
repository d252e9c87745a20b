#pragma once

#include <functional>
#include <string>

#include "dtmconvert/grid_summary.h"
#include "dtmconvert/import_plan.h"
#include "dtmconvert/progress.h"
#include "dtmconvert/source_raster.h"
#include "dtmconvert/suite_fit.h"

namespace dtmconvert {

/// An import's output and what the summary is computed for.
struct ImportRequest {
  std::string gridPath;  ///< the DTM grid file to write, UTF-8
  ImportSettings settings;
  /// The screen isolines' pixels per cell are told for.
  suite::TwipsSize screen = kReferenceScreen;
};

/// What an import did.
struct ImportResult {
  GridSummary summary;
  std::string sidecar;               ///< the .prj beside the grid file
  bool sidecarWritten = false;       ///< false: the grid has no coordinate system
  bool staleSidecarRemoved = false;  ///< a .prj of an earlier grid of that name was removed
};

/// The summary of a plan before its heights are known (lowest and highest NaN, to be filled in).
GridSummary plannedSummary(const SourceRaster& source, const ImportPlan& plan,
                           suite::TwipsSize screen);

/// Imports band 1 of `source` into a DTM grid file: plans the grid (planImport), warps the
/// source onto it (warpToPlan), fills the nodes without data when asked (else refuses them),
/// tells `beforeWriting` the summary, then writes the grid file and its .prj (the target
/// system's WKT) together through the suite's atomic writer: the header line "n,m,X_NW,Y_NW,a,b"
/// (headerLine), then one grid row a line from the north, heights west to east separated by
/// ",", each to the summary's decimals (appendHeight), CR LF line ends. A grid without a
/// coordinate system gets no .prj, and a .prj left beside an earlier file of that name is
/// removed, so that it cannot be taken for this grid's.
///
/// Progress: warping to 80 %, filling to 90 %, writing to 100 %. Throws suite::UserError (Greek,
/// naming what to change) for the plan's refusals, an output that is the source itself or ends
/// in ".prj", nodes without data (how many, and the first one's row, column, X and Y), a failure
/// of GDAL or of the writing; Cancelled when stopped. Nothing is written then, and existing
/// files stay as they were.
ImportResult importGrid(const SourceRaster& source, const ImportRequest& request,
                        Progress& progress,
                        const std::function<void(const GridSummary&)>& beforeWriting = {});

}  // namespace dtmconvert
