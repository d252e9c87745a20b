#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "dtm/grid_header.h"
#include "dtm/number_scanner.h"

namespace suite {

/// One height of the grid with its place: row 1..rows from the north, column 1..columns from
/// the west.
struct GridHeight {
  std::int32_t row = 0;
  std::int32_t column = 0;
  double z = 0;
};

/// Streams a DTM grid file: the header on opening, then one height at a time in file order
/// (row 1 west to east, then row 2, ...). Holds nothing but a read buffer, so a grid of any
/// size is read in constant memory. Values after the rows*columns-th height are never read:
/// the file is closed as soon as the last height has been read.
///
/// Separators and number forms are those of NumberScanner: commas, blanks, tabs and line ends
/// in any mix, "." as the decimal point, an optional sign and exponent.
///
/// Every failure throws UserError with a Greek message naming the file and the value (its
/// number in the file and its line): a file that cannot be opened, fewer than six header numbers,
/// fewer than rows*columns heights, a non-numeric token or an empty value between two commas,
/// rows or columns that are not whole numbers from 1 up, a spacing of 0 or below, rows*columns
/// beyond 32 bits. Messages about a height name its grid row and column too.
class GridReader {
 public:
  /// Opens the file and reads its header.
  explicit GridReader(const std::string& path);
  /// Reads the header from a file already opened, whose scanner stands just before it (after a
  /// title, say). Values that stand between the header and the heights are read through
  /// scanner() before the first call to next().
  explicit GridReader(std::unique_ptr<NumberScanner> scanner);
  ~GridReader();
  GridReader(const GridReader&) = delete;
  GridReader& operator=(const GridReader&) = delete;

  const GridHeader& header() const { return header_; }

  /// The scanner of the open file, for values between the header and the heights. Valid until
  /// the last height has been read.
  NumberScanner& scanner() { return *scanner_; }

  /// Reads the next height. Returns false once all rows*columns heights have been read.
  /// Inline: it runs once per height.
  bool next(GridHeight& height);

  /// How many heights are left to read at most: those the header announces, but no more than
  /// the rest of the file can hold (each height but the last takes at least a digit and a
  /// separator). A caller that keeps the heights reserves this much, not what a header that
  /// lies announces: a 60-byte file announcing 16384 × 16384 nodes gets room for a few dozen.
  std::int64_t heightsLeftAtMost() const;

 private:
  void readHeader();
  [[noreturn]] void failHeight(NumberScanner::Scan result) const;
  void finish();

  std::unique_ptr<NumberScanner> scanner_;
  GridHeader header_;
  std::int64_t read_ = 0;
  std::int64_t nodeCount_ = 0;
  std::int32_t nextRow_ = 1;
  std::int32_t nextColumn_ = 1;
};

SUITE_ALWAYS_INLINE bool GridReader::next(GridHeight& height) {
  if (read_ == nodeCount_) return false;
  double z;
  const NumberScanner::Scan result = scanner_->scan(z);
  if (result != NumberScanner::Scan::Number) failHeight(result);
  height.row = nextRow_;
  height.column = nextColumn_;
  height.z = z;
  if (++nextColumn_ > header_.columns) {
    nextColumn_ = 1;
    ++nextRow_;
  }
  if (++read_ == nodeCount_) finish();
  return true;
}

}  // namespace suite
