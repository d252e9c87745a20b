#include "text/number_format.h"
