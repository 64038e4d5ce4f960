// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-board redraw: paints every cell and, on the way, counts the dots and places the worm.
#include "model/cell_codes.h"
#include "model/game.h"

namespace zorvik {

void Game::Bild()
{
    window_.Cls();
    const double last = Seitenzellen - 1;  // both loops take their bound once
    for (ZelleY = 0; ZelleY <= last; ++ZelleY) {
        for (ZelleX = 0; ZelleX <= last; ++ZelleX) {
            const char c = boardCell(ZelleX, ZelleY);
            Zelle = std::string(1, c);
            paintCell(c);
        }
    }
}

// A cell black first, then its character's painter; dots are counted and worm cells placed on the way.
void Game::paintCell(char c)
{
    Nichts();
    if (c == kWall)
        Mauer();
    if (c == kDot) {
        Punkt();
        RestPunkte = RestPunkte + 1;
    }
    if (c == kSegment || c == kSegmentAlt) {
        Laenge = Laenge + 1;
        SBK();
    }
    if (c == kHead) {
        Laenge = 0;
        SBK();
    }
    if (c == kHalving)
        Pank();
    if (c == kCutting)
        Pix();
}

} // namespace zorvik
