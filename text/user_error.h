#pragma once

#include <stdexcept>
#include <string>

namespace suite {

/// A failure the user must hear about: its message is Greek, ready for a message box, and
/// names the file and the place in it where that applies. Every window action catches it,
/// shows the message and abandons the action.
class UserError : public std::runtime_error {
 public:
  explicit UserError(const std::string& utf8Message) : std::runtime_error(utf8Message) {}
};

}  // namespace suite
