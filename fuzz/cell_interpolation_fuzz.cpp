// cellinterp's actions as its window drives them: every action before a file is loaded, a load
// with the row and column in the boxes, a row and column typed afterwards, a click in the cell
// picture, u and v typed for "Διγραμμική", and a second load of the file cut short (it changed
// since). The picture size, the click, the cut and the box texts come from the input's first
// bytes and lines, the DTM grid file (held in memory) from the rest. Every refusal is a UserError
// with a Greek message; the accepted cell is always a cell of the grid loaded and its corners
// are its nodes; a computed point is finite; a refused action changes nothing it should keep.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cellinterp/cell_actions.h"
#include "cellinterp/cell_state.h"
#include "cellinterp/shown_values.h"
#include "fuzz/fuzz_checks.h"
#include "text/user_error.h"

namespace {

using fuzzing::check;

/// Runs `action`, which must be refused with `message`.
template <typename Action>
void checkRefusedWith(std::string_view message, Action&& action) {
  try {
    action();
  } catch (const suite::UserError& error) {
    check(error.what() == message, "refused with its own message", error.what());
    return;
  }
  fuzzing::broken("an action without its precondition is refused", message);
}

/// Checks that the accepted cell, if any, is a cell of the loaded grid, named by its corners.
void checkCell(const cellinterp::CellState& state) {
  if (!state.cell) return;
  const cellinterp::AcceptedCell& cell = *state.cell;
  const suite::GridHeader& header = state.grid.header;
  check(cell.row >= 1 && cell.row < header.rows && cell.column >= 1 && cell.column < header.columns,
        "the accepted cell is a cell of the grid");
  const std::int64_t northWest = std::int64_t{cell.row - 1} * header.columns + cell.column;
  check(cell.cornerNodes[0] == northWest && cell.cornerNodes[1] == northWest + 1 &&
            cell.cornerNodes[2] == northWest + header.columns &&
            cell.cornerNodes[3] == northWest + header.columns + 1,
        "the corners are the cell's nodes");
  for (const std::string& text :
       cellinterp::cornerTexts(cellinterp::cornerHeights(state.grid, cell))) {
    check(fuzzing::isWellFormedUtf8(text), "a corner height is shown in UTF-8", text);
  }
}

/// Checks a point computed in the cell, and what the window shows of it.
void checkPoint(const cellinterp::CellState& state, const cellinterp::InterpolatedPoint& point) {
  check(std::isfinite(point.ground.x) && std::isfinite(point.ground.y) && std::isfinite(point.z),
        "a computed point is finite");
  check(fuzzing::sameBits(state.lastPoint.u, point.local.u) &&
            fuzzing::sameBits(state.lastPoint.v, point.local.v),
        "the last point is the one computed");
  const cellinterp::PointTexts texts = cellinterp::pointTexts(point);
  for (const std::string* text : {&texts.x, &texts.y, &texts.u, &texts.v, &texts.z}) {
    check(fuzzing::isWellFormedUtf8(*text), "a point is shown in UTF-8", *text);
  }
}

/// What a refused action must leave as it was.
struct Kept {
  explicit Kept(const cellinterp::CellState& state)
      : fileName(state.fileName),
        header(state.grid.header),
        heights(state.grid.heights),
        cell(state.cell),
        lastPoint(state.lastPoint) {}

  void checkSame(const cellinterp::CellState& state, const char* rule) const {
    const suite::GridHeader& h = state.grid.header;
    bool same = state.fileName == fileName && h.rows == header.rows &&
                h.columns == header.columns && fuzzing::sameBits(h.xNorthWest, header.xNorthWest) &&
                fuzzing::sameBits(h.yNorthWest, header.yNorthWest) &&
                fuzzing::sameBits(h.spacingX, header.spacingX) &&
                fuzzing::sameBits(h.spacingY, header.spacingY) &&
                state.grid.heights.size() == heights.size() &&
                state.cell.has_value() == cell.has_value() &&
                fuzzing::sameBits(state.lastPoint.u, lastPoint.u) &&
                fuzzing::sameBits(state.lastPoint.v, lastPoint.v);
    for (std::size_t k = 0; same && k < heights.size(); ++k) {
      same = fuzzing::sameBits(state.grid.heights[k], heights[k]);
    }
    if (same && cell) {
      same = state.cell->row == cell->row && state.cell->column == cell->column;
    }
    check(same, rule);
  }

