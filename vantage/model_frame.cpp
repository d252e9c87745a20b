#include "vantage/model_frame.h"

#include "dtm/grid_reader.h"
#include "vantage/node_limit.h"

namespace vantage {

ModelFrame readModelFrame(const std::string& path) {
  suite::GridReader reader(path);
  const suite::GridHeader& header = reader.header();
  checkPerspectiveNodeCount(path, header);
  suite::GridHeight height;
  reader.next(height);  // the header guarantees at least one node
  double heightMax = height.z;
  while (reader.next(height)) {
    if (height.z > heightMax) heightMax = height.z;
  }
  ModelFrame frame;
  frame.xNorthWest = header.xNorthWest;
  frame.yNorthWest = header.yNorthWest;
  frame.xEast = header.xNorthWest + (header.columns - 1) * header.spacingX;
  frame.ySouth = header.yNorthWest - (header.rows - 1) * header.spacingY;
  frame.heightMax = heightMax;
  return frame;
}

}  // namespace vantage
