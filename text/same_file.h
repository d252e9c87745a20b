#pragma once

#include <string>

namespace suite {

/// Whether two file names lead to one file: the same file on disk, or the same absolute path
/// when they do not exist yet. Used to refuse an output that would overwrite an input.
bool namesSameFile(const std::string& a, const std::string& b);

}  // namespace suite
