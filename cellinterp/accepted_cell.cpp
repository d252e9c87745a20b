#include "cellinterp/accepted_cell.h"

#include "text/leading_number.h"
#include "text/user_error.h"

namespace cellinterp {

std::optional<std::int32_t> wholeNumberFromText(std::string_view text) {
  double value = 0;
  try {
    value = suite::leadingNumber(text);
  } catch (const suite::UserError&) {
    return std::nullopt;  // too large for a double, so far beyond 32 bits
  }
  // The values that round, halves to even, into the 32-bit range: 2147483647.5 rounds to
  // 2147483648 and -2147483648.5 to -2147483648.
  if (!(value < 2147483647.5 && value >= -2147483648.5)) return std::nullopt;
  return suite::roundHalfEven(value);
}

std::optional<AcceptedCell> cellFromTexts(std::string_view rowText, std::string_view columnText,
                                          const suite::GridHeader& header) {
  const std::optional<std::int32_t> row = wholeNumberFromText(rowText);
  const std::optional<std::int32_t> column = wholeNumberFromText(columnText);
  if (!row || !column) return std::nullopt;
  if (*row < 1 || *row > header.rows - 1 || *column < 1 || *column > header.columns - 1) {
    return std::nullopt;
  }
  AcceptedCell cell;
  cell.row = *row;
  cell.column = *column;
  const std::int64_t columns = header.columns;
  const std::int64_t northWest = (std::int64_t{cell.row} - 1) * columns + cell.column;
  const std::int64_t southWest = std::int64_t{cell.row} * columns + cell.column;
  cell.cornerNodes = {northWest, northWest + 1, southWest, southWest + 1};
  return cell;
}

CellCorners cornerHeights(const CellGrid& grid, const AcceptedCell& cell) {
  CellCorners corners;
  corners.northWest = grid.height(cell.cornerNodes[0]);
  corners.northEast = grid.height(cell.cornerNodes[1]);
  corners.southWest = grid.height(cell.cornerNodes[2]);
  corners.southEast = grid.height(cell.cornerNodes[3]);
  return corners;
}

}  // namespace cellinterp
