// The leading-number rule and every number text form: the print form (double and single
// precision), the masks, Tab, the two-decimal cut and the code page, with values taken from the
// input's bytes (any bit pattern: subnormals, infinities, NaN) as well as from typed texts.
// A text the suite writes reads back by the leading-number rule as the number it shows.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzz/fuzz_checks.h"
#include "text/codepage.h"
#include "text/leading_number.h"
#include "text/number_format.h"
#include "text/single_precision.h"
#include "text/text_line.h"
#include "text/user_error.h"

namespace {

using fuzzing::check;

double anyDouble(FuzzedDataProvider& input) {
  const std::uint64_t bits = input.ConsumeIntegral<std::uint64_t>();
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

float anyFloat(FuzzedDataProvider& input) {
  const std::uint32_t bits = input.ConsumeIntegral<std::uint32_t>();
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

/// The leading-number rule on any text: a finite number, never -0, or a Greek refusal.
void readTyped(const std::string& text) {
  try {
    const double value = suite::leadingNumber(text);
    check(std::isfinite(value), "a typed text reads as a finite number", text);
    check(!(value == 0 && std::signbit(value)), "a typed text never reads as -0", text);
    (void)suite::roundHalfEven(value);
  } catch (const suite::UserError& error) {
    fuzzing::checkRefusal(error.what());
  }
}

/// Reads back a text the suite wrote; it must not be refused.
double readBack(const std::string& text) {
  try {
    return suite::leadingNumber(text);
  } catch (const suite::UserError& error) {
    fuzzing::broken("a number the suite writes reads back", text + "\n" + error.what());
  }
}

bool isPrintFormText(const std::string& text) {
  // " " or "-", digits with an optional point (no zero before it), an optional exponent, " ".
  if (text.size() < 3 || (text[0] != ' ' && text[0] != '-') || text.back() != ' ') return false;
  const std::string body = text.substr(1, text.size() - 2);
  if (body == "NaN" || body == "Inf") return true;
  std::size_t i = 0;
  bool digit = false;
  while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i]))) ++i, digit = true;
  if (i < body.size() && body[i] == '.') {
    if (i == 1 && body[0] == '0') return false;
    ++i;
    const std::size_t decimals = i;
    while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i]))) ++i;
    if (i == decimals || body[i - 1] == '0') return false;  // no trailing zero, no lone point
    digit = true;
  }
  if (!digit) return false;
  if (i < body.size()) {
    if (body[i] != 'E' || i + 3 >= body.size() || (body[i + 1] != '+' && body[i + 1] != '-'))
      return false;
    i += 2;
    while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i]))) ++i;
  }
  return i == body.size();
}

void checkPrintForm(double value) {
  const std::string text = suite::printForm(value);
  check(isPrintFormText(text), "the print form is a blank or minus, digits, a blank", text);
  check(suite::numberText(value) + " " == text, "numberText is the print form without its blank");
  if (!std::isfinite(value)) return;
  const double again = readBack(text);
  check(suite::printForm(again) == text || (value == 0 && again == 0),
        "a number read back from its print form prints the same", text);
}

void checkPrintFormSingle(float value) {
  const std::string text = suite::printFormSingle(value);
  check(isPrintFormText(text), "the single print form is a blank or minus, digits, a blank", text);
  if (!std::isfinite(value)) return;
  const double again = readBack(text);
  const double tolerance = 5.0000001e-7 * std::fabs(static_cast<double>(value));
  check(std::fabs(again - static_cast<double>(value)) <= tolerance,
        "a single read back from its print form lies within half a unit of its 7th digit", text);
}

/// A mask of '#' and '0' digits, with or without a point and decimals.
std::string maskFrom(FuzzedDataProvider& input) {
  std::string mask;
  const int integerDigits = input.ConsumeIntegralInRange(0, 9);
  const int zeros = input.ConsumeIntegralInRange(0, integerDigits);
  mask.append(static_cast<std::size_t>(integerDigits - zeros), '#');
  mask.append(static_cast<std::size_t>(zeros), '0');
  if (input.ConsumeBool()) {
    mask += '.';
    const int decimals = input.ConsumeIntegralInRange(0, 6);
    for (int k = 0; k < decimals; ++k) mask += input.ConsumeBool() ? '0' : '#';
  }
  return mask;
}

