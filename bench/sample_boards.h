// SPDX-License-Identifier: GPL-3.0-or-later
// Level texts for comparing and measuring pictures: the demo level, plain and dense boards, random mixes.
#pragma once

#include <cstdint>
#include <string>

namespace zorvik::samples {

// The demo level the game writes when it finds none, 7 x 7.
std::string demoLevel();

// A worm of `wormLength` body segments follows the head in reading order, its tail an "ä"; the head stands
// on the second cell of the first row with a free cell to its left, so a move to the left always goes.
// Every other cell kind appears at least once. Boards are side x side; the same seed gives the same board.
std::string plainLevel(int side, int wormLength, std::uint32_t seed = 1);  // mostly free, some walls and dots
std::string denseLevel(int side, int wormLength, std::uint32_t seed = 2);  // nearly every cell painted

// The longest worm that still leaves the free cell and one cell of every other kind.
int longestWorm(int side);

// Any mix of cell characters, worm cells anywhere (even before the head, or no head at all).
std::string randomLevel(int side, std::uint32_t seed);

} // namespace zorvik::samples
