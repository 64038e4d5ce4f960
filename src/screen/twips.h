// SPDX-License-Identifier: GPL-3.0-or-later
// Twips against screen pixels: the game measures in twips, 1/1440 inch, the screen in pixels.
#pragma once

#include <cmath>

namespace zorvik {

inline double twipsPerPixel(double dotsPerInch) { return 1440.0 / dotsPerInch; }

// The nearest whole number of pixels, for positions.
inline int nearestPixels(double twips, double twipsPerPixel) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

// The fewest whole pixels that hold at least `twips`, for minimum sizes: rounding to the nearest
// could fall just short of the minimum and never satisfy it.
inline int pixelsHolding(double twips, double twipsPerPixel)
{
    return static_cast<int>(std::ceil(twips / twipsPerPixel - 1e-9));
}

} // namespace zorvik
