// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard steering: arrow keys to the head's step and one move.
#include "model/game.h"

namespace zorvik {

// Only a step that keeps the head on the inner cells is taken; the shift state plays no part.
void Game::Form_KeyDown(int KeyCode, int)
{
    const double lastInner = Seitenzellen - 2;
    int dx = 0;
    int dy = 0;
    if (KeyCode == kKeyUp) {
        if (!(WurmY[0] > 1))
            return;
        dy = -1;
    } else if (KeyCode == kKeyDown) {
        if (!(WurmY[0] < lastInner))
            return;
        dy = 1;
    } else if (KeyCode == kKeyLeft) {
        if (!(WurmX[0] > 1))
            return;
        dx = -1;
    } else if (KeyCode == kKeyRight) {
        if (!(WurmX[0] < lastInner))
            return;
        dx = 1;
    } else {
        return;
    }
    RichtungY[0] = dy;
    RichtungX[0] = dx;
    Los();
}

} // namespace zorvik
