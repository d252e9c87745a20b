#include "gui/picture_box.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "gui/twips.h"

namespace suite {

namespace {

constexpr int kMaxLineWidthPixels = 1000;

QPen drawingPen(const QColor& colour, int widthPixels) {
  return QPen(colour, widthPixels, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  // Every pixel comes from the image, so Qt need not erase behind it, and only newly exposed
  // parts need painting after a resize.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_StaticContents);
  setAccessibleName(QStringLiteral("Σχέδιο"));
}

void PictureBox::fitImageToWidget() {
  const QSize wanted = size();
  if (image_.size() == wanted) return;
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

const QImage& PictureBox::image() {
  fitImageToWidget();
  return image_;
}

QColor PictureBox::penColour(std::optional<Rgb> colour) const {
  if (!colour) return foreground_;
  return QColor(colour->r, colour->g, colour->b);
}

void PictureBox::setBackgroundColour(const QColor& colour) {
  background_ = colour;
  fitImageToWidget();
  if (!image_.isNull()) image_.fill(background_);
  update();
}

void PictureBox::clear() {
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
  fitImageToWidget();
  if (image_.isNull()) return;
  QPainter painter(&image_);
  painter.setPen(drawingPen(penColour(colour), lineWidth_));
  painter.drawPoint(pointFromTwips(xTwips, yTwips));
  update();
}

void PictureBox::lineTo(double xTwips, double yTwips, std::optional<Rgb> colour) {
  const QPoint from = pointFromTwips(currentX_, currentY_);
  const QPoint to = pointFromTwips(xTwips, yTwips);
  currentX_ = xTwips;
  currentY_ = yTwips;
  fitImageToWidget();
  if (image_.isNull()) return;
  QPainter painter(&image_);
  painter.setPen(drawingPen(penColour(colour), lineWidth_));
  painter.drawLine(from, to);
  update();
}

void PictureBox::printLine(std::string_view utf8Text) {
  fitImageToWidget();
  // Metrics for the image itself, which is what the text is drawn on.
  const QFontMetrics metrics =
      image_.isNull() ? QFontMetrics(font()) : QFontMetrics(font(), &image_);
  if (!image_.isNull()) {
    QPainter painter(&image_);
    painter.setFont(font());
    painter.setPen(foreground_);
    const QPoint topLeft = pointFromTwips(currentX_, currentY_);
    const QString text =
        QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
    painter.drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    update();
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
  fitImageToWidget();
  QPainter painter(this);
  if (image_.isNull()) return;
  painter.drawImage(event->rect(), image_, event->rect());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  fitImageToWidget();
  QWidget::resizeEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  emit mousePressedTwips(event->button(), pixelsToTwips(at.x()), pixelsToTwips(at.y()));
  event->accept();
}

}  // namespace suite
