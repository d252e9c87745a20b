#pragma once

#include <optional>
#include <string>

namespace dtmconvert {

/// A number typed in full: blanks around it allowed, "." as the decimal point, an optional sign
/// and exponent, finite. Nothing for an empty or blank text; throws suite::UserError naming
/// `what` for any other text that is not such a number ("12a", "1,5").
std::optional<double> parseDecimal(const std::string& text, const std::string& what);

}  // namespace dtmconvert
