// SPDX-License-Identifier: GPL-3.0-or-later
// Level editing with the mouse: the pointer's cell, and a click that writes the brush into the running board.
#include "model/game.h"

namespace zorvik {

void Game::Form_MouseMove(int, int, float X, float Y)
{
    // Before the first level start there are no cells to point at.
    if (Zellgroesse == 0)
        return;
    try {
        ZelleX = toWhole(Int(X / Zellgroesse) - 1);
        pointerX_ = ZelleX;
        pointerKnown_ = true;
        ZelleY = toWhole(Int(Y / Zellgroesse) - 1);
        pointerY_ = ZelleY;
    } catch (const OverflowError&) {
        // A pointer too far out for a 16-bit cell number: what was computed stays.
    }
}

void Game::Form_Click()
{
    // An empty board has no cell to write.
    if (Spielfeld.empty())
        return;
    // Painters and moves reuse ZelleX/ZelleY; the pointer's own cell is what the player clicked on.
    if (pointerKnown_) {
        ZelleX = pointerX_;
        ZelleY = pointerY_;
    }
    const int last = static_cast<int>(Seitenzellen) - 3;
    if (ZelleX < 0)
        ZelleX = 0;
    if (ZelleX > last)
        ZelleX = last;
    if (ZelleY < 0)
        ZelleY = 0;
    if (ZelleY > last)
        ZelleY = last;

    const long position = long(ZelleY) * (last + 1) + ZelleX + 1;
    const char brush = Pinsel.empty() ? '\0' : Pinsel[0];
    if (!Pinsel.empty())
        Spielfeld.at(static_cast<std::size_t>(position - 1)) = brush;

    ZelleX = ZelleX + 1;
    ZelleY = ZelleY + 1;
    paintCell(brush);
}

} // namespace zorvik
