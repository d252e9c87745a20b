#include "stereo/photo_pair_drawing.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/number_format.h"
#include "text/single_precision.h"
#include "text/user_error.h"

namespace suite {

namespace {

constexpr Rgb kLeftColour{255, 0, 0};
constexpr Rgb kRightColour{0, 255, 0};
constexpr int kLineWidthPixels = 4;

constexpr double kLeftBandX = 100;     // left edge of the left photograph's band
constexpr double kRightBandGap = 400;  // the right band starts at w + 400
constexpr double kTopY = 300;          // top of both bands

bool positiveFinite(double v) {
  return std::isfinite(v) && v > 0;
}

/// Offers `room / divisor` as the scale; it replaces `scale` when valid and strictly smaller
/// (or when no scale has been taken yet).
void offerCandidate(double room, double divisor, double& scale) {
  if (!positiveFinite(divisor)) return;
  const double candidate = room / divisor;
  if (!positiveFinite(candidate)) return;
  if (scale == 0 || candidate < scale) scale = candidate;
}

/// A node's place in the picture, twips.
struct PicturePoint {
  double x;
  double y;
};

}  // namespace

PhotoPairWindowLayout photoPairWindowLayout(int screenWidthTwips, int screenHeightTwips) {
  auto notBelowZero = [](int v) { return v < 0 ? 0 : v; };
  PhotoPairWindowLayout layout;
  layout.window = {1, 1, notBelowZero(screenWidthTwips), notBelowZero(screenHeightTwips)};
  // Screen sizes are at least 0 here, so the subtractions cannot overflow.
  layout.picture = {250, 250, notBelowZero(layout.window.width - 1000),
                    notBelowZero(layout.window.height - 1200)};
  return layout;
}

PhotoPairGeometry photoPairRoom(double pictureWidthTwips, double pictureHeightTwips) {
  PhotoPairGeometry room;
  room.halfWidth = pictureWidthTwips / 2 - 300;
  room.height = pictureHeightTwips - 600;
  return room;
}

double photoPairScale(const ImageExtremes& e, double halfWidthTwips, double heightTwips,
                      const PhotoPairStyle& style) {
  auto range = [](float largest, float smallest) {
    return static_cast<double>(largest) - static_cast<double>(smallest);
  };
  const double margin = style.leftRangeMarginMm;
  double scale = 0;
  offerCandidate(halfWidthTwips, range(e.leftXMax, e.leftXMin) + margin, scale);
  offerCandidate(heightTwips, range(e.leftYMax, e.leftYMin) + margin, scale);
  offerCandidate(halfWidthTwips, range(e.rightXMax, e.rightXMin), scale);
  offerCandidate(heightTwips, range(e.rightYMax, e.rightYMin), scale);
  return scale;
}

std::string photoOrientationLine(std::string_view label, double focalMm,
                                 const ExteriorOrientation& o) {
  std::string line(label);
  line += ",";
  line += printForm(focalMm);
  line += ",";
  line += formatMask(o.x, "########.000");
  line += ",";
  line += formatMask(o.y, "########.000");
  line += ",";
  line += formatMask(o.z, "######.000");
  line += ",";
  line += formatMask(o.omegaDegrees, "####.000");
  line += ",";
  line += formatMask(o.phiDegrees, "####.000");
  line += ",";
  line += formatMask(o.kappaDegrees, "####.000");
  return line;
}

namespace {

/// Rows first (west to east along each row), then columns (north to south along each), each
/// polyline a point at its first node and a line to each following node.
template <typename PlaceNode>
void drawMesh(Canvas& canvas, int rows, int columns, Rgb colour, PlaceNode place) {
  const auto node = [columns](int i, int j) {
    return static_cast<std::size_t>(i) * static_cast<std::size_t>(columns) +
           static_cast<std::size_t>(j);
  };
  for (int i = 0; i < rows; ++i) {
    for (int j = 0; j < columns; ++j) {
      const auto [x, y] = place(node(i, j));
      if (j == 0) {
        canvas.setPoint(x, y, colour);
      } else {
        canvas.lineTo(x, y, colour);
      }
    }
  }
  for (int j = 0; j < columns; ++j) {
    for (int i = 0; i < rows; ++i) {
      const auto [x, y] = place(node(i, j));
      if (i == 0) {
        canvas.setPoint(x, y, colour);
      } else {
        canvas.lineTo(x, y, colour);
      }
    }
  }
}

/// Refuses a drawing in which a node of the photograph `photo` ("111" or "222") has no place in
/// the picture: an image coordinate, or the scale applied to it, beyond the range of numbers
/// (a height of 1e308 projects so), which no canvas can draw.
void checkDrawable(const std::vector<PicturePoint>& places, int columns, const char* photo) {
  for (std::size_t q = 0; q < places.size(); ++q) {
    if (std::isfinite(places[q].x) && std::isfinite(places[q].y)) continue;
    const auto perRow = static_cast<std::size_t>(columns);
    throw UserError("Ο κόμβος της γραμμής " + std::to_string(q / perRow + 1) + ", στήλης " +
                    std::to_string(q % perRow + 1) + " δεν μπορεί να σχεδιαστεί στην Α/Φ " + photo +
                    ": οι εικονοσυντεταγμένες του ξεπερνούν τα όρια των αριθμών του "
                    "προγράμματος. Έλεγξε τα υψόμετρα και τους προσανατολισμούς.");
  }
}

}  // namespace

PhotoPairGeometry drawPhotoPair(Canvas& canvas, const PhotoPairInput& input,
                                const PhotoPairStyle& style) {
  if (input.rows < 0 || input.columns < 0 ||
      static_cast<std::int64_t>(input.rows) * input.columns !=
          static_cast<std::int64_t>(input.points.size())) {
    throw std::invalid_argument("drawPhotoPair: rows x columns must equal the number of points");
  }
  if (input.points.empty()) {
    throw UserError("Δεν υπάρχει τι να σχεδιαστεί: δεν υπάρχει κανένας κόμβος στις δύο Α/Φ.");
  }

  PhotoPairGeometry geometry = photoPairRoom(canvas.widthTwips(), canvas.heightTwips());
  if (!positiveFinite(geometry.halfWidth) || !positiveFinite(geometry.height)) {
    throw UserError("Το παράθυρο σχεδίασης είναι πολύ μικρό για να χωρέσουν οι δύο Α/Φ.");
  }
  geometry.twipsPerMm = photoPairScale(input.extremes, geometry.halfWidth, geometry.height, style);
  if (geometry.twipsPerMm == 0) {
    throw UserError(
        "Δεν υπάρχει τι να σχεδιαστεί: όλοι οι κόμβοι πέφτουν σε ένα σημείο της κάθε Α/Φ, "
        "οπότε δεν ορίζεται κλίμακα σχεδίασης.");
  }

  // Each photograph's x grows to the right from its band's left edge and its y, which grows up
  // the photograph, is turned to grow down the picture from the top of the band. The sums are
  // done in double in this order and the results rounded to single precision.
  const ImageExtremes& e = input.extremes;
  const double s = geometry.twipsPerMm;
  const double w = geometry.halfWidth;
  const std::vector<StereoImagePoint>& points = input.points;
  std::vector<PicturePoint> left(points.size());
  std::vector<PicturePoint> right(points.size());
  for (std::size_t q = 0; q < points.size(); ++q) {
    const ImagePointMm& l = points[q].left;
    const ImagePointMm& r = points[q].right;
    left[q] = {toSingle((l.x - e.leftXMin) * s + kLeftBandX),
               toSingle((e.leftYMax - l.y) * s + kTopY)};
    right[q] = {toSingle(((r.x - e.rightXMin) * s + w) + kRightBandGap),
                toSingle((e.rightYMax - r.y) * s + kTopY)};
  }
  checkDrawable(left, input.columns, "111");
  checkDrawable(right, input.columns, "222");

  canvas.clear();
  canvas.setLineWidth(kLineWidthPixels);
  drawMesh(canvas, input.rows, input.columns, kLeftColour, [&](std::size_t q) { return left[q]; });
  drawMesh(canvas, input.rows, input.columns, kRightColour,
           [&](std::size_t q) { return right[q]; });

  if (style.printOrientations) {
    canvas.printLine(" ");
    canvas.printLine(photoOrientationLine("A/Φ: 111", input.focalMm, input.left));
    canvas.printLine(photoOrientationLine("Α/Φ: 222", input.focalMm, input.right));
  }
  return geometry;
}

}  // namespace suite
