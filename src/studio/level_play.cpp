// SPDX-License-Identifier: GPL-3.0-or-later
// Playing one level, and showing a solution.
#include "studio/level_play.h"

#include "model/null_window.h"

#include <algorithm>
#include <utility>

namespace zorvik::studio {

LevelPlay::LevelPlay(WindowOperations& window, std::string levelText, int levelNr)
    // No folder: this game reads and writes no files.
    : Game(window, std::filesystem::path()), levelNr_(levelNr)
{
    setStartDefaults();
    LevelNr = levelNr;
    LevelText = std::move(levelText);
}

void LevelPlay::restart()
{
    finished_ = false;
    Beginn();
}

void LevelPlay::press(char move)
{
    const int key = move == 'L' ? kKeyLeft : move == 'R' ? kKeyRight : move == 'U' ? kKeyUp : move == 'D' ? kKeyDown : 0;
    Form_KeyDown(key, 0);
}

void LevelPlay::LevelLaden()
{
    // The move that ate the last dot counted on to the next level.
    LevelNr = levelNr_;
    finished_ = true;
}

void LevelPlay::Tot()
{
    ++deaths_;
    Game::Tot();
}

bool finishes(const std::string& levelText, const std::string& moves)
{
    NullWindow window;
    LevelPlay game(window, levelText, 0);
    try {
        game.restart();
        for (std::size_t i = 0; i < moves.size() && !game.finished(); ++i)
            game.press(moves[i]);
    } catch (const std::exception&) {
        return false;
    }
    return game.finished();
}

Playback::Playback(WindowOperations& window, std::string levelText, int levelNr, std::string moves)
    : game_(window, std::move(levelText), levelNr), moves_(std::move(moves))
{
    game_.restart();
}

void Playback::seek(std::size_t position)
{
    position = std::min(position, moves_.size());
    if (position < position_) {
        game_.restart();
        position_ = 0;
    }
    for (; position_ < position; ++position_)
        game_.press(moves_[position_]);
}

void Playback::replay()
{
    game_.restart();
    seek(std::exchange(position_, 0));
}

} // namespace zorvik::studio
