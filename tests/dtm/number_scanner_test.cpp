#include "dtm/number_scanner.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <string>
#include <utility>
#include <vector>

#include "tests/dtm/scratch_folder.h"
#include "text/user_error.h"

namespace suite {
namespace {

using dtm_testing::ScratchFolder;
using ::testing::AllOf;
using ::testing::HasSubstr;

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
  try {
    NumberScanner scanner(folder.write("bad.dtm", bytes), bufferBytes);
    for (;;) scanner.readNumber("ύψος δοκιμής");
  } catch (const UserError& error) {
    return error.what();
  }
}

// The message of the UserError that opening `path` throws.
std::string openFailure(const std::string& path) {
  try {
    NumberScanner scanner(path);
  } catch (const UserError& error) {
    return error.what();
  }
  return "opened";
}

TEST(NumberScanner, SeparatorsMixFreelyAndLinesEndInLfCrLfOrCr) {
  ScratchFolder folder;
  const std::string path =
      folder.write("mix.dtm", "\xEF\xBB\xBF 1, 2 ,3\t4\r\n5\n\n-6,\n7 ,\r\n 8\r9e1 ,\t.5\n");
  const std::vector<std::pair<double, std::int64_t>> expected = {
      {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {-6, 4}, {7, 5}, {8, 6}, {90, 7}, {0.5, 7}};
  // Tiny buffers put every token and every CR LF pair across a refill somewhere.
  for (std::size_t bufferBytes : {4, 5, 6, 7, 11, 1024})
    EXPECT_EQ(readAll(path, bufferBytes), expected) << "buffer of " << bufferBytes;
}

TEST(NumberScanner, BadValueMessageNamesFileLineValueNumberTokenAndWhat) {
  ScratchFolder folder;
  const std::string file = "«" + folder.path() + "/bad.dtm»";
  const struct {
    std::string bytes;
    std::string expected;
  } cases[] = {
      {"1,2\n3,,4", ", γραμμή 2, η τιμή 4 λείπει: δύο κόμματα δεν έχουν τίποτα ανάμεσά τους"},
      {"1, ,\n , 2", ", γραμμή 1, η τιμή 2 λείπει"},
      {",1", ", γραμμή 1, η τιμή 1 λείπει: πριν από την πρώτη τιμή υπάρχει κόμμα"},
      {"1 2\n\n12abc 7", ", γραμμή 3, η τιμή 3 («12abc») δεν είναι αριθμός"},
      {"1 2\n\n1.2.3", ", γραμμή 3, η τιμή 3 («1.2.3») δεν είναι αριθμός"},
      {"1 2\n\n--1", ", γραμμή 3, η τιμή 3 («--1») δεν είναι αριθμός"},
      {"1 2\n\nnan", ", γραμμή 3, η τιμή 3 («nan») δεν είναι αριθμός"},
      {"1 2\n\n1e", ", γραμμή 3, η τιμή 3 («1e») δεν είναι αριθμός"},
      {"1 2\n\n- 4", ", γραμμή 3, η τιμή 3 («-») δεν είναι αριθμός"},
      // Bytes that are not UTF-8 (here Windows-1253 Greek) and control bytes show as '?'.
      {"\xC1\xE2 1", ", γραμμή 1, η τιμή 1 («??») δεν είναι αριθμός"},
      {std::string("1 2\0 3", 6), ", γραμμή 1, η τιμή 2 («2?») δεν είναι αριθμός"},
      {"1\n-2e400", ", γραμμή 2, η τιμή 2 («-2e400») είναι πολύ μεγάλη"},
  };
  for (const auto& c : cases) {
    EXPECT_THAT(failureOf(folder, c.bytes),
                AllOf(HasSubstr("Στο αρχείο " + file + c.expected), HasSubstr("(ύψος δοκιμής).")))
        << c.bytes;
  }
  EXPECT_EQ(failureOf(folder, "1,2\r\n3\r\n\r\n"),
            "Το αρχείο " + file +
                " τελειώνει πριν από την τιμή 4 (ύψος δοκιμής). Η τελευταία "
                "τιμή του, η 3, βρίσκεται στη γραμμή 2.");
  EXPECT_THAT(failureOf(folder, " \n"), HasSubstr("πριν από την τιμή 1 (ύψος δοκιμής): δεν έχει"));
}

TEST(NumberScanner, TokenLongerThanTheBufferIsReportedNotOverrun) {
  ScratchFolder folder;
  EXPECT_EQ(readAll(folder.write("fits.dtm", "1 1234567890123 5\n"), 14).size(), 3u);
  EXPECT_THAT(failureOf(folder, "1 12345678901234567890123456789012345 5", 16),
              AllOf(HasSubstr("τιμή 2 («1234567890123456»)"), HasSubstr("από 16 χαρακτήρες")));
  // With the usual buffer a long mantissa is just a number.
  EXPECT_EQ(
      readAll(folder.write("digits.dtm", std::string(500, '1') + "e-499"), 262144).front().first,
      1.1111111111111112);
}

TEST(NumberScanner, FileOrFolderThatCannotBeOpenedIsNamed) {
  ScratchFolder folder;
  EXPECT_EQ(openFailure(folder.path() + "/missing.dtm"),
            "Δεν ήταν δυνατό να ανοιχτεί το αρχείο «" + folder.path() +
                "/missing.dtm». Δεν υπάρχει τέτοιο αρχείο.");
  EXPECT_THAT(openFailure(folder.path()), AllOf(HasSubstr(folder.path()), HasSubstr("φάκελος")));
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
  NumberScanner withComma(folder.write("comma.dtm", "Ζεύγος 1, 2\n"));
  EXPECT_EQ(withComma.readTitle(), "Ζεύγος 1");
  EXPECT_EQ(withComma.readNumber("n"), 2);

  NumberScanner lone(folder.write("cr.dtm", "Τίτλος\r5"));
  EXPECT_EQ(lone.readTitle(), "Τίτλος");
  EXPECT_EQ(lone.readNumber("n"), 5);
  EXPECT_EQ(lone.line(), 2);

  NumberScanner endless(folder.write("endless.dtm", std::string(70000, 'x')));
  EXPECT_THROW(endless.readTitle(), UserError);
}

}  // namespace
}  // namespace suite

