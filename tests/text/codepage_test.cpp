#include "text/codepage.h"

#include <gtest/gtest.h>

#include <string>

#include "text/user_error.h"

namespace {

using suite::decodeFileText;
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
  // Control characters of the text are quoted as '?': a message box would not show them, and a
  // NUL would cut the message short.
  try {
    toWindows1253(std::string("Ύψος\t\0\x07 Ж", 14));
    FAIL() << "no error";
  } catch (const suite::UserError& error) {
    EXPECT_NE(std::string(error.what()).find("«Ύψος??? Ж»"), std::string::npos) << error.what();
  }
  // The text after the character is quoted too, a byte that is no UTF-8 as '?'.
  try {
    toWindows1253("Ж \xFF\xCE");
    FAIL() << "no error";
  } catch (const suite::UserError& error) {
    EXPECT_NE(std::string(error.what()).find("«Ж ??»"), std::string::npos) << error.what();
  }
  try {
    toWindows1253(std::string("α\r\n\xFF", 5));
    FAIL() << "no error";
  } catch (const suite::UserError& error) {
    EXPECT_NE(std::string(error.what()).find("byte 0xFF στη θέση 5 μετά το «α??»"),
              std::string::npos)
        << error.what();
  }
  for (const char* text : {"\xEF\xBF\xBD", "\xF0\x9F\x98\x80", "\xC3", "a\xCE", "\xC0\xAF",
                           "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"}) {
    EXPECT_THROW(toWindows1253(text), suite::UserError) << text;
  }
}

TEST(FileText, Utf8WithGreekReadsAsUtf8AndEverythingElseAsWindows1253) {
  const std::string greek = "Στέρεο ζεύγος ΨΜΕ";
  // As a modern editor saves it, and as the suite writes it.
  EXPECT_EQ(decodeFileText(greek).utf8, greek);
  EXPECT_EQ(decodeFileText(toWindows1253(greek)).utf8, greek);
  EXPECT_EQ(decodeFileText("Pair 7, hills").utf8, "Pair 7, hills");
  for (const std::string& bytes : {greek, toWindows1253(greek), std::string("Pair 7")}) {
    EXPECT_EQ(decodeFileText(bytes).unwritable, "") << bytes;
  }
  // Windows-1253 bytes that happen to form UTF-8: Σ and Ά are D3 A2, the Cyrillic Ӣ.
  EXPECT_EQ(decodeFileText("\xD3\xA2").utf8, "Ӣ");
}

TEST(FileText, WhatWindows1253LacksIsNamedAsTheFileHoldsIt) {
  // A UTF-8 character beyond the code page: the character itself.
  EXPECT_EQ(decodeFileText("Ζεύγος Ж").unwritable,
            "τον χαρακτήρα «Ж» (U+0416), που δεν υπάρχει στην ελληνική κωδικοσελίδα Windows-1253");
  EXPECT_EQ(decodeFileText("Ζεύγος 😀").unwritable.find("τον χαρακτήρα «😀» (U+1F600),"), 0u);
  // Not UTF-8, and a byte that Windows-1253 leaves undefined: the byte, never U+FFFD.
  const std::string latin = "Caf\xE9 \xD2";  // é is a Greek ι in Windows-1253; D2 is nothing
  EXPECT_EQ(decodeFileText(latin).utf8, "Cafι \xEF\xBF\xBD");
  EXPECT_EQ(decodeFileText(latin).unwritable,
            "το byte 0xD2 στη θέση 6, που δεν είναι χαρακτήρας ούτε του UTF-8 ούτε της "
            "ελληνικής κωδικοσελίδας Windows-1253");
}

}  // namespace
