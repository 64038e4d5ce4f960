// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's own copy of the move rules on packed positions: the game's rules, fast enough for millions of moves.
#pragma once

#include "model/game_state.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace zorvik::solver {

using Word = std::uint64_t;

enum class CellKind : std::uint8_t { Wall, Free, Dot, Halving, Cutting };

// Steps: 0 left, 1 right, 2 up, 3 down; a step and its reverse differ in the lowest bit.
inline constexpr char kStepLetters[4] = {'L', 'R', 'U', 'D'};
inline constexpr int kStepX[4] = {-1, 1, 0, 0};
inline constexpr int kStepY[4] = {0, 0, -1, 1};

enum class MoveOutcome { Blocked, Dies, Moved, Finished };

// A level's fixed part: its cells inside a wall border, what can be eaten, and how positions are packed.
//
// The body follows the head's path: segment k makes next the step the head made k moves ago, so a
// position needs only the head's cell, those steps (two bits each), the length and what is left to eat.
// A body that does not lie along its head's path at the start (the game allows any layout) keeps its
// offset from that path, segment by segment; segments that grow later copy the tail's offset, so one
// number, the profile, says which offsets the body has. A body laid out as a row behind its head has
// none, and its profile is always 0.
//
// Packing: first the steps of segments 1 to Laenge, two bits each from bit 0; then one header word
// (head cell, Laenge, profile, 16 bits each) whose upper bits begin a bit per eatable cell left.
class Board {
public:
    // The level as the game's level start left it.
    explicit Board(const GameState& started);

    int side() const { return side_; }  // inner cells per side plus the border
    int cellCount() const { return side_ * side_; }
    CellKind kind(int cell) const { return kinds_[static_cast<std::size_t>(cell)]; }
    int offset(int step) const { return offsets_[step]; }
    int eatableCount() const { return static_cast<int>(eatable_.size()); }
    int eatableCell(int id) const { return eatable_[static_cast<std::size_t>(id)]; }
    int eatableId(int cell) const { return eatableIds_[static_cast<std::size_t>(cell)]; }
    int dotCount() const { return dots_; }
    int longest() const { return longest_; }     // the longest the worm can grow
    bool standardBody() const { return gaps_.size() <= 1; }

    // Packed positions.
    int words() const { return stepWords_ + headerWords_; }
    const std::vector<Word>& start() const { return start_; }
    int head(const Word* p) const { return static_cast<int>(p[stepWords_] & 0xFFFF); }
    int length(const Word* p) const { return static_cast<int>((p[stepWords_] >> 16) & 0xFFFF); }
    int profile(const Word* p) const { return static_cast<int>((p[stepWords_] >> 32) & 0xFFFF); }
    int step(const Word* p, int segment) const
    {
        const int bit = 2 * (segment - 1);
        return static_cast<int>((p[bit / 64] >> (bit % 64)) & 3);
    }
    bool left(const Word* p, int id) const
    {
        const int bit = 48 + id;
        return (p[stepWords_ + bit / 64] >> (bit % 64)) & 1;
    }
    int dotsLeft(const Word* p) const;
    // The header words: eatable cell `id` is left when bit 48 + id of them is set.
    int headerWords() const { return headerWords_; }
    const Word* header(const Word* p) const { return p + stepWords_; }
    // Each segment's board cell (x, y), head first; offset segments may stand off the board.
    std::vector<std::pair<int, int>> segments(const Word* p) const;
    // The offset of segment k from the head's path, with profile q.
    std::pair<int, int> gap(int profile, int segment) const
    {
        return profile == 0 ? std::pair{0, 0} : gaps_[static_cast<std::size_t>(std::min(segment, profile))];
    }

private:
    friend class Mover;
    void setHeader(Word* p, int head, int length, int profile) const;

    int side_ = 0;
    int offsets_[4] = {};
    std::vector<CellKind> kinds_;
    std::vector<int> eatable_;
    std::vector<int> eatableIds_;
    std::vector<Word> dotMask_;  // header words with only the dots' bits set
    int dots_ = 0;
    int longest_ = 0;
    bool stuck_ = false;  // a head off the inner cells never moves
    std::vector<std::pair<int, int>> gaps_;  // by segment, of the start's body; empty when none has one
    std::vector<int> canonical_;             // the smallest profile with the same offsets
    int stepWords_ = 0;
    int headerWords_ = 0;
    std::vector<Word> start_;
};

// Makes moves from one position: where the body will stand is worked out once for all four steps.
class Mover {
public:
    explicit Mover(const Board& board);

    void load(const Word* position);
    // The position after the step, in `out` (board.words() words) when the worm moved on.
    MoveOutcome move(int step, Word* out) const;

private:
    void mark(std::vector<std::uint32_t>& stamps, int x, int y) const;

    const Board& board_;
    const Word* position_ = nullptr;
    std::vector<std::uint32_t> always_;  // cells a segment stands on after any move
    std::vector<std::uint32_t> growing_; // the cell the new tail waits on when the worm grows
    std::uint32_t stamp_ = 0;
};

} // namespace zorvik::solver
