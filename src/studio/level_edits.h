// SPDX-License-Identifier: GPL-3.0-or-later
// Edits of a level text as a designer makes them: painting cells and changing the board's size.
#pragma once

#include <string>
#include <string_view>

namespace zorvik::studio {

// The biggest board the game takes.
inline constexpr int kLargestSide = 181;

// Cells a side of a square level text; 0 for an empty text or one whose length is no square.
int levelSide(std::string_view text);

// An empty board of side × side cells with the worm's head in the middle.
std::string newLevel(int side);

// Writes `cell` into cell `index`. A worm has one head: painting a head moves it there, and the old
// head's cell becomes empty. True when the text changed.
bool paintCell(std::string& text, int index, char cell);

// The level with `side` cells a side (1 to kLargestSide), its content kept in the middle: rows and
// columns come or go on all four sides, an odd one at the right and bottom; new cells are empty.
std::string resizeLevel(std::string_view text, int side);

} // namespace zorvik::studio
