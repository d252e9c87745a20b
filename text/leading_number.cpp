#include "text/leading_number.h"
