#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "isolines/contour_raster.h"
#include "map_shell/pixels_per_cell.h"

namespace isolines {

/// The height at a pixel corner of a grid cell, bilinear between the cell's south-west,
/// south-east, north-west and north-east node heights, at u = p / A of the cell eastward from
/// its west edge and v = q / B northward from its south edge (both 0 … 1):
///
///   h = zSW·((1 − u) − v + u·v) + zSE·(u − u·v) + zNW·(v − u·v) + zNE·u·v
///
/// evaluated left to right in `Real` and rounded to double once, at the end.
///
/// The contour map uses Real = long double, on x86-64 the x87 format with a 64-bit mantissa. A
/// corner whose exact height lies on a contour level must come out exactly on it: every corner
/// of a flat model lying on a level, and on a uniform slope every corner where a level meets a
/// pixel edge. In double the four weights add up to 1 only to within a unit in the last place,
/// so such a corner comes out as 99.99999999999999 or 100.00000000000001 for 100, falls into the
/// band below or above, and sets pixels that straddle no level (a flat model at 100 with
/// interval 10 sets up to 1396 pixels of a cell of at most 60 × 60; a slope draws some levels
/// two pixels wide). With eleven more bits the rounding errors of the sum stay far below half a
/// unit in the last place of the double, so the final rounding lands exactly on the level; away
/// from a level the result is the plain double one up to the rounding errors of the latter.
template <typename Real>
inline double cornerHeight(Real zSW, Real zSE, Real zNW, Real zNE, Real u, Real v) {
  const Real uv = u * v;
  return static_cast<double>(zSW * ((1 - u) - v + uv) + zSE * (u - uv) + zNW * (v - uv) +
                             zNE * u * v);
}

static_assert(std::numeric_limits<long double>::digits >= 64,
              "contour levels at pixel corners need a long double of 64 mantissa bits or more");

namespace detail {
/// Throws UserError: height / interval is beyond the 32-bit band numbers, in the cell between
/// grid rows southRow − 1 and southRow and columns westColumn and westColumn + 1.
[[noreturn]] void throwBandOutOfRange(double height, float interval, std::int32_t southRow,
                                      std::int32_t westColumn);
}  // namespace detail

/// Draws the contour map of a grid fed to it row by row, north row first, keeping only two rows
/// of heights, whatever the number of columns.
///
/// Each cell is A × B pixels. For every pixel the heights at its four corners are interpolated
/// (cornerHeight; the two on its east edge are reused as the next pixel's west edge), and the
/// pixel is set when the band numbers Int(Zmax / ΔH) and Int(Zmin / ΔH) of the highest and
/// lowest corner differ, Int the floor: exactly when some level k·ΔH (k any integer) satisfies
/// Zmin < k·ΔH ≤ Zmax. The pixel of column offset s = 1 … A and row offset t = B … 1 in the cell
/// of grid columns j, j + 1 between rows r − 1 and r is pixel ((j − 1)·A + s, (r − 1)·B − t).
///
/// `Real` is the precision of the interpolation (see cornerHeight); the program uses
/// ContourRasterizer.
template <typename Real>
class BasicContourRasterizer {
 public:
  /// A grid of `rows` × `columns` nodes (2 or more each), drawn with `cells` pixels per cell
  /// (0 or more, but not A = 0 with B ≥ 1) and the contour interval ΔH (finite, not 0) into a
  /// map of (columns − 1)·A × (rows − 1)·B pixels (at most ContourRaster::kMostPixels).
  /// Anything else is std::invalid_argument: the caller refuses such drawings first.
  BasicContourRasterizer(std::int32_t rows, std::int32_t columns, suite::PixelsPerCell cells,
                         float contourInterval);

  /// Takes the next grid row, `columns` heights from west to east, and from the second row on
  /// draws the band of cells between it and the row before. A height beyond 2^31 intervals
  /// from 0 throws UserError. More rows than announced: std::logic_error.
  void addRow(const double* heights);

  /// The map, once every row has been added (std::logic_error before). Once only.
  ContourRaster takeRaster();

 private:
  void drawBand();
  /// Int(z / ΔH) as a 32-bit band number.
  std::int32_t band(double z, std::int32_t westColumn) const {
    const double quotient = z / interval_;
    if (!(quotient >= -2147483648.0 && quotient < 2147483648.0))
      detail::throwBandOutOfRange(z, static_cast<float>(interval_), rowsAdded_, westColumn);
    const auto truncated = static_cast<std::int32_t>(quotient);
    return truncated - (quotient < truncated ? 1 : 0);
  }

  std::int32_t rows_;
  std::int32_t columns_;
  suite::PixelsPerCell cells_;
  double interval_;  ///< ΔH, widened from single precision
  std::int32_t rowsAdded_ = 0;
  std::vector<double> north_;  ///< the row before the last one added
  std::vector<double> south_;  ///< the last row added
  std::vector<Real> u_;        ///< p / A for p = 0 … A
  std::vector<Real> v_;        ///< q / B for q = 0 … B
  ContourRaster raster_;
};

/// The contour map's rasterizer, interpolating with x87 extended intermediates.
using ContourRasterizer = BasicContourRasterizer<long double>;

extern template class BasicContourRasterizer<long double>;

}  // namespace isolines

#include "isolines/contour_rasterizer_impl.h"