void checkMask(double value, const std::string& mask) {
  const std::string text = suite::formatMask(value, mask);
  if (std::isnan(value)) return check(text == "NaN", "NaN through a mask is NaN");
  if (std::isinf(value)) return check(text == "Inf" || text == "-Inf", "an infinity is Inf");
  const std::size_t point = mask.find('.');
  const std::size_t maxDecimals = point == std::string::npos ? 0 : mask.size() - point - 1;
  const std::size_t minDecimals = point == std::string::npos ||
                                          mask.find_last_of('0') == std::string::npos ||
                                          mask.find_last_of('0') < point
                                      ? 0
                                      : mask.find_last_of('0') - point;
  const std::string integerPart = mask.substr(0, point);
  const std::size_t firstZero = integerPart.find('0');
  const std::size_t minInteger =
      firstZero == std::string::npos ? 0 : integerPart.size() - firstZero;
  std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
  std::size_t integerDigits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++integerDigits;
  check(integerDigits >= minInteger, "compulsory integer digits are there", mask + " " + text);
  if (point == std::string::npos) {
    check(i == text.size(), "a mask without a point gives a whole number", mask + " " + text);
  } else {
    check(i < text.size() && text[i] == '.', "a mask with a point keeps it", mask + " " + text);
    const std::size_t decimals = text.size() - i - 1;
    check(decimals >= minDecimals && decimals <= maxDecimals, "decimals as the mask says",
          mask + " " + text);
  }
  if (text[0] == '-') {
    check(text.find_first_not_of("-0.") != std::string::npos, "no minus sign before a zero",
          mask + " " + text);
  }
  const double again = readBack(text);
  const double halfUnit = 0.5 * std::pow(10.0, -static_cast<double>(maxDecimals));
  check(std::fabs(again - value) <= halfUnit * (1 + 1e-9) + std::fabs(value) * 4e-16,
        "a masked number reads back within half a unit of its last decimal", mask + " " + text);
}

void checkTwoDecimalCut(double value) {
  const double cut = suite::cutTwoDecimals(value);
  if (!std::isfinite(value)) return;
  check(std::isfinite(cut), "the two-decimal cut of a finite number is finite");
  check(std::fabs(cut - value) <= 0.0100001 + std::fabs(value) * 1e-15,
        "the two-decimal cut moves a number by less than a hundredth");
  (void)suite::showTwoDecimals(value);
  const float single = suite::toSingle(value);
  const float singleCut = suite::cutTwoDecimalsSingle(single);
  if (std::isfinite(single)) check(std::isfinite(singleCut), "the single cut stays finite");
  (void)suite::showTwoDecimalsSingle(single);
}

/// Text appended and Tab(n) in any order: after Tab(n) the line holds n − 1 characters.
void checkTabs(FuzzedDataProvider& input) {
  suite::TextLine line;
  const int steps = input.ConsumeIntegralInRange(0, 12);
  for (int k = 0; k < steps; ++k) {
    if (input.ConsumeBool()) {
      line << input.ConsumeRandomLengthString(40);
      continue;
    }
    const int column = input.ConsumeIntegralInRange(-3, 120);
    line.tab(column);
    const std::vector<std::string> lines = line.lines();
    const std::string& current = lines.back();
    std::size_t characters = 0;
    for (const char c : current) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    check(characters == static_cast<std::size_t>(std::max(column, 1) - 1),
          "Tab(n) moves to column n", current);
  }
  for (const std::string& text : line.lines())
    check(text.find('\n') == std::string::npos, "a finished line holds no line end", text);
}

void checkCodePage(const std::string& text) {
  try {
    const std::string bytes = suite::toWindows1253(text);
    check(suite::fromWindows1253(bytes) == text, "Windows-1253 gives back the UTF-8 written");
  } catch (const suite::UserError& error) {
    fuzzing::checkRefusal(error.what());
  }
  const std::string utf8 = suite::fromWindows1253(text);
  check(fuzzing::isWellFormedUtf8(utf8), "Windows-1253 reads as well-formed UTF-8");
  const suite::FileText decoded = suite::decodeFileText(text);
  check(fuzzing::isWellFormedUtf8(decoded.utf8), "a file's text decodes to well-formed UTF-8");
  if (decoded.unwritable.empty()) {
    try {
      suite::toWindows1253(decoded.utf8);
    } catch (const suite::UserError& error) {
      fuzzing::broken("a text said to be writable is written", error.what());
    }
  } else {
    check(fuzzing::isWellFormedUtf8(decoded.unwritable), "the unwritable part is named in UTF-8");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  while (input.remaining_bytes() > 0) {
    switch (input.ConsumeIntegralInRange(0, 7)) {
      case 0:
        readTyped(input.ConsumeRandomLengthString(80));
        break;
      case 1: {
        const double value = anyDouble(input);
        checkPrintForm(value);
        checkTwoDecimalCut(value);
        break;
      }
      case 2:
        checkPrintFormSingle(anyFloat(input));
        break;
      case 3: {
        const std::string mask = maskFrom(input);
        checkMask(anyDouble(input), mask);
        break;
      }
      case 4: {
        // A typed number, then the forms of what it reads as.
        try {
          const double value = suite::leadingNumber(input.ConsumeRandomLengthString(40));
          checkPrintForm(value);
          checkMask(value, maskFrom(input));
          checkTwoDecimalCut(value);
          checkPrintFormSingle(suite::toSingle(value));
        } catch (const suite::UserError& error) {
          fuzzing::checkRefusal(error.what());
        }
        break;
      }
      case 5:
        checkTabs(input);
        break;
      case 6:
        checkCodePage(input.ConsumeRandomLengthString(60));
        break;
      default: {
        // A mask with some other character is a programming error, never a UserError.
        std::string mask = maskFrom(input) + input.ConsumeRandomLengthString(3);
        try {
          (void)suite::formatMask(anyDouble(input), mask);
        } catch (const std::invalid_argument&) {
          check(mask.find_first_not_of("#0.") != std::string::npos ||
                    mask.find('.') != mask.rfind('.'),
                "only a mask of '#', '0' and one '.' is taken", mask);
        }
        break;
      }
    }
  }
  return 0;
}
