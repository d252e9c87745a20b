#pragma once

#include <sstream>
#include <string>

#include "canvas/recording_canvas.h"

namespace suite::canvas_testing {

/// A recorded drawing as one line of text, for comparing whole drawings in one expectation:
/// C clear, W line width with its pixels, P point, L line, T text, each point, line and text
/// with its position (x,y), then r / g for a red / green colour and, with `withTexts`, the text
/// in single quotes; one blank after each op.
inline std::string trace(const RecordingCanvas& canvas, bool withTexts = false) {
  using Kind = RecordingCanvas::Kind;
  std::ostringstream out;
  for (const RecordingCanvas::Op& op : canvas.ops()) {
    out << "CWPLT"[static_cast<int>(op.kind)];
    if (op.kind == Kind::LineWidth) out << op.lineWidth;
    if (op.kind >= Kind::Point) out << op.x << "," << op.y;
    if (op.colour) out << (op.colour->r ? "r" : "") << (op.colour->g ? "g" : "");
    if (withTexts && op.kind == Kind::Text) out << "'" << op.text << "'";
    out << " ";
  }
  return out.str();
}

}  // namespace suite::canvas_testing
