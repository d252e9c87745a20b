#include "text/text_file_writer.h"
