#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

#include "canvas/twips.h"

namespace suite {

// Twips (canvas/twips.h) and Qt's pixels: windows are laid out in twips at kTwipsPerPixel, and
// their fonts are set in pixels, so a window keeps its designed size on every screen.

/// Twips to the nearest whole pixel (halves away from zero). Values beyond +-2^24 pixels are
/// clamped there and NaN gives 0, so any coordinate a drawing computes stays paintable.
inline int twipsToPixels(double twips) {
  if (std::isnan(twips)) return 0;
  constexpr double kLimit = 16777216.0;
  double pixels = twips / kTwipsPerPixel;
  if (pixels > kLimit) pixels = kLimit;
  if (pixels < -kLimit) pixels = -kLimit;
  return static_cast<int>(std::lround(pixels));
}

/// Pixels to twips; exact.
inline double pixelsToTwips(double pixels) {
  return pixels * kTwipsPerPixel;
}

inline int pixelsToTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}

inline QPoint pointFromTwips(double xTwips, double yTwips) {
  return {twipsToPixels(xTwips), twipsToPixels(yTwips)};
}

/// The pixel rectangle of a control placed in twips. Each edge is rounded on its own, so controls
/// that touch in twips also touch in pixels.
inline QRect rectFromTwips(double leftTwips, double topTwips, double widthTwips,
                           double heightTwips) {
  const int left = twipsToPixels(leftTwips);
  const int top = twipsToPixels(topTwips);
  const int right = twipsToPixels(leftTwips + widthTwips);
  const int bottom = twipsToPixels(topTwips + heightTwips);
  return QRect(left, top, right - left, bottom - top);
}

inline QRect rectFromTwips(const TwipsRect& twips) {
  return rectFromTwips(twips.left, twips.top, twips.width, twips.height);
}

/// The pixel rectangle of a picture placed at `twips` in its parent: its top-left pixel as a
/// control's (rectFromTwips), and every pixel that its own coordinates, 0 to the width and 0 to
/// the height in twips, address: round(width / 15) + 1 pixels across and likewise down. So a
/// drawing that reaches the picture's right or bottom edge shows there, as does a click on its
/// last pixel: a picture 19182 twips wide (1278.8 pixels) is 1280 pixels wide, one 855 twips
/// wide 58. A picture of no width or height has no pixels.
inline QRect pictureRectFromTwips(const TwipsRect& twips) {
  const auto across = [](int lengthTwips) {
    return lengthTwips > 0 ? twipsToPixels(lengthTwips) + 1 : 0;
  };
  return QRect(twipsToPixels(twips.left), twipsToPixels(twips.top), across(twips.width),
               across(twips.height));
}

inline QSize sizeFromTwips(double widthTwips, double heightTwips) {
  return {twipsToPixels(widthTwips), twipsToPixels(heightTwips)};
}

}  // namespace suite
