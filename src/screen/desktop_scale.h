// SPDX-License-Identifier: GPL-3.0-or-later
// The scale the desktop asks for in QT_SCALE_FACTOR, made safe before the toolkit reads it and fitted to the screen.
#pragma once

#include <string>

namespace zorvik {

struct DesktopScale {
    double own = 1;  // the scale the game lays out its window in, on top of the toolkit's
    std::string warning;  // one line for standard error, or nothing
};

// Reads QT_SCALE_FACTOR before the application object exists and rewrites it. A value that is no scale
// becomes 1, with a warning. Qt paints widgets of a device pixel ratio below 1 as if it were 1, so a scale
// below 1 becomes the game's own: its window and fonts are laid out in twips anyway.
DesktopScale takeDesktopScale();

// Once the screen is known: lowers the game's own scale until a window of `width` × `height` twips, shown at
// `dotsPerInch` times the own scale, fits an available area of `areaWidth` × `areaHeight` of the same pixels.
// A scale lowered gets its warning, naming `toolkitScale` × the own scale before and after. Nothing fits an
// empty area: the scale is kept then.
void fitScaleToScreen(DesktopScale& scale, double toolkitScale, double dotsPerInch, int width, int height,
                      double areaWidth, double areaHeight);

} // namespace zorvik
