#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "canvas/twips.h"

namespace suite {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
  friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

/// A drawing surface measured in twips (1/1440 inch, 15 twips per pixel at 96 dpi), origin at the
/// top-left corner, y growing downward. It keeps a current position: setting a point or drawing a
/// line moves it to the end point; printing a line of text starts at it and then returns it to
/// the left edge one text line lower. A colour left out means the foreground colour.
class Canvas {
 public:
  virtual ~Canvas() = default;

  /// Erases everything and puts the current position back at the top-left corner.
  virtual void clear() = 0;
  /// Width of the lines drawn from now on, in pixels.
  virtual void setLineWidth(int pixels) = 0;
  /// Sets one point and makes it the current position.
  virtual void setPoint(double xTwips, double yTwips, std::optional<Rgb> colour = std::nullopt) = 0;
  /// Draws a line from the current position to (x, y), which becomes the current position.
  virtual void lineTo(double xTwips, double yTwips, std::optional<Rgb> colour = std::nullopt) = 0;
  /// Sets the first of `count` points and draws a line from each point to the next, exactly as
  /// setPoint followed by lineTo for each further point; the last point becomes the current
  /// position. Nothing happens for no point. A surface may draw the whole run in one go.
  virtual void polyline(const TwipsPoint* points, std::size_t count,
                        std::optional<Rgb> colour = std::nullopt) {
    if (count == 0) return;
    setPoint(points[0].x, points[0].y, colour);
    for (std::size_t i = 1; i < count; ++i) lineTo(points[i].x, points[i].y, colour);
  }
  /// Sets a block of `columns` × `rows` points one pixel (15 twips) apart, the top-left one at
  /// (x, y), exactly as setPoint at each of them row by row from the top, each row from the
  /// left; the block's last point becomes the current position. Nothing happens for an empty
  /// block. A surface may set the whole block in one go: with a line width of one pixel it is
  /// one rectangle of whole pixels, `columns` wide and `rows` high.
  virtual void setPointBlock(double xTwips, double yTwips, int columns, int rows,
                             std::optional<Rgb> colour = std::nullopt) {
    constexpr double kPixel = kTwipsPerPixel;
    for (int row = 0; row < rows; ++row)
      for (int column = 0; column < columns; ++column)
        setPoint(xTwips + column * kPixel, yTwips + row * kPixel, colour);
  }
  /// Prints one line of UTF-8 text at the current position, then moves to the next text line at
  /// the left edge.
  virtual void printLine(std::string_view utf8Text) = 0;
  virtual double widthTwips() const = 0;
  virtual double heightTwips() const = 0;
};

}  // namespace suite
