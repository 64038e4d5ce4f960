// SPDX-License-Identifier: GPL-3.0-or-later
// Counting, undoing and restarting the designer's play of a level.
#include "studio/test_play.h"

#include <utility>

namespace zorvik::studio {

TestPlay::TestPlay(WindowOperations& window, std::string levelText, int levelNr) : game_(window, std::move(levelText), levelNr) {}

void TestPlay::restart()
{
    played_.clear();
    counted_ = 0;
    died_ = false;
    game_.restart();
}

bool TestPlay::press(char move)
{
    if (game_.finished())
        return false;
    const Whole x = game_.WurmX[0], y = game_.WurmY[0];
    const int deaths = game_.deaths();
    game_.press(move);
    // A death may put the head back on the cell it left, so it is counted apart.
    const bool died = game_.deaths() != deaths;
    if (!died && !game_.finished() && game_.WurmX[0] == x && game_.WurmY[0] == y)
        return false;
    played_ += move;
    died_ = died;
    counted_ = died ? 0 : counted_ + 1;
    return true;
}

bool TestPlay::undo()
{
    if (played_.empty())
        return false;
    played_.pop_back();
    replay();
    return true;
}

void TestPlay::replay()
{
    const std::string moves = std::move(played_);
    restart();
    for (const char move : moves)
        press(move);
}

std::string finishedText(std::size_t moves, std::size_t shortestKnown)
{
    std::string text = "Geschafft in " + std::to_string(moves) + (moves == 1 ? " Zug" : " Zügen");
    if (shortestKnown > moves)
        text += " (kürzer als die bekannte Lösung mit " + std::to_string(shortestKnown) + " Zügen)";
    else if (shortestKnown > 0)
        text += " (kürzeste bekannte Lösung: " + std::to_string(shortestKnown) + ")";
    return text;
}

} // namespace zorvik::studio
