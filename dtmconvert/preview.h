#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "dtmconvert/ground_transform.h"
#include "dtmconvert/source_raster.h"

namespace dtmconvert {

/// A source's heights at a reduced size, for a picture of the source.
struct PreviewHeights {
  int width = 0;               ///< preview pixels across
  int height = 0;              ///< preview pixels down
  double sourcePixelsX = 1;    ///< source pixels per preview pixel across
  double sourcePixelsY = 1;    ///< down
  double groundX = 1;          ///< metres (or the source's units) per preview pixel across
  double groundY = 1;          ///< down
  std::vector<float> heights;  ///< row after row from the top; NaN where there is no data

  float at(int column, int row) const {
    return heights[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(column)];
  }
};

/// Reads band 1 of `source` at most `largestSide` pixels along its longer side (the whole size
/// when smaller), each preview pixel the source pixel nearest its centre. Throws
/// suite::UserError when GDAL cannot read the band.
PreviewHeights readPreview(const SourceRaster& source, int largestSide);

/// No data in a hill shading.
inline constexpr int kNoShade = -1;

/// A grey hill shading of `preview`, lit from the north-west (azimuth 315°) at 45° above the
/// horizon: a grey level 0 … 255 per pixel, row after row, kNoShade where the pixel has no
/// data. Slopes from Horn's 3 × 3 differences over the ground sizes of the pixels; a neighbour
/// without data (or beyond the edge) counts as the pixel itself.
std::vector<int> hillShade(const PreviewHeights& preview);

/// The lowest and highest height of the preview pixels whose centres lie inside `outline`, a
/// polygon of source pixels; NaN for both when none does.
std::pair<double, double> heightRangeInside(const PreviewHeights& preview,
                                            const std::vector<PlanePoint>& outline);

}  // namespace dtmconvert
