#include "dtmconvert/preview_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "dtmconvert/preview.h"

namespace dtmconvert {

namespace {

const QColor kOutline(220, 30, 30);
const QColor kDrag(20, 90, 220);
const QColor kNoData(205, 225, 245);
/// Drags shorter than this (widget pixels) are clicks, not rectangles.
constexpr double kLeastDrag = 4;

}  // namespace

QImage shadingImage(const std::vector<int>& shade, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int row = 0; row < height; ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int column = 0; column < width; ++column) {
      const int grey = shade[static_cast<std::size_t>(row) * width + column];
      line[column] = grey == kNoShade ? kNoData.rgb() : qRgb(grey, grey, grey);
    }
  }
  return image;
}

PreviewView::PreviewView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("preview"));
  setMouseTracking(false);
  setCursor(Qt::CrossCursor);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleName(QStringLiteral("Προεπισκόπηση της πηγής"));
}

void PreviewView::setPicture(const QImage& picture, QSizeF sourceSize) {
  picture_ = picture;
  sourceSize_ = sourceSize;
  outline_.clear();
  dragStart_.reset();
  update();
}

void PreviewView::clearPicture() {
  setPicture(QImage(), QSizeF());
}

void PreviewView::setOutline(const QPolygonF& sourcePixels) {
  outline_ = sourcePixels;
  update();
}

QRectF PreviewView::pictureRect() const {
  if (picture_.isNull() || sourceSize_.isEmpty()) return {};
  const QSizeF fitted = sourceSize_.scaled(QSizeF(size()) - QSizeF(8, 8), Qt::KeepAspectRatio);
  return QRectF(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

QPointF PreviewView::toSource(QPointF widgetPoint) const {
  const QRectF area = pictureRect();
  if (area.isEmpty()) return {};
  return {(widgetPoint.x() - area.left()) * sourceSize_.width() / area.width(),
          (widgetPoint.y() - area.top()) * sourceSize_.height() / area.height()};
}

QPointF PreviewView::fromSource(QPointF sourcePoint) const {
  const QRectF area = pictureRect();
  if (area.isEmpty()) return {};
  return {area.left() + sourcePoint.x() * area.width() / sourceSize_.width(),
          area.top() + sourcePoint.y() * area.height() / sourceSize_.height()};
}

void PreviewView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const QRectF area = pictureRect();
  if (area.isEmpty()) {
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("Άνοιξε μια πηγή για να δεις εδώ το ανάγλυφό της."));
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(area, picture_);
  painter.setRenderHint(QPainter::Antialiasing);
  if (outline_.size() >= 3) {
    QPolygonF shown;
    for (const QPointF& point : outline_) shown << fromSource(point);
    painter.setPen(QPen(kOutline, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(shown);
  }
  if (dragStart_) {
    painter.setPen(QPen(kDrag, 1.5, Qt::DashLine));
    painter.drawRect(QRectF(*dragStart_, dragEnd_).normalized());
  }
}

void PreviewView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || pictureRect().isEmpty()) return;
  dragStart_ = event->position();
  dragEnd_ = event->position();
}

void PreviewView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragStart_) return;
  dragEnd_ = event->position();
  update();
}

void PreviewView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragStart_) return;
  dragEnd_ = event->position();
  const QRectF dragged = QRectF(*dragStart_, dragEnd_).normalized();
  dragStart_.reset();
  update();
  if (dragged.width() < kLeastDrag || dragged.height() < kLeastDrag) return;
  const QRectF source(QPointF(0, 0), sourceSize_);
  const QRectF chosen =
      QRectF(toSource(dragged.topLeft()), toSource(dragged.bottomRight())).intersected(source);
  if (!chosen.isEmpty()) emit rectangleDragged(chosen);
}

}  // namespace dtmconvert
