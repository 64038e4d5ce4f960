// SPDX-License-Identifier: GPL-3.0-or-later
// The game's icon: four board cells on black, drawn with the game's own drawing operations.
#pragma once

#include "model/canvas.h"

namespace zorvik {

// The icon's size in drawing units; one unit is one pixel of the 48-pixel picture.
inline constexpr int kIconUnits = 48;

// Draws a cyan wall block, a red dot with a light centre, a dark green worm segment and a bright
// green head looking right with a red and a blue eye.
void drawIcon(Canvas& canvas);

} // namespace zorvik
