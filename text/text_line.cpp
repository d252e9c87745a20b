#include "text/text_line.h"
