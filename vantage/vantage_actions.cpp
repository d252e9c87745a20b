#include "vantage/vantage_actions.h"

#include "text/user_error.h"
#include "vantage/centre_texts.h"

namespace vantage {

const PerspectiveDrawing& runPerspectiveDrawing(VantageState& state, const PerspectiveInput& input,
                                                const suite::DrawingWindowLayout& layout) {
  state.layout = layout;
  if (!input.dtmPath || input.dtmPath->empty()) throw suite::UserError(kChooseFileFirst);
  const std::string& dtmPath = *input.dtmPath;

  ModelFrame frame = state.frame;
  ProjectionCentre centre = state.centre;
  if (!state.viewSetUp) {
    frame = readModelFrame(dtmPath);
    centre = defaultProjectionCentre(frame);
  }
  centre.z = input.deltaZ + frame.heightMax;

  PerspectiveView view;
  view.centre = centre;
  view.differentScales = input.differentScales;
  view.pictureWidthTwips = layout.pictureWidth;
  view.pictureHeightTwips = layout.pictureHeight;
  PerspectiveDrawing drawing = projectPerspective(dtmPath, view);

  state.viewSetUp = true;
  state.frame = frame;
  state.centre = centre;
  state.lastDrawing = std::move(drawing);
  return *state.lastDrawing;
}

void setUpPlanMap(VantageState& state, suite::Canvas& panel) {
  if (!state.viewSetUp) {
    throw suite::UserError(
        "Ο χάρτης σχεδιάζεται αφού σχεδιαστεί πρώτα ένα προοπτικό του μοντέλου: διάλεξε "
        "«Σχεδίασε προοπτικό».");
  }
  state.map = planMap(state.frame, state.layout.panelWidth);
  drawPlanMap(state.map, panel);
}

std::string pickProjectionCentre(VantageState& state, float deltaZ, double xTwips, double yTwips) {
  const ProjectionCentre picked =
      pickOnPlanMap(state.map, deltaZ + state.frame.heightMax, xTwips, yTwips);
  state.centre.x = picked.x;
  state.centre.y = picked.y;
  state.centre.azimuthDegrees = picked.azimuthDegrees;
  state.centre.depressionDegrees = picked.depressionDegrees;
  return centreReadout(state.centre);
}

}  // namespace vantage
