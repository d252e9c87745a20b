#include "cellinterp/cell_interpolation.h"

#include <string>

#include "text/number_format.h"
#include "text/user_error.h"

namespace cellinterp {

CellLocal clickToCellLocal(double xTwips, double yTwips, int widthTwips, int heightTwips,
                           double spacingX, double spacingY) {
  if (widthTwips == 0 || heightTwips == 0) {
    throw suite::UserError("Η εικόνα του κελιού έχει μηδενικό πλάτος ή ύψος (" +
                           std::to_string(widthTwips) + " × " + std::to_string(heightTwips) +
                           " twips): το σημείο του κλικ δεν αντιστοιχεί σε θέση του κελιού.");
  }
  const double width = widthTwips;
  const double height = heightTwips;
  CellLocal at;
  at.u = (spacingX / width) * xTwips;
  at.v = (height - yTwips) * (spacingY / height);
  return at;
}

GroundPoint cellLocalToGround(int row, int column, CellLocal at, double xNorthWest,
                              double yNorthWest, double spacingX, double spacingY) {
  GroundPoint ground;
  ground.x = ((column - 1) * spacingX + xNorthWest) + at.u;
  ground.y = (yNorthWest - row * spacingY) + at.v;
  return ground;
}

double interpolateHeight(CellLocal at, double spacingX, double spacingY,
                         const CellCorners& corners) {
  if (spacingX == 0 || spacingY == 0) {
    throw suite::UserError("Το κελί έχει μηδενική διάσταση (α =" + suite::numberText(spacingX) +
                           ", β =" + suite::numberText(spacingY) +
                           "): η διγραμμική παρεμβολή δεν ορίζεται.");
  }
  const double p = at.u / spacingX;
  const double q = at.v / spacingY;
  const double r = ((at.v * at.u) / spacingX) / spacingY;
  const double southWest = ((1 - p) - q) + r;
  const double southEast = p - r;
  const double northWest = q - r;
  const double northEast = r;
  return ((southWest * corners.southWest + southEast * corners.southEast) +
          northWest * corners.northWest) +
         northEast * corners.northEast;
}

}  // namespace cellinterp
