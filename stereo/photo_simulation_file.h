#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "stereo/exterior_orientation.h"
#include "stereo/ground_point.h"
#include "stereo/photo_simulation.h"

namespace suite {

/// What differs between the two programs' photo simulation files.
struct PhotoSimulationFileLayout {
  /// First line (UTF-8).
  std::string title;
  /// Whether the point count stands after "Αριθμός σημείων = " or alone on its line.
  bool countCaption = true;
  /// Whether the photo header lines write the orientation through the masks
  /// ("########.000" for X and Y, "######.000" for Z, "####.000" for the angles) or every
  /// number in its print form.
  bool maskedOrientation = true;

  /// flightsim: "Προσομοίωση στέρεο Α/Φ", the count with its caption, masked orientations.
  static PhotoSimulationFileLayout flightsim();
  /// pairsim: the stereo DTM file's title, the bare count, orientations in print form.
  static PhotoSimulationFileLayout pairsim(std::string titleUtf8);
};

/// Everything a photo simulation file lists: the control points (ground), the principal
/// distance F (mm), both exterior orientations and both simulated photo blocks, whose point
/// lists hold one entry per control point.
struct PhotoSimulationFileContent {
  std::vector<GroundPoint> controlPoints;
  double focalMm = 0;
  ExteriorOrientation left;
  ExteriorOrientation right;
  SimulatedPair photos;
};

/// Writes the photo simulation file, lines ended by CR LF, in Windows-1253:
/// the title; the point count; " Φωτοσταθερά" and one line per control point (q, then X, Y
/// and Z through "########.000" at columns 10, 25 and 40); " 0, 0, 0, 0"; then the left
/// ("111") and the right ("222") photo block: the header line "111," F "," and the six
/// orientation values separated by ","; the fiducial lines (number "," then x and y through
/// "######.000" at columns 10 and 25, each followed by ","  but the last); one line per point
/// (q "," then x' and y' through "#######.###" at columns 8 and 22); " 0, 0, 0".
/// Throws UserError when the title holds a character Windows-1253 cannot hold, and, before
/// writing anything, when a number to be written is not finite (the message names it: a
/// control point, an orientation, a fiducial mark or a point's image coordinates and its photo).
void writePhotoSimulationFile(std::ostream& out, const PhotoSimulationFileLayout& layout,
                              const PhotoSimulationFileContent& content);

/// The same into the file at `path`, which is replaced only once it is complete.
void writePhotoSimulationFile(const std::string& path, const PhotoSimulationFileLayout& layout,
                              const PhotoSimulationFileContent& content);

}  // namespace suite
