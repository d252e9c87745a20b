#include "cellinterp/cell_actions.h"

#include <cmath>

#include "text/leading_number.h"
#include "text/number_format.h"
#include "text/user_error.h"

namespace cellinterp {

namespace {

void requireLoaded(const CellState& state) {
  if (!state.fileName) throw suite::UserError(std::string(kNoFileMessage));
}

/// What a failed or cancelled load leaves in force, as a sentence to add to its message.
std::string keptFileNote(const CellState& state) {
  if (!state.fileName) return "";
  return " Ισχύει ακόμη το αρχείο «" + *state.fileName + "».";
}

InterpolatedPoint interpolateInCell(const CellState& state, CellLocal at) {
  const AcceptedCell& cell = *state.cell;
  const suite::GridHeader& header = state.grid.header;
  InterpolatedPoint point;
  point.local = at;
  point.ground = cellLocalToGround(cell.row, cell.column, at, header.xNorthWest, header.yNorthWest,
                                   header.spacingX, header.spacingY);
  point.z =
      interpolateHeight(at, header.spacingX, header.spacingY, cornerHeights(state.grid, cell));
  if (!std::isfinite(point.ground.x) || !std::isfinite(point.ground.y) || !std::isfinite(point.z)) {
    throw suite::UserError("Με u =" + suite::numberText(at.u) +
                           " και v =" + suite::numberText(at.v) +
                           " ο υπολογισμός ξεπερνά τα όρια των αριθμών του προγράμματος.");
  }
  return point;
}

}  // namespace

bool applyRowColumn(CellState& state, std::string_view rowText, std::string_view columnText) {
  requireLoaded(state);
  std::optional<AcceptedCell> cell = cellFromTexts(rowText, columnText, state.grid.header);
  if (!cell) return false;
  state.cell = cell;
  return true;
}

LoadOutcome loadGridFile(CellState& state, const std::string& path, std::string_view rowText,
                         std::string_view columnText) {
  CellGrid grid;
  try {
    grid = readCellGrid(path);
  } catch (const suite::UserError& error) {
    throw suite::UserError(error.what() + keptFileNote(state));
  }
  state.fileName = path;
  state.grid = std::move(grid);
  state.cell.reset();

  LoadOutcome outcome;
  const suite::GridHeader& header = state.grid.header;
  if (!state.grid.hasCells()) {
    outcome.notice = "Το πλέγμα του αρχείου «" + path + "» έχει " + std::to_string(header.rows) +
                     (header.rows == 1 ? " γραμμή" : " γραμμές") + " και " +
                     std::to_string(header.columns) + (header.columns == 1 ? " στήλη" : " στήλες") +
                     ": χωρίς δύο γραμμές και δύο στήλες δεν έχει κανένα κελί για παρεμβολή.";
    return outcome;
  }
  outcome.cellAccepted = applyRowColumn(state, rowText, columnText);
  if (!outcome.cellAccepted) outcome.notice = std::string(kOutsideGridMessage);
  return outcome;
}

std::string cancelledLoadMessage(const CellState& state) {
  return "Δεν επιλέχθηκε αρχείο ΨΜΕ." + keptFileNote(state);
}

InterpolatedPoint interpolateAtClick(CellState& state, double xTwips, double yTwips) {
  requireLoaded(state);
  if (!state.cell) throw suite::UserError(std::string(kOutsideGridMessage));
  const suite::GridHeader& header = state.grid.header;
  const CellLocal at = clickToCellLocal(xTwips, yTwips, state.pictureWidthTwips,
                                        state.pictureHeightTwips, header.spacingX, header.spacingY);
  const InterpolatedPoint point = interpolateInCell(state, at);
  state.lastPoint = at;
  return point;
}

std::optional<InterpolatedPoint> interpolateTyped(CellState& state, std::string_view uText,
                                                  std::string_view vText) {
  requireLoaded(state);
  if (!state.cell) return std::nullopt;
  CellLocal at;
  at.u = suite::leadingNumber(uText);
  at.v = suite::leadingNumber(vText);
  const InterpolatedPoint point = interpolateInCell(state, at);
  state.lastPoint = at;
  return point;
}

}  // namespace cellinterp
