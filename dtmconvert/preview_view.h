#pragma once

#include <QImage>
#include <QPolygonF>
#include <QRectF>
#include <QWidget>
#include <optional>
#include <vector>

namespace dtmconvert {

/// The picture of a source: its hill shading scaled to fit, keeping its shape, with the outline
/// of the grid that an import would write. Dragging the mouse over the picture chooses a
/// rectangle of source pixels.
class PreviewView : public QWidget {
  Q_OBJECT

 public:
  explicit PreviewView(QWidget* parent = nullptr);

  /// Shows `picture`, the source of `sourceSize` pixels reduced to it, without an outline.
  void setPicture(const QImage& picture, QSizeF sourceSize);
  void clearPicture();
  /// The grid's outline, in source pixels; an empty polygon hides it.
  void setOutline(const QPolygonF& sourcePixels);

  const QImage& picture() const { return picture_; }
  const QPolygonF& outline() const { return outline_; }
  /// Where the picture lies in the widget, in widget pixels.
  QRectF pictureRect() const;
  /// A widget point in source pixels, and back.
  QPointF toSource(QPointF widgetPoint) const;
  QPointF fromSource(QPointF sourcePoint) const;

  QSize sizeHint() const override { return {480, 400}; }
  QSize minimumSizeHint() const override { return {200, 160}; }

 signals:
  /// A rectangle dragged over the picture, in source pixels, clipped to the source.
  void rectangleDragged(const QRectF& sourcePixels);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  QSizeF sourceSize_;
  QPolygonF outline_;
  std::optional<QPointF> dragStart_;
  QPointF dragEnd_;
};

/// The hill shading's grey levels as an image; pixels without data pale blue.
QImage shadingImage(const std::vector<int>& shade, int width, int height);

}  // namespace dtmconvert
