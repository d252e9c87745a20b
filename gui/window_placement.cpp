#include "gui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "gui/twips.h"

namespace suite {

QSize frameExtra(const QWidget& window) {
  const QSize frame = window.frameGeometry().size();
  const QSize client = window.size();
  return {std::max(0, frame.width() - client.width()),
          std::max(0, frame.height() - client.height())};
}

void placeWindowFrameTwips(QWidget& window, const TwipsRect& frameTwips) {
  const QSize extra = frameExtra(window);
  window.resize(std::max(0, twipsToPixels(frameTwips.width) - extra.width()),
                std::max(0, twipsToPixels(frameTwips.height) - extra.height()));
  // For a top-level window move() places the frame, not the client area.
  window.move(pointFromTwips(frameTwips.left, frameTwips.top));
}

TwipsSize screenSizeTwips() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {0, 0};
  return {pixelsToTwips(screen->size().width()), pixelsToTwips(screen->size().height())};
}

}  // namespace suite
