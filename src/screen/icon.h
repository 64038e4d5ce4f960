// SPDX-License-Identifier: GPL-3.0-or-later
// The game's icon as pictures: every size a desktop asks for, drawn by the game's own painters.
#pragma once

#include "model/canvas.h"

#include <QIcon>
#include <QImage>

namespace zorvik {

// The sizes the icon is installed at, in pixels.
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// A drawing of kIconUnits square on the raster canvas, `size` pixels square, reduced to 256 colours.
QImage iconImage(void (*draw)(Canvas&), int size);
// The game's icon.
QImage zorvikIcon(int size = 48);
// The installed sizes up to 64 pixels in one icon, for the window and the application.
QIcon zorvikIconSet();

} // namespace zorvik
