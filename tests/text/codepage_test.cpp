#include "text/codepage.h"

#include <gtest/gtest.h>

#include <string>

#include "text/user_error.h"

namespace {

using suite::fromWindows1253;
using suite::toWindows1253;

TEST(Windows1253, GreekLettersAccentsAndPunctuationTakeTheirBytes) {
  EXPECT_EQ(toWindows1253("Στέρεο ζεύγος ΨΜΕ"),
            "\xD3\xF4\xDD\xF1\xE5\xEF \xE6\xE5\xFD\xE3\xEF\xF2 \xD8\xCC\xC5");
  EXPECT_EQ(toWindows1253("Ά΅·΄ΐΰώΏ"), "\xA2\xA1\xB7\xB4\xC0\xE0\xFE\xBF");
  EXPECT_EQ(toWindows1253("€…—™«»―"), "\x80\x85\x97\x99\xAB\xBB\xAF");
}

TEST(Windows1253, EveryDefinedByteSurvivesTheRoundTrip) {
  int undefined = 0;
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = fromWindows1253(byte);
    if (utf8 == "\xEF\xBF\xBD") {
      ++undefined;
    } else {
      EXPECT_EQ(toWindows1253(utf8), byte) << "byte " << b;
    }
  }
  EXPECT_EQ(undefined, 17);
}

TEST(Windows1253, UnencodableCharacterIsNamedAndMalformedUtf8Refused) {
  try {
    toWindows1253("Ύψος Ж");
    FAIL() << "no error";
  } catch (const suite::UserError& error) {
    EXPECT_NE(std::string(error.what()).find("U+0416"), std::string::npos) << error.what();
  }
  for (const char* text : {"\xEF\xBF\xBD", "\xF0\x9F\x98\x80", "\xC3", "a\xCE", "\xC0\xAF",
                           "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"}) {
    EXPECT_THROW(toWindows1253(text), suite::UserError) << text;
  }
}

}  // namespace
