// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing of a move: the slide, the head on its new cell, the vacated cell and the removal animation.
#include "model/game.h"

#include <string>

namespace zorvik {

void Game::slide()
{
    // Fast mode keeps the work per move near 400 discs however long the worm gets.
    const bool fast = window_.ControlCaption(Control::SchnellFlüssig) == kFastCaption;
    const double step = fast ? Int(Laenge * Zellgroesse / 400) + 1 : 1;
    // Only a window too small for any cell makes this less than 1, and then no frame is drawn.
    Schritt = step < 1 ? 1u : static_cast<std::uint32_t>(step);

    const double lastOffset = Zellgroesse - 1;
    const int frames = lastOffset < 0 ? 0 : static_cast<int>(Int(lastOffset / Schritt)) + 1;
    const int last = Laenge;
    const double r = Radius;
    int frame = 0;
    for (ZelleX = 0; ZelleX <= lastOffset; ZelleX = ZelleX + static_cast<long long>(Schritt)) {
        const double k = ZelleX;
        for (Zaehler = 0; Zaehler <= last; ++Zaehler) {
            window_.FillColor(SegmentFarbe[Zaehler]);
            window_.Circle(float(WurmX[Zaehler] * Zellgroesse + r + k * RichtungX[Zaehler]),
                           float(WurmY[Zaehler] * Zellgroesse + r + k * RichtungY[Zaehler]), float(r), 0);
        }
        window_.AnimationFrame(Animation::Slide, ++frame, frames);
    }
}

void Game::drawHead()
{
    window_.FillColor(SegmentFarbe[0]);
    window_.Circle(float(WurmX[0] * Zellgroesse + Radius), float(WurmY[0] * Zellgroesse + Radius), float(Radius), 0);
}

void Game::blankVacatedCell()
{
    const double z = Zellgroesse;
    window_.Line(float(AltX * z), float(AltY * z), float(AltX * z + z - 1), float(AltY * z + z - 1), 0,
                 LineKind::FilledBox);
}

// All cut segments shrink to black together, from the centre outwards, then their cells are cleared.
void Game::removeSegments(int first)
{
    const double z = Zellgroesse;
    const double r = Radius;
    const int last = Laenge;
    window_.FillColor(0);
    const double lastRadius = r - 1;
    for (Zaehler2 = 0; Zaehler2 <= lastRadius; ++Zaehler2) {
        for (Zaehler = first; Zaehler <= last; ++Zaehler)
            window_.Circle(float(WurmX[Zaehler] * z + r), float(WurmY[Zaehler] * z + r), float(Zaehler2), 0);
        window_.AnimationFrame(Animation::Removal, Zaehler2 + 1, static_cast<int>(r));
    }
    for (Zaehler = first; Zaehler <= last; ++Zaehler) {
        const double x = WurmX[Zaehler] * z;
        const double y = WurmY[Zaehler] * z;
        window_.Line(float(x), float(y), float(x + z - 1), float(y + z - 1), 0, LineKind::FilledBox);
    }
}

} // namespace zorvik
