#include "dtmconvert/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "text/user_error.h"

namespace dtmconvert {

std::optional<double> parseDecimal(const std::string& text, const std::string& what) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
  while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) --last;
  if (first == last) return std::nullopt;
  // from_chars takes no "+"; a leading one is allowed all the same.
  if (text[first] == '+' && last - first > 1 && text[first + 1] != '-') ++first;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data() + first, text.data() + last, value);
  if (error != std::errc() || end != text.data() + last || !std::isfinite(value)) {
    throw suite::UserError("Το «" + text.substr(first, last - first) + "» στο " + what +
                           " δεν είναι αριθμός: γράψε τον με «.» για τα δεκαδικά, π.χ. 12.5.");
  }
  return value;
}

}  // namespace dtmconvert
