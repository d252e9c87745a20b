#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "vantage/projection_centre.h"

namespace vantage {

/// A grid node as the perspective places it in the picture: twips from the picture's top-left
/// corner, x in 1 … PW to the right, y in 1 … PH downward; single precision.
struct PictureNode {
  float x = 0;
  float y = 0;
};

/// What one perspective drawing is computed from.
struct PerspectiveView {
  ProjectionCentre centre;       ///< Xo, Yo, Zo, Az, S; Zo already ΔZ + H_max
  bool differentScales = false;  ///< false: one scale for both axes; true: each fills the picture
  int pictureWidthTwips = 0;     ///< PW, whole twips, 0 or more
  int pictureHeightTwips = 0;    ///< PH
};

/// Extents of the projected nodes in the image plane (unit principal distance, x to the right,
/// y upward): each is one of the single-precision projected values.
struct ImageExtents {
  double xMin = 0;
  double xMax = 0;
  double yMin = 0;
  double yMax = 0;
};

/// A finished perspective: everything its painting needs, so it can be painted again, onto the
/// screen or any other canvas, without reading the file.
struct PerspectiveDrawing {
  std::int32_t rows = 0;     ///< n, north to south
  std::int32_t columns = 0;  ///< m, west to east
  /// The point store: node (i, j), 1-based, is nodes[(i − 1)·m + (j − 1)].
  std::vector<PictureNode> nodes;
  int pictureWidthTwips = 0;   ///< PW the nodes were scaled to
  int pictureHeightTwips = 0;  ///< PH
  ImageExtents extents;        ///< before scaling
  double twipsPerImageX = 0;   ///< sx as used: 0 for an axis along which every node projects alike
  double twipsPerImageY = 0;   ///< sy
  /// The parameter panel's seven lines (parameterPanelLines of the drawing's centre).
  std::array<std::string, 7> panelLines;

  const PictureNode& node(std::int32_t row, std::int32_t column) const {
    return nodes[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns) +
                 static_cast<std::size_t>(column - 1)];
  }
};

/// Reads the DTM grid file at `path` and projects every node through a central perspective
/// from view.centre (S_r = S·π/180, Az_r = Az·π/180; for node (i, j) with height h:
/// dX = (j − 1)·a + X_NW − Xo, dY = Y_NW − (i − 1)·b − Yo, dZ = h − Zo,
/// D = −dX·sin Az_r·cos S_r − dY·cos Az_r·cos S_r + dZ·sin S_r,
/// x = −(dX·cos Az_r − dY·sin Az_r) / D, y = −(dY·sin S_r·cos Az_r + dX·sin Az_r·sin S_r +
/// dZ·cos S_r) / D, each product taken left to right in double and the result stored in single
/// precision). Nodes behind the centre are projected through it like the rest. Then scales the
/// store to the picture, x := (x − x_min)·sx and y := (y_max − y)·sy with sx = PW/(x_max − x_min)
/// and sy = PH/(y_max − y_min), in uniform mode both the smaller of the two, and clamps in this
/// order: x to at most PW, at least 1; y to at most PH, at least 1 (single precision).
///
/// An axis along which every node projects to the same value (a single row seen edge-on) has
/// no scale of its own: in uniform mode it takes the other axis' scale, with different scales it
/// takes 0, so its nodes lie on the picture's top or left border line.
///
/// Throws suite::UserError (Greek message) and draws nothing when: the file cannot be read or
/// ends early (the reader's message); the grid has more nodes than suite::mostNodesInMemory(), or
/// their store cannot be allocated; a value of the centre is not finite; a node has depth D = 0
/// or a projection that is not finite in single precision (the message names its row and
/// column); every node projects to one point.
PerspectiveDrawing projectPerspective(const std::string& path, const PerspectiveView& view);

/// Paints `drawing`: its wire frame on `picture` (paintPerspectivePicture) and its parameter
/// panel on `panel` (paintPerspectivePanel).
void paintPerspective(const PerspectiveDrawing& drawing, suite::Canvas& picture,
                      suite::Canvas& panel);

/// Paints the wire frame: clears the canvas and sets its line width to 1 pixel, then draws the
/// row lines, north row first, then the column lines, west column first, each line a point at
/// its first node followed by lines to the others (one polyline).
void paintPerspectivePicture(const PerspectiveDrawing& drawing, suite::Canvas& picture);

/// Paints the parameter panel: clears the canvas and sets its line width to 1 pixel, then sets
/// a point at (30, PH/2) twips, where the text starts, and prints the seven panel lines, in the
/// panel's own font.
void paintPerspectivePanel(const PerspectiveDrawing& drawing, suite::Canvas& panel);

}  // namespace vantage
