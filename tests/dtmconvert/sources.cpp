#include "tests/dtmconvert/sources.h"

#include <cmath>

namespace dtmconvert::testing {

double hills(double x, double y) {
  return 400 + 150 * std::sin(x * 1.7) * std::cos(y * 2.3) + 120 * std::cos(x * 0.6 + y * 0.9);
}

std::string greekGeographic(const ScratchFolder& scratch) {
  const RasterShape shape{240, 180, {23.0, 1.0 / 1200, 0, 38.15, 0, -1.0 / 1200}, "EPSG:4326"};
  return writeRaster(scratch.file("greece-4326.tif"), shape,
                     [](double lon, double lat, int, int) { return hills(lon * 40, lat * 40); });
}

namespace {

/// 160 × 120 pixels of 25 m from (450000, 4200000) in the Greek Grid.
RasterShape greekGridShape(GDALDataType type) {
  return {160, 120, {450000, 25, 0, 4200000, 0, -25}, "EPSG:2100", type};
}

}  // namespace

std::string greekGrid(const ScratchFolder& scratch) {
  const RasterShape shape = greekGridShape(GDT_Int16);
  return writeRaster(scratch.file("greece-2100.tif"), shape, [](double x, double y, int, int) {
    return std::round(hills(x / 600, y / 700));
  });
}

std::string greekGridWithHoles(const ScratchFolder& scratch) {
  RasterShape shape = greekGridShape(GDT_Float32);
  shape.noData = -9999;
  return writeRaster(scratch.file("greece-holes.tif"), shape, [](double x, double y, int c, int r) {
    const bool firstHole = c >= 40 && c <= 49 && r >= 30 && r <= 37;
    const bool secondHole = c >= 100 && c <= 103 && r >= 80 && r <= 99;
    return firstHole || secondHole ? -9999.0 : hills(x / 600, y / 700) + 0.25;
  });
}

double plane(double x, double y) {
  return 0.002 * x - 0.003 * y + 12000;
}

std::string greekPlane(const ScratchFolder& scratch) {
  return writeRaster(scratch.file("plane.tif"), greekGridShape(GDT_Float64),
                     [](double x, double y, int, int) { return plane(x, y); });
}

}  // namespace dtmconvert::testing
