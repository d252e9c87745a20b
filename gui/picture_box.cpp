#include "gui/picture_box.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "gui/twips.h"

namespace suite {

namespace {

constexpr int kMaxLineWidthPixels = 1000;

QPen drawingPen(const QColor& colour, int widthPixels) {
  return QPen(colour, widthPixels, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

/// Sets the pixels of the one-pixel line from `from` to `to`, both ends included, in an RGB32
/// image: along the longer axis one pixel a step, across it the nearest pixel to the exact line
/// (halves toward the end point's side). Only the steps inside the image are walked, so a line
/// reaching far outside costs no more than its visible part.
void drawThinLine(QImage& image, QPoint from, QPoint to, QRgb colour) {
  const int width = image.width();
  const int height = image.height();
  auto* bits = reinterpret_cast<QRgb*>(image.bits());
  const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));

  const bool alongX =
      std::abs(std::int64_t{to.x()} - from.x()) >= std::abs(std::int64_t{to.y()} - from.y());
  // Walk the longer axis as "major"; the other is "minor".
  const std::int64_t major0 = alongX ? from.x() : from.y();
  const std::int64_t minor0 = alongX ? from.y() : from.x();
  const std::int64_t majorDelta = (alongX ? to.x() : to.y()) - major0;
  const std::int64_t minorDelta = (alongX ? to.y() : to.x()) - minor0;
  const std::int64_t majorLimit = alongX ? width - 1 : height - 1;
  const std::int64_t minorLimit = alongX ? height - 1 : width - 1;
  const std::int64_t majorStep = majorDelta < 0 ? -1 : 1;
  const std::int64_t minorStep = minorDelta < 0 ? -1 : 1;
  const std::int64_t steps = std::abs(majorDelta);
  const std::int64_t across = std::abs(minorDelta);

  // The steps k whose major coordinate major0 + majorStep·k lies in the image.
  std::int64_t first = majorStep > 0 ? -major0 : major0 - majorLimit;
  std::int64_t last = majorStep > 0 ? majorLimit - major0 : major0;
  first = std::max<std::int64_t>(first, 0);
  last = std::min(last, steps);
  if (first > last) return;

  // At step k the minor coordinate is minor0 + minorStep·floor((2·k·across + steps)/(2·steps)).
  const std::int64_t twiceSteps = 2 * std::max<std::int64_t>(steps, 1);
  const std::int64_t numerator = 2 * first * across + steps;
  std::int64_t minor = minor0 + minorStep * (numerator / twiceSteps);
  std::int64_t remainder = numerator % twiceSteps;
  std::int64_t major = major0 + majorStep * first;
  for (std::int64_t k = first; k <= last; ++k) {
    if (minor >= 0 && minor <= minorLimit) {
      const std::int64_t x = alongX ? major : minor;
      const std::int64_t y = alongX ? minor : major;
      bits[y * stride + x] = colour;
    }
    major += majorStep;
    remainder += 2 * across;
    if (remainder >= twiceSteps) {
      remainder -= twiceSteps;
      minor += minorStep;
    }
  }
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  // Every pixel comes from the image, so Qt need not erase behind it, and only newly exposed
  // parts need painting after a resize.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_StaticContents);
  setAccessibleName(QStringLiteral("Σχέδιο"));
}

PictureBox::~PictureBox() = default;

void PictureBox::fitImageToWidget() {
  const QSize wanted = size();
  if (image_.size() == wanted) return;
  endPainting();
  if (wanted.isEmpty()) {
    image_ = QImage();
    return;
  }
  QImage resized(wanted, QImage::Format_RGB32);
  resized.fill(background_);
  if (!image_.isNull()) {
    QPainter painter(&resized);
    painter.drawImage(QPoint(0, 0), image_);
  }
  image_ = std::move(resized);
}

QPainter* PictureBox::painterWithPen(const QColor& colour) {
  fitImageToWidget();
  if (image_.isNull()) return nullptr;
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setFont(font());
    penColour_ = colour;
    painter_->setPen(drawingPen(colour, lineWidth_));
  } else if (colour != penColour_ || painter_->pen().width() != lineWidth_) {
    penColour_ = colour;
    painter_->setPen(drawingPen(colour, lineWidth_));
  }
  scheduleUpdate();
  return painter_.get();
}

void PictureBox::endPainting() {
  painter_.reset();
}

void PictureBox::scheduleUpdate() {
  if (updatePending_) return;
  updatePending_ = true;
  update();
}

const QImage& PictureBox::image() {
  endPainting();
  fitImageToWidget();
  return image_;
}

QColor PictureBox::penColour(std::optional<Rgb> colour) const {
  if (!colour) return foreground_;
  return QColor(colour->r, colour->g, colour->b);
}

void PictureBox::setBackgroundColour(const QColor& colour) {
  background_ = colour;
  endPainting();
  fitImageToWidget();
  if (!image_.isNull()) image_.fill(background_);
  update();
}

void PictureBox::clear() {
  endPainting();
  fitImageToWidget();
  if (!image_.isNull()) image_.fill(background_);
  currentX_ = 0;
  currentY_ = 0;
  update();
}

void PictureBox::setLineWidth(int pixels) {
  lineWidth_ = std::clamp(pixels, 1, kMaxLineWidthPixels);
}

void PictureBox::setPoint(double xTwips, double yTwips, std::optional<Rgb> colour) {
  currentX_ = xTwips;
  currentY_ = yTwips;
  if (lineWidth_ == 1) {
    // A one-pixel point is one pixel of the image, written in place: the image is RGB32 and
    // the painter, if one is open, draws into the same memory.
    fitImageToWidget();
    const QPoint at = pointFromTwips(xTwips, yTwips);
    if (!image_.rect().contains(at)) return;
    reinterpret_cast<QRgb*>(image_.scanLine(at.y()))[at.x()] = penColour(colour).rgb();
    scheduleUpdate();
    return;
  }
  if (QPainter* painter = painterWithPen(penColour(colour)))
    painter->drawPoint(pointFromTwips(xTwips, yTwips));
}

void PictureBox::lineTo(double xTwips, double yTwips, std::optional<Rgb> colour) {
  const QPoint from = pointFromTwips(currentX_, currentY_);
  const QPoint to = pointFromTwips(xTwips, yTwips);
  currentX_ = xTwips;
  currentY_ = yTwips;
  if (lineWidth_ == 1) {
    fitImageToWidget();
    if (image_.isNull()) return;
    drawThinLine(image_, from, to, penColour(colour).rgb());
    scheduleUpdate();
    return;
  }
  if (QPainter* painter = painterWithPen(penColour(colour))) painter->drawLine(from, to);
}

void PictureBox::polyline(const TwipsPoint* points, std::size_t count, std::optional<Rgb> colour) {
  if (count == 0) return;
  if (count == 1) {
    setPoint(points[0].x, points[0].y, colour);
    return;
  }
  currentX_ = points[count - 1].x;
  currentY_ = points[count - 1].y;
  if (lineWidth_ == 1) {
    fitImageToWidget();
    if (image_.isNull()) return;
    const QRgb rgb = penColour(colour).rgb();
    QPoint from = pointFromTwips(points[0].x, points[0].y);
    for (std::size_t i = 1; i < count; ++i) {
      const QPoint to = pointFromTwips(points[i].x, points[i].y);
      drawThinLine(image_, from, to, rgb);
      from = to;
    }
    scheduleUpdate();
    return;
  }
  QPainter* painter = painterWithPen(penColour(colour));
  if (painter == nullptr) return;
  // Separate segments, not a polyline with joins, so the pixels are those of lineTo.
  polylineSegments_.resize(count - 1);
  QPoint from = pointFromTwips(points[0].x, points[0].y);
  for (std::size_t i = 1; i < count; ++i) {
    const QPoint to = pointFromTwips(points[i].x, points[i].y);
    polylineSegments_[i - 1] = QLine(from, to);
    from = to;
  }
  painter->drawLines(polylineSegments_.data(), static_cast<int>(count - 1));
}

void PictureBox::printLine(std::string_view utf8Text) {
  QPainter* painter = painterWithPen(foreground_);
  // Metrics for the image itself, which is what the text is drawn on.
  const QFontMetrics metrics =
      image_.isNull() ? QFontMetrics(font()) : QFontMetrics(font(), &image_);
  if (painter != nullptr) {
    const QPoint topLeft = pointFromTwips(currentX_, currentY_);
    const QString text =
        QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
    painter->drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), text);
  }
  currentX_ = 0;
  currentY_ += pixelsToTwips(metrics.lineSpacing());
}

double PictureBox::widthTwips() const {
  return pixelsToTwips(width());
}

double PictureBox::heightTwips() const {
  return pixelsToTwips(height());
}

void PictureBox::paintEvent(QPaintEvent* event) {
  updatePending_ = false;
  endPainting();
  fitImageToWidget();
  QPainter painter(this);
  if (image_.isNull()) return;
  painter.drawImage(event->rect(), image_, event->rect());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  fitImageToWidget();
  QWidget::resizeEvent(event);
}

void PictureBox::showEvent(QShowEvent* event) {
  // Showing paints the whole picture; an update asked for while hidden was dropped.
  updatePending_ = false;
  QWidget::showEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  emit mousePressedTwips(event->button(), pixelsToTwips(at.x()), pixelsToTwips(at.y()));
  event->accept();
}

}  // namespace suite
