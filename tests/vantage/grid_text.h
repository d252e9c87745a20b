#pragma once

#include <functional>
#include <sstream>
#include <string>

#include "canvas/recording_canvas.h"

namespace vantage::testing {

/// The text of a DTM grid file: the header, then one line of heights per row, node (i, j)
/// (1-based) holding height(i, j).
inline std::string gridText(int rows, int columns, double xNorthWest, double yNorthWest,
                            double spacingX, double spacingY,
                            const std::function<double(int, int)>& height) {
  std::ostringstream out;
  out.precision(17);
  out << rows << ',' << columns << ',' << xNorthWest << ',' << yNorthWest << ',' << spacingX << ','
      << spacingY << '\n';
  for (int i = 1; i <= rows; ++i) {
    for (int j = 1; j <= columns; ++j) out << (j > 1 ? ", " : "") << height(i, j);
    out << '\n';
  }
  return out.str();
}

/// A flat grid at height 0 with a spacing of 100 along X and Y, its north-west node at
/// (1000, 5000).
inline std::string flatGrid(int rows, int columns) {
  return gridText(rows, columns, 1000, 5000, 100, 100, [](int, int) { return 0.0; });
}

/// The ops of one kind that a canvas recorded.
inline int countOps(const suite::RecordingCanvas& canvas, suite::RecordingCanvas::Kind kind) {
  int count = 0;
  for (const auto& op : canvas.ops()) count += op.kind == kind;
  return count;
}

}  // namespace vantage::testing
