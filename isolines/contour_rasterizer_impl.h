#pragma once

// Member definitions of BasicContourRasterizer; included by contour_rasterizer.h only.

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace isolines {

template <typename Real>
BasicContourRasterizer<Real>::BasicContourRasterizer(std::int32_t rows, std::int32_t columns,
                                                     suite::PixelsPerCell cells,
                                                     float contourInterval)
    : rows_(rows), columns_(columns), cells_(cells), interval_(contourInterval) {
  if (rows < 2 || columns < 2 || cells.alongX < 0 || cells.alongY < 0 ||
      (cells.alongX == 0 && cells.alongY > 0) || contourInterval == 0 ||
      !std::isfinite(contourInterval)) {
    throw std::invalid_argument(
        "BasicContourRasterizer: 2 x 2 nodes or more, A >= 1 when B >= 1, an interval not 0");
  }
  const std::int64_t width = std::int64_t{columns - 1} * cells.alongX;
  const std::int64_t height = std::int64_t{rows - 1} * cells.alongY;
  if (width * height > ContourRaster::kMostPixels)
    throw std::invalid_argument("BasicContourRasterizer: map beyond ContourRaster::kMostPixels");
  raster_ = ContourRaster(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
  if (width == 0 || height == 0) return;  // no band has a pixel: the heights are only taken
  north_.resize(static_cast<std::size_t>(columns));
  south_.resize(static_cast<std::size_t>(columns));
  u_.resize(static_cast<std::size_t>(cells.alongX) + 1);
  for (std::int32_t p = 0; p <= cells.alongX; ++p) u_[p] = Real(p) / Real(cells.alongX);
  v_.resize(static_cast<std::size_t>(cells.alongY) + 1);
  for (std::int32_t q = 0; q <= cells.alongY; ++q) v_[q] = Real(q) / Real(cells.alongY);
}

template <typename Real>
void BasicContourRasterizer<Real>::addRow(const double* heights) {
  if (rowsAdded_ == rows_)
    throw std::logic_error("BasicContourRasterizer: more rows than the grid");
  ++rowsAdded_;
  if (u_.empty()) return;
  north_.swap(south_);
  std::copy(heights, heights + columns_, south_.begin());
  if (rowsAdded_ >= 2) drawBand();
}

template <typename Real>
ContourRaster BasicContourRasterizer<Real>::takeRaster() {
  if (rowsAdded_ != rows_) throw std::logic_error("BasicContourRasterizer: rows missing");
  return std::move(raster_);
}

// The band of cells between rows r − 1 (north_) and r (south_), cell by cell from the west,
// pixel row by pixel row from the north.
template <typename Real>
void BasicContourRasterizer<Real>::drawBand() {
  const std::int32_t a = cells_.alongX;
  const std::int32_t b = cells_.alongY;
  const std::int32_t r = rowsAdded_;
  const Real* u = u_.data();
  for (std::int32_t j = 1; j < columns_; ++j) {
    const Real zSW = south_[j - 1];
    const Real zSE = south_[j];
    const Real zNW = north_[j - 1];
    const Real zNE = north_[j];
    const std::int32_t xWest = (j - 1) * a;
    for (std::int32_t t = b; t >= 1; --t) {
      const Real vUpper = v_[t];
      const Real vLower = v_[t - 1];
      const std::int32_t y = (r - 1) * b - t;
      // West edge of the first pixel; then each pixel's east edge becomes the next one's west.
      double z1 = cornerHeight(zSW, zSE, zNW, zNE, u[0], vUpper);
      double z2 = cornerHeight(zSW, zSE, zNW, zNE, u[0], vLower);
      for (std::int32_t s = 1; s <= a; ++s) {
        const double z3 = cornerHeight(zSW, zSE, zNW, zNE, u[s], vUpper);
        const double z4 = cornerHeight(zSW, zSE, zNW, zNE, u[s], vLower);
        double zMax = z1;
        double zMin = z1;
        if (z2 > zMax) zMax = z2;
        if (z2 < zMin) zMin = z2;
        if (z3 > zMax) zMax = z3;
        if (z3 < zMin) zMin = z3;
        if (z4 > zMax) zMax = z4;
        if (z4 < zMin) zMin = z4;
        const std::int32_t kMax = band(zMax, j);
        const std::int32_t kMin = band(zMin, j);
        z1 = z3;
        z2 = z4;
        if (kMax != kMin) raster_.set(xWest + s, y);
      }
    }
  }
}

}  // namespace isolines
