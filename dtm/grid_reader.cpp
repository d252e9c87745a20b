#include "dtm/grid_reader.h"
