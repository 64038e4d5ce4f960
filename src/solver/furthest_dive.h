// SPDX-License-Identifier: GPL-3.0-or-later
// Where a level gets stuck: the most dots a worm can eat, looked for without the lower bounds.
#pragma once

#include "solver/worm_model.h"

#include <cstddef>
#include <functional>
#include <string>

namespace zorvik::solver {

struct Furthest {
    int dots = 0;       // eaten
    std::string moves;  // that eat them, as L, R, U, D
    std::size_t positions = 0;  // seen on the way
};

// The bounds may show at the start that no moves finish a level, and the search then reaches no
// position at all; a designer still wants to see how far a worm gets. This walks the positions,
// those with the most dots eaten first, until it has seen `mostPositions` or none is left.
// `checkpoint` is called now and then and may end the walk by throwing StopRequested: the furthest
// found so far is kept.
Furthest diveForDots(const Board& board, std::size_t mostPositions, const std::function<void()>& checkpoint);

} // namespace zorvik::solver
