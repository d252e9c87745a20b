#pragma once

#include <optional>
#include <string>
#include <vector>

#include "canvas/canvas.h"

namespace suite {

/// A canvas that draws nothing and records every call, for tests and for anything that wants
/// a drawing as data.
class RecordingCanvas : public Canvas {
 public:
  enum class Kind { Clear, LineWidth, Point, Line, Text };
  struct Op {
    Kind kind = Kind::Clear;
    double x = 0;  ///< Point and Line: the end point; Text: where the text starts.
    double y = 0;
    double fromX = 0;  ///< Line: the start point (the current position before the call).
    double fromY = 0;
    std::optional<Rgb> colour;
    int lineWidth = 0;
    std::string text;
  };

  /// `lineHeightTwips` is how far a printed line moves the current position down.
  RecordingCanvas(double widthTwips, double heightTwips, double lineHeightTwips = 240);

  void clear() override;
  void setLineWidth(int pixels) override;
  void setPoint(double xTwips, double yTwips, std::optional<Rgb> colour = std::nullopt) override;
  void lineTo(double xTwips, double yTwips, std::optional<Rgb> colour = std::nullopt) override;
  void printLine(std::string_view utf8Text) override;
  double widthTwips() const override { return width_; }
  double heightTwips() const override { return height_; }

  const std::vector<Op>& ops() const { return ops_; }
  void setSize(double widthTwips, double heightTwips);

 private:
  /// Records `op` as drawn to (x, y) in `colour`, which becomes the current position.
  void recordTo(Op op, double xTwips, double yTwips, std::optional<Rgb> colour);

  double width_;
  double height_;
  double lineHeight_;
  double currentX_ = 0;
  double currentY_ = 0;
  std::vector<Op> ops_;
};

}  // namespace suite
