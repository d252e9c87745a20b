#include "map_shell/pixels_per_cell.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "map_shell/drawing_layout.h"

namespace suite {
namespace {

// Picture1 of the 1920 × 1080 screen: 19182 × 12442 twips, 1278.8 × 829.47 pixels.
const DrawingWindowLayout kFullHd = drawingWindowLayout(28800, 16200);

TEST(PixelsPerCell, FloorOfPicturePixelsOverCellsEachAxisOrTheSmallerForBoth) {
  // 61 rows, 87 columns: 829.47 / 60 = 13.8 and 1278.8 / 86 = 14.9.
  EXPECT_EQ(
      pixelsPerCell(kFullHd.pictureWidth, kFullHd.pictureHeight, 61, 87, ScaleMode::DifferentXY),
      (PixelsPerCell{14, 13}));
  EXPECT_EQ(pixelsPerCell(kFullHd.pictureWidth, kFullHd.pictureHeight, 61, 87, ScaleMode::Uniform),
            (PixelsPerCell{13, 13}));
  // The smaller one may be A: a tall picture.
  EXPECT_EQ(pixelsPerCell(1500, 3000, 3, 3, ScaleMode::Uniform), (PixelsPerCell{50, 50}));
  EXPECT_EQ(pixelsPerCell(1500, 3000, 3, 3, ScaleMode::DifferentXY), (PixelsPerCell{50, 100}));
  // More cells than pixels.
  EXPECT_EQ(pixelsPerCell(1500, 3000, 300, 3, ScaleMode::DifferentXY), (PixelsPerCell{50, 0}));
  EXPECT_EQ(pixelsPerCell(1500, 3000, 300, 3, ScaleMode::Uniform), (PixelsPerCell{0, 0}));
}

TEST(PixelsPerCell, UniformMapKeepsTheGridShapeWithSquareCellsAndTheOtherFillsThePicture) {
  const double pixelsWide = kFullHd.pictureWidth / 15.0;
  const double pixelsHigh = kFullHd.pictureHeight / 15.0;
  for (std::int32_t rows = 2; rows <= 200; rows += 7) {
    for (std::int32_t columns = 2; columns <= 300; columns += 11) {
      const PixelsPerCell square = pixelsPerCell(kFullHd.pictureWidth, kFullHd.pictureHeight, rows,
                                                 columns, ScaleMode::Uniform);
      ASSERT_EQ(square.alongX, square.alongY);
      // (m − 1)·A : (n − 1)·A is (m − 1) : (n − 1); one more pixel a cell would not fit.
      const std::int32_t side = square.alongX;
      EXPECT_LE((columns - 1) * side, pixelsWide);
      EXPECT_LE((rows - 1) * side, pixelsHigh);
      EXPECT_TRUE((columns - 1) * (side + 1) > pixelsWide || (rows - 1) * (side + 1) > pixelsHigh)
          << rows << " x " << columns;

      const PixelsPerCell own = pixelsPerCell(kFullHd.pictureWidth, kFullHd.pictureHeight, rows,
                                              columns, ScaleMode::DifferentXY);
      // Filled up to less than one pixel a cell on each axis.
      EXPECT_LE((columns - 1) * own.alongX, pixelsWide);
      EXPECT_GT((columns - 1) * (own.alongX + 1), pixelsWide);
      EXPECT_LE((rows - 1) * own.alongY, pixelsHigh);
      EXPECT_GT((rows - 1) * (own.alongY + 1), pixelsHigh);
    }
  }
}

TEST(PixelsPerCell, MostNodesAcrossIsTheLastCountWithCellsOfOnePixel) {
  for (int twips = 0; twips <= 3000; ++twips) {
    const std::int32_t most = mostNodesAcross(twips);
    ASSERT_GE(most, 1);
    if (most >= 2) {
      ASSERT_GE(pixelsPerCell(15, twips, most, 2, ScaleMode::DifferentXY).alongY, 1) << twips;
    }
    ASSERT_EQ(pixelsPerCell(15, twips, most + 1, 2, ScaleMode::DifferentXY).alongY, 0) << twips;
  }
  EXPECT_EQ(mostNodesAcross(kFullHd.pictureWidth), 1279);
  EXPECT_EQ(mostNodesAcross(kFullHd.pictureHeight), 830);
}

TEST(PixelsPerCell, GridOfOneRowOrColumnIsAProgrammingError) {
  EXPECT_THROW(pixelsPerCell(1500, 1500, 1, 5, ScaleMode::Uniform), std::invalid_argument);
  EXPECT_THROW(pixelsPerCell(1500, 1500, 5, 1, ScaleMode::Uniform), std::invalid_argument);
}

}  // namespace
}  // namespace suite
