#include "dtm/decimal_number.h"

#include <charconv>
#include <limits>
#include <string_view>
#include <system_error>

#include "text/number_format.h"

namespace suite {

DecimalStatus parseDecimalSlow(const char* begin, const char* end, double& value) {
  const bool negative = *begin == '-';
  const char* from = *begin == '+' ? begin + 1 : begin;  // from_chars refuses a leading '+'
  double parsed = 0;
  const std::from_chars_result r = std::from_chars(from, end, parsed);
  if (r.ec == std::errc() && r.ptr == end) {
    value = parsed;
    return DecimalStatus::Ok;
  }
  if (r.ec != std::errc::result_out_of_range) return DecimalStatus::Malformed;

  // Out of range: either beyond the largest double or below the smallest subnormal, which
  // rounds to zero. Tell them apart by the decimal magnitude: the position of the first
  // significant digit relative to the point, plus the written exponent.
  const char* const mantissa = negative || *begin == '+' ? begin + 1 : begin;
  const char* p = mantissa;
  std::int64_t magnitude = 0;
  bool beforePoint = true;
  bool seenSignificant = false;
  for (; p < end && *p != 'e' && *p != 'E'; ++p) {
    if (*p == '.') {
      beforePoint = false;
    } else if (*p != '0' || seenSignificant) {
      seenSignificant = true;
      if (beforePoint) ++magnitude;
    } else if (!beforePoint) {
      --magnitude;  // a zero between the point and the first significant digit
    }
  }
  const char* const mantissaEnd = p;
  std::int64_t written = 0;
  if (p < end) {  // the exponent
    ++p;
    const bool exponentNegative = *p == '-';
    if (exponentNegative || *p == '+') ++p;
    for (; p < end; ++p) {
      if (written < 100000000) written = written * 10 + (*p - '0');
    }
    if (exponentNegative) written = -written;
    magnitude += written;
  }
  if (magnitude > 0) {
    // The suite's own print form of the largest doubles rounds to just above the largest.
    if (!isPrintedLargestDouble(std::string_view(mantissa, mantissaEnd - mantissa), written)) {
      return DecimalStatus::OutOfRange;
    }
    value = negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    return DecimalStatus::Ok;
  }
  value = negative ? -0.0 : 0.0;
  return DecimalStatus::Ok;
}

}  // namespace suite
