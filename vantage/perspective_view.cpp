#include "vantage/perspective_view.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

#include "dtm/grid_reader.h"
#include "dtm/held_nodes.h"
#include "text/number_format.h"
#include "text/single_precision.h"
#include "text/user_error.h"
#include "vantage/centre_texts.h"
#include "vantage/node_limit.h"

namespace vantage {

// The point store is limited by the bytes a held node takes.
static_assert(sizeof(PictureNode) == suite::kHeldNodeBytes);

namespace {

constexpr double kPi = 3.14159265358979323846;
// The extents start from ∓10^20 as a single-precision value holds it.
constexpr double kExtentStart = static_cast<double>(1e20f);

std::string nodePlace(const std::string& path, const suite::GridHeight& node) {
  return "Ο κόμβος της γραμμής " + std::to_string(node.row) + ", στήλης " +
         std::to_string(node.column) + " του αρχείου «" + path + "»";
}

[[noreturn]] void refuseZeroDepth(const std::string& path, const suite::GridHeight& node) {
  throw suite::UserError(nodePlace(path, node) +
                         " βρίσκεται στο επίπεδο που περνά από το προβολικό κέντρο κάθετα στη "
                         "διεύθυνση λήψης, και δεν προβάλλεται: διάλεξε άλλο προβολικό κέντρο "
                         "ή άλλο ΔΖ.");
}

[[noreturn]] void refuseNotFinite(const std::string& path, const suite::GridHeight& node) {
  throw suite::UserError(nodePlace(path, node) +
                         " δεν έχει πεπερασμένες συντεταγμένες στο επίπεδο της εικόνας: "
                         "διάλεξε άλλο προβολικό κέντρο ή άλλο ΔΖ.");
}

void checkCentreIsFinite(const ProjectionCentre& centre) {
  if (std::isfinite(centre.x) && std::isfinite(centre.y) && std::isfinite(centre.z) &&
      std::isfinite(centre.azimuthDegrees) && std::isfinite(centre.depressionDegrees)) {
    return;
  }
  throw suite::UserError(
      "Το προβολικό κέντρο δεν δίνει προοπτικό, γιατί οι τιμές του δεν είναι όλες "
      "πεπερασμένοι αριθμοί: Xo =" +
      suite::printForm(centre.x) + "Yo =" + suite::printForm(centre.y) +
      "Zo =" + suite::printForm(centre.z) + "Az =" + suite::printFormSingle(centre.azimuthDegrees) +
      "S =" + suite::printFormSingle(centre.depressionDegrees) +
      ". Άλλαξε το ΔΖ ή το προβολικό κέντρο.");
}

// Reads every height and fills `drawing.nodes` with the single-precision image coordinates of
// the nodes, in file order; returns their extents.
ImageExtents projectNodes(const std::string& path, suite::GridReader& reader,
                          const ProjectionCentre& centre, std::vector<PictureNode>& nodes) {
  const suite::GridHeader& header = reader.header();
  const double depressionRadians = static_cast<double>(centre.depressionDegrees) * kPi / 180;
  const double azimuthRadians = static_cast<double>(centre.azimuthDegrees) * kPi / 180;
  const double sinS = std::sin(depressionRadians);
  const double cosS = std::cos(depressionRadians);
  const double sinA = std::sin(azimuthRadians);
  const double cosA = std::cos(azimuthRadians);
  const double xo = centre.x;
  const double yo = centre.y;
  const double zo = centre.z;

  ImageExtents extents{kExtentStart, -kExtentStart, kExtentStart, -kExtentStart};
  suite::GridHeight node;
  while (reader.next(node)) {
    const double dX = header.nodeX(node.column) - xo;
    const double dY = header.nodeY(node.row) - yo;
    const double dZ = node.z - zo;
    const double depth = -dX * sinA * cosS - dY * cosA * cosS + dZ * sinS;
    if (depth == 0) refuseZeroDepth(path, node);
    const float x = suite::toSingle(-(dX * cosA - dY * sinA) / depth);
    const float y = suite::toSingle(-(dY * sinS * cosA + dX * sinA * sinS + dZ * cosS) / depth);
    if (!(std::isfinite(x) && std::isfinite(y))) refuseNotFinite(path, node);
    nodes.push_back({x, y});
    if (x > extents.xMax) extents.xMax = x;
    if (x < extents.xMin) extents.xMin = x;
    if (y > extents.yMax) extents.yMax = y;
    if (y < extents.yMin) extents.yMin = y;
  }
  return extents;
}

// Scales the store into the picture and clamps it to 1 … PW, 1 … PH.
void scaleToPicture(PerspectiveDrawing& drawing, bool differentScales) {
  const ImageExtents& e = drawing.extents;
  const double spreadX = e.xMax - e.xMin;
  const double spreadY = e.yMax - e.yMin;
  constexpr double kNoScale = std::numeric_limits<double>::infinity();
  double sx = spreadX > 0 ? drawing.pictureWidthTwips / spreadX : kNoScale;
  double sy = spreadY > 0 ? drawing.pictureHeightTwips / spreadY : kNoScale;
  if (!differentScales) {
    if (sy < sx) sx = sy;
    sy = sx;
  }
  // Only an axis without spread is left without a scale; every node lies at its minimum.
  if (sx == kNoScale) sx = 0;
  if (sy == kNoScale) sy = 0;
  drawing.twipsPerImageX = sx;
  drawing.twipsPerImageY = sy;

  const float width = static_cast<float>(drawing.pictureWidthTwips);
  const float height = static_cast<float>(drawing.pictureHeightTwips);
  for (PictureNode& node : drawing.nodes) {
    float x = static_cast<float>((node.x - e.xMin) * sx);
    float y = static_cast<float>((e.yMax - node.y) * sy);
    if (x > width) x = width;
    if (x < 1) x = 1;
    if (y > height) y = height;
    if (y < 1) y = 1;
    node.x = x;
    node.y = y;
  }
}

}  // namespace

PerspectiveDrawing projectPerspective(const std::string& path, const PerspectiveView& view) {
  checkCentreIsFinite(view.centre);
  suite::GridReader reader(path);
  const suite::GridHeader& header = reader.header();
  checkPerspectiveNodeCount(path, header);

  PerspectiveDrawing drawing;
  drawing.rows = header.rows;
  drawing.columns = header.columns;
  drawing.pictureWidthTwips = std::max(0, view.pictureWidthTwips);
  drawing.pictureHeightTwips = std::max(0, view.pictureHeightTwips);
  try {
    // Room for the nodes the file can hold, not for what a header that lies announces.
    drawing.nodes.reserve(static_cast<std::size_t>(reader.heightsLeftAtMost()));
  } catch (const std::bad_alloc&) {
    refuseForLackOfMemory(path, header.nodeCount());
  }
  try {
    drawing.extents = projectNodes(path, reader, view.centre, drawing.nodes);
  } catch (const std::bad_alloc&) {
    refuseForLackOfMemory(path, header.nodeCount());
  }
  if (drawing.extents.xMax == drawing.extents.xMin &&
      drawing.extents.yMax == drawing.extents.yMin) {
    throw suite::UserError("Όλοι οι κόμβοι του αρχείου «" + path +
                           "» προβάλλονται στο ίδιο σημείο, οπότε δεν υπάρχει προοπτικό να "
                           "σχεδιαστεί.");
  }
  scaleToPicture(drawing, view.differentScales);
  drawing.panelLines = parameterPanelLines(view.centre);
  return drawing;
}

void paintPerspective(const PerspectiveDrawing& drawing, suite::Canvas& picture,
                      suite::Canvas& panel) {
  paintPerspectivePicture(drawing, picture);
  paintPerspectivePanel(drawing, panel);
}

void paintPerspectivePicture(const PerspectiveDrawing& drawing, suite::Canvas& picture) {
  picture.clear();
  picture.setLineWidth(1);

  const std::int32_t rows = drawing.rows;
  const std::int32_t columns = drawing.columns;
  const auto rowCount = static_cast<std::size_t>(rows);
  const auto columnCount = static_cast<std::size_t>(columns);
  std::vector<suite::TwipsPoint> line(columnCount);
  for (std::size_t i = 0; i < rowCount; ++i) {
    const PictureNode* row = drawing.nodes.data() + i * columnCount;
    for (std::size_t j = 0; j < columnCount; ++j) line[j] = {row[j].x, row[j].y};
    picture.polyline(line.data(), columnCount);
  }
  // Columns are gathered a block at a time, in one pass down the rows, so that every cache
  // line of the store is read once however long the columns are.
  constexpr std::size_t kBlock = 8;
  std::vector<suite::TwipsPoint> block(kBlock * rowCount);
  for (std::size_t first = 0; first < columnCount; first += kBlock) {
    const std::size_t width = std::min(kBlock, columnCount - first);
    for (std::size_t i = 0; i < rowCount; ++i) {
      const PictureNode* row = drawing.nodes.data() + i * columnCount + first;
      for (std::size_t b = 0; b < width; ++b) block[b * rowCount + i] = {row[b].x, row[b].y};
    }
    for (std::size_t b = 0; b < width; ++b) picture.polyline(&block[b * rowCount], rowCount);
  }
}

void paintPerspectivePanel(const PerspectiveDrawing& drawing, suite::Canvas& panel) {
  panel.clear();
  panel.setLineWidth(1);
  panel.setPoint(30, drawing.pictureHeightTwips / 2.0);
  for (const std::string& text : drawing.panelLines) panel.printLine(text);
}

}  // namespace vantage
