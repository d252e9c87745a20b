#pragma once

#include <gdal.h>

#include <string>
#include <vector>

namespace dtmconvert {

/// A point of the target system (ground units) or of the source raster (pixels: column and row
/// from its top-left corner, 0.5 at the centre of the first pixel).
struct PlanePoint {
  double x = 0;
  double y = 0;
};

/// An axis-aligned rectangle of the target system: west, south, east and north edges.
struct GroundBounds {
  double west = 0;
  double south = 0;
  double east = 0;
  double north = 0;
};

/// A rectangle of source pixels: columns left…right, rows top…bottom (fractional).
struct PixelRect {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

/// Between a source raster's pixels and the target system's ground coordinates, as GDAL's warper
/// goes between them (its general image-to-image transformer).
class GroundTransform {
 public:
  /// `targetWkt` empty: the source's own georeferenced coordinates. Throws suite::UserError when
  /// GDAL finds no transformation.
  GroundTransform(GDALDatasetH source, const std::string& targetWkt);
  ~GroundTransform();
  GroundTransform(const GroundTransform&) = delete;
  GroundTransform& operator=(const GroundTransform&) = delete;

  /// Transforms in place; returns for each point whether it transformed.
  std::vector<bool> toGround(std::vector<PlanePoint>& pixels) const;
  std::vector<bool> toPixels(std::vector<PlanePoint>& ground) const;

 private:
  std::vector<bool> transform(std::vector<PlanePoint>& points, bool toPixels) const;
  void* transformer_ = nullptr;
};

/// The largest axis-aligned rectangle of the target system inside the footprint of `pixels` on
/// the ground: each edge of the pixel rectangle is followed in 64 steps, and the rectangle lies
/// east of every point of its western edge, west of every point of the eastern, and so on.
/// Throws suite::UserError when the edges do not transform or the footprint is turned by 45° or
/// more (no edge is the western one).
GroundBounds innerGroundBounds(const GroundTransform& transform, const PixelRect& pixels);

/// The outline of `bounds` in source pixels, 16 steps along each edge, north-west corner first;
/// points that do not transform are left out.
std::vector<PlanePoint> pixelOutline(const GroundTransform& transform, const GroundBounds& bounds);

}  // namespace dtmconvert
