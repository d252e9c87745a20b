#pragma once

namespace suite {

/// A point on the ground: X (easting), Y (northing) and Z (height), all in ground units.
struct GroundPoint {
  double x = 0;
  double y = 0;
  double z = 0;
};

}  // namespace suite
