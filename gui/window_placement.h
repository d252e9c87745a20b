#pragma once

#include <QSize>

#include "canvas/twips.h"

class QWidget;

namespace suite {

/// What the window system's frame (title bar and borders) adds to the client area of the
/// top-level `window`, in pixels. Zero until the window has been framed, which happens when it
/// is first shown under a window manager, and zero without one.
QSize frameExtra(const QWidget& window);

/// Places the top-level `window` so that its outer frame, title bar and borders included, has
/// the place and size `frameTwips` on the screen. The client area is what remains inside the
/// frame, as far as the frame is known (see frameExtra); sizes below zero count as zero.
void placeWindowFrameTwips(QWidget& window, const TwipsRect& frameTwips);

/// The full size of the primary screen in twips (0 × 0 without one). Drawing windows cover the
/// whole screen, so the part that panels take is not subtracted.
TwipsSize screenSizeTwips();

}  // namespace suite
