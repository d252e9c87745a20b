#pragma once

#include <QFont>

namespace suite {

/// The font of every window of the suite: DejaVu Sans (Debian's fonts-dejavu-core) at 11 pixels,
/// what an 8-point sans serif is on a 96-dpi screen. It is sized in pixels, like the twips layout,
/// so the captions fit their controls whatever dpi the screen reports.
QFont windowFont();

}  // namespace suite
