#include "canvas/recording_canvas.h"

namespace suite {

RecordingCanvas::RecordingCanvas(double widthTwips, double heightTwips, double lineHeightTwips)
    : width_(widthTwips), height_(heightTwips), lineHeight_(lineHeightTwips) {}

void RecordingCanvas::setSize(double widthTwips, double heightTwips) {
  width_ = widthTwips;
  height_ = heightTwips;
}

void RecordingCanvas::clear() {
  currentX_ = 0;
  currentY_ = 0;
  Op op;
  op.kind = Kind::Clear;
  ops_.push_back(op);
}

void RecordingCanvas::setLineWidth(int pixels) {
  Op op;
  op.kind = Kind::LineWidth;
  op.lineWidth = pixels;
  ops_.push_back(op);
}

void RecordingCanvas::recordTo(Op op, double xTwips, double yTwips, std::optional<Rgb> colour) {
  op.x = xTwips;
  op.y = yTwips;
  op.colour = colour;
  ops_.push_back(op);
  currentX_ = xTwips;
  currentY_ = yTwips;
}

void RecordingCanvas::setPoint(double xTwips, double yTwips, std::optional<Rgb> colour) {
  Op op;
  op.kind = Kind::Point;
  recordTo(op, xTwips, yTwips, colour);
}

void RecordingCanvas::lineTo(double xTwips, double yTwips, std::optional<Rgb> colour) {
  Op op;
  op.kind = Kind::Line;
  op.fromX = currentX_;
  op.fromY = currentY_;
  recordTo(op, xTwips, yTwips, colour);
}

void RecordingCanvas::printLine(std::string_view utf8Text) {
  Op op;
  op.kind = Kind::Text;
  op.x = currentX_;
  op.y = currentY_;
  op.text = std::string(utf8Text);
  ops_.push_back(op);
  currentX_ = 0;
  currentY_ += lineHeight_;
}

}  // namespace suite
