#include "cellinterp/cell_grid.h"

#include <new>

#include "dtm/grid_reader.h"
#include "dtm/held_nodes.h"
#include "text/user_error.h"

namespace cellinterp {

CellGrid readCellGrid(const std::string& path) {
  suite::GridReader reader(path);
  CellGrid grid;
  grid.header = reader.header();
  const std::int64_t nodes = grid.header.nodeCount();
  const std::string counts = std::to_string(grid.header.rows) + " γραμμές και " +
                             std::to_string(grid.header.columns) + " στήλες, δηλαδή " +
                             std::to_string(nodes) + " κόμβους";
  if (nodes > suite::kMostHeldNodes) {
    throw suite::UserError("Το πλέγμα του αρχείου «" + path + "» έχει " + counts +
                           ": το πρόγραμμα κρατά στη μνήμη το πολύ " +
                           std::to_string(suite::kMostHeldNodes) +
                           " κόμβους (για παράδειγμα πλέγμα 5000 × 5000).");
  }
  // Room for the heights the file can hold, not for what its header announces: a header that
  // lies about the grid's size costs nothing before the file runs out. An honest file gets
  // room for all its heights at once.
  try {
    grid.heights.reserve(static_cast<std::size_t>(reader.heightsLeftAtMost()));
    suite::GridHeight node;
    while (reader.next(node)) grid.heights.push_back(node.z);
  } catch (const std::bad_alloc&) {
    throw suite::UserError("Δεν υπάρχει αρκετή μνήμη για το πλέγμα του αρχείου «" + path +
                           "», που έχει " + counts + ".");
  }
  return grid;
}

}  // namespace cellinterp
