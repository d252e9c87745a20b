#pragma once

#include <cstdint>

namespace suite {

/// How the grid cells are drawn: square on the screen (one scale for X and Y), or stretched so
/// that the map fills the picture in both directions (a scale for each).
enum class ScaleMode { Uniform, DifferentXY };

/// Whole screen pixels per grid cell.
struct PixelsPerCell {
  std::int32_t alongX = 0;  ///< A: pixel columns of a cell, west to east
  std::int32_t alongY = 0;  ///< B: pixel rows of a cell, north to south
  friend bool operator==(PixelsPerCell p, PixelsPerCell q) {
    return p.alongX == q.alongX && p.alongY == q.alongY;
  }
};

/// The pixels per cell of a grid of `rows` × `columns` nodes (2 or more each, else
/// std::invalid_argument) drawn into a picture of the given size in twips (0 or more):
/// B := Int(height / 15 / (rows − 1)), A := Int(width / 15 / (columns − 1)), Int the floor,
/// computed in double in that order. In uniform mode both become the smaller one, so cells are
/// square; otherwise each keeps its own. Either may be 0 when the grid has more cells than the
/// picture has pixels.
PixelsPerCell pixelsPerCell(int pictureWidthTwips, int pictureHeightTwips, std::int32_t rows,
                            std::int32_t columns, ScaleMode mode);

/// The most grid nodes along a picture side of `pictureTwips` (0 or more) whose cells still
/// get one pixel or more: Int(pictureTwips / 15) + 1.
std::int32_t mostNodesAcross(int pictureTwips);

}  // namespace suite
