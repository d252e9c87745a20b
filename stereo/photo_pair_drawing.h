#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/twips.h"
#include "stereo/exterior_orientation.h"
#include "stereo/projection.h"

namespace suite {

/// Where the photo pair window and its picture go on a screen.
struct PhotoPairWindowLayout {
  TwipsRect window;   ///< the whole screen, from (1, 1)
  TwipsRect picture;  ///< inside the window: from (250, 250), 1000 narrower and 1200 lower
};

/// The photo pair window covers the screen: window (1, 1, screen width, screen height); its
/// picture (250, 250, screen width − 1000, screen height − 1200). Sizes are twips, taken anew
/// at every drawing; 32-bit, so screens beyond 32767 twips keep their size. A picture size
/// that would be negative on a tiny screen is 0.
PhotoPairWindowLayout photoPairWindowLayout(int screenWidthTwips, int screenHeightTwips);

/// What differs between the two programs' photo pair drawings.
struct PhotoPairStyle {
  /// Added to the left photograph's x and y ranges (mm) when the scale is chosen, so that its
  /// mesh keeps clear of the edge of its half; the right photograph never has one.
  double leftRangeMarginMm = 15;
  /// Whether the focal length and both exterior orientations are printed under the meshes.
  bool printOrientations = true;

  /// flightsim: left margin of 15 mm, orientations printed.
  static PhotoPairStyle flightsim() { return {15, true}; }
  /// pairsim: no margin, nothing printed.
  static PhotoPairStyle pairsim() { return {0, false}; }
};

/// What a photo pair drawing shows: the mesh of rows × columns nodes on both photographs.
struct PhotoPairInput {
  int rows = 0;     ///< grid rows of the drawn window, north to south
  int columns = 0;  ///< grid columns of the drawn window, west to east
  /// The node in row i and column j (1-based) is points[(i − 1)·columns + (j − 1)]; image
  /// coordinates in mm, principal point at the origin, y up the photograph.
  std::vector<StereoImagePoint> points;
  ImageExtremes extremes;     ///< over all points, single precision
  double focalMm = 0;         ///< principal distance, printed in flightsim's text
  ExteriorOrientation left;   ///< photograph 111
  ExteriorOrientation right;  ///< photograph 222
};

/// The measures a drawing used, all in twips except the scale.
struct PhotoPairGeometry {
  double halfWidth = 0;   ///< w = W / 2 − 300: the width of one photograph's band
  double height = 0;      ///< h = H − 600: the height available to both
  double twipsPerMm = 0;  ///< the common scale s
};

/// The room one photograph gets in a picture of W × H twips: w = W / 2 − 300, h = H − 600.
/// The left photograph's band runs from x = 100 to 100 + w, the right one's from w + 400 to
/// 2w + 400; both from y = 300 down to at most 300 + h.
PhotoPairGeometry photoPairRoom(double pictureWidthTwips, double pictureHeightTwips);

/// The common scale of both photographs in twips per mm: the smallest of
/// w / (x₁ range + margin), h / (y₁ range + margin), w / (x₂ range), h / (y₂ range), taken in
/// this order, a later one replacing the current one only when strictly smaller. Each range is
/// largest − smallest of the single-precision extremes, computed in double. A candidate whose
/// divisor or result is not a positive finite number (a zero range without margin: every node
/// at one image x or y of that photograph) is left out; a zero left range with flightsim's
/// margin divides by the margin and stays in. Returns 0 when every candidate is left out.
double photoPairScale(const ImageExtremes& extremes, double halfWidthTwips, double heightTwips,
                      const PhotoPairStyle& style);

/// One line of flightsim's text under the meshes: label, ",", F in print form, ",", then X and
/// Y through "########.000", Z through "######.000", ω, φ, κ through "####.000", joined by ",".
/// The label is "A/Φ: 111" (Latin A) for the left photograph and "Α/Φ: 222" (Greek Alpha) for
/// the right one.
std::string photoOrientationLine(std::string_view label, double focalMm,
                                 const ExteriorOrientation& orientation);

/// Draws the photo pair onto `canvas`, whose size is read back as the picture's W × H twips.
/// Clears it, sets the line width to 4 pixels, then draws polylines (a point at the first node,
/// a line to each following one): the left photograph in RGB(255, 0, 0) row by row, then
/// column by column, then the right photograph the same way in RGB(0, 255, 0). A node lands at
///   left:  X = (x₁ − x₁min)·s + 100,        Y = (y₁max − y₁)·s + 300
///   right: X = ((x₂ − x₂min)·s + w) + 400,  Y = (y₂max − y₂)·s + 300
/// computed in double and rounded to single precision. With style.printOrientations it then
/// prints, from the last node drawn, a line holding one blank and the two orientation lines.
///
/// Throws UserError (Greek message), before the canvas is touched, when there is no node, when
/// the picture leaves no room, when no scale can be chosen because every candidate is left
/// out, or when a node's place in the picture is not a finite number (its image coordinates
/// beyond the range of numbers; the message names its row and column). Throws std::invalid_argument
/// when rows · columns is not the number of points.
PhotoPairGeometry drawPhotoPair(Canvas& canvas, const PhotoPairInput& input,
                                const PhotoPairStyle& style);

}  // namespace suite
