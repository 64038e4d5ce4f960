// SPDX-License-Identifier: GPL-3.0-or-later
// Searching the moves that finish a level, played through the game itself.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace zorvik::check {

struct Solution {
    enum class Outcome { Found, None, OutOfTime } outcome = Outcome::None;
    std::string moves;          // arrow keys as L, R, U, D
    std::size_t positions = 0;  // distinct positions the search reached
};

// Searches greedily for a third of the time, eating dots as early as it can, then more widely; it finds
// a solution, not the shortest one. None means every position was tried; OutOfTime that the time or
// the position limit (per search) ran out first.
Solution solveLevel(const std::string& levelText, std::chrono::milliseconds limit,
                    std::size_t mostPositions = 20'000'000);

} // namespace zorvik::check
