// SPDX-License-Identifier: GPL-3.0-or-later
// The six colour tables and the gradient rule that turns a colour pair into ring and worm colours.
#include "model/game.h"

namespace zorvik {

void Game::buildColourTables()
{
    ringColours_ = {};  // worked out from the old tables
    // Entries 0 to 41: every ordered pair of different corners of the RGB cube but black.
    LevelNr = 0;
    for (Zaehler = 1; Zaehler <= 7; ++Zaehler) {
        for (Zaehler2 = 1; Zaehler2 <= 7; ++Zaehler2) {
            if (Zaehler2 == Zaehler)
                continue;
            const int i = LevelNr;
            StartRot.at(i) = (Zaehler & 1) / 1;
            ZielRot.at(i) = (Zaehler2 & 1) / 1;
            StartGruen.at(i) = (Zaehler & 2) / 2;
            ZielGruen.at(i) = (Zaehler2 & 2) / 2;
            StartBlau.at(i) = (Zaehler & 4) / 4;
            ZielBlau.at(i) = static_cast<std::uint8_t>((Zaehler2 & 4) / 4);
            LevelNr = LevelNr + 1;
        }
    }
    // Entries 42 to 83 repeat them, so pair indices with an offset of up to 42 stay coloured.
    for (Zaehler = 0; Zaehler <= LevelNr - 1; ++Zaehler) {
        const int from = Zaehler;
        const int to = Zaehler + LevelNr;
        StartRot.at(to) = StartRot.at(from);
        ZielRot.at(to) = ZielRot.at(from);
        StartGruen.at(to) = StartGruen.at(from);
        ZielGruen.at(to) = ZielGruen.at(from);
        StartBlau.at(to) = StartBlau.at(from);
        ZielBlau.at(to) = ZielBlau.at(from);
    }
}

Colour Game::Verlaufsfarbe(int p, double k, double n) const
{
    auto component = [&](int s, int e) {
        return static_cast<Colour>(roundHalfEven(255.0 * s + (e - s) * ((255.0 / n) * k)));
    };
    const int red = component(StartRot.at(p), ZielRot.at(p));
    const int green = component(StartGruen.at(p), ZielGruen.at(p));
    const int blue = component(StartBlau.at(p), ZielBlau.at(p));
    return red + 256 * green + 65536 * blue;
}

} // namespace zorvik
