// SPDX-License-Identifier: GPL-3.0-or-later
// The game object: its window, its folder and the cells of the board.
#include "model/game.h"

#include "model/cell_codes.h"

#include <utility>

namespace zorvik {

Game::Game(WindowOperations& window, std::filesystem::path folder)
    : AlleLevel(folder), window_(window), folder_(std::move(folder))
{
}

char Game::boardCell(int x, int y) const
{
    const int last = static_cast<int>(Seitenzellen) - 1;
    if (x == 0 || y == 0 || x == last || y == last)
        return kWall;
    const int n = static_cast<int>(Seitenzellen) - 2;
    return Spielfeld.at(static_cast<std::size_t>((y - 1) * n + x - 1));
}

double Game::Rnd()
{
    // minstd_rand yields 1 .. 2147483646 from its fixed default state.
    return static_cast<double>(random_() - 1) / 2147483646.0;
}

} // namespace zorvik
