#pragma once

namespace cellinterp {

// The three computations behind the cell interpolation window. Cell-local coordinates (u, v)
// are lengths in ground units with the origin at the cell's south-west corner: u grows
// eastwards (0 at the west edge, a at the east edge), v northwards (0 at the south edge, b at
// the north edge). Values outside 0..a and 0..b extrapolate with the same formulas.

/// A point in cell-local coordinates, ground units.
struct CellLocal {
  double u = 0;
  double v = 0;
};

/// Ground coordinates, X eastwards and Y northwards.
struct GroundPoint {
  double x = 0;
  double y = 0;
};

/// The heights at the four corners of a cell.
struct CellCorners {
  double northWest = 0;  ///< node (i, j)
  double northEast = 0;  ///< node (i, j+1)
  double southWest = 0;  ///< node (i+1, j)
  double southEast = 0;  ///< node (i+1, j+1)
};

/// A click at (xTwips, yTwips) in the cell picture, origin at its top-left corner and y growing
/// downwards, to cell-local coordinates: the picture, `widthTwips` × `heightTwips`, stands for
/// the whole cell of `spacingX` × `spacingY`. u = (a / W) · x and v = (H − y) · (b / H), each
/// quotient taken first. A picture of zero width or height throws UserError.
CellLocal clickToCellLocal(double xTwips, double yTwips, int widthTwips, int heightTwips,
                           double spacingX, double spacingY);

/// The ground coordinates of (u, v) in the cell whose north-west node is (row, column), row 1
/// the north row and column 1 the west column: X = ((column − 1) · a + X_NW) + u and
/// Y = (Y_NW − row · b) + v, Y_NW − row · b being the Y of the cell's south edge.
GroundPoint cellLocalToGround(int row, int column, CellLocal at, double xNorthWest,
                              double yNorthWest, double spacingX, double spacingY);

/// The height at (u, v) by bilinear interpolation of the corners, with p = u / a, q = v / b and
/// r = ((v · u) / a) / b: weights south-west ((1 − p) − q) + r, south-east p − r, north-west
/// q − r and north-east r, summed in that order. A spacing of zero throws UserError.
double interpolateHeight(CellLocal at, double spacingX, double spacingY,
                         const CellCorners& corners);

}  // namespace cellinterp
