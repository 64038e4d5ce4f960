// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of single cells for the palette, painted by the game.
#include "board_window.h"

#include "model/cell_codes.h"
#include "model/game.h"

namespace zorvik::studio {

QImage cellPicture(char cell, int levelNr, int pixels)
{
    if (cell == kBlank) {
        QImage black(pixels, pixels, QImage::Format_RGB32);
        black.fill(Qt::black);
        return black;
    }
    // A 2 × 2 level with a worm and a dot, so the game draws it like any level: alone, a cell that is
    // neither would turn into the dot the game gives a level without one.
    BoardWindow window(pixels * 4, pixels * 4);
    Game game(window, std::filesystem::path());
    game.setStartDefaults();
    game.LevelNr = levelNr;
    game.LevelText = std::string("\xF6o") + (cell == kHead || cell == kSegment ? ' ' : cell) + ".";
    game.Beginn();
    // The head and its body lie in the first row; every other kind in the first cell of the second.
    const int x = cell == kSegment ? 2 : 1, y = cell == kHead || cell == kSegment ? 1 : 2;
    return window.image().copy(x * pixels, y * pixels, pixels, pixels);
}

} // namespace zorvik::studio
