// isolines' contour drawing as its windows drive it: the contour interval, the scale mode, a
// small screen and the clicks of the readout from the input's first bytes, the DTM grid file
// (held in memory) from the rest. The map, painted onto a recording canvas, sets only pixels of the
// map with finite coordinates; every refusal is a UserError with a Greek message; the readout of
// any click is well-formed UTF-8.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "canvas/recording_canvas.h"
#include "fuzz/fuzz_checks.h"
#include "isolines/contour_run.h"
#include "isolines/map_readout.h"
#include "text/user_error.h"

namespace {

using fuzzing::check;

}  // namespace

// The input: 17 bytes of parameters, then the DTM grid file.
//   0-3 the contour interval, a single's bits (NaN, which no box gives, reads as 10)
//   4   bit 0: a scale per axis
//   5-6 screen width, twips (modulo 6001)   7-8 screen height, twips (modulo 4501): a small
//       screen keeps each drawing quick, at most 400 × 300 pixels
//   9-16 two clicks for the readout, x and y, twips as signed 16-bit numbers
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzzing::MemoryFile file;
  fuzzing::FrontFields input(data, size);
  isolines::ContourRunInput run;
  run.contourInterval = input.take<float>();
  if (std::isnan(run.contourInterval)) run.contourInterval = 10;
  run.scaleMode = (input.take<std::uint8_t>() & 1) != 0 ? suite::ScaleMode::DifferentXY
                                                        : suite::ScaleMode::Uniform;
  run.screenWidthTwips = input.take<std::uint16_t>() % 6001;
  run.screenHeightTwips = input.take<std::uint16_t>() % 4501;
  double clicks[2][2];
  for (auto& click : clicks) {
    click[0] = input.take<std::int16_t>();
    click[1] = input.take<std::int16_t>();
  }
  const std::string bytes(input.rest());
  run.dtmPath = file.hold(bytes);

  std::optional<isolines::MapTransform> lastMap;
  try {
    const isolines::ContourMap map = isolines::computeContourMap(run);
    lastMap = map.transform();
    check(map.notice.empty() || fuzzing::isWellFormedUtf8(map.notice), "a notice is UTF-8");
    if (!map.notice.empty()) fuzzing::checkRefusal(map.notice);
    suite::RecordingCanvas canvas(map.layout.pictureWidth, map.layout.pictureHeight);
    map.paint(canvas);
    fuzzing::checkCanvas(canvas);
    const double width = map.raster.width();
    const double height = map.raster.height();
    for (const suite::RecordingCanvas::Op& op : canvas.ops()) {
      check(op.kind == suite::RecordingCanvas::Kind::Point, "a contour map sets points only");
      check(op.x >= 15 && op.x <= 15 * width && op.y >= 0 && op.y < 15 * height,
            "every contour pixel lies on the map");
    }
  } catch (const suite::UserError& error) {
    fuzzing::checkRefusal(error.what());
  }
  for (const auto& click : clicks) {
    const std::optional<std::string> readout = isolines::readoutText(lastMap, click[0], click[1]);
    if (readout) check(fuzzing::isWellFormedUtf8(*readout), "the readout is UTF-8", *readout);
  }
  return 0;
}
