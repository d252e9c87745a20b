#pragma once

#include <QColor>
#include <QImage>
#include <QLine>
#include <QWidget>
#include <memory>
#include <vector>

#include "canvas/canvas.h"

class QPainter;

namespace suite {

/// A picture box: a widget that is a Canvas. It draws into an image it owns and only copies that
/// image to the screen when painted, so a drawing survives being covered, hidden or minimised.
/// The image follows the widget's size at every drawing call (a hidden widget gets no resize
/// event until shown); growing or shrinking keeps the pixels already drawn.
///
/// Coordinates are twips from the top-left corner (15 twips per pixel, see twips.h). Lines and
/// points are drawn without anti-aliasing, so a point at (x, y) twips lands on pixel
/// (round(x/15), round(y/15)).
///
/// A drawing pays a painter's set-up once: the first drawing call opens a painter on the image
/// and later calls reuse it until the picture is painted on the screen, its image is read or it
/// is resized. One-pixel points and lines are written straight into the image (a line sets the
/// pixel nearest to it at every step along its longer axis, both ends included), so a raster of
/// a million points or a wire frame of millions of lines costs little more than the loop that
/// computes it; wider pens and text go through the painter.
class PictureBox : public QWidget, public Canvas {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);
  ~PictureBox() override;

  /// Colour clear() fills with. Setting it erases the picture to the new colour, as a fresh
  /// picture would be; the current position stays.
  void setBackgroundColour(const QColor& colour);
  QColor backgroundColour() const { return background_; }
  /// Colour of text and of points and lines drawn without a colour of their own.
  void setForegroundColour(const QColor& colour) { foreground_ = colour; }
  QColor foregroundColour() const { return foreground_; }

  void clear() override;
  /// Values below 1 draw 1-pixel lines.
  void setLineWidth(int pixels) override;
  int lineWidth() const { return lineWidth_; }
  void setPoint(double xTwips, double yTwips, std::optional<Rgb> colour = std::nullopt) override;
  void lineTo(double xTwips, double yTwips, std::optional<Rgb> colour = std::nullopt) override;
  /// Draws the whole run of lines in one painter call.
  void polyline(const TwipsPoint* points, std::size_t count,
                std::optional<Rgb> colour = std::nullopt) override;
  /// Prints in the widget's font and the foreground colour, the top of the text at the current
  /// y; then the current position moves to the left edge, one font line spacing lower.
  void printLine(std::string_view utf8Text) override;
  double widthTwips() const override;
  double heightTwips() const override;

  double currentXTwips() const { return currentX_; }
  double currentYTwips() const { return currentY_; }
  /// The drawing as it stands, at the widget's size.
  const QImage& image();

 signals:
  /// A mouse button went down on the picture at (x, y) twips.
  void mousePressedTwips(Qt::MouseButton button, double xTwips, double yTwips);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void fitImageToWidget();
  QColor penColour(std::optional<Rgb> colour) const;
  /// The painter of the drawing in progress, opened on first use with `colour` as its pen;
  /// null when the image is empty.
  QPainter* painterWithPen(const QColor& colour);
  /// Ends the drawing in progress, so that the image holds everything drawn.
  void endPainting();
  /// Asks for one repaint of the widget however many calls draw before it comes.
  void scheduleUpdate();

  QImage image_;
  std::unique_ptr<QPainter> painter_;
  QColor penColour_;
  std::vector<QLine> polylineSegments_;
  bool updatePending_ = false;
  QColor background_{Qt::white};
  QColor foreground_{Qt::black};
  int lineWidth_ = 1;
  double currentX_ = 0;
  double currentY_ = 0;
};

}  // namespace suite
