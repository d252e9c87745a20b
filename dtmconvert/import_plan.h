#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "dtm/grid_header.h"
#include "dtmconvert/ground_transform.h"
#include "dtmconvert/source_raster.h"
#include "dtmconvert/target_system.h"

namespace dtmconvert {

/// How heights between source pixels are found: GDAL's warper's bilinear, nearest-neighbour or
/// cubic resampling.
enum class Resampling { Bilinear, Nearest, Cubic };

/// The most nodes an import writes: 2^28, a grid of 16384 × 16384 (about 2.5 GB of text), the
/// most any program of the suite holds in memory.
inline constexpr std::int64_t kMostImportNodes = std::int64_t{1} << 28;

/// The user's choices for an import; what is left empty takes its default.
struct ImportSettings {
  std::optional<int> epsg;             ///< the target system; default chooseTargetSystem's
  std::optional<double> cellX;         ///< a, ground units; default the source's resolution
  std::optional<double> cellY;         ///< b; default a when a is given, else as cellX
  std::optional<GroundBounds> bounds;  ///< the area in the target system; default the whole source
  Resampling resampling = Resampling::Bilinear;
  bool fillNoData = false;  ///< fill nodes without data from their neighbours
};

/// The grid an import writes and where it lies: the target raster of rows × columns cells of
/// a × b with its top-left corner at (left, top); node (i, j) is the centre of cell (i, j).
struct ImportPlan {
  TargetSystem system;
  double cellX = 0;         ///< a
  double cellY = 0;         ///< b
  double defaultCellX = 0;  ///< the source's resolution in the target system, as the default
  double defaultCellY = 0;
  double left = 0;
  double top = 0;
  std::int32_t rows = 0;
  std::int32_t columns = 0;
  GroundBounds whole;       ///< the area of the whole source, on the grid's lattice
  bool wholeSource = true;  ///< no area was chosen
  Resampling resampling = Resampling::Bilinear;

  GroundBounds bounds() const { return {left, top - rows * cellY, left + columns * cellX, top}; }
  std::int64_t nodeCount() const { return std::int64_t{rows} * columns; }
  /// The grid header: X_NW = left + a/2, Y_NW = top − b/2.
  suite::GridHeader header() const;
};

/// Plans an import of `source` with `settings`:
/// - the system (chooseTargetSystem);
/// - cell sizes a, b: as given; by default the source's own pixel size when its system is kept
///   and it is north up, else the length on the ground of one pixel step along a row and down a
///   column at the source's centre, each rounded by roundCellSize;
/// - the area: the bounds given, the grid's north-west corner at their west and north edges,
///   columns = round((E − W)/a) and rows = round((N − S)/b), at least 1; by default the whole
///   source: the largest rectangle inside its footprint, shrunk to whole cells of a lattice that
///   starts at the source's own corner when its system is kept and it is north up, else at
///   whole multiples of a and b (so a reprojected grid has round coordinates).
/// Throws suite::UserError (Greek, saying what to change) for cell sizes or bounds that are not
/// positive and finite, an area smaller than one cell, or more than kMostImportNodes nodes.
ImportPlan planImport(const SourceRaster& source, const ImportSettings& settings);

/// The transform between the source's pixels and the plan's system.
std::unique_ptr<GroundTransform> groundTransformOf(const SourceRaster& source,
                                                   const TargetSystem& system);

/// The area on the plan's lattice (see planImport) inside the footprint of a rectangle of
/// source pixels, as a dragged rectangle chooses it. Throws suite::UserError when it holds no
/// whole cell.
GroundBounds boundsOfPixels(const SourceRaster& source, const ImportPlan& plan,
                            const PixelRect& pixels);

}  // namespace dtmconvert