  std::optional<std::string> fileName;
  suite::GridHeader header;
  std::vector<double> heights;
  std::optional<cellinterp::AcceptedCell> cell;
  cellinterp::CellLocal lastPoint;
};

/// A load of the file at `path` with the boxes' row and column: a loaded grid, its cell and
/// what the window shows, or a refusal that keeps the state as it was and says which file is
/// still in force.
void load(cellinterp::CellState& state, const std::string& path, const std::string& row,
          const std::string& column) {
  const Kept before(state);
  try {
    const cellinterp::LoadOutcome outcome = cellinterp::loadGridFile(state, path, row, column);
    const suite::GridHeader& header = state.grid.header;
    check(state.fileName == path, "a load names its file");
    check(static_cast<std::int64_t>(state.grid.heights.size()) == header.nodeCount(),
          "a loaded grid holds every height");
    check(outcome.cellAccepted == state.cell.has_value(), "a load says whether there is a cell");
    check(outcome.cellAccepted != outcome.notice.has_value(), "a load without a cell says why");
    if (outcome.notice) fuzzing::checkRefusal(*outcome.notice);
    check(fuzzing::isWellFormedUtf8(cellinterp::gridSizeText(header)), "the grid size is UTF-8");
    checkCell(state);
  } catch (const suite::UserError& error) {
    fuzzing::checkRefusal(error.what());
    before.checkSame(state, "a refused load keeps the state as it was");
    if (before.fileName) {
      check(std::string_view(error.what()).find("Ισχύει ακόμη το αρχείο «" + *before.fileName) !=
                std::string_view::npos,
            "a refused load says which file stays in force", error.what());
    }
  }
}

}  // namespace

// The input: 10 bytes of parameters, six lines of box texts, then the DTM grid file.
//   0-1 the cell picture's width, twips (modulo 3001)   2-3 its height (modulo 3001)
//   4-7 a click in the picture, x and y, twips as signed 16-bit numbers
//   8-9 where the file is cut for the second load
//   lines: row and column in the boxes at the load, row and column typed after it, u, v
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzzing::MemoryFile file;
  fuzzing::FrontFields input(data, size);
  cellinterp::CellState state;
  state.pictureWidthTwips = input.take<std::uint16_t>() % 3001;
  state.pictureHeightTwips = input.take<std::uint16_t>() % 3001;
  const double clickX = input.take<std::int16_t>();
  const double clickY = input.take<std::int16_t>();
  const std::size_t cut = input.take<std::uint16_t>();
  const std::string row = input.takeLine();
  const std::string column = input.takeLine();
  const std::string typedRow = input.takeLine();
  const std::string typedColumn = input.takeLine();
  const std::string u = input.takeLine();
  const std::string v = input.takeLine();
  const std::string bytes(input.rest());

  const std::string noFile(cellinterp::kNoFileMessage);
  checkRefusedWith(noFile, [&] { cellinterp::applyRowColumn(state, row, column); });
  checkRefusedWith(noFile, [&] { cellinterp::interpolateAtClick(state, clickX, clickY); });
  checkRefusedWith(noFile, [&] { cellinterp::interpolateTyped(state, u, v); });
  fuzzing::checkRefusal(cellinterp::cancelledLoadMessage(state));

  const std::string& path = file.hold(bytes);
  load(state, path, row, column);
  if (!state.fileName) return 0;

  {
    const Kept before(state);
    if (!cellinterp::applyRowColumn(state, typedRow, typedColumn)) {
      before.checkSame(state, "a row or column outside the grid keeps the cell");
    }
    checkCell(state);
  }

  if (!state.cell) {
    checkRefusedWith(cellinterp::kOutsideGridMessage,
                     [&] { cellinterp::interpolateAtClick(state, clickX, clickY); });
    check(!cellinterp::interpolateTyped(state, u, v), "no point without a cell");
  } else {
    for (int typed = 0; typed < 2; ++typed) {
      const Kept before(state);
      try {
        const cellinterp::InterpolatedPoint point =
            typed != 0 ? *cellinterp::interpolateTyped(state, u, v)
                       : cellinterp::interpolateAtClick(state, clickX, clickY);
        checkPoint(state, point);
      } catch (const suite::UserError& error) {
        fuzzing::checkRefusal(error.what());
        before.checkSame(state, "a refused interpolation keeps the state as it was");
      }
    }
  }
  fuzzing::checkRefusal(cellinterp::cancelledLoadMessage(state));

  // The file changes before the next load: it is cut short.
  file.hold(std::string_view(bytes).substr(0, std::min(cut, bytes.size())));
  load(state, path, row, column);
  return 0;
}
