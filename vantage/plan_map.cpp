#include "vantage/plan_map.h"

#include <cmath>

#include "text/single_precision.h"
#include "text/user_error.h"

namespace vantage {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool usableScale(float scale) {
  return scale > 0 && std::isfinite(scale);
}

}  // namespace

PlanMap planMap(const ModelFrame& frame, int panelWidthTwips) {
  using suite::toSingle;
  PlanMap map;
  map.squareSide = toSingle(panelWidthTwips / 50.0);
  map.squareOffset = toSingle((panelWidthTwips - static_cast<double>(map.squareSide)) / 2);
  const float c = map.squareSide;
  const float d = map.squareOffset;
  float sx = toSingle(c / (frame.xEast - frame.xNorthWest));
  float sy = toSingle(c / (frame.yNorthWest - frame.ySouth));
  if (!usableScale(sx)) sx = sy;
  if (!usableScale(sy)) sy = sx;
  if (!usableScale(sx)) {
    throw suite::UserError(
        "Ο χάρτης του μοντέλου δεν μπορεί να σχεδιαστεί: το μοντέλο δεν έχει έκταση ή το "
        "πλαίσιο του χάρτη δεν έχει πλάτος.");
  }
  map.twipsPerGroundX = sx;
  map.twipsPerGroundY = sy;
  map.groundXMiddle = toSingle((frame.xNorthWest + frame.xEast) / 2);
  map.groundYMiddle = toSingle((frame.ySouth + frame.yNorthWest) / 2);
  map.groundXLeft = toSingle(frame.xNorthWest - d / sx);
  map.groundYTop = toSingle(d / sy + frame.yNorthWest);
  if (!(std::isfinite(map.groundXMiddle) && std::isfinite(map.groundYMiddle) &&
        std::isfinite(map.groundXLeft) && std::isfinite(map.groundYTop))) {
    throw suite::UserError(
        "Ο χάρτης του μοντέλου δεν μπορεί να σχεδιαστεί: οι συντεταγμένες του μοντέλου είναι "
        "πολύ μεγάλες για τον χάρτη.");
  }
  map.set = true;
  return map;
}

void drawPlanMap(const PlanMap& map, suite::Canvas& panel) {
  const float c = map.squareSide;
  const float d = map.squareOffset;
  const float far = d + c;
  const suite::TwipsPoint square[] = {{d, d}, {far, d}, {far, far}, {d, far}, {d, d}};
  panel.polyline(square, 5);
}

ProjectionCentre pickOnPlanMap(const PlanMap& map, double heightAboveGround, double xTwips,
                               double yTwips) {
  if (!map.set) {
    throw suite::UserError(
        "Διάλεξε πρώτα «Βάλε παραμέτρους», για να σχεδιαστεί ο χάρτης πάνω στον οποίο "
        "διαλέγεται το προβολικό κέντρο.");
  }
  const float x = suite::toSingle(xTwips);
  const float y = suite::toSingle(yTwips);
  ProjectionCentre centre;
  centre.x = x / map.twipsPerGroundX + map.groundXLeft;
  centre.y = map.groundYTop - y / map.twipsPerGroundY;
  const double dX = map.groundXMiddle - centre.x;
  const double dY = map.groundYMiddle - centre.y;

  float azimuth;
  if (dY != 0) {
    azimuth = suite::toSingle(std::atan(dX / dY) * 180 / kPi);
    if (dY < 0) {
      azimuth = azimuth + 180;
    } else if (dX < 0 && dY > 0) {
      azimuth = azimuth + 360;
    }
  } else {
    // Level with the middle: due east (90) seen from the west, due west (270) from the east;
    // on the middle itself the view keeps north up.
    azimuth = dX > 0 ? 90.0f : dX < 0 ? 270.0f : 0.0f;
  }
  centre.azimuthDegrees = azimuth;

  const double distance = std::sqrt(dY * dY + dX * dX);
  const double depression =
      distance > 0 ? std::atan(heightAboveGround / distance) : std::atan2(heightAboveGround, 0.0);
  centre.depressionDegrees = suite::toSingle(depression * 180 / kPi);

  if (!(std::isfinite(centre.x) && std::isfinite(centre.y) &&
        std::isfinite(centre.azimuthDegrees) && std::isfinite(centre.depressionDegrees))) {
    throw suite::UserError(
        "Το σημείο του χάρτη δεν δίνει προβολικό κέντρο με πεπερασμένες τιμές: διάλεξε άλλο "
        "σημείο ή άλλο ΔΖ.");
  }
  return centre;
}

}  // namespace vantage
