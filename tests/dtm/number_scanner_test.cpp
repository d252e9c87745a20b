#include "dtm/number_scanner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/dtm/scratch_folder.h"
#include "text/user_error.h"

namespace suite {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using dtm_testing::ScratchFolder;

// Every value of the file with the line it stands on.
std::vector<std::pair<double, std::int64_t>> readAll(const std::string& path,
                                                     std::size_t bufferBytes) {
  NumberScanner scanner(path, bufferBytes);
  std::vector<std::pair<double, std::int64_t>> values;
  double value;
  NumberScanner::Scan result;
  while ((result = scanner.scan(value)) == NumberScanner::Scan::Number)
    values.emplace_back(value, scanner.line());
  if (result != NumberScanner::Scan::EndOfFile) scanner.fail(result, "δοκιμή");
  return values;
}

// The message of the UserError that reading every number of `bytes` throws.
std::string failureOf(const ScratchFolder& folder, const std::string& bytes,
                      std::size_t bufferBytes = NumberScanner::kDefaultBufferBytes) {
  const std::string path = folder.write("bad.dtm", bytes);
  try {
    NumberScanner scanner(path, bufferBytes);
    for (;;) scanner.readNumber("ύψος δοκιμής");
  } catch (const UserError& error) {
    return error.what();
  }
}

TEST(NumberScanner, SeparatorsMixFreelyAndLinesEndInLfCrLfOrCr) {
  ScratchFolder folder;
  const std::string path =
      folder.write("mix.dtm", "\xEF\xBB\xBF 1, 2 ,3\t4\r\n5\n\n-6,\n7 ,\r\n 8\r9e1 ,\t.5\n");
  const std::vector<std::pair<double, std::int64_t>> expected = {
      {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {-6, 4}, {7, 5}, {8, 6}, {90, 7}, {0.5, 7}};
  // Tiny buffers put every token and every CR LF pair across a refill somewhere.
  for (std::size_t bufferBytes : {4, 5, 6, 7, 11, 64, 1024}) {
    EXPECT_EQ(readAll(path, bufferBytes), expected) << "buffer of " << bufferBytes;
  }
}

TEST(NumberScanner, EmptyValueIsReportedAsMissingNeverReadAsZero) {
  ScratchFolder folder;
  EXPECT_THAT(failureOf(folder, "1,2\n3,,4"),
              AllOf(HasSubstr("«" + folder.path() + "/bad.dtm»"), HasSubstr("γραμμή 2"),
                    HasSubstr("τιμή 4 λείπει"), HasSubstr("(ύψος δοκιμής)")));
  EXPECT_THAT(failureOf(folder, "1, ,\n , 2"), HasSubstr("τιμή 2 λείπει"));
  EXPECT_THAT(failureOf(folder, ",1"), AllOf(HasSubstr("τιμή 1 λείπει"), HasSubstr("κόμμα")));
}

TEST(NumberScanner, NonNumericTokenIsReportedWithItsText) {
  ScratchFolder folder;
  for (const std::string token : {"12abc", "abc", "1.2.3", "--1", "inf", "nan", "1e", "-",
                                  ".", "12,5x", "1e5.5"}) {
    const std::string shown = token == "12,5x" ? "5x" : token;
    const std::string number = token == "12,5x" ? "4" : "3";
    EXPECT_THAT(failureOf(folder, "1 2\n\n" + token + " 7"),
                AllOf(HasSubstr("bad.dtm»"), HasSubstr("γραμμή 3"),
                      HasSubstr("τιμή " + number + " («" + shown + "») δεν είναι αριθμός"),
                      HasSubstr("(ύψος δοκιμής)")))
        << token;
  }
  // Bytes that are not UTF-8 (here Windows-1253 Greek) and control bytes show as '?'.
  EXPECT_THAT(failureOf(folder, std::string("\xC1\xE2 1\x01", 6)), HasSubstr("(«??»)"));
  EXPECT_THAT(failureOf(folder, std::string("1 2\0 3", 6)), HasSubstr("τιμή 2 («2?»)"));
}

TEST(NumberScanner, EndOfFileNamesTheWantedValueAndTheLineOfTheLast) {
  ScratchFolder folder;
  EXPECT_THAT(failureOf(folder, "1,2\r\n3\r\n\r\n"),
              AllOf(HasSubstr("«" + folder.path() + "/bad.dtm» τελειώνει πριν από την τιμή 4"),
                    HasSubstr("(ύψος δοκιμής)"), HasSubstr("η 3, βρίσκεται στη γραμμή 2")));
  EXPECT_THAT(failureOf(folder, " \n"), HasSubstr("δεν έχει κανέναν αριθμό"));
  EXPECT_THAT(failureOf(folder, "1,2,"), HasSubstr("πριν από την τιμή 3"));
}

TEST(NumberScanner, NumberBeyondTheLargestDoubleIsReported) {
  ScratchFolder folder;
  EXPECT_THAT(failureOf(folder, "1\n-2e400"),
              AllOf(HasSubstr("γραμμή 2"), HasSubstr("τιμή 2 («-2e400») είναι πολύ μεγάλη")));
}

TEST(NumberScanner, TokenLongerThanTheBufferIsReportedNotOverrun) {
  ScratchFolder folder;
  const std::string path = folder.write("long.dtm", "1 1234567890123 5\n");
  EXPECT_EQ(readAll(path, 14).size(), 3u);  // 13 characters fit a buffer of 14
  EXPECT_THAT(failureOf(folder, "1 12345678901234567890123456789012345 5", 16),
              AllOf(HasSubstr("τιμή 2 («1234567890123456»)"), HasSubstr("από 16 χαρακτήρες")));
  // With the usual buffer a long mantissa is just a number.
  EXPECT_EQ(readAll(folder.write("digits.dtm", std::string(500, '1') + "e-499"), 262144)
                .front()
                .first,
            1.1111111111111112);
}

TEST(NumberScanner, FileThatCannotBeOpenedIsNamed) {
  ScratchFolder folder;
  try {
    NumberScanner scanner(folder.path() + "/missing.dtm");
    FAIL() << "opened a missing file";
  } catch (const UserError& error) {
    EXPECT_THAT(error.what(), HasSubstr("Δεν ήταν δυνατό να ανοιχτεί το αρχείο «" +
                                        folder.path() + "/missing.dtm»."));
  }
  try {
    NumberScanner scanner(folder.path());
    FAIL() << "opened a folder";
  } catch (const UserError& error) {
    EXPECT_THAT(error.what(), AllOf(HasSubstr(folder.path()), HasSubstr("φάκελος")));
  }
}

TEST(NumberScanner, TitleIsTheRawFirstLineOrTheTextBeforeAComma) {
  ScratchFolder folder;
  const std::string title1253 = "\xD3\xF4\xDD\xF1\xE5\xEF \xE6\xE5\xFD\xE3\xEF\xF2 \xD8\xCC\xC5";
  for (std::size_t bufferBytes : {7, 9, 4096}) {
    NumberScanner stereo(folder.write("stereo.dtm", title1253 + "\r\n 22  12  632800 \r\n"),
                         bufferBytes);
    EXPECT_EQ(stereo.readTitle(), title1253);
    EXPECT_EQ(stereo.readNumber("n"), 22);
    EXPECT_EQ(stereo.line(), 2);
    EXPECT_EQ(stereo.valuesRead(), 1);
    EXPECT_EQ(stereo.readNumber("m"), 12);
    EXPECT_EQ(stereo.readNumber("X"), 632800);
  }
  NumberScanner withComma(folder.write("comma.dtm", "Ζεύγος 1, δοκιμή\n"));
  EXPECT_EQ(withComma.readTitle(), "Ζεύγος 1");
  EXPECT_THROW(withComma.readNumber("n"), UserError);  // " δοκιμή" is no number

  NumberScanner lone(folder.write("cr.dtm", "Τίτλος\r5"));
  EXPECT_EQ(lone.readTitle(), "Τίτλος");
  EXPECT_EQ(lone.readNumber("n"), 5);
  EXPECT_EQ(lone.line(), 2);

  EXPECT_THAT(failureOf(folder, std::string(70000, 'x')), HasSubstr("δεν είναι αριθμός"));
  NumberScanner endless(folder.write("endless.dtm", std::string(70000, 'x')));
  EXPECT_THROW(endless.readTitle(), UserError);
}

}  // namespace
}  // namespace suite
