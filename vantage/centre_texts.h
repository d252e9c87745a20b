#pragma once

#include <array>
#include <string>

#include "vantage/projection_centre.h"

namespace vantage {

/// The seven lines of the perspective window's parameter panel: "Προβολικό Κέντρο", an empty
/// line, then "Xo = ", "Yo = ", "Zo = ", "Az = " and " S = ", each followed by its value cut
/// (floor) to two decimals in its print form, trailing blank included: Xo, Yo and Zo as doubles
/// (15 significant digits), Az and S cut and printed as single-precision values (7 digits).
/// Xo = 1234.569 gives "Xo =  1234.56 ", Yo = −0.001 gives "Yo = -.01 ".
std::array<std::string, 7> parameterPanelLines(const ProjectionCentre& centre);

/// The perspective window's readout line after a pick:
/// "    Xo =  " T(Xo) "    Yo =  " T(Yo) "    Az =  " T(Az) "    S =  " T(S) "    Zo =  " T(Zo),
/// where T is the same two-decimal cut written without a trailing blank (Xo, Yo, Zo doubles,
/// Az, S singles).
std::string centreReadout(const ProjectionCentre& centre);

}  // namespace vantage
