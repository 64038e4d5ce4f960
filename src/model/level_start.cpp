// SPDX-License-Identifier: GPL-3.0-or-later
// The level start: the board from the level text, its geometry, the worm's colours and the first picture.
#include "model/cell_codes.h"
#include "model/game.h"
#include "model/level_start_error.h"

#include <algorithm>
#include <cmath>

namespace zorvik {

namespace {

// The largest square text whose cells a 16-bit counter can still walk.
constexpr std::size_t kLongestLevelText = 181 * 181;

// The widest cell, in twips, whose slide a 16-bit counter can still walk: the fast step of a
// 1225-segment worm reaches 4.07 cells. It binds only small levels in tall windows (a 1 × 1 level
// above 1600 pixels, a 7 × 7 level above 4800), which then leave room beside the board.
constexpr double kWidestCell = 8000;

} // namespace

void Game::Beginn()
{
    Spielfeld = LevelText;
    Laenge = 0;
    RestPunkte = 0;
    Endlaenge = 0;

    const std::size_t cells = Spielfeld.size();
    if (cells == 0)
        throw LevelStartError("Die Levelzeile ist leer.");
    if (cells > kLongestLevelText)
        throw LevelStartError("Das Level ist zu groß: höchstens 181 × 181 Felder gehen.");
    const double side = std::sqrt(static_cast<double>(cells));
    if (side != std::floor(side))
        throw LevelStartError("Die Levelzeile hat " + std::to_string(cells) +
                              " Zeichen, das ist kein Quadrat wie 7 × 7 = 49.");
    Seitenzellen = side + 2;

    const float width = window_.ScaleWidth() - window_.ControlWidth(Control::WurmFrame);
    const float height = window_.ScaleHeight();
    Zellgroesse = std::min(kWidestCell, width > height ? Int(height / Seitenzellen) : Int(width / Seitenzellen));
    Radius = Int(Zellgroesse / 2) - 1;

    for (Zaehler = 1; Zaehler <= static_cast<int>(cells); ++Zaehler) {
        Zelle = Spielfeld.substr(static_cast<std::size_t>(Zaehler - 1), 1);
        const char c = Zelle[0];
        if (c == kDot || c == kHead || c == kSegmentAlt || c == kSegment)
            Endlaenge = Endlaenge + 1;
    }
    if (Endlaenge > kLastSegment)
        throw LevelStartError("Das Level hat " + std::to_string(int(Endlaenge)) +
                              " Wurm- und Punktfelder, mehr als 1225 gehen nicht.");
    if (Endlaenge == 0) {
        // A level without dots and worm still gets something to eat; LevelText keeps its cell.
        Spielfeld[0] = kDot;
        Endlaenge = 1;
    }

    for (Zaehler = 0; Zaehler <= Endlaenge; ++Zaehler) {
        const int i = Endlaenge - Zaehler;
        SegmentFarbe.at(i) = WurmFarbe;
        if (WurmFarbe == 0)
            SegmentFarbe.at(i) = Verlaufsfarbe(LevelNr & 63, Zaehler, Endlaenge);
        if (WurmFarbe == Weiss)
            SegmentFarbe.at(i) = randomColour();
    }

    // Both land on whatever cell the last redraw, move or mouse move left in ZelleX/ZelleY.
    Laenge = 0;
    SBK();
    Laenge = Endlaenge;
    SBK();

    Bild();
}

Colour Game::randomColour()
{
    auto component = [this] {
        const float r = static_cast<float>(Rnd());
        const double value = roundHalfEven(r * 256.0f);
        return value >= 256 ? 255 : static_cast<int>(value);
    };
    const int red = component();
    const int green = component();
    const int blue = component();
    return red + 256 * green + 65536 * blue;
}

} // namespace zorvik
