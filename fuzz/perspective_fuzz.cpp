// vantage's perspective drawing and plan-map picks, as its windows drive them: the screen size,
// ΔZ, the scale mode and the clicks on the plan map from the input's first bytes, the DTM grid
// file (held in memory) from the rest. The first drawing, the plan map, each pick and the drawing
// after it, and a last drawing of the file cut short (it changed between two reads), each painted
// onto recording canvases: every coordinate is finite and every node lies in the picture; every
// refusal is a UserError with a Greek message and leaves the last drawing as it was.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "canvas/recording_canvas.h"
#include "fuzz/fuzz_checks.h"
#include "map_shell/drawing_layout.h"
#include "text/user_error.h"
#include "vantage/perspective_view.h"
#include "vantage/vantage_actions.h"
#include "vantage/vantage_state.h"

namespace {

using fuzzing::check;

void draw(vantage::VantageState& state, const vantage::PerspectiveInput& input,
          const suite::DrawingWindowLayout& layout) {
  const bool hadDrawing = state.lastDrawing.has_value();
  const std::size_t lastNodes = hadDrawing ? state.lastDrawing->nodes.size() : 0;
  try {
    const vantage::PerspectiveDrawing& drawing =
        vantage::runPerspectiveDrawing(state, input, layout);
    suite::RecordingCanvas picture(layout.pictureWidth, layout.pictureHeight);
    suite::RecordingCanvas panel(layout.panelWidth, layout.pictureHeight);
    vantage::paintPerspective(drawing, picture, panel);
    fuzzing::checkCanvas(picture);
    fuzzing::checkCanvas(panel);
    const float width = static_cast<float>(std::max(drawing.pictureWidthTwips, 1));
    const float height = static_cast<float>(std::max(drawing.pictureHeightTwips, 1));
    check(drawing.nodes.size() ==
              static_cast<std::size_t>(drawing.rows) * static_cast<std::size_t>(drawing.columns),
          "the point store holds every node");
    for (const vantage::PictureNode& node : drawing.nodes) {
      check(node.x >= 1 && node.x <= width && node.y >= 1 && node.y <= height,
            "every node lies in the picture");
    }
  } catch (const suite::UserError& error) {
    fuzzing::checkRefusal(error.what());
    check(state.lastDrawing.has_value() == hadDrawing &&
              (!hadDrawing || state.lastDrawing->nodes.size() == lastNodes),
          "a refused drawing leaves the last one as it was");
  }
}

}  // namespace

// The input: 23 bytes of parameters, then the DTM grid file.
//   0-1 screen width, twips (modulo 40001)    2-3 screen height, twips (modulo 30001)
//   4-7 ΔZ, a single's bits (NaN, which no box gives, reads as 100)
//   8   bit 0: a scale per axis; bits 1-2: how many picks follow the first drawing
//   9-10 where the file is cut for the last drawing
//   11-22 three clicks on the plan map, x and y, twips as signed 16-bit numbers
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzzing::MemoryFile file;
  fuzzing::FrontFields input(data, size);
  const int screenWidth = input.take<std::uint16_t>() % 40001;
  const int screenHeight = input.take<std::uint16_t>() % 30001;
  vantage::VantageState state;
  vantage::PerspectiveInput drawing;
  drawing.deltaZ = input.take<float>();
  if (std::isnan(drawing.deltaZ)) drawing.deltaZ = 100;
  const auto flags = input.take<std::uint8_t>();
  drawing.differentScales = (flags & 1) != 0;
  const int picks = (flags >> 1) & 3;
  const std::size_t cut = input.take<std::uint16_t>();
  double clicks[3][2];
  for (auto& click : clicks) {
    click[0] = input.take<std::int16_t>();
    click[1] = input.take<std::int16_t>();
  }
  const std::string bytes(input.rest());
  const suite::DrawingWindowLayout layout = suite::drawingWindowLayout(screenWidth, screenHeight);

  drawing.dtmPath = file.hold(bytes);
  draw(state, drawing, layout);
  if (!state.viewSetUp) return 0;

  suite::RecordingCanvas panel(layout.panelWidth, layout.pictureHeight);
  try {
    vantage::setUpPlanMap(state, panel);
    fuzzing::checkCanvas(panel);
  } catch (const suite::UserError& error) {
    fuzzing::checkRefusal(error.what());
  }
  for (int k = 0; k < picks; ++k) {
    try {
      const std::string readout =
          vantage::pickProjectionCentre(state, drawing.deltaZ, clicks[k][0], clicks[k][1]);
      check(fuzzing::isWellFormedUtf8(readout), "the readout is well-formed UTF-8", readout);
      check(std::isfinite(state.centre.x) && std::isfinite(state.centre.y) &&
                std::isfinite(state.centre.azimuthDegrees) &&
                std::isfinite(state.centre.depressionDegrees),
            "a picked centre is finite");
    } catch (const suite::UserError& error) {
      fuzzing::checkRefusal(error.what());
    }
    draw(state, drawing, layout);
  }
  // The file changes before the next drawing reads it again: it is cut short.
  file.hold(std::string_view(bytes).substr(0, std::min(cut, bytes.size())));
  draw(state, drawing, layout);
  return 0;
}
