#include "dtm/decimal_number.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

namespace suite {
namespace {

// The reference: the standard library's correctly rounded conversion.
double reference(const std::string& text) {
  const char* begin = text.c_str() + (text[0] == '+' ? 1 : 0);
  double value = 0;
  const auto r = std::from_chars(begin, text.c_str() + text.size(), value);
  EXPECT_EQ(r.ec, std::errc()) << text;
  return value;
}

// Reads `text` the way the scanner's buffer presents it: followed by a NUL and padding.
DecimalStatus parse(const std::string& text, double& value, std::size_t* length = nullptr) {
  const std::string padded = text + std::string(8, '\0');
  DecimalStatus status;
  const char* stop = parseDecimal(padded.c_str(), value, status);
  if (length) *length = static_cast<std::size_t>(stop - padded.c_str());
  return status;
}

void expectSameBits(const std::string& text) {
  double value = 12345;
  std::size_t length = 0;
  ASSERT_EQ(parse(text, value, &length), DecimalStatus::Ok) << text;
  EXPECT_EQ(length, text.size()) << text;
  const double expected = reference(text);
  EXPECT_EQ(std::memcmp(&value, &expected, sizeof value), 0)
      << text << " read as " << value << ", expected " << expected;
}

TEST(DecimalNumber, TrickyValuesAreCorrectlyRounded) {
  for (const char* text :
       {"0.1", "123.45", "-0.0", "9007199254740993", "9007199254740992", "9007199254740995",
        "1e23", "8.41e21", "123456789012345678901234567890", "2.2250738585072014e-308",
        "2.2250738585072011e-308", "4.9e-324", "2.4703282292062328e-324",
        "1.7976931348623157e308", "0.30000000000000004", "1e22", "1e-22", "3e-23",
        "1.00000000000000011102230246251565404236316680908203125",
        "1.00000000000000011102230246251565404236316680908203124",
        "9999999999999999999", "18446744073709551616", "0.000000000000000000000000000001",
        "00000000000000000000000000000012.5", "0.1234567890123456789", "1.e5", ".5e-3",
        "+7", "-.25", "5.", "1E+2", "7e-0", "632000.001", "12345678", "123456789",
        "1234567.8", "12345678.87654321", "0.00000001", "-0", ".0"}) {
    expectSameBits(text);
  }
}

TEST(DecimalNumber, RandomDecimalTextsAreCorrectlyRounded) {
  std::mt19937_64 random(20260101);
  std::uniform_int_distribution<int> digitCount(1, 24), digit(0, 9), exponent(-340, 330);
  for (int n = 0; n < 200000; ++n) {
    std::string text = random() % 2 ? "-" : "";
    const int digits = digitCount(random);
    const int point = static_cast<int>(random() % (digits + 1));
    for (int i = 0; i < digits; ++i) {
      if (i == point) text += '.';
      text += static_cast<char>('0' + digit(random));
    }
    if (random() % 2) text += "e" + std::to_string(exponent(random) / (random() % 2 ? 1 : 15));
    double expected = 0;
    const auto r = std::from_chars(text.c_str(), text.c_str() + text.size(), expected);
    if (r.ec != std::errc()) continue;  // out of range: covered below
    expectSameBits(text);
    if (HasFailure()) return;
  }
}

// Short numbers of up to 9 characters, the ones a terrain file is made of, take a path of
// their own: every split between integer digits and decimals, with and without a sign.
TEST(DecimalNumber, RandomShortNumbersAreCorrectlyRounded) {
  std::mt19937_64 random(42);
  for (int n = 0; n < 200000; ++n) {
    const int integers = static_cast<int>(random() % 9);
    const int decimals = static_cast<int>(random() % (9 - integers));
    std::string text = n % 3 == 0 ? "-" : n % 3 == 1 ? "+" : "";
    for (int i = 0; i < integers; ++i) text += static_cast<char>('0' + random() % 10);
    if (decimals > 0 || random() % 2) text += '.';
    for (int i = 0; i < decimals; ++i) text += static_cast<char>('0' + random() % 10);
    if (integers + decimals == 0) continue;
    expectSameBits(text);
    if (HasFailure()) return;
  }
}

TEST(DecimalNumber, ShortestTextOfRandomDoublesReadsBackExactly) {
  std::mt19937_64 random(7);
  for (int n = 0; n < 100000; ++n) {
    double value;
    const std::uint64_t bits = random();
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    char text[40];
    *std::to_chars(text, text + sizeof text - 1, value).ptr = '\0';
    expectSameBits(text);
    if (HasFailure()) return;
  }
}

TEST(DecimalNumber, MalformedTextIsRefused) {
  for (const char* text : {"", "-", "+", ".", "-.", "1e", "1e+", "e5", ".e1", "--1", "inf",
                           "nan", "x1"}) {
    double value = 0;
    EXPECT_EQ(parse(text, value), DecimalStatus::Malformed) << text;
  }
}

TEST(DecimalNumber, HugeMagnitudesAreOutOfRangeAndTinyOnesReadAsSignedZero) {
  const std::string hugeInteger = "1" + std::string(400, '0');
  for (const std::string& text : {std::string("1e309"), std::string("-1.8e308"), hugeInteger,
                                  std::string("0.0001e313")}) {
    double value = 0;
    EXPECT_EQ(parse(text, value), DecimalStatus::OutOfRange) << text;
  }
  double value = 1;
  EXPECT_EQ(parse("-1e-400", value), DecimalStatus::Ok);
  EXPECT_EQ(value, 0.0);
  EXPECT_TRUE(std::signbit(value));
  EXPECT_EQ(parse("1000" + std::string(400, '0') + "e-800", value), DecimalStatus::Ok);
  EXPECT_EQ(value, 0.0);
}

}  // namespace
}  // namespace suite
