// SPDX-License-Identifier: GPL-3.0-or-later
// How many moves a position needs at least, and which positions can never finish.
#pragma once

#include "solver/leftover_bounds.h"
#include "solver/level_tables.h"

#include <cstdint>
#include <vector>

namespace zorvik::solver {

// The estimate for one position, with its own scratch space: one per searching thread.
//
// The head is walked to every cell in a relaxed game that only lets it do more than the real one: the
// body stays where it is and leaves its cells one by one from the tail, the worm does not grow, and the
// head may wait for the body. What the real game keeps is that a worm of three segments or more cannot
// turn back: so a dot the head can only enter where it gets no further must be the last one eaten. A
// halving cell that leaves three segments or more frees the head of the body but not of that; after any
// other halving or cutting cell nothing stands in its way any more. A dot the head cannot reach even so
// can never be eaten; otherwise the level needs at least the moves to the first dot plus the shortest
// round of the others.
class Estimator {
public:
    // What the estimator keeps between positions stays below `cacheBytes`. `stop` ends an estimate
    // half done (StopRequested); the estimator is then no more to be used.
    Estimator(const LevelTables& distances, std::size_t cacheBytes, StopFlags stop = {});

    // At least this many moves finish the level from `position`, or kNever when nothing can.
    int estimate(const Word* position);
    std::size_t memoryBytes() const;
    std::size_t headroomBytes() const { return leftovers_.headroomBytes(); }

private:
    void reach(const Word* position);
    bool stuckInRoom(const Word* position);

    const LevelTables& level_;
    const Board& board_;
    StopFlags stop_;
    // Scratch of the relaxed walk, over cell × incoming step.
    std::vector<std::uint16_t> time_;
    std::vector<std::uint16_t> release_;  // by cell: the move from which the body has left it
    std::vector<char> leftHere_;          // by cell: something left to eat
    std::vector<int> current_, next_;
    std::vector<std::vector<int>> later_;  // by time
    // By dot: the soonest moves to eat it and go on, and to eat it as the last one.
    std::vector<int> onwardArrival_, lastArrival_;
    LeftoverBounds leftovers_;
    std::vector<Word> tooSmall_;  // dots left in rooms too small for the worm
    std::vector<int> qualifying_;
};

} // namespace zorvik::solver
