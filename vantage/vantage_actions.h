#pragma once

#include <string>

#include "canvas/canvas.h"
#include "map_shell/drawing_layout.h"
#include "vantage/vantage_state.h"

namespace vantage {

/// The message for a drawing asked for before a DTM grid file has been chosen.
inline constexpr const char* kChooseFileFirst = " Βάλε πρώτα το αρχείο Ψηφιακού Μοντέλου Εδάφους";

/// Computes a perspective drawing of input.dtmPath for the perspective window laid out as
/// `layout` (its Picture1 size is PW × PH): on the first drawing of the run the file is read
/// once for the model frame and the default centre; then Zo := ΔZ + H_max and the file is read
/// again and projected (projectPerspective) with the state's centre and the input's scale mode.
/// On success stores the drawing in state.lastDrawing and returns it, sets Zo and, on the first
/// drawing, the frame, the default centre and viewSetUp; paint it with paintPerspective.
/// Nothing of it is committed on failure: throws suite::UserError (Greek message) with the
/// state as it was except state.layout, which always takes `layout`. kChooseFileFirst when
/// no file has been chosen or the chosen name is empty.
const PerspectiveDrawing& runPerspectiveDrawing(VantageState& state, const PerspectiveInput& input,
                                                const suite::DrawingWindowLayout& layout);

/// "Βάλε παραμέτρους": sets state.map from the model frame and the panel width of the last
/// layout, then draws the square on `panel` without clearing it. Throws suite::UserError
/// before drawing, with state.map as it was, when no drawing has set up the model frame yet or
/// the map cannot be computed (see planMap).
void setUpPlanMap(VantageState& state, suite::Canvas& panel);

/// A mouse button in the panel at (xTwips, yTwips): sets Xo, Yo, Az and S of state.centre
/// from state.map with the current `deltaZ` (pickOnPlanMap; Zo stays that of the last drawing)
/// and returns the readout for the window's top line (centreReadout). Throws suite::UserError
/// with the centre untouched when the map has not been set or the pick is not finite.
std::string pickProjectionCentre(VantageState& state, float deltaZ, double xTwips, double yTwips);

}  // namespace vantage
