// SPDX-License-Identifier: GPL-3.0-or-later
// The designer's own play of a level: moves counted, taken back one at a time, and the level begun afresh.
#pragma once

#include "studio/level_play.h"

#include <cstddef>
#include <string>

namespace zorvik::studio {

class TestPlay {
public:
    TestPlay(WindowOperations& window, std::string levelText, int levelNr);

    LevelPlay& game() { return game_; }
    const LevelPlay& game() const { return game_; }
    // Moves since the level's start or the worm's last death. A key the game refuses (a wall, the border) is none.
    std::size_t moves() const { return counted_; }
    // The last move killed the worm and the level began again.
    bool died() const { return died_; }
    bool finished() const { return game_.finished(); }
    // Every move since the level's start, those before a death included: played again, they give this board.
    const std::string& played() const { return played_; }

    // The level from its start, no moves played; throws what the level start throws.
    void restart();
    // One arrow key as L, R, U or D; true when the game made a move of it. Once finished, nothing moves.
    bool press(char move);
    // The level from its start with one move fewer, so that a death or a growth is undone by the game's own
    // rules; false when no move was played.
    bool undo();
    // The same moves played afresh, as after the board changed its size.
    void replay();

private:
    LevelPlay game_;
    std::string played_;
    std::size_t counted_ = 0;
    bool died_ = false;
};

// What the play window says when the last dot is eaten: "Geschafft in 41 Zügen", with the shortest known
// solution (0 for none) in brackets.
std::string finishedText(std::size_t moves, std::size_t shortestKnown);

} // namespace zorvik::studio
