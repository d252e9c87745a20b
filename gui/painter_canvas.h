#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <vector>

#include "canvas/canvas.h"

class QPainter;

namespace suite {

/// A canvas that paints onto any QPainter (an SVG generator, a PDF writer, an image) whose
/// coordinates are the picture's pixels, 15 twips each: a drawing made for a picture box, drawn
/// again as a vector drawing. Positions are the drawing's own, x / 15 and y / 15, not rounded to
/// whole pixels as the picture box rounds them; the picture box fills the pixel right of and
/// below a position, so the two differ by less than a pixel.
///
/// Each call becomes what it means, not pixels:
/// - a point followed by lines from it (setPoint then lineTo, or polyline) is one polyline, in
///   the picture box's pen: the colour, the line width in pixels, round caps and joins; a point
///   no line follows is a dot of the line width;
/// - a block of points with a one-pixel line (setPointBlock) is one filled rectangle of whole
///   pixels;
/// - a printed line is one text in `font` and the foreground colour, the top of its line at the
///   current y, and moves the current position down by the font's line spacing as the picture
///   box does;
/// - clear() fills the whole picture with the background colour.
///
/// The painter must stay open while the canvas lives: the last polyline is drawn by finish() or
/// at the latest when the canvas is destroyed.
class PainterCanvas : public Canvas {
 public:
  /// `widthTwips` × `heightTwips` is the picture the drawing is made for.
  PainterCanvas(QPainter& painter, double widthTwips, double heightTwips, const QFont& font,
                const QColor& foreground, const QColor& background);
  ~PainterCanvas() override;
  PainterCanvas(const PainterCanvas&) = delete;
  PainterCanvas& operator=(const PainterCanvas&) = delete;

  /// Draws the polyline still being built. Drawing may go on afterwards.
  void finish();

  void clear() override;
  /// Values below 1 draw 1-pixel lines, as on the picture box.
  void setLineWidth(int pixels) override;
  void setPoint(double xTwips, double yTwips, std::optional<Rgb> colour = std::nullopt) override;
  void lineTo(double xTwips, double yTwips, std::optional<Rgb> colour = std::nullopt) override;
  void setPointBlock(double xTwips, double yTwips, int columns, int rows,
                     std::optional<Rgb> colour = std::nullopt) override;
  void printLine(std::string_view utf8Text) override;
  double widthTwips() const override { return width_; }
  double heightTwips() const override { return height_; }

 private:
  enum class Tool { None, Line, Fill, Text };
  QColor colourOf(std::optional<Rgb> colour) const;
  /// Sets the painter's pen and brush for `tool` in `colour`, unless they are set already, so
  /// that a vector drawing does not repeat its styles around every element.
  void use(Tool tool, const QColor& colour);
  void startPolyline(const QColor& colour, QPointF first);

  QPainter& painter_;
  double width_;
  double height_;
  QFont font_;
  QColor foreground_;
  QColor background_;
  int ascentPixels_ = 0;
  int lineSpacingPixels_ = 0;
  int lineWidth_ = 1;
  double currentX_ = 0;
  double currentY_ = 0;
  Tool tool_ = Tool::None;
  QColor toolColour_;
  int toolLineWidth_ = 0;
  std::vector<QPointF> polyline_;  ///< pixels; empty when none is being built
  QColor polylineColour_;
};

}  // namespace suite
