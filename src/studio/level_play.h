// SPDX-License-Identifier: GPL-3.0-or-later
// One level played by the game's own rules and drawing, in the studio: played by hand, or a solution
// shown move by move.
#pragma once

#include "model/game.h"

#include <cstddef>
#include <string>

namespace zorvik::studio {

// A game of one level: eating its last dot is noted instead of loading the next level, and the
// picture stays as the last move left it.
class LevelPlay : public Game {
public:
    // `levelNr`: the level's place in its folder, which gives its colours.
    LevelPlay(WindowOperations& window, std::string levelText, int levelNr);

    // The level from its start, as after a death; throws what the level start throws.
    void restart();
    bool finished() const { return finished_; }
    // One arrow key as L, R, U or D, through the game's own key handler.
    void press(char move);
    // Deaths since the game was made: a death starts the level again, which the board alone need not show.
    int deaths() const { return deaths_; }

    void LevelLaden() override;
    void Tot() override;

private:
    int levelNr_;
    bool finished_ = false;
    int deaths_ = 0;
};

// True when the moves finish the level, played by the game's rules without a screen.
bool finishes(const std::string& levelText, const std::string& moves);

// A solution shown on the board: any position is the level's start and that many moves played.
class Playback {
public:
    Playback(WindowOperations& window, std::string levelText, int levelNr, std::string moves);

    const std::string& moves() const { return moves_; }
    std::size_t position() const { return position_; }
    bool atEnd() const { return position_ == moves_.size(); }
    LevelPlay& game() { return game_; }

    // Goes to `position` (held to the moves there are): onwards by playing the moves in between,
    // backwards by playing them from the start.
    void seek(std::size_t position);
    // The same position played afresh, as after the board changed its size.
    void replay();

private:
    LevelPlay game_;
    std::string moves_;
    std::size_t position_ = 0;
};

} // namespace zorvik::studio
