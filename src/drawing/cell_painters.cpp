// SPDX-License-Identifier: GPL-3.0-or-later
// The cell painters: an empty cell, and walls, dots, halving and cutting cells as nested rings.
#include "model/game.h"

namespace zorvik {

void Game::Nichts()
{
    const double z = Zellgroesse;
    const double x = ZelleX * z;
    const double y = ZelleY * z;
    window_.Line(float(x), float(y), float(x + z - 1), float(y + z - 1), 0, LineKind::FilledBox);
}

// Ring k runs from the pair's start colour towards its end colour; the bound is taken once.
void Game::paintRings(double ringCount, int offset, bool inverted, bool setFill, void (Game::*ring)(double))
{
    Ringe = ringCount;
    const double last = Ringe - 1;
    const int p = (LevelNr & 63) + offset;
    std::vector<Colour>& colours = ringColours(p, inverted);
    for (Zaehler = 0; Zaehler <= last; ++Zaehler) {
        const auto k = static_cast<std::size_t>(int(Zaehler));
        while (colours.size() <= k) {
            const Colour colour = Verlaufsfarbe(p, static_cast<double>(colours.size()), Ringe);
            colours.push_back(inverted ? Weiss - colour : colour);
        }
        Farbe = colours[k];
        if (setFill)
            window_.FillColor(Farbe);
        (this->*ring)(Zaehler);
    }
}

// The colours of pair p over Ringe rings, inverted when asked, as far as worked out before: every cell of
// a kind on a board repeats them.
std::vector<Colour>& Game::ringColours(int p, bool inverted)
{
    for (RingColours& kept : ringColours_)
        if (kept.pair == p && kept.rings == Ringe && kept.white == Weiss && kept.inverted == inverted)
            return kept.colours;
    RingColours& kept = ringColours_[nextRingColours_++ % ringColours_.size()];
    kept = {p, Ringe, Weiss, inverted, {}};
    return kept.colours;
}

void Game::wallRing(double k)
{
    const double z = Zellgroesse;
    const double x = ZelleX * z;
    const double y = ZelleY * z;
    window_.Line(float(x + k), float(y + k), float(x + z - 1 - 2 * k), float(y + z - 1 - 2 * k), Farbe,
                 LineKind::FilledBox);
}

void Game::dotRing(double k)
{
    const double x = ZelleX * Zellgroesse;
    const double y = ZelleY * Zellgroesse;
    window_.Circle(float(x + Radius - k / 2), float(y + Radius - k / 2), float(Ringe - k), Farbe);
}

void Game::halvingRing(double k)
{
    const double z = Zellgroesse;
    const double r = Radius;
    const double x = ZelleX * z;
    const double y = ZelleY * z;
    window_.Line(float(x + r / 2 + k / 2), float(y + r / 2 + k / 2), float(x + z - r / 2 - 1 - k),
                 float(y + z - r / 2 - 1 - k), Farbe, LineKind::FilledBox);
}

void Game::cuttingRing(double k)
{
    const double z = Zellgroesse;
    const double r = Radius;
    const double x = ZelleX * z;
    const double y = ZelleY * z;
    window_.Line(float(x + r / 2 + k), float(y + r / 2), float(x + z - r / 2 - 1 - k), float(y + z - r / 2 - 1),
                 Farbe, LineKind::Plain);
}

void Game::Mauer() { paintRings(Int(Zellgroesse / 4), MauerVersatz, false, true, &Game::wallRing); }
void Game::Punkt() { paintRings(Radius / 2, PunktVersatz, false, true, &Game::dotRing); }
void Game::Pank() { paintRings(Radius / 2, PunktVersatz, true, true, &Game::halvingRing); }
void Game::Pix() { paintRings(Radius, MauerVersatz, true, false, &Game::cuttingRing); }

} // namespace zorvik
