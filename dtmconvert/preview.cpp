#include "dtmconvert/preview.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "text/user_error.h"

namespace dtmconvert {

namespace {

constexpr double kPi = 3.14159265358979323846;

/// Metres per degree of latitude and, at the equator, of longitude (WGS 84, rounded).
constexpr double kMetresPerDegree = 111320.0;

bool inside(const std::vector<PlanePoint>& polygon, double x, double y) {
  bool in = false;
  const std::size_t count = polygon.size();
  for (std::size_t i = 0, j = count - 1; i < count; j = i++) {
    const PlanePoint& a = polygon[i];
    const PlanePoint& b = polygon[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

}  // namespace

PreviewHeights readPreview(const SourceRaster& source, int largestSide) {
  const SourceInfo& info = source.info();
  PreviewHeights preview;
  const double shrink = std::max(
      1.0, static_cast<double>(std::max(info.width, info.height)) / std::max(1, largestSide));
  preview.width = std::max(1, static_cast<int>(std::lround(info.width / shrink)));
  preview.height = std::max(1, static_cast<int>(std::lround(info.height / shrink)));
  preview.sourcePixelsX = static_cast<double>(info.width) / preview.width;
  preview.sourcePixelsY = static_cast<double>(info.height) / preview.height;
  preview.heights.resize(static_cast<std::size_t>(preview.width) * preview.height);

  GdalMessages messages;
  GDALRasterBandH band = GDALGetRasterBand(source.dataset(), 1);
  if (GDALRasterIO(band, GF_Read, 0, 0, info.width, info.height, preview.heights.data(),
                   preview.width, preview.height, GDT_Float32, 0, 0) != CE_None) {
    throw suite::UserError("Τα υψόμετρα της πηγής «" + info.path + "» δεν διαβάζονται" +
                           messages.because() + ".");
  }
  if (info.noData) {
    const float noData = static_cast<float>(*info.noData);
    for (float& z : preview.heights)
      if (z == noData) z = NAN;
  }
  for (float& z : preview.heights)
    if (!std::isfinite(z)) z = NAN;

  const auto& t = info.geoTransform;
  double alongRow = std::hypot(t[1], t[4]);
  double downColumn = std::hypot(t[2], t[5]);
  if (info.system == SystemKind::Geographic) {
    const double latitude = t[3] + info.height / 2.0 * t[5] + info.width / 2.0 * t[4];
    alongRow *= kMetresPerDegree * std::cos(latitude * kPi / 180.0);
    downColumn *= kMetresPerDegree;
  }
  preview.groundX = std::max(alongRow * preview.sourcePixelsX, 1e-12);
  preview.groundY = std::max(downColumn * preview.sourcePixelsY, 1e-12);
  return preview;
}

std::vector<int> hillShade(const PreviewHeights& preview) {
  const int w = preview.width;
  const int h = preview.height;
  std::vector<int> shade(static_cast<std::size_t>(w) * h, kNoShade);
  // The light's zenith angle, and its azimuth turned to the mathematical sense (counter-clockwise
  // from east): 360° − 315° + 90°.
  const double zenith = (90.0 - 45.0) * kPi / 180.0;
  const double azimuth = (360.0 - 315.0 + 90.0) * kPi / 180.0;
  for (int row = 0; row < h; ++row) {
    for (int column = 0; column < w; ++column) {
      const float centre = preview.at(column, row);
      if (std::isnan(centre)) continue;
      const auto z = [&](int dc, int dr) -> double {
        const int c = column + dc;
        const int r = row + dr;
        if (c < 0 || c >= w || r < 0 || r >= h) return centre;
        const float value = preview.at(c, r);
        return std::isnan(value) ? centre : value;
      };
      // Horn: east minus west and south minus north, weighted 1, 2, 1.
      const double dzdx =
          ((z(1, -1) + 2 * z(1, 0) + z(1, 1)) - (z(-1, -1) + 2 * z(-1, 0) + z(-1, 1))) /
          (8 * preview.groundX);
      const double dzdy =
          ((z(-1, 1) + 2 * z(0, 1) + z(1, 1)) - (z(-1, -1) + 2 * z(0, -1) + z(1, -1))) /
          (8 * preview.groundY);
      const double slope = std::atan(std::hypot(dzdx, dzdy));
      // The direction the surface faces, in the same sense as the light's azimuth.
      const double aspect = std::atan2(dzdy, -dzdx);
      const double lit = std::cos(zenith) * std::cos(slope) +
                         std::sin(zenith) * std::sin(slope) * std::cos(azimuth - aspect);
      shade[static_cast<std::size_t>(row) * w + column] =
          std::clamp(static_cast<int>(std::lround(255 * lit)), 0, 255);
    }
  }
  return shade;
}

std::pair<double, double> heightRangeInside(const PreviewHeights& preview,
                                            const std::vector<PlanePoint>& outline) {
  double lowest = std::numeric_limits<double>::infinity();
  double highest = -lowest;
  if (outline.size() >= 3) {
    for (int row = 0; row < preview.height; ++row) {
      const double y = (row + 0.5) * preview.sourcePixelsY;
      for (int column = 0; column < preview.width; ++column) {
        const float z = preview.at(column, row);
        if (std::isnan(z)) continue;
        if (!inside(outline, (column + 0.5) * preview.sourcePixelsX, y)) continue;
        lowest = std::min(lowest, static_cast<double>(z));
        highest = std::max(highest, static_cast<double>(z));
      }
    }
  }
  if (lowest > highest) return {NAN, NAN};
  return {lowest, highest};
}

}  // namespace dtmconvert
