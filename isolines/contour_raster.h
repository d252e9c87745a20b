#pragma once

#include <cstdint>
#include <vector>

#include "canvas/canvas.h"

namespace isolines {

/// The colour of the contour pixels.
inline constexpr suite::Rgb kContourColour{250, 120, 0};

/// A run of neighbouring set pixels in one pixel row of a contour map.
struct PixelRun {
  std::int32_t y = 0;       ///< pixel row
  std::int32_t xFirst = 0;  ///< westmost pixel column of the run
  std::int32_t length = 0;  ///< pixels in the run, 1 or more
  friend bool operator==(const PixelRun& p, const PixelRun& q) {
    return p.y == q.y && p.xFirst == q.xFirst && p.length == q.length;
  }
};

/// A rectangle of set pixels of a contour map, in the map's pixel columns and rows.
struct PixelBlock {
  std::int32_t xFirst = 0;  ///< westmost pixel column
  std::int32_t yFirst = 0;  ///< northmost pixel row
  std::int32_t width = 0;   ///< pixel columns, 1 or more
  std::int32_t height = 0;  ///< pixel rows, 1 or more
  friend bool operator==(const PixelBlock& p, const PixelBlock& q) {
    return p.xFirst == q.xFirst && p.yFirst == q.yFirst && p.width == q.width &&
           p.height == q.height;
  }
};

/// Which pixels of a contour map are set: a bitmap of width × height pixels, kept after the
/// drawing so that the same map can be painted again onto any canvas.
///
/// Coordinates are the picture's pixels: a map of width W and height H covers pixel columns
/// x = 1 … W and pixel rows y = 0 … H − 1 (each cell's pixel sits at the column of its east
/// corner and the row of its upper corner, so column 0 stays blank). Pixel (x, y) is painted at
/// (15·x, 15·y) twips.
class ContourRaster {
 public:
  /// The largest map held, in pixels (32 MiB of bitmap): far above any real screen.
  static constexpr std::int64_t kMostPixels = std::int64_t{1} << 28;

  /// An empty map of 0 × 0 pixels.
  ContourRaster() = default;
  /// A map of `widthPixels` × `heightPixels` with no pixel set. Each size is 0 or more and the
  /// product at most kMostPixels (std::invalid_argument otherwise).
  ContourRaster(std::int32_t widthPixels, std::int32_t heightPixels);

  std::int32_t width() const { return width_; }
  std::int32_t height() const { return height_; }

  /// Sets pixel (x, y), 1 ≤ x ≤ width, 0 ≤ y < height (unchecked: it runs once per pixel).
  void set(std::int32_t x, std::int32_t y) {
    const std::int32_t bit = x - 1;
    words_[static_cast<std::size_t>(y) * wordsPerRow_ + static_cast<std::size_t>(bit >> 6)] |=
        std::uint64_t{1} << (bit & 63);
  }
  /// Whether pixel (x, y) is set; false outside the map.
  bool isSet(std::int32_t x, std::int32_t y) const;

  /// How many pixels are set.
  std::int64_t setCount() const;

  /// The runs of neighbouring set pixels of pixel row y (0 ≤ y < height), west to east; none
  /// outside the map.
  std::vector<PixelRun> runsInRow(std::int32_t y) const;

  /// Calls `visit(run)` for every run of the map, row by row from the north, west to east.
  template <typename Visit>
  void forEachRun(Visit&& visit) const;

  /// Rectangles that together cover every set pixel exactly once and nothing else: each run of
  /// a row, merged with the runs of the same columns in the rows right below it, so that a run
  /// repeated down a stretch of rows (a contour running north–south) is one tall block. Blocks
  /// come in the order they end, from the north.
  std::vector<PixelBlock> blocks() const;

  /// Sets every set pixel on the canvas with setPoint at (15·x, 15·y) twips in kContourColour,
  /// row by row from the north. Draws nothing else; clearing the canvas first is the caller's.
  void paint(suite::Canvas& canvas) const;
  /// Sets the same pixels as paint, a block at a time (blocks(), each with setPointBlock), for
  /// surfaces that draw a block as one rectangle: a vector drawing of the map stays small.
  void paintBlocks(suite::Canvas& canvas) const;

 private:
  const std::uint64_t* row(std::int32_t y) const {
    return words_.data() + static_cast<std::size_t>(y) * wordsPerRow_;
  }
  template <typename Visit>
  void forEachRunInRow(std::int32_t y, Visit&& visit) const;

  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::size_t wordsPerRow_ = 0;
  std::vector<std::uint64_t> words_;  ///< row after row; bit x − 1 of a row is pixel column x
};

template <typename Visit>
void ContourRaster::forEachRunInRow(std::int32_t y, Visit&& visit) const {
  const std::uint64_t* words = row(y);
  std::int32_t runStart = -1;  // bit where the open run began, -1 when none is open
  for (std::size_t w = 0; w < wordsPerRow_; ++w) {
    std::uint64_t word = words[w];
    const std::int32_t base = static_cast<std::int32_t>(w * 64);
    // Walk the word by its edges: where set bits start and where they stop.
    std::int32_t offset = 0;
    while (offset < 64) {
      if (runStart < 0) {
        if (word == 0) break;
        const int zeros = __builtin_ctzll(word);
        offset += zeros;
        runStart = base + offset;
        word >>= zeros;
      }
      const std::uint64_t inverted = ~word;
      const int ones = inverted == 0 ? 64 - offset : __builtin_ctzll(inverted);
      if (offset + ones >= 64) break;  // the run goes on into the next word
      offset += ones;
      visit(PixelRun{y, runStart + 1, base + offset - runStart});
      runStart = -1;
      word >>= ones;
    }
  }
  if (runStart >= 0) visit(PixelRun{y, runStart + 1, width_ - runStart});
}

template <typename Visit>
void ContourRaster::forEachRun(Visit&& visit) const {
  for (std::int32_t y = 0; y < height_; ++y) forEachRunInRow(y, visit);
}

}  // namespace isolines
