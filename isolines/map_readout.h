#pragma once

#include <optional>
#include <string>

#include "map_shell/pixels_per_cell.h"

namespace isolines {

/// Where the last contour map lies on the ground: the grid header's north-west node and
/// spacings, and the pixels per cell it was drawn with.
struct MapTransform {
  double xNorthWest = 0;       ///< X_NW, ground units
  double yNorthWest = 0;       ///< Y_NW
  double spacingX = 0;         ///< a: distance between neighbouring columns
  double spacingY = 0;         ///< b: distance between neighbouring rows
  suite::PixelsPerCell cells;  ///< A, B
};

/// A point on the ground, in ground units.
struct GroundPoint {
  double x = 0;
  double y = 0;
};

/// The ground point under the picture position (x, y) twips of the map:
/// X := X_NW + (x / 15)·a / A; Y := Y_NW − (y / 15)·b / B, in that order. Positions beyond the
/// drawn part of the map read points east or south of the model, as the same formulas give.
/// None when A or B is 0 (a map of 0-pixel cells shows no ground).
std::optional<GroundPoint> groundPointAt(const MapTransform& map, double xTwips, double yTwips);

/// The readout line for a click at (x, y) twips on the map:
/// "    X =  " + T(X) + "    Y =  " + T(Y), T(v) the value cut to two decimals,
/// Int(100·v)/100 with Int the floor, as a number without its trailing blank (suite::numberText):
/// a click at the top-left corner of a map of X_NW 1000.129, Y_NW -5.001 reads
/// "    X =   1000.12    Y =  -5.01".
/// None before the first drawing (no map) or on a map of 0-pixel cells: the readout then keeps
/// its text.
std::optional<std::string> readoutText(const std::optional<MapTransform>& lastMap, double xTwips,
                                       double yTwips);

}  // namespace isolines
