#include "isolines/contour_raster.h"

#include <stdexcept>

#include "isolines/pixels_per_cell.h"

namespace isolines {

ContourRaster::ContourRaster(std::int32_t widthPixels, std::int32_t heightPixels) {
  if (widthPixels < 0 || heightPixels < 0 ||
      std::int64_t{widthPixels} * heightPixels > kMostPixels) {
    throw std::invalid_argument("ContourRaster: sizes of 0 or more, at most kMostPixels pixels");
  }
  width_ = widthPixels;
  height_ = heightPixels;
  wordsPerRow_ = (static_cast<std::size_t>(widthPixels) + 63) / 64;
  words_.assign(wordsPerRow_ * static_cast<std::size_t>(heightPixels), 0);
}

bool ContourRaster::isSet(std::int32_t x, std::int32_t y) const {
  if (x < 1 || x > width_ || y < 0 || y >= height_) return false;
  const std::int32_t bit = x - 1;
  return (row(y)[bit >> 6] >> (bit & 63)) & 1;
}

std::int64_t ContourRaster::setCount() const {
  std::int64_t count = 0;
  for (const std::uint64_t word : words_) count += __builtin_popcountll(word);
  return count;
}

std::vector<PixelRun> ContourRaster::runsInRow(std::int32_t y) const {
  std::vector<PixelRun> runs;
  if (y < 0 || y >= height_) return runs;
  forEachRunInRow(y, [&runs](const PixelRun& run) { runs.push_back(run); });
  return runs;
}

void ContourRaster::paint(suite::Canvas& canvas) const {
  forEachRun([&canvas](const PixelRun& run) {
    const double yTwips = static_cast<double>(run.y) * kTwipsPerPixel;
    for (std::int32_t x = run.xFirst; x < run.xFirst + run.length; ++x)
      canvas.setPoint(static_cast<double>(x) * kTwipsPerPixel, yTwips, kContourColour);
  });
}

}  // namespace isolines