namespace suite {
namespace {

TEST(NumberScanner, NamedPipeDeviceAndFolderAreRefusedAtOnceWithoutWaitingForAWriter) {
  ScratchFolder folder;
  const std::string pipe = folder.path() + "/pipe.dtm";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  // Opening a named pipe for reading waits for a writer: the reading runs in a thread, and a
  // writer is let in should it still wait after a while, so that the test fails instead of
  // hanging.
  auto refusal = std::async(std::launch::async, [&pipe]() -> std::string {
    try {
      NumberScanner scanner(pipe);
      scanner.readNumber("δοκιμή");
    } catch (const UserError& error) {
      return error.what();
    }
    return "read";
  });
  if (refusal.wait_for(std::chrono::seconds(2)) != std::future_status::ready) {
    ADD_FAILURE() << "opening the named pipe waits for a writer";
    const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
  }
  EXPECT_EQ(refusal.get(), "Δεν ήταν δυνατό να ανοιχτεί το αρχείο «" + pipe +
                               "». Είναι επώνυμη σωλήνωση (FIFO), όχι αρχείο.");
  EXPECT_EQ(openFailure("/dev/null"),
            "Δεν ήταν δυνατό να ανοιχτεί το αρχείο «/dev/null». Είναι συσκευή, όχι αρχείο.");
  EXPECT_THAT(openFailure(folder.path()), HasSubstr("Είναι φάκελος, όχι αρχείο."));
}

TEST(NumberScanner, BytesThatAreNoWellFormedUtf8ShowAsQuestionMarks) {
  ScratchFolder folder;
  const struct {
    std::string bytes;
    std::string shown;
  } cases[] = {
      // Overlong "e", a surrogate, a code point beyond U+10FFFF: one '?' per byte.
      {"\xC1\xA5\xED\xA0\x80\xF4\x90\x80\x80 2 0 0 1 1\n", "«?????????»"},
      {"\xE0\x80\xAF", "«???»"},            // overlong "/"
      {"\xF0\x82\x82\xAC", "«????»"},       // overlong "€"
      {"\xF8\x88\x80\x80\x80", "«?????»"},  // a five-byte form
      {"\xCE\xB1\xCE", "«α?»"},             // Greek alpha, then a cut character
      {"x\xF4\x8F\xBF\xBF\xED\x9F\xBF", "«x\xF4\x8F\xBF\xBF\xED\x9F\xBF»"},  // U+10FFFF, U+D7FF
  };
  for (const auto& c : cases) {
    for (std::size_t bufferBytes : {std::size_t{5}, NumberScanner::kDefaultBufferBytes}) {
      EXPECT_THAT(failureOf(folder, c.bytes, bufferBytes), HasSubstr("η τιμή 1 (" + c.shown + ")"))
          << "buffer of " << bufferBytes;
    }
  }
}

TEST(NumberScanner, BadTokenAcrossTheEdgeOfTheBufferIsQuotedWhole) {
  ScratchFolder folder;
  const std::size_t edge = NumberScanner::kDefaultBufferBytes;
  // "12abcdefgh" straddles the end of the first buffer: the number "12" ends inside it, the
  // rest follows in the next one.
  for (std::size_t before : {edge - 2, edge - 4, edge - 9}) {
    const std::string bytes = "1 " + std::string(before - 2, ' ') + "12abcdefgh 5\n";
    EXPECT_THAT(failureOf(folder, bytes), HasSubstr("η τιμή 2 («12abcdefgh») δεν είναι αριθμός"))
        << "token from byte " << before;
  }
  // The same across every edge of a small buffer, and a long token cut only for its message.
  EXPECT_THAT(failureOf(folder, "1 12abcdefgh 5\n", 12),
              HasSubstr("η τιμή 2 («12abcdefgh») δεν είναι αριθμός"));
  EXPECT_THAT(failureOf(folder, "1 12" + std::string(200, 'x') + " 5\n", 16),
              HasSubstr("η τιμή 2 («12" + std::string(38, 'x') + "…»)"));
}

TEST(NumberScanner, BytesInMemoryReadAsTheSameFileWouldWithItsNameInMessages) {
  const std::string bytes = "\xEF\xBB\xBF 1, 2 ,3\t4\r\n5\n\n-6,\n7 ,\r\n 8\r9e1 ,\t.5\n";
  for (std::size_t bufferBytes : {4, 7, 1024}) {
    NumberScanner scanner(NumberScanner::InMemory{"μνήμη.dtm", bytes}, bufferBytes);
    std::vector<double> values;
    double value;
    NumberScanner::Scan result;
    while ((result = scanner.scan(value)) == NumberScanner::Scan::Number) values.push_back(value);
    EXPECT_EQ(result, NumberScanner::Scan::EndOfFile);
    EXPECT_EQ(values, (std::vector<double>{1, 2, 3, 4, 5, -6, 7, 8, 90, 0.5}));
    EXPECT_EQ(scanner.line(), 8);
  }
  const std::string bad = "1,,2";
  NumberScanner scanner(NumberScanner::InMemory{"μνήμη.dtm", bad});
  scanner.readNumber("α");
  try {
    scanner.readNumber("β");
    ADD_FAILURE() << "no failure";
  } catch (const UserError& error) {
    EXPECT_THAT(error.what(), HasSubstr("Στο αρχείο «μνήμη.dtm», γραμμή 1, η τιμή 2 λείπει"));
  }
}

TEST(NumberScanner, BytesLeftCountDownFromTheSizeOfTheFile) {
  ScratchFolder folder;
  const std::string bytes = "10 20 30 40";
  NumberScanner fromFile(folder.write("four.dtm", bytes), 4);
  NumberScanner fromMemory(NumberScanner::InMemory{"four.dtm", bytes}, 4);
  for (NumberScanner* scanner : {&fromFile, &fromMemory}) {
    EXPECT_EQ(scanner->bytesLeft(), 11u);
    scanner->readNumber("α");
    EXPECT_EQ(scanner->bytesLeft(), 9u);  // " 20 30 40"
    scanner->readNumber("β");
    scanner->readNumber("γ");
    scanner->readNumber("δ");
    EXPECT_EQ(scanner->bytesLeft(), 0u);
  }
}

}  // namespace
}  // namespace suite
