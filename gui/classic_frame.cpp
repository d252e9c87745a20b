#include "gui/classic_frame.h"

#include <QFontMetrics>
#include <QPainter>

namespace suite {

namespace {

constexpr int kCaptionIndentPixels = 6;
constexpr int kCaptionPaddingPixels = 2;

}  // namespace

ClassicFrame::ClassicFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void ClassicFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  const int lineY = metrics.height() / 2;

  // Etched: a dark rectangle with a light one one pixel to the lower right.
  const QRect outline = rect().adjusted(0, lineY, -2, -2);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(outline);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(outline.translated(1, 1));

  if (title().isEmpty()) return;
  // The caption sits kCaptionIndentPixels in from the left; a caption nearly as wide as the frame
  // moves left to fit, and one wider still is elided.
  const int room = width() - 2 * kCaptionPaddingPixels;
  const QString caption = metrics.elidedText(title(), Qt::ElideRight, room);
  const int captionWidth = metrics.horizontalAdvance(caption) + 2 * kCaptionPaddingPixels;
  const int indent = qBound(0, width() - 1 - captionWidth, kCaptionIndentPixels);
  const QRect captionRect(indent, 0, captionWidth, metrics.height());
  painter.fillRect(captionRect, palette().brush(backgroundRole()));
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(captionRect, Qt::AlignCenter | Qt::TextSingleLine, caption);
}

}  // namespace suite
