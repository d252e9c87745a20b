#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace suite {

/// Writes one UTF-8 line in Windows-1253 followed by CR LF.
void writeLine(std::ostream& out, std::string_view utf8Line);

/// Writes UTF-8 text in Windows-1253 with no line end.
void writeText(std::ostream& out, std::string_view utf8Text);

/// Replaces the file at `path` atomically: `body` writes the whole content into a temporary file
/// in the same folder, which is renamed over `path` only when `body` returned and every byte
/// reached the disk. If `body` throws, or writing, flushing or renaming fails, the temporary
/// file is removed, any existing file at `path` is left byte for byte as it was, and the error
/// propagates (I/O failures as UserError naming the file).
void replaceFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& body);

}  // namespace suite
