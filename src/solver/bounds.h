// SPDX-License-Identifier: GPL-3.0-or-later
// How many moves a position needs at least, and which positions can never finish.
#pragma once

#include "solver/key_index.h"
#include "solver/worm_model.h"

#include <cstdint>
#include <vector>

namespace zorvik::solver {

inline constexpr int kNever = 0xFFFF;

// What depends on the level alone: distances between cells around the walls, and the shortest
// round of the dots from each dot when there are few enough of them to work them all out.
class LevelDistances {
public:
    explicit LevelDistances(const Board& board);

    const Board& board() const { return board_; }
    // Moves from eatable cell `id` to `cell` if nothing but walls stood in the way; kNever if walled off.
    int distance(int id, int cell) const { return distances_[std::size_t(id) * std::size_t(board_.cellCount()) + std::size_t(cell)]; }
    int dots() const { return static_cast<int>(dotIds_.size()); }
    int dotId(int dot) const { return dotIds_[std::size_t(dot)]; }
    int dotDistance(int a, int b) const { return dotDistances_[std::size_t(a * dots() + b)]; }
    bool exactTours() const { return !tours_.empty(); }
    // With exactTours(): the fewest moves that eat every dot of `mask`, starting on dot `first` (in it).
    int tour(std::uint32_t mask, int first) const { return tours_[std::size_t(mask) * std::size_t(dots()) + std::size_t(first)]; }
    std::size_t memoryBytes() const { return (distances_.size() + dotDistances_.size() + tours_.size()) * 2; }

private:
    const Board& board_;
    std::vector<std::uint16_t> distances_;
    std::vector<int> dotIds_;  // the eatable id of each dot
    std::vector<std::uint16_t> dotDistances_;
    std::vector<std::uint16_t> tours_;
};

// The estimate for one position, with its own scratch space: one per searching thread.
//
// The head is walked to every cell in a relaxed game that only lets it do more than the real one: the
// body stays where it is and leaves its cells one by one from the tail, the worm does not grow, the head
// may wait, and after any halving or cutting cell nothing stands in its way any more. What the real
// game keeps is that a worm of three segments or more cannot turn back. A dot the head cannot reach
// even so can never be eaten; otherwise it needs at least the moves to the first dot plus the shortest
// round of the others.
class Estimator {
public:
    explicit Estimator(const LevelDistances& distances);

    // At least this many moves finish the level from `position`, or kNever when nothing can.
    int estimate(const Word* position);
    std::size_t memoryBytes() const;

private:
    int spanningTree(const Word* position);
    void reach(const Word* position);

    const LevelDistances& level_;
    const Board& board_;
    // Scratch of the relaxed walk, over cell × incoming step; stamps save clearing.
    std::vector<std::uint32_t> seen_;
    std::vector<std::uint16_t> time_;
    std::vector<std::uint32_t> releaseStamp_;
    std::vector<std::uint16_t> release_;
    std::vector<int> bucketHead_;
    std::vector<int> bucketNext_;
    std::uint32_t stamp_ = 0;
    std::vector<int> arrival_;  // by eatable id
    // Spanning trees of the dots left, by which are left, when there are too many dots for exact rounds.
    std::vector<Word> treeKeys_;
    std::vector<std::uint16_t> treeLengths_;
    KeyIndex trees_;
    std::vector<Word> scratchKey_;
};

} // namespace zorvik::solver
