// SPDX-License-Identifier: GPL-3.0-or-later
// The worm painters: one placed segment, and the head's eyes facing its step.
#include "model/game.h"
#include "model/level_start_error.h"

namespace zorvik {

void Game::SBK()
{
    // Placing the segment: its cell and the step to the left that every placed segment gets.
    AltX = ZelleX;
    AltY = ZelleY;
    const int i = Laenge;
    if (i < 0 || i > kLastSegment)
        throw LevelStartError("Der Wurm hätte mehr als 1226 Teile; die Wurmfelder ohne Kopf zählen mit.");
    WurmX.at(i) = ZelleX;
    WurmY.at(i) = ZelleY;
    RichtungX.at(i) = -1;
    RichtungY.at(i) = 0;

    window_.FillColor(SegmentFarbe.at(i));
    window_.Circle(float(ZelleX * Zellgroesse + Radius), float(ZelleY * Zellgroesse + Radius), float(Radius), 0);
    if (Laenge == 0)
        Wauge();
}

void Game::Wauge()
{
    const double r = Radius;
    const double cx = WurmX.at(0) * Zellgroesse + r;
    const double cy = WurmY.at(0) * Zellgroesse + r;
    const int dx = RichtungX.at(0);
    const int dy = RichtungY.at(0);

    // The first eye is on the worm's left-hand side, seen in its direction of travel.
    const double leftX = cx + (dx + dy) * r / 2;
    const double leftY = cy + (dy - dx) * r / 2;
    const double rightX = cx + (dx - dy) * r / 2;
    const double rightY = cy + (dx + dy) * r / 2;

    window_.FillColor(13168640);
    window_.Circle(float(leftX), float(leftY), float(r / 4), 0);
    window_.FillColor(0);
    window_.Circle(float(leftX), float(leftY), float(r / 16), 0);
    window_.FillColor(61640);
    window_.Circle(float(rightX), float(rightY), float(r / 4), 0);
    window_.FillColor(0);
    window_.Circle(float(rightX), float(rightY), float(r / 16), 0);
}

} // namespace zorvik
