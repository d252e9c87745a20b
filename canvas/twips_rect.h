#pragma once

namespace suite {

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
