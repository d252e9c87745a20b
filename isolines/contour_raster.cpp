#include "isolines/contour_raster.h"

#include <stdexcept>

#include "canvas/twips.h"

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

std::vector<PixelBlock> ContourRaster::blocks() const {
  std::vector<PixelBlock> done;
  // The blocks that reach the row above, west to east; each goes on down while the row below
  // has a run of exactly its columns.
  std::vector<PixelBlock> open;
  std::vector<PixelBlock> next;
  for (std::int32_t y = 0; y < height_; ++y) {
    std::size_t above = 0;
    forEachRunInRow(y, [&](const PixelRun& run) {
      while (above < open.size() && open[above].xFirst < run.xFirst) done.push_back(open[above++]);
      if (above < open.size() && open[above].xFirst == run.xFirst) {
        PixelBlock block = open[above++];
        if (block.width == run.length) {
          ++block.height;
          next.push_back(block);
          return;
        }
        done.push_back(block);
      }
      next.push_back({run.xFirst, y, run.length, 1});
    });
    done.insert(done.end(), open.begin() + static_cast<std::ptrdiff_t>(above), open.end());
    open.swap(next);
    next.clear();
  }
  done.insert(done.end(), open.begin(), open.end());
  return done;
}

void ContourRaster::paint(suite::Canvas& canvas) const {
  forEachRun([&canvas](const PixelRun& run) {
    const double yTwips = static_cast<double>(run.y) * suite::kTwipsPerPixel;
    for (std::int32_t x = run.xFirst; x < run.xFirst + run.length; ++x)
      canvas.setPoint(static_cast<double>(x) * suite::kTwipsPerPixel, yTwips, kContourColour);
  });
}

void ContourRaster::paintBlocks(suite::Canvas& canvas) const {
  for (const PixelBlock& block : blocks()) {
    canvas.setPointBlock(static_cast<double>(block.xFirst) * suite::kTwipsPerPixel,
                         static_cast<double>(block.yFirst) * suite::kTwipsPerPixel, block.width,
                         block.height, kContourColour);
  }
}

}  // namespace isolines
