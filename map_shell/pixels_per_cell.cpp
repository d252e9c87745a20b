#include "map_shell/pixels_per_cell.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "canvas/twips.h"

namespace suite {

namespace {

// Int(picture / 15 / cells): at most 2^31 / 15, so it fits in 32 bits.
std::int32_t pixelsAcross(int pictureTwips, std::int32_t nodes) {
  const double pixels = static_cast<double>(pictureTwips) / kTwipsPerPixel / (nodes - 1.0);
  return static_cast<std::int32_t>(std::floor(pixels));
}

}  // namespace

PixelsPerCell pixelsPerCell(int pictureWidthTwips, int pictureHeightTwips, std::int32_t rows,
                            std::int32_t columns, ScaleMode mode) {
  if (rows < 2 || columns < 2 || pictureWidthTwips < 0 || pictureHeightTwips < 0)
    throw std::invalid_argument("pixelsPerCell: a grid of 2 x 2 nodes or more, a picture size");
  PixelsPerCell cells;
  cells.alongY = pixelsAcross(pictureHeightTwips, rows);
  cells.alongX = pixelsAcross(pictureWidthTwips, columns);
  if (mode == ScaleMode::Uniform) {
    cells.alongX = std::min(cells.alongX, cells.alongY);
    cells.alongY = cells.alongX;
  }
  return cells;
}

std::int32_t mostNodesAcross(int pictureTwips) {
  return static_cast<std::int32_t>(std::max(0, pictureTwips) / kTwipsPerPixel) + 1;
}

}  // namespace suite
