#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "dtm/grid_header.h"

namespace suite {

class NumberScanner;

/// One height of the grid with its place: row 1..rows from the north, column 1..columns from
/// the west.
struct GridHeight {
  std::int32_t row = 0;
  std::int32_t column = 0;
  double z = 0;
};

/// Streams a DTM grid file: the header on opening, then one height at a time in file order
/// (row 1 west to east, then row 2, ...). Holds nothing but a read buffer, so a grid of any
/// size is read in constant memory. Values after the rows*columns-th height are never read.
///
/// Every failure throws UserError with a Greek message naming the file and the value (its
/// number in the file and its line): a file that cannot be opened, fewer than six header numbers,
/// fewer than rows*columns heights, a non-numeric token, rows or columns below 1, a spacing of 0
/// or below, rows*columns beyond 32 bits.
class GridReader {
 public:
  explicit GridReader(const std::string& path);
  ~GridReader();
  GridReader(const GridReader&) = delete;
  GridReader& operator=(const GridReader&) = delete;

  const GridHeader& header() const { return header_; }

  /// Reads the next height. Returns false once all rows*columns heights have been read.
  bool next(GridHeight& height);

 private:
  std::unique_ptr<NumberScanner> scanner_;
  GridHeader header_;
  std::int64_t read_ = 0;
};

}  // namespace suite
