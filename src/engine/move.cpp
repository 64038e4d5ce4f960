// SPDX-License-Identifier: GPL-3.0-or-later
// One move of the worm: the cell ahead, growth, the slide and advance, death, eating and shortening.
#include "model/cell_codes.h"
#include "model/game.h"

#include <string>

namespace zorvik {

namespace {

// The position in `board` of inner cell (x, y), or -1 for any cell that is not an inner cell of
// the board. A head that an earlier level start left off the board can aim anywhere.
long innerCellIndex(const std::string& board, double sideCells, int x, int y)
{
    const double inner = sideCells - 2;
    if (x < 1 || y < 1 || x > inner || y > inner)
        return -1;
    const double index = (y - 1) * inner + x - 1;
    if (index < 0 || index >= static_cast<double>(board.size()))
        return -1;
    return static_cast<long>(index);
}

} // namespace

void Game::Los()
{
    // The cell ahead is read once; every decision below uses this character.
    const long target = innerCellIndex(Spielfeld, Seitenzellen, WurmX[0] + RichtungX[0], WurmY[0] + RichtungY[0]);
    Zelle = target < 0 ? std::string(1, kWall) : Spielfeld.substr(static_cast<std::size_t>(target), 1);
    const char cell = Zelle[0];
    if (cell == kWall)
        return;

    // A worm that fills the segment tables eats without growing, and then leaves a cell like any move.
    const bool grows = cell == kDot && Laenge < kLastSegment;
    if (!grows) {
        AltX = WurmX[Laenge];
        AltY = WurmY[Laenge];
    }
    if (grows) {
        // The new tail waits on the old tail's cell while the old tail moves on.
        Laenge = Laenge + 1;
        WurmX[Laenge] = WurmX[Laenge - 1];
        WurmY[Laenge] = WurmY[Laenge - 1];
        RichtungX[Laenge] = 0;
        RichtungY[Laenge] = 0;
    }

    slide();

    // The head steps first, so only a segment that lands on the head's new cell kills.
    const int last = Laenge;
    for (Zaehler = 0; Zaehler <= last; ++Zaehler) {
        WurmX[Zaehler] = WurmX[Zaehler] + RichtungX[Zaehler];
        WurmY[Zaehler] = WurmY[Zaehler] + RichtungY[Zaehler];
        if (Zaehler > 0 && WurmX[Zaehler] == WurmX[0] && WurmY[Zaehler] == WurmY[0]) {
            Tot();
            Beginn();
            return;
        }
    }

    drawHead();

    // Each segment follows the step its predecessor made in this move.
    for (Zaehler = last; Zaehler >= 1; --Zaehler) {
        RichtungX[Zaehler] = RichtungX[Zaehler - 1];
        RichtungY[Zaehler] = RichtungY[Zaehler - 1];
    }

    Wauge();

    if (cell == kDot || cell == kHalving || cell == kCutting) {
        Spielfeld[static_cast<std::size_t>(target)] = kBlank;  // the head stands on the target now
        if (cell == kDot) {
            RestPunkte = RestPunkte - 1;
            if (RestPunkte == 0) {
                // Past the highest level number the count starts again at the first level.
                LevelNr = LevelNr < 32767 ? LevelNr + 1 : 0;
                window_.AnimationFrame(Animation::LevelEnd, 1, 1);
                LevelLaden();
                return;
            }
        }
    }

    if (Int(Laenge * Zellgroesse / 400) > 0 && !(WurmX[0] == AltX && WurmY[0] == AltY) && !grows)
        blankVacatedCell();

    if (cell == kHalving && Laenge > 0) {
        removeSegments(static_cast<int>(Int(Laenge / 2.0)) + 1);
        Laenge = static_cast<int>(Int(Laenge / 2.0));
    }
    if (cell == kCutting && Laenge > 0) {
        removeSegments(1);
        Laenge = 0;
    }
}

} // namespace zorvik
