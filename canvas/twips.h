#pragma once

namespace suite {

/// The suite measures windows and drawings in twips (1/1440 inch), on a 96-dpi screen, where one
/// pixel is 15 twips. The factor is fixed rather than taken from the screen's reported dpi, so a
/// window keeps its designed pixel size on every screen, and a drawing its pixels.
inline constexpr int kTwipsPerPixel = 15;

/// A point in twips.
struct TwipsPoint {
  double x = 0;
  double y = 0;
};

/// A size in twips, such as a screen's.
struct TwipsSize {
  int width = 0;
  int height = 0;
};

/// A rectangle in twips: left and top edge, width and height. 32-bit, so a screen beyond 32767
/// twips keeps its size.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const TwipsRect& a, const TwipsRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
  }
  friend bool operator!=(const TwipsRect& a, const TwipsRect& b) { return !(a == b); }
};

}  // namespace suite
