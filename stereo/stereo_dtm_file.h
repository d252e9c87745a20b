#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "dtm/grid_header.h"
#include "dtm/grid_reader.h"
#include "stereo/exterior_orientation.h"
#include "text/codepage.h"

namespace suite {

/// One simulated stereo model: the stereo window as a small DTM grid (its header gives the
/// window's rows and columns, its north-west node and the input grid's spacings), the exterior
/// orientations of the left and the right photograph, and the window's heights row after row
/// from the north, west to east (header.rows · header.columns of them).
struct StereoModel {
  GridHeader header;
  ExteriorOrientation left;
  ExteriorOrientation right;
  std::vector<double> heights;
};

/// Writes the stereo DTM file, in Windows-1253 with CR LF line ends:
/// "Στέρεο ζεύγος ΨΜΕ"; the print forms of rows, columns, X and Y of the north-west node and
/// the two spacings, back to back; each orientation as X and Y through "########.000", Z
/// through "######.000" and the three angles through "####.000", separated by ","; then the
/// heights in print form, twelve to a line, each full line ending with one more blank. A last
/// line of fewer than twelve heights gets no line end.
void writeStereoDtmFile(std::ostream& out, const StereoModel& model);

/// The same into the file at `path`, which is replaced only once it is complete.
void writeStereoDtmFile(const std::string& path, const StereoModel& model);

/// Streams a stereo DTM file: on opening it reads the title (the text before the first comma
/// or line end, leading blanks skipped), the grid header with the checks of the DTM grid
/// reader, and both orientations; then one height at a time. Values after the last height are
/// never read. Any failure throws UserError naming the file, the value and its line. How many
/// nodes a caller can hold is the caller's to check, from header(), before reading heights.
class StereoDtmReader {
 public:
  explicit StereoDtmReader(const std::string& path);
  /// Reads through `scanner`, which stands at the start of the file (a file in memory, say).
  explicit StereoDtmReader(std::unique_ptr<NumberScanner> scanner);
  ~StereoDtmReader();
  StereoDtmReader(const StereoDtmReader&) = delete;
  StereoDtmReader& operator=(const StereoDtmReader&) = delete;

  /// The title in UTF-8, read as UTF-8 or as Windows-1253 by the bytes it has (decodeFileText).
  const std::string& title() const { return title_.utf8; }
  /// Empty when the title can be written in Windows-1253; else names the first character that
  /// the code page lacks, as the file holds it (FileText::unwritable).
  const std::string& titleUnwritable() const { return title_.unwritable; }
  const GridHeader& header() const { return grid_->header(); }
  const ExteriorOrientation& left() const { return left_; }
  const ExteriorOrientation& right() const { return right_; }

  /// Reads the next height. Returns false once all rows·columns heights have been read.
  bool next(GridHeight& height);

  /// How many heights are left to read at most (GridReader::heightsLeftAtMost).
  std::int64_t heightsLeftAtMost() const { return grid_->heightsLeftAtMost(); }

 private:
  FileText title_;
  std::unique_ptr<GridReader> grid_;
  ExteriorOrientation left_;
  ExteriorOrientation right_;
};

}  // namespace suite
