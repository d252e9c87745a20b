#include "dtm/decimal_number.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace suite {
namespace {

// Reads `text` the way the scanner's buffer presents it: followed by a NUL and padding.
DecimalStatus parse(const std::string& text, double& value, std::size_t* length = nullptr) {
  const std::string padded = text + std::string(8, '\0');
  DecimalStatus status;
  const char* stop = parseDecimal(padded.c_str(), value, status);
  if (length) *length = static_cast<std::size_t>(stop - padded.c_str());
  return status;
}

// Compares with the standard library's correctly rounded conversion, bit for bit.
void expectSameBits(const std::string& text) {
  double expected = 0;
  const char* begin = text.c_str() + (text[0] == '+' ? 1 : 0);
  ASSERT_EQ(std::from_chars(begin, text.c_str() + text.size(), expected).ec, std::errc()) << text;
  double value = 12345;
  std::size_t length = 0;
  ASSERT_EQ(parse(text, value, &length), DecimalStatus::Ok) << text;
  EXPECT_EQ(length, text.size()) << text;
  EXPECT_EQ(std::memcmp(&value, &expected, sizeof value), 0)
      << text << " read as " << value << ", expected " << expected;
}

TEST(DecimalNumber, TrickyValuesAreCorrectlyRounded) {
  for (const char* text : {"0.1",
                           "123.45",
                           "-0.0",
                           "-0",
                           ".0",
                           "9007199254740993",
                           "9007199254740995",
                           "1e23",
                           "8.41e21",
                           "123456789012345678901234567890",
                           "2.2250738585072014e-308",
                           "2.2250738585072011e-308",
                           "4.9e-324",
                           "2.4703282292062328e-324",
                           "1.7976931348623157e308",
                           "0.30000000000000004",
                           "1e22",
                           "1e-22",
                           "3e-23",
                           "1.00000000000000011102230246251565404236316680908203125",
                           "1.00000000000000011102230246251565404236316680908203124",
                           "9999999999999999999",
                           "18446744073709551616",
                           "0.000000000000000000000000000001",
                           "00000000000000000000000000000012.5",
                           "0.1234567890123456789",
                           "1.e5",
                           ".5e-3",
                           "+7",
                           "-.25",
                           "5.",
                           "1E+2",
                           "7e-0",
                           "632000.001",
                           "12345678",
                           "123456789",
                           "1234567.8",
                           "12345678.87654321",
                           "0.00000001"}) {
    expectSameBits(text);
  }
}

// Three kinds: short numbers such as a terrain file holds (every split between integer digits
// and decimals, with and without a sign), long mantissas with exponents, and the shortest
// text of random doubles.
TEST(DecimalNumber, RandomTextsAreCorrectlyRounded) {
  std::mt19937_64 random(20260101);
  auto digits = [&](int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += static_cast<char>('0' + random() % 10);
    return text;
  };
  for (int n = 0; n < 150000 && !HasFailure(); ++n) {
    std::string text = n % 3 == 0 ? "-" : n % 3 == 1 ? "+" : "";
    const int integers = static_cast<int>(random() % 9);
    const int decimals = static_cast<int>(random() % (9 - integers));
    if (integers + decimals > 0) {
      expectSameBits(text + digits(integers) + (decimals > 0 || n % 2 ? "." : "") +
                     digits(decimals));
    }
    const int length = static_cast<int>(1 + random() % 24);
    const int point = static_cast<int>(random() % (length + 1));
    text = (n % 2 ? "-" : "") + digits(point) + "." + digits(length - point) + "e" +
           std::to_string(static_cast<int>(random() % 660) - 340);
    double ignored;
    if (std::from_chars(text.c_str(), text.c_str() + text.size(), ignored).ec == std::errc())
      expectSameBits(text);

    double value;
    const std::uint64_t bits = random();
    std::memcpy(&value, &bits, sizeof value);
    char shortest[40];
    *std::to_chars(shortest, shortest + sizeof shortest - 1, value).ptr = '\0';
    if (std::isfinite(value)) expectSameBits(shortest);
  }
}

TEST(DecimalNumber, RefusesMalformedAndHugeTextsAndReadsTinyOnesAsSignedZero) {
  double value = 0;
  for (const char* text : {"", "-", "+", ".", "-.", "1e", "1e+", "e5", ".e1", "inf", "nan"})
    EXPECT_EQ(parse(text, value), DecimalStatus::Malformed) << text;
  for (const std::string& text : {std::string("1e309"), std::string("-1.8e308"),
                                  "1" + std::string(400, '0'), std::string("0.0001e313")})
    EXPECT_EQ(parse(text, value), DecimalStatus::OutOfRange) << text;
  EXPECT_EQ(parse("-1e-400", value), DecimalStatus::Ok);
  EXPECT_EQ(value, 0.0);
  EXPECT_TRUE(std::signbit(value));
  EXPECT_EQ(parse("1000" + std::string(400, '0') + "e-800", value), DecimalStatus::Ok);
  EXPECT_EQ(value, 0.0);
}

// The print form writes the largest doubles, rounded to 15 digits, as 1.79769313486232E+308,
// just above the largest double: read back as the largest double, while anything beyond stays
// out of range.
TEST(DecimalNumber, PrintFormOfTheLargestDoublesReadsBackAsTheLargest) {
  constexpr double kLargest = std::numeric_limits<double>::max();
  double value = 0;
  for (const std::string& text :
       {std::string("1.79769313486232E+308"), std::string("1.797693134862316e308"),
        std::string("179769313486232") + std::string(294, '0'),
        std::string("0.000179769313486232e312"), std::string("1.79769313486232000000e+308")}) {
    for (const std::string sign : {"", "+", "-"}) {
      value = 0;
      EXPECT_EQ(parse(sign + text, value), DecimalStatus::Ok) << sign + text;
      EXPECT_EQ(value, sign == "-" ? -kLargest : kLargest) << sign + text;
    }
  }
  for (const std::string& text :
       {std::string("1.797693134862321e308"), std::string("1.79769313486233e308"),
        std::string("1.8e308"), std::string("17976931348623200000001e286"),
        std::string("-1.7976931348623201e308")}) {
    EXPECT_EQ(parse(text, value), DecimalStatus::OutOfRange) << text;
  }
  EXPECT_EQ(parse("1.7976931348623157e308", value), DecimalStatus::Ok);
  EXPECT_EQ(value, kLargest);
}

}  // namespace
}  // namespace suite
