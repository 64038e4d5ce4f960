// SPDX-License-Identifier: GPL-3.0-or-later
// Field-by-field comparison of two game records, and the worm's cells as one line of text.
#pragma once

#include "model/game_state.h"

#include <string>
#include <vector>

namespace zorvik::testing {

// The names of the fields in which the records differ, in declaration order; a table entry
// is named with its index, e.g. "WurmX(29)".
std::vector<std::string> differences(const GameState& a, const GameState& b);

// Segments 0 to Laenge as "x,y x,y ...", head first.
std::string segments(const GameState& game);

} // namespace zorvik::testing
