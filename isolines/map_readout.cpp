#include "isolines/map_readout.h"

#include "canvas/twips.h"
#include "text/number_format.h"

namespace isolines {

std::optional<GroundPoint> groundPointAt(const MapTransform& map, double xTwips, double yTwips) {
  if (map.cells.alongX == 0 || map.cells.alongY == 0) return std::nullopt;
  GroundPoint point;
  point.x = map.xNorthWest + (xTwips / suite::kTwipsPerPixel) * map.spacingX / map.cells.alongX;
  point.y = map.yNorthWest - (yTwips / suite::kTwipsPerPixel) * map.spacingY / map.cells.alongY;
  return point;
}

std::optional<std::string> readoutText(const std::optional<MapTransform>& lastMap, double xTwips,
                                       double yTwips) {
  if (!lastMap) return std::nullopt;
  const std::optional<GroundPoint> point = groundPointAt(*lastMap, xTwips, yTwips);
  if (!point) return std::nullopt;
  return "    X =  " + suite::numberText(suite::cutTwoDecimals(point->x)) +
         "    Y =  " + suite::numberText(suite::cutTwoDecimals(point->y));
}

}  // namespace isolines
