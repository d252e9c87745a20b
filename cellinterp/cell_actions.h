#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cellinterp/cell_interpolation.h"
#include "cellinterp/cell_state.h"

namespace cellinterp {

// The actions of the cell interpolation window on the program's state. The window reads its
// boxes, calls one of these and shows what comes back; every refusal or failure is a UserError
// whose message the window shows.

/// The message of any action on the cell before a file is loaded.
inline constexpr std::string_view kNoFileMessage = "Βάλε πρώτα το όνομα αρχείου";
/// The message of a row or column that names no cell of the grid.
inline constexpr std::string_view kOutsideGridMessage = "Γραμμή ή στήλη εκτός ορίων";

/// A point computed in the accepted cell.
struct InterpolatedPoint {
  CellLocal local;
  GroundPoint ground;
  double z = 0;
};

/// Applies the row and column texts: when they name a cell of the loaded grid it becomes the
/// accepted cell and true comes back; otherwise the accepted cell stays as it was and false
/// comes back (the window then shows kOutsideGridMessage). Throws UserError(kNoFileMessage)
/// before any load.
bool applyRowColumn(CellState& state, std::string_view rowText, std::string_view columnText);

/// What a load leaves for the window to say.
struct LoadOutcome {
  bool cellAccepted = false;          ///< the boxes name a cell of the new grid
  std::optional<std::string> notice;  ///< why there is no cell now, when there is none
};

/// Loads the DTM grid file at `path` whole and re-applies the row and column texts to its grid,
/// so that the accepted cell is always one of the grid loaded: the new file name, grid and cell
/// replace the old ones, and the program is loaded from now on. A grid of one row or one column
/// has no cell, which the notice says. A file that cannot be loaded throws UserError with the
/// reason and what stays in force, and leaves `state` exactly as it was.
LoadOutcome loadGridFile(CellState& state, const std::string& path, std::string_view rowText,
                         std::string_view columnText);

/// The message of a load whose open dialog was cancelled; `state` stays as it was.
std::string cancelledLoadMessage(const CellState& state);

/// The click path: the click at (xTwips, yTwips) in the cell picture, twips from its top-left
/// corner, to u and v, then X, Y and Z in the accepted cell (the boxes are not read again).
/// Throws UserError(kNoFileMessage) before any load and UserError(kOutsideGridMessage) when no
/// cell is accepted; a result beyond the range of doubles throws UserError too.
InterpolatedPoint interpolateAtClick(CellState& state, double xTwips, double yTwips);

/// The computing half of "Διγραμμική", after applyRowColumn: reads u and v from their texts by
/// the leading-number rule, without comparing them with the cell size, and computes X, Y and Z
/// in the accepted cell. Nothing is computed, and nothing comes back, when no cell is accepted
/// (applying the boxes has then said why). Throws UserError(kNoFileMessage) before any load and
/// UserError for a number or a result beyond the range of doubles.
std::optional<InterpolatedPoint> interpolateTyped(CellState& state, std::string_view uText,
                                                  std::string_view vText);

}  // namespace cellinterp
