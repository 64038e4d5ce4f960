// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the icon, one unit per pixel of the 48-pixel picture.
#include "drawing/icon.h"

namespace zorvik {

namespace {

constexpr int kCell = kIconUnits / 2;
constexpr int kRadius = kCell / 2 - 1;

Colour rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

// From `from` to `to` in `steps` steps; step 0 is `from`.
Colour blend(int fr, int fg, int fb, int tr, int tg, int tb, int step, int steps)
{
    auto mix = [&](int a, int b) { return a + (b - a) * step / steps; };
    return rgb(mix(fr, tr), mix(fg, tg), mix(fb, tb));
}

} // namespace

void drawIcon(Canvas& canvas)
{
    canvas.Line(0, 0, 2 * kCell - 1, 2 * kCell - 1, 0, LineKind::FilledBox);

    // Top left: a wall block of concentric squares, dark cyan outside, bright inside.
    for (int k = 0; k < 6; ++k) {
        const float edge = float(2 * k);
        canvas.Line(edge, edge, kCell - 1 - edge, kCell - 1 - edge, blend(0, 70, 90, 170, 255, 255, k, 5),
                    LineKind::FilledBox);
    }

    // Top right: a red dot whose rings lighten towards the centre.
    const float dotX = kCell + kRadius, dotY = kRadius;
    for (int k = 0; k < 8; ++k) {
        const Colour ring = blend(200, 0, 0, 255, 210, 200, k, 7);
        canvas.FillColor(ring);
        canvas.Circle(dotX, dotY, float(9 - k), k == 0 ? 0 : ring);
    }

    // Bottom left: a dark green segment, placed as the game places segments on their cells.
    canvas.FillColor(rgb(0, 110, 0));
    canvas.Circle(kRadius, kCell + kRadius, kRadius, 0);

    // Bottom right: the bright green head, looking right, its eyes on either side of its way.
    const float headX = kCell + kRadius, headY = kCell + kRadius;
    canvas.FillColor(rgb(0, 255, 0));
    canvas.Circle(headX, headY, kRadius, 0);
    const float eyeX = headX + kRadius / 2.0f;
    canvas.FillColor(rgb(255, 0, 0));
    canvas.Circle(eyeX, headY - kRadius / 2.0f, 3, 0);
    canvas.FillColor(rgb(0, 64, 255));
    canvas.Circle(eyeX, headY + kRadius / 2.0f, 3, 0);
}

} // namespace zorvik
