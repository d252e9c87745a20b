#include "gui/painter_canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "gui/twips.h"

namespace suite {

namespace {

constexpr int kMaxLineWidthPixels = 1000;

QPointF pixelPoint(double xTwips, double yTwips) {
  return {xTwips / kTwipsPerPixel, yTwips / kTwipsPerPixel};
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, double widthTwips, double heightTwips,
                             const QFont& font, const QColor& foreground, const QColor& background)
    : painter_(painter),
      width_(widthTwips),
      height_(heightTwips),
      font_(font),
      foreground_(foreground),
      background_(background) {
  // The metrics the picture box prints with: those of the font on an image.
  const QImage probe(1, 1, QImage::Format_RGB32);
  const QFontMetrics metrics(font_, &probe);
  ascentPixels_ = metrics.ascent();
  lineSpacingPixels_ = metrics.lineSpacing();
  painter_.setFont(font_);
}

PainterCanvas::~PainterCanvas() {
  finish();
}

void PainterCanvas::finish() {
  if (polyline_.empty()) return;
  use(Tool::Line, polylineColour_);
  if (polyline_.size() == 1) {
    painter_.drawPoint(polyline_.front());
  } else {
    painter_.drawPolyline(polyline_.data(), static_cast<int>(polyline_.size()));
  }
  polyline_.clear();
}

QColor PainterCanvas::colourOf(std::optional<Rgb> colour) const {
  if (!colour) return foreground_;
  return QColor(colour->r, colour->g, colour->b);
}

void PainterCanvas::use(Tool tool, const QColor& colour) {
  const int lineWidth = tool == Tool::Line ? lineWidth_ : 0;
  if (tool == tool_ && colour == toolColour_ && lineWidth == toolLineWidth_) return;
  tool_ = tool;
  toolColour_ = colour;
  toolLineWidth_ = lineWidth;
  switch (tool) {
    case Tool::Line:
      painter_.setPen(QPen(colour, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      painter_.setBrush(Qt::NoBrush);
      break;
    case Tool::Fill:
      painter_.setPen(Qt::NoPen);
      painter_.setBrush(colour);
      break;
    case Tool::Text:
      painter_.setPen(colour);
      painter_.setBrush(Qt::NoBrush);
      break;
    case Tool::None:
      break;
  }
}

void PainterCanvas::startPolyline(const QColor& colour, QPointF first) {
  finish();
  polylineColour_ = colour;
  polyline_.push_back(first);
}

void PainterCanvas::clear() {
  finish();
  use(Tool::Fill, background_);
  painter_.drawRect(QRectF(0, 0, width_ / kTwipsPerPixel, height_ / kTwipsPerPixel));
  currentX_ = 0;
  currentY_ = 0;
}

void PainterCanvas::setLineWidth(int pixels) {
  const int width = std::clamp(pixels, 1, kMaxLineWidthPixels);
  if (width != lineWidth_) finish();
  lineWidth_ = width;
}

void PainterCanvas::setPoint(double xTwips, double yTwips, std::optional<Rgb> colour) {
  startPolyline(colourOf(colour), pixelPoint(xTwips, yTwips));
  currentX_ = xTwips;
  currentY_ = yTwips;
}

void PainterCanvas::lineTo(double xTwips, double yTwips, std::optional<Rgb> colour) {
  const QColor lineColour = colourOf(colour);
  // A line in another colour, or after a text, starts a polyline of its own at the current
  // position.
  if (polyline_.empty() || lineColour != polylineColour_)
    startPolyline(lineColour, pixelPoint(currentX_, currentY_));
  polyline_.push_back(pixelPoint(xTwips, yTwips));
  currentX_ = xTwips;
  currentY_ = yTwips;
}

void PainterCanvas::setPointBlock(double xTwips, double yTwips, int columns, int rows,
                                  std::optional<Rgb> colour) {
  if (lineWidth_ != 1) {
    Canvas::setPointBlock(xTwips, yTwips, columns, rows, colour);
    return;
  }
  if (columns <= 0 || rows <= 0) return;
  finish();
  use(Tool::Fill, colourOf(colour));
  const QPointF topLeft = pixelPoint(xTwips, yTwips);
  painter_.drawRect(QRectF(topLeft.x(), topLeft.y(), columns, rows));
  currentX_ = xTwips + pixelsToTwips(static_cast<double>(columns - 1));
  currentY_ = yTwips + pixelsToTwips(static_cast<double>(rows - 1));
}

void PainterCanvas::printLine(std::string_view utf8Text) {
  finish();
  const QString text = QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
  if (!text.isEmpty()) {
    use(Tool::Text, foreground_);
    const QPointF topLeft = pixelPoint(currentX_, currentY_);
    painter_.drawText(QPointF(topLeft.x(), topLeft.y() + ascentPixels_), text);
  }
  currentX_ = 0;
  currentY_ += pixelsToTwips(lineSpacingPixels_);
}

}  // namespace suite
