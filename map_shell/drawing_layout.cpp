#include "map_shell/drawing_layout.h"

#include <algorithm>

#include "text/leading_number.h"

namespace suite {

DrawingWindowLayout drawingWindowLayout(int screenWidthTwips, int screenHeightTwips) {
  DrawingWindowLayout layout;
  layout.screenWidth = std::max(0, screenWidthTwips);
  layout.screenHeight = std::max(0, screenHeightTwips);
  layout.height = roundHalfEven(layout.screenHeight * 0.8);
  layout.width = roundHalfEven(layout.screenWidth * 0.9);
  layout.margin = roundHalfEven(layout.width * 0.02);
  layout.top = roundHalfEven(layout.height * 0.02);
  layout.panelWidth = roundHalfEven(layout.width * 0.2);
  layout.pictureWidth = std::max(0, layout.width - 3 * layout.margin - layout.panelWidth);
  layout.pictureHeight = std::max(0, layout.height - 2 * layout.top);
  layout.picture = {layout.margin, layout.top, layout.pictureWidth, layout.pictureHeight};
  layout.panel = {2 * layout.margin + layout.pictureWidth, layout.top, layout.panelWidth,
                  layout.pictureHeight};
  return layout;
}

}  // namespace suite
