#include "isolines/contour_run.h"

#include <cmath>
#include <new>
#include <vector>

#include "dtm/grid_reader.h"
#include "isolines/contour_rasterizer.h"
#include "text/user_error.h"

namespace isolines {

namespace {

// "πλέγμα του αρχείου «…»", after "Το " or "το ".
std::string gridOfFile(const std::string& path) {
  return "πλέγμα του αρχείου «" + path + "»";
}

std::string countText(std::int32_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

void checkInterval(float interval) {
  if (interval == 0) {
    throw suite::UserError(
        "Η ισοδιάσταση είναι 0 και δεν ορίζει ισοϋψείς: δώσε με το «Ισοδιάσταση» ισοδιάσταση "
        "διάφορη του 0, για παράδειγμα 10.");
  }
  if (!std::isfinite(interval)) {
    throw suite::UserError(
        "Η ισοδιάσταση είναι μεγαλύτερη από όσο χωρά αριθμός απλής ακρίβειας: δώσε με το "
        "«Ισοδιάσταση» μικρότερη ισοδιάσταση.");
  }
}

void checkGridHasCells(const suite::GridHeader& header, const std::string& path) {
  if (header.rows >= 2 && header.columns >= 2) return;
  throw suite::UserError("Το " + gridOfFile(path) + " έχει " +
                         countText(header.rows, "γραμμή", "γραμμές") + " και " +
                         countText(header.columns, "στήλη", "στήλες") +
                         " κόμβων: οι ισοϋψείς σχεδιάζονται στα κελιά του πλέγματος, που "
                         "χρειάζονται τουλάχιστον 2 γραμμές και 2 στήλες. Διάλεξε αρχείο με "
                         "μεγαλύτερο πλέγμα.");
}

// Which sides of the grid have more cells than the map has pixels, and how many nodes fit, after
// the grid's name: " έχει 900 γραμμές, ενώ στο ύψος του χάρτη, 829 εικονοστοιχεία, χωρούν το
// πολύ 830 γραμμές (…)" and the like, ending with the advice.
std::string tooManyNodesText(const suite::GridHeader& header,
                             const suite::DrawingWindowLayout& layout, bool rows, bool columns) {
  const std::int32_t mostRows = suite::mostNodesAcross(layout.pictureHeight);
  const std::int32_t mostColumns = suite::mostNodesAcross(layout.pictureWidth);
  std::string text = " έχει ";
  std::string advice;
  if (rows && columns) {
    text += countText(header.rows, "γραμμή", "γραμμές") + " και " +
            countText(header.columns, "στήλη", "στήλες") + ", ενώ στον χάρτη, " +
            std::to_string(mostColumns - 1) + " × " + std::to_string(mostRows - 1) +
            " εικονοστοιχεία, χωρούν το πολύ " + std::to_string(mostRows) + " γραμμές και " +
            std::to_string(mostColumns) + " στήλες";
    advice = "γραμμές και στήλες";
  } else if (rows) {
    text += countText(header.rows, "γραμμή", "γραμμές") + ", ενώ στο ύψος του χάρτη, " +
            std::to_string(mostRows - 1) + " εικονοστοιχεία, χωρούν το πολύ " +
            std::to_string(mostRows) + " γραμμές";
    advice = "γραμμές";
  } else {
    text += countText(header.columns, "στήλη", "στήλες") + ", ενώ στο πλάτος του χάρτη, " +
            std::to_string(mostColumns - 1) + " εικονοστοιχεία, χωρούν το πολύ " +
            std::to_string(mostColumns) + " στήλες";
    advice = "στήλες";
  }
  return text + " (ένα εικονοστοιχείο για κάθε κελί). Διάλεξε πλέγμα με λιγότερες " + advice + ".";
}

ContourMap computeMap(const ContourRunInput& input) {
  checkInterval(input.contourInterval);
  suite::GridReader reader(input.dtmPath);
  ContourMap map;
  map.header = reader.header();
  const suite::GridHeader& header = map.header;
  checkGridHasCells(header, input.dtmPath);

  map.layout = suite::drawingWindowLayout(input.screenWidthTwips, input.screenHeightTwips);
  const int pictureWidth = map.layout.pictureWidth;
  const int pictureHeight = map.layout.pictureHeight;
  map.cells = suite::pixelsPerCell(pictureWidth, pictureHeight, header.rows, header.columns,
                                   input.scaleMode);
  const suite::PixelsPerCell own = suite::pixelsPerCell(
      pictureWidth, pictureHeight, header.rows, header.columns, suite::ScaleMode::DifferentXY);
  if (map.cells.alongX == 0 && map.cells.alongY > 0) {
    // Cells of no width but some height: nothing to interpolate across a cell.
    throw suite::UserError("Το " + gridOfFile(input.dtmPath) +
                           tooManyNodesText(header, map.layout, false, true));
  }
  const std::int64_t width = std::int64_t{header.columns - 1} * map.cells.alongX;
  const std::int64_t height = std::int64_t{header.rows - 1} * map.cells.alongY;
  if (width * height > ContourRaster::kMostPixels) {
    throw suite::UserError("Ο χάρτης ισοϋψών θα είχε " + std::to_string(width) + " × " +
                           std::to_string(height) + " εικονοστοιχεία, περισσότερα από τα " +
                           std::to_string(ContourRaster::kMostPixels) +
                           " που σχεδιάζει το πρόγραμμα.");
  }

  suite::GridHeight node;
  if (width == 0 || height == 0) {
    // Nothing to draw; the heights are still read, so that a faulty file is reported.
    while (reader.next(node)) {
    }
    map.raster = ContourRaster(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
    map.notice = "Ο χάρτης έμεινε κενός: το " + gridOfFile(input.dtmPath) +
                 tooManyNodesText(header, map.layout, own.alongY == 0, own.alongX == 0);
    return map;
  }

  ContourRasterizer rasterizer(header.rows, header.columns, map.cells, input.contourInterval);
  std::vector<double> row(static_cast<std::size_t>(header.columns));
  while (reader.next(node)) {
    row[static_cast<std::size_t>(node.column - 1)] = node.z;
    if (node.column == header.columns) rasterizer.addRow(row.data());
  }
  map.raster = rasterizer.takeRaster();
  return map;
}

}  // namespace

ContourMap computeContourMap(const ContourRunInput& input) {
  try {
    return computeMap(input);
  } catch (const std::bad_alloc&) {
    throw suite::UserError("Δεν υπάρχει αρκετή μνήμη για τον χάρτη ισοϋψών του αρχείου «" +
                           input.dtmPath + "».");
  }
}

}  // namespace isolines
