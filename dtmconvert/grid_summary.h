#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dtm/grid_header.h"
#include "dtmconvert/suite_fit.h"

namespace dtmconvert {

/// What the user is told of a grid before it is written.
struct GridSummary {
  suite::GridHeader header;
  std::string systemName;  ///< "" for a grid in the source's own units
  std::string systemWhy;   ///< why this system
  double lowest = 0;       ///< height range; NaN when unknown
  double highest = 0;
  bool rangeEstimated = false;  ///< the range is the preview's, not yet the grid's
  std::int64_t filled = 0;      ///< nodes filled from their neighbours
  int decimals = 2;             ///< places the heights are written with
  SuiteFit fit;
};

/// The summary in Greek, one line each: the grid's size, nodes, cells and north-west node; its
/// system; its heights; the filled nodes when any; then what each program can do with it.
std::vector<std::string> summaryLines(const GridSummary& summary);

}  // namespace dtmconvert
