#include "cellinterp/shown_values.h"

#include "text/number_format.h"

namespace cellinterp {

std::string gridSizeText(const suite::GridHeader& header) {
  return suite::formatMask(header.columns, "###") + "x" + suite::formatMask(header.rows, "###");
}

std::array<std::string, 4> cornerTexts(const CellCorners& corners) {
  constexpr const char* mask = "#####.000";
  return {suite::formatMask(corners.northWest, mask), suite::formatMask(corners.northEast, mask),
          suite::formatMask(corners.southWest, mask), suite::formatMask(corners.southEast, mask)};
}

PointTexts pointTexts(const InterpolatedPoint& point) {
  PointTexts texts;
  texts.x = suite::formatMask(point.ground.x, "#####.000");
  texts.y = suite::formatMask(point.ground.y, "#####.000");
  texts.u = suite::formatMask(point.local.u, "####.000");
  texts.v = suite::formatMask(point.local.v, "#####.000");
  texts.z = suite::formatMask(point.z, "####.###");
  return texts;
}

}  // namespace cellinterp
