#pragma once

#include <string>

#include "tests/dtmconvert/test_rasters.h"

namespace dtmconvert::testing {

/// Heights of a smooth made-up terrain of hills, in metres, at (x, y) in any unit: about 100 to
/// 700.
double hills(double x, double y);

/// A GeoTIFF in geographic coordinates (EPSG:4326) over Greece: 23.0° to 23.2° E, 38.0° to
/// 38.15° N, 3" pixels (240 × 180), single-precision heights.
std::string greekGeographic(const ScratchFolder& scratch);

/// A GeoTIFF in the Greek Grid (EPSG:2100): 160 × 120 pixels of 25 m from (450000, 4200000),
/// 16-bit whole heights.
std::string greekGrid(const ScratchFolder& scratch);

/// The same place in single precision with two holes without data (−9999): pixel columns 40 to
/// 49 of rows 30 to 37, and columns 100 to 103 of rows 80 to 99.
std::string greekGridWithHoles(const ScratchFolder& scratch);

/// The plane z = 0.002·X − 0.003·Y + 12000 over the place of greekGrid, in doubles.
double plane(double x, double y);
std::string greekPlane(const ScratchFolder& scratch);

}  // namespace dtmconvert::testing
