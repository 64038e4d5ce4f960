// SPDX-License-Identifier: GPL-3.0-or-later
// The pixels of a one-pixel line: Bresenham's walk from one end to the other, both ends included.
#pragma once

#include <cstdlib>

namespace zorvik {

template <class Visit>
void walkLine(int x1, int y1, int x2, int y2, Visit visit)
{
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        visit(x1, y1);
        if (x1 == x2 && y1 == y2)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x1 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y1 += sy;
        }
    }
}

} // namespace zorvik
