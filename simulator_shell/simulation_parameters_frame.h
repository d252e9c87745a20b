#pragma once

#include <QString>

#include "gui/form_binding.h"
#include "stereo/simulation_run.h"

class QWidget;

namespace suite {

/// The boxes of the simulation parameter frame that both stereo simulators show.
using SimulationParameterBoxes = BoundBoxes<SimulationParameterTexts>;

/// Adds the simulation parameter frame, Frame1, to a simulator's main window: `caption` at
/// left 120, top 240, width 4575, height 1455 twips, in the light 3-D colour, holding eight
/// label and box rows with their start texts — "  Xo" Text1(0) "0", "  Yo" Text1(1) "0", "  θ"
/// Text1(2) "0", "  k" Text1(3) "1" in the left column, "  σxy" Text1(4) "0.006", "  F"
/// Text1(5) "152", " H(3,5)" Text3 "0", " S*Xo" Text1(6) "1.237" in the right one. The captions
/// are Label1(5) and Label1(1) to Label1(8): Label1(0) is the window's input file name.
SimulationParameterBoxes addSimulationParametersFrame(QWidget* window, const QString& caption);

}  // namespace suite
