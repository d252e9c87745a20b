#include "flightsim/help_text.h"

#include <gtest/gtest.h>

#include <set>

using flightsim::helpLines;

TEST(HelpText, HasFortyNineLinesWhoseEmptyOnesAreASingleBlank) {
  const std::vector<std::string>& lines = helpLines();
  ASSERT_EQ(lines.size(), 49u);
  std::set<std::size_t> single;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    ASSERT_FALSE(lines[i].empty()) << "line " << i + 1;
    EXPECT_EQ(lines[i][0], ' ') << "line " << i + 1;  // every line starts with a blank
    if (lines[i] == " ") single.insert(i + 1);
  }
  EXPECT_EQ(single, (std::set<std::size_t>{13, 21, 23, 28, 34}));
}

TEST(HelpText, KeepsTheLinesByteForByteWithTheirLeadingBlanks) {
  const std::vector<std::string>& lines = helpLines();
  ASSERT_EQ(lines.size(), 49u);
  // "            Παράμετροι προσομοίωσης": twelve blanks first.
  EXPECT_EQ(lines[0],
            "            \xce\xa0\xce\xb1\xcf\x81\xce\xac\xce\xbc\xce\xb5\xcf\x84\xcf\x81\xce\xbf"
            "\xce\xb9 \xcf\x80\xcf\x81\xce\xbf\xcf\x83\xce\xbf\xce\xbc\xce\xbf\xce\xaf\xcf\x89"
            "\xcf\x83\xce\xb7\xcf\x82");
  EXPECT_EQ(lines[14], "           ==================");
  EXPECT_EQ(lines[23], " 3,3,10000,11900,100,100");
  EXPECT_EQ(lines[24], " 10, 110, 80");
  EXPECT_EQ(lines[26], " 80,180,60");
  // " σxy  <-- ακρίβεια εικονοσυντεταγμένων": a Greek sigma before the Latin xy.
  EXPECT_EQ(lines[6].substr(0, 11), " \xcf\x83xy  <-- ");
  // "           θα πρέπει το ΨΜΕ να έχει τουλάχιστο 3 γραμμές και 5 στήλες"
  EXPECT_EQ(lines[48].substr(0, 13), "           \xce\xb8");
  EXPECT_NE(lines[48].find(" 3 "), std::string::npos);
  EXPECT_EQ(lines[48].substr(lines[48].size() - 12),
            "\xcf\x83\xcf\x84\xce\xae\xce\xbb\xce\xb5\xcf\x82");
}
