#include "simulator_shell/simulation_parameters_frame.h"

#include <QGroupBox>

namespace suite {

namespace {

using Texts = SimulationParameterTexts;

// The left column, then the right one; labels 615 × 255 and boxes 1455 × 285 twips.
// clang-format off
const BoxBinding<Texts> kParameterBoxes[] = {
    {"Text1(0)", "Label1(5)", "  Xo",    {120, 240, 615, 255},  {720, 240, 1455, 285},  &Texts::originXMm},
    {"Text1(1)", "Label1(1)", "  Yo",    {120, 480, 615, 255},  {720, 480, 1455, 285},  &Texts::originYMm},
    {"Text1(2)", "Label1(2)", "  θ",     {120, 720, 615, 255},  {720, 720, 1455, 285},  &Texts::rotationDegrees},
    {"Text1(3)", "Label1(3)", "  k",     {120, 960, 615, 255},  {720, 960, 1455, 285},  &Texts::scale},
    {"Text1(4)", "Label1(4)", "  σxy",   {2400, 240, 615, 255}, {3000, 240, 1455, 285}, &Texts::sigmaXyMm},
    {"Text1(5)", "Label1(6)", "  F",     {2400, 480, 615, 255}, {3000, 480, 1455, 285}, &Texts::focalMm},
    {"Text3",    "Label1(7)", " H(3,5)", {2400, 720, 615, 255}, {3000, 720, 1455, 285}, &Texts::replacementHeight},
    {"Text1(6)", "Label1(8)", " S*Xo",   {2400, 960, 615, 255}, {3000, 960, 1455, 285}, &Texts::rightFactor},
};
// clang-format on

}  // namespace

SimulationParameterBoxes addSimulationParametersFrame(QWidget* window, const QString& caption) {
  QGroupBox* frame = addFrame(window, QStringLiteral("Frame1"), caption, {120, 240, 4575, 1455});
  setColour(*frame, QPalette::Window, frame->palette().color(QPalette::Midlight));
  frame->setAutoFillBackground(true);
  return SimulationParameterBoxes(frame, kParameterBoxes);
}

}  // namespace suite
