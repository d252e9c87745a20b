#include "isolines/contour_run.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "dtm/grid_reader.h"
#include "tests/dtm/scratch_folder.h"
#include "text/user_error.h"

namespace isolines {
namespace {

using suite::dtm_testing::ScratchFolder;

// A DTM grid file of rows × columns nodes at spacing 10 whose node (i, j) has height
// height(i, j).
template <typename Height>
std::string gridFile(std::int32_t rows, std::int32_t columns, Height height) {
  std::string text = std::to_string(rows) + "," + std::to_string(columns) + ",1000,2000,10,10\n";
  for (std::int32_t i = 1; i <= rows; ++i) {
    for (std::int32_t j = 1; j <= columns; ++j)
      text += std::to_string(height(i, j)) + (j < columns ? "," : "\n");
  }
  return text;
}

ContourRunInput fullHdInput(const std::string& path,
                            suite::ScaleMode mode = suite::ScaleMode::Uniform) {
  return {path, 10, mode, 28800, 16200};
}

std::string messageOf(const ContourRunInput& input) {
  try {
    computeContourMap(input);
  } catch (const suite::UserError& error) {
    return error.what();
  }
  return "";
}

TEST(ContourRun, DrawsTheSampleAtTheFullScreenLayout) {
  const ContourMap map = computeContourMap(fullHdInput(SUITE_SAMPLES "/maunga-whau.dtm"));
  EXPECT_EQ(map.layout.picture, (suite::TwipsRect{518, 259, 19182, 12442}));
  EXPECT_EQ(map.cells, (suite::PixelsPerCell{13, 13}));
  EXPECT_EQ(map.raster.width(), 86 * 13);
  EXPECT_EQ(map.raster.height(), 60 * 13);
  EXPECT_GT(map.raster.setCount(), 1000);
  EXPECT_TRUE(map.notice.empty());
  const MapTransform transform = map.transform();
  EXPECT_EQ(transform.xNorthWest, 0);
  EXPECT_EQ(transform.yNorthWest, 600);
  EXPECT_EQ(transform.spacingX, 10);
  EXPECT_EQ(transform.cells, map.cells);
}

TEST(ContourRun, RefusesWhatCannotBeDrawnSayingWhatToChange) {
  ScratchFolder folder;
  ContourRunInput input = fullHdInput(folder.path() + "/none.dtm");
  input.contourInterval = 0;
  EXPECT_EQ(messageOf(input),
            "Η ισοδιάσταση είναι 0 και δεν ορίζει ισοϋψείς: δώσε με το «Ισοδιάσταση» "
            "ισοδιάσταση διάφορη του 0, για παράδειγμα 10.");
  input.contourInterval = std::numeric_limits<float>::infinity();
  EXPECT_NE(messageOf(input).find("μικρότερη ισοδιάσταση"), std::string::npos);

  const auto flat = [](std::int32_t, std::int32_t) { return 100; };
  const std::string row = folder.write("row.dtm", gridFile(1, 5, flat));
  EXPECT_EQ(messageOf(fullHdInput(row)),
            "Το πλέγμα του αρχείου «" + row +
                "» έχει 1 γραμμή και 5 στήλες κόμβων: οι ισοϋψείς σχεδιάζονται στα κελιά του "
                "πλέγματος, που χρειάζονται τουλάχιστον 2 γραμμές και 2 στήλες. Διάλεξε αρχείο "
                "με μεγαλύτερο πλέγμα.");
  const std::string column = folder.write("column.dtm", gridFile(4, 1, flat));
  EXPECT_NE(messageOf(fullHdInput(column)).find("4 γραμμές και 1 στήλη κόμβων"), std::string::npos);

  // 1300 columns have cells of no width on a picture 1278 pixels wide, but 3 rows have cells
  // 414 pixels high when each axis keeps its own scale.
  const std::string wide = folder.write("wide.dtm", gridFile(3, 1300, flat));
  EXPECT_EQ(messageOf(fullHdInput(wide, suite::ScaleMode::DifferentXY)),
            "Το πλέγμα του αρχείου «" + wide +
                "» έχει 1300 στήλες, ενώ στο πλάτος του χάρτη, 1278 εικονοστοιχεία, χωρούν το "
                "πολύ 1279 στήλες (ένα εικονοστοιχείο για κάθε κελί). Διάλεξε πλέγμα με "
                "λιγότερες στήλες.");

  // A screen of 200000 × 200000 pixels would make a map of 2·10^10 pixels.
  const std::string square = folder.write("square.dtm", gridFile(2, 2, flat));
  ContourRunInput huge = fullHdInput(square);
  huge.screenWidthTwips = huge.screenHeightTwips = 3000000;
  EXPECT_NE(messageOf(huge).find("περισσότερα από τα 268435456"), std::string::npos);
}

TEST(ContourRun, CellsOfNoPixelsGiveABlankMapAndSayWhy) {
  ScratchFolder folder;
  const auto slope = [](std::int32_t i, std::int32_t j) { return i * 7 + j * 3; };
  const std::string tall = folder.write("tall.dtm", gridFile(900, 3, slope));
  for (const suite::ScaleMode mode : {suite::ScaleMode::Uniform, suite::ScaleMode::DifferentXY}) {
    const ContourMap map = computeContourMap(fullHdInput(tall, mode));
    EXPECT_EQ(map.cells.alongY, 0);
    EXPECT_EQ(map.raster.setCount(), 0);
    EXPECT_EQ(map.notice, "Ο χάρτης έμεινε κενός: το πλέγμα του αρχείου «" + tall +
                              "» έχει 900 γραμμές, ενώ στο ύψος του χάρτη, 829 εικονοστοιχεία, "
                              "χωρούν το πολύ 830 γραμμές (ένα εικονοστοιχείο για κάθε κελί). "
                              "Διάλεξε πλέγμα με λιγότερες γραμμές.");
  }
  const std::string large = folder.write("large.dtm", gridFile(900, 1300, slope));
  const ContourMap map = computeContourMap(fullHdInput(large, suite::ScaleMode::DifferentXY));
  EXPECT_NE(map.notice.find("έχει 900 γραμμές και 1300 στήλες, ενώ στον χάρτη, 1278 × 829 "
                            "εικονοστοιχεία, χωρούν το πολύ 830 γραμμές και 1279 στήλες"),
            std::string::npos);
  // The file is still read whole: one that ends early says so.
  std::string shortened = gridFile(900, 3, slope);
  shortened.resize(shortened.size() - 8);
  const std::string cut = folder.write("cut.dtm", shortened);
  EXPECT_NE(messageOf(fullHdInput(cut)), "");
}

TEST(ContourRun, FileThatCannotBeReadOrEndsEarlyGivesTheReadersMessage) {
  ScratchFolder folder;
  const auto readerMessage = [](const std::string& path) {
    try {
      suite::GridReader reader(path);
      suite::GridHeight height;
      while (reader.next(height)) {
      }
    } catch (const suite::UserError& error) {
      return std::string(error.what());
    }
    return std::string();
  };
  const std::string missing = folder.path() + "/missing.dtm";
  const std::string early = folder.write("early.dtm", "3,3,0,0,10,10\n1,2,3,4,5,6,7,8\n");
  const std::string word = folder.write("word.dtm", "2,2,0,0,10,10\n1,2,x,4\n");
  for (const std::string& path : {missing, early, word}) {
    const std::string expected = readerMessage(path);
    ASSERT_NE(expected, "");
    EXPECT_EQ(messageOf(fullHdInput(path)), expected);
  }
}

TEST(ContourRun, GridWiderThanAThousandColumnsDrawsOnAWideScreen) {
  ScratchFolder folder;
  const auto ramp = [](std::int32_t, std::int32_t j) { return j; };
  const std::string wide = folder.write("wide.dtm", gridFile(2, 1500, ramp));
  ContourRunInput input = fullHdInput(wide, suite::ScaleMode::DifferentXY);
  input.contourInterval = 1;
  input.screenWidthTwips = 60000;  // 4000 pixels
  const ContourMap map = computeContourMap(input);
  EXPECT_EQ(map.cells, (suite::PixelsPerCell{1, 829}));
  EXPECT_EQ(map.raster.width(), 1499);
  EXPECT_EQ(map.raster.setCount(), std::int64_t{1499} * 829);
}

}  // namespace
}  // namespace isolines
