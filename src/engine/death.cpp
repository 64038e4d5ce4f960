// SPDX-License-Identifier: GPL-3.0-or-later
// The death animation: black discs wipe the worm off the board, tail first, each disc growing.
#include "model/game.h"

namespace zorvik {

void Game::Tot()
{
    window_.FillColor(0);
    const double z = Zellgroesse;
    const double r = Radius;
    const int segments = Laenge + 1;
    for (Zaehler = Laenge; Zaehler >= 0; --Zaehler) {
        const double x = WurmX[Zaehler] * z + r;
        const double y = WurmY[Zaehler] * z + r;
        for (ZelleX = 1; ZelleX <= r; ++ZelleX)
            window_.Circle(float(x), float(y), float(ZelleX), 0);
        if (r >= 1)  // cells too small for a disc restart the level at once
            window_.AnimationFrame(Animation::Death, segments - Zaehler, segments);
    }
}

} // namespace zorvik
