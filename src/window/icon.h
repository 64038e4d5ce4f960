// SPDX-License-Identifier: GPL-3.0-or-later
// The window's icon, 48 x 48: four board cells on black, drawn with the game's own drawing operations.
#pragma once

#include "drawing/canvas.h"

#include <QImage>

namespace zorvik {

// Draws the icon with one unit per pixel: a cyan wall block, a red dot with a light centre,
// a dark green worm segment and a bright green head looking right with a red and a blue eye.
void drawIcon(Canvas& canvas);

// The icon as an image, reduced to 256 colours.
QImage zorvikIcon();

} // namespace zorvik
