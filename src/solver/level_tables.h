// SPDX-License-Identifier: GPL-3.0-or-later
// What the lower bounds need to know of a level before any search: distances, dead ends, rounds of the dots.
#pragma once

#include "solver/worm_model.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace zorvik::solver {

inline constexpr int kNever = 0xFFFF;

inline int saturated(int moves) { return moves < kNever ? moves : kNever; }

// What depends on the level alone: distances between cells around the walls, where a worm that
// cannot turn back gets to from each dot, and the shortest round of the dots from each dot when
// there are few enough of them to work them all out.
class LevelTables {
public:
    // On a large board the walks take a while: `check` is called between them and may end the
    // work by throwing.
    explicit LevelTables(const Board& board, std::function<void()> check = {});

    const Board& board() const { return board_; }
    // Moves from eatable cell `id` to `cell` if nothing but walls stood in the way; kNever if walled off.
    int distance(int id, int cell) const { return distances_[std::size_t(id) * std::size_t(board_.cellCount()) + std::size_t(cell)]; }
    // The steps that do not lead into a wall, as bits.
    unsigned openSteps(int cell) const { return openSteps_[std::size_t(cell)]; }
    int dots() const { return static_cast<int>(dotIds_.size()); }
    int dotId(int dot) const { return dotIds_[std::size_t(dot)]; }
    int dotIndex(int id) const { return dotIndices_[std::size_t(id)]; }
    int dotDistance(int a, int b) const { return dotDistances_[std::size_t(a * dots() + b)]; }
    // The other eatable cells a head that cannot turn back still reaches after entering `dot` by
    // `step`, as bits in the layout of Board::header().
    const Word* onwards(int dot, int step) const { return &onwards_[std::size_t(dot * 4 + step) * std::size_t(board_.headerWords())]; }
    // After a halving cell (`halving` as halvingIndex() numbers them) entered by `step` that leaves
    // three segments or more: the fewest moves to eat `dot` and go on, or to eat it as the last one.
    int halvingIndex(int id) const { return halvingIndices_[std::size_t(id)]; }
    int afterHalving(int halving, int step, int dot, bool last) const
    {
        return afterHalving_[std::size_t(((halving * 4 + step) * 2 + last) * dots() + dot)];
    }
    // Whether such a head gets on from `dot` to any of the cells still `left` (Board::header()).
    bool leadsOn(const Word* left, int dot, int step) const
    {
        const Word* on = onwards(dot, step);
        for (int i = 0; i < board_.headerWords(); ++i)
            if (on[i] & left[i])
                return true;
        return false;
    }
    // The room beyond a door cell on the side of `step`, or -1 when the cell is no door (a corridor
    // cell whose two sides meet only through it).
    int room(int door, int step) const { return roomIndex_.empty() ? -1 : roomIndex_[std::size_t(door * 4 + step)]; }
    // The dots and the halving and cutting cells, as bits in the layout of onwards().
    const Word* dotCells() const { return dotBits_.data(); }
    const Word* shrinkingCells() const { return shrinkerBits_.data(); }
    const Word* cuttingCells() const { return cuttingBits_.data(); }
    int roomSize(int room) const { return roomSizes_[std::size_t(room)]; }
    const Word* roomCells(int room) const { return &roomBits_[std::size_t(room * board_.headerWords())]; }  // eatable cells, as in onwards()
    // The rooms with a dot, only the smallest of those that hold the same cells to eat.
    const std::vector<int>& smallestRooms() const { return smallestRooms_; }
    bool exactTours() const { return !tours_.empty(); }
    // With exactTours(): the fewest moves that eat every dot of `mask`, starting on dot `first` (in it).
    int tour(std::uint32_t mask, int first) const { return tours_[std::size_t(mask) * std::size_t(dots()) + std::size_t(first)]; }
    std::size_t memoryBytes() const;

private:
    void findOnwards();
    void findAfterHalving();
    void findRooms();
    void findSmallestRooms();
    void findTours();

    void checkpoint() const
    {
        if (checkpoint_)
            checkpoint_();
    }

    const Board& board_;
    std::function<void()> checkpoint_;
    std::vector<std::uint16_t> distances_;
    std::vector<std::uint8_t> openSteps_;
    std::vector<int> dotIds_;      // the eatable id of each dot
    std::vector<int> dotIndices_;  // the dot of each eatable id, or -1
    std::vector<std::uint16_t> dotDistances_;
    std::vector<Word> onwards_;
    std::vector<int> halvingIndices_;
    std::vector<std::uint16_t> afterHalving_;
    std::vector<std::uint16_t> tours_;
    std::vector<int> roomIndex_;  // by door cell × step
    std::vector<int> roomSizes_;
    std::vector<Word> roomBits_;
    std::vector<int> smallestRooms_;
    std::vector<Word> dotBits_, shrinkerBits_, cuttingBits_;
};

} // namespace zorvik::solver
