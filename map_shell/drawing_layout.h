#pragma once

#include "canvas/twips.h"

namespace suite {

/// The full-screen layout of a drawing window with a picture and a side panel, as the
/// perspective window and the contour map window lay themselves out on every drawing. All
/// values are whole twips; every product is rounded to the nearest whole number, halves to the
/// even neighbour.
struct DrawingWindowLayout {
  int screenWidth = 0;    ///< Ws: the window's width
  int screenHeight = 0;   ///< Hs: the window's height
  int width = 0;          ///< W = Ws·0.9
  int height = 0;         ///< H = Hs·0.8
  int margin = 0;         ///< L = W·0.02: left margin and the gap between picture and panel
  int top = 0;            ///< T = H·0.02: top margin
  int panelWidth = 0;     ///< P = W·0.2
  int pictureWidth = 0;   ///< PW = W − 3·L − P
  int pictureHeight = 0;  ///< PH = H − 2·T
  TwipsRect picture;      ///< Picture1: (L, T, PW, PH)
  TwipsRect panel;        ///< Picture2: (2·L + PW, T, P, PH)
};

/// The layout for a screen of `screenWidthTwips` × `screenHeightTwips` (whole twips, 0 or more).
/// For 28800 × 16200 (1920 × 1080 pixels): W 25920, H 12960, L 518, T 259, P 5184, PW 19182,
/// PH 12442. A picture size that would come out negative on a tiny screen is 0.
DrawingWindowLayout drawingWindowLayout(int screenWidthTwips, int screenHeightTwips);

}  // namespace suite
