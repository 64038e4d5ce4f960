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

// Eats dots as early as it can and backs up when stuck, so it finds a solution, not the shortest one.
// None means every position was tried; OutOfTime that the time or the position limit ran out first.
Solution solveLevel(const std::string& levelText, std::chrono::milliseconds limit,
                    std::size_t mostPositions = 20'000'000);

} // namespace zorvik::check
