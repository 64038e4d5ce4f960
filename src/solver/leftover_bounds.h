// SPDX-License-Identifier: GPL-3.0-or-later
// What the cells left to eat demand of the moves still to come, whatever the worm: kept by the set of cells left.
#pragma once

#include "solver/key_index.h"
#include "solver/level_tables.h"
#include "solver/stopping.h"

#include <cstdint>
#include <vector>

namespace zorvik::solver {

// A pocket is a dot from which a head that cannot turn back reaches no other cell left to eat: a worm of
// two segments or more that eats it goes no further, unless it had no body at all before (a cutting cell,
// or a halving cell that leaves none, on the way in with no dot between). So every pocket but the last
// one eaten needs a halving or cutting cell of its own, and the way into it leads through one.
struct Leftover {
    int tree = 0;        // the shortest spanning tree of the dots left, when there are too many for rounds
    int pockets = 0;
    int shrinkers = 0;   // halving and cutting cells left
    // Each dot's cheapest way in from another dot left (a pocket's through a halving or cutting cell),
    // added up, less the most that eating a pocket last saves.
    int entries = 0;
    const std::uint16_t* entry = nullptr;  // by dot: its own way in; kNever for a dot eaten
};

class LeftoverBounds {
public:
    // The store of sets starts afresh before it holds `bytes`. Working out a set of a thousand dots
    // takes milliseconds: `stop` ends it (StopRequested), and the store is then no more to be used.
    LeftoverBounds(const LevelTables& level, std::size_t bytes, StopFlags stop = {});

    Leftover of(const Word* position);
    std::size_t memoryBytes() const { return keys_.capacity() * sizeof(Word) + facts_.capacity() * 2 + index_.memoryBytes(); }
    // What the store may still grow by.
    std::size_t headroomBytes() const { return budget_ > memoryBytes() ? budget_ - memoryBytes() : 0; }

private:
    void workOut(const Word* position, std::uint16_t* facts) const;

    const LevelTables& level_;
    const Board& board_;
    int stride_;  // tree, pockets, shrinkers, entries, then one entry a dot
    std::size_t budget_;
    std::size_t mostSets_;
    StopFlags stop_;
    std::vector<Word> keys_;
    std::vector<std::uint16_t> facts_;
    KeyIndex index_;
};

} // namespace zorvik::solver
