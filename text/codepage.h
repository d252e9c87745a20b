#pragma once

#include <string>
#include <string_view>

namespace suite {

/// UTF-8 to Windows-1253 (the single-byte Windows Greek code page). A character that the code
/// page cannot hold, or malformed UTF-8, throws UserError: nothing is written as a silent '?'.
std::string toWindows1253(std::string_view utf8);

/// Windows-1253 to UTF-8. Bytes the code page leaves undefined become U+FFFD.
std::string fromWindows1253(std::string_view bytes);

}  // namespace suite
