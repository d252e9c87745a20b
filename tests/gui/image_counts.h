#pragma once

#include <QImage>

namespace suite::test {

/// How many pixels of `image` have the colour `colour`.
inline int pixelsOf(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == colour) ++count;
  return count;
}

}  // namespace suite::test
