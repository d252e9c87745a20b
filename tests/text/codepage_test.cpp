#include "text/codepage.h"

#include <gtest/gtest.h>

#include <string>

#include "text/user_error.h"

namespace {

using suite::fromWindows1253;
using suite::toWindows1253;

TEST(Windows1253, GreekTitleBecomesSingleBytes) {
  EXPECT_EQ(toWindows1253("Στέρεο ζεύγος ΨΜΕ"),
            "\xD3\xF4\xDD\xF1\xE5\xEF \xE6\xE5\xFD\xE3\xEF\xF2 \xD8\xCC\xC5");
  EXPECT_EQ(toWindows1253(" 1 ,   -3.2,"), " 1 ,   -3.2,");
}

TEST(Windows1253, AccentsAndPunctuationTakeTheirOwnBytes) {
  EXPECT_EQ(toWindows1253("Ά"), "\xA2");
  EXPECT_EQ(toWindows1253("΅"), "\xA1");
  EXPECT_EQ(toWindows1253("·"), "\xB7");
  EXPECT_EQ(toWindows1253("΄"), "\xB4");
  EXPECT_EQ(toWindows1253("ΐΰώΏ"), "\xC0\xE0\xFE\xBF");
  EXPECT_EQ(toWindows1253("€…—™«»―"), "\x80\x85\x97\x99\xAB\xBB\xAF");
  EXPECT_EQ(toWindows1253("\xC2\xA0"), "\xA0");  // no-break space
}

TEST(Windows1253, EveryDefinedByteSurvivesTheRoundTrip) {
  int undefined = 0;
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = fromWindows1253(byte);
    if (utf8 == "\xEF\xBF\xBD") {
      ++undefined;
      continue;
    }
    EXPECT_EQ(toWindows1253(utf8), byte) << "byte " << b;
  }
  EXPECT_EQ(undefined, 17);
  EXPECT_EQ(fromWindows1253("\xD2\xAA\xFF\x81"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Windows1253, UnencodableCharacterIsNamedInTheError) {
  try {
    toWindows1253("Ύψος Ж");
    FAIL() << "no error";
  } catch (const suite::UserError& error) {
    EXPECT_NE(std::string(error.what()).find("U+0416"), std::string::npos) << error.what();
  }
  EXPECT_THROW(toWindows1253("\xEF\xBF\xBD"), suite::UserError);
  EXPECT_THROW(toWindows1253("ς" "\xF0\x9F\x98\x80"), suite::UserError);
}

TEST(Windows1253, MalformedUtf8IsRefused) {
  for (const char* text : {"\xC3", "a\xCE", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                           "\xF4\x90\x80\x80", "\x80", "\xCE\x41", "\xFF"}) {
    EXPECT_THROW(toWindows1253(text), suite::UserError) << text;
  }
}

}  // namespace
