#pragma once

#include <string>

#include "dtm/grid_header.h"
#include "isolines/contour_raster.h"
#include "isolines/map_readout.h"
#include "map_shell/drawing_layout.h"
#include "map_shell/pixels_per_cell.h"

namespace isolines {

/// What a contour drawing reads: the window's choices at the moment it starts.
struct ContourRunInput {
  std::string dtmPath;         ///< the DTM grid file, UTF-8
  float contourInterval = 10;  ///< ΔH, ground units, single precision
  suite::ScaleMode scaleMode = suite::ScaleMode::Uniform;
  int screenWidthTwips = 0;  ///< the screen, which the contour map window fills
  int screenHeightTwips = 0;
};

/// A computed contour drawing, ready to be painted, and kept to be painted again.
struct ContourMap {
  suite::DrawingWindowLayout layout;  ///< the map window: Picture1 is layout.picture
  suite::GridHeader header;           ///< the file's grid header
  suite::PixelsPerCell cells;         ///< A, B
  ContourRaster raster;               ///< (columns − 1)·A × (rows − 1)·B pixels
  /// Empty, or why the map is blank: its cells came out at 0 pixels. To be shown to the user
  /// after the blank map has been painted.
  std::string notice;

  /// What the readout needs of this drawing.
  MapTransform transform() const {
    return {header.xNorthWest, header.yNorthWest, header.spacingX, header.spacingY, cells};
  }
  /// Paints the set pixels onto `canvas` (see ContourRaster::paint); clearing is the caller's.
  void paint(suite::Canvas& canvas) const { raster.paint(canvas); }
};

/// Computes the contour map of the file at the given interval for the screen's layout, reading
/// the file afresh from the start and streaming it row by row: pixels per cell from the size of
/// Picture1 (pixelsPerCell), then the map row band by row band (ContourRasterizer).
///
/// Touches no window: every failure throws suite::UserError with a Greek message before
/// anything is painted, so a map that was on the screen stays whole. Refused with a message
/// that says what to change: an interval of 0 or beyond single precision, a grid of one row or
/// one column, more columns than the map has pixels with a scale for each axis (A = 0 with
/// B ≥ 1), a map beyond ContourRaster::kMostPixels. The reader's messages for a file that cannot
/// be opened, is malformed or ends early; a height beyond 2^31 intervals from 0.
///
/// A grid with more rows or columns than the map has pixels otherwise draws nothing: the map is
/// blank (its cells are 0 pixels) and `notice` says why; the file is still read whole.
ContourMap computeContourMap(const ContourRunInput& input);

}  // namespace isolines
