// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangles, lines and flood fills on a level text.
#include "studio/level_shapes.h"

#include "model/cell_codes.h"
#include "studio/level_edits.h"

#include <algorithm>
#include <cstdlib>

namespace zorvik::studio {

namespace {

std::vector<int> rectangle(int side, int from, int to, bool filled)
{
    const int left = std::min(from % side, to % side), right = std::max(from % side, to % side);
    const int top = std::min(from / side, to / side), bottom = std::max(from / side, to / side);
    std::vector<int> cells;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (filled || y == top || y == bottom || x == left || x == right)
                cells.push_back(y * side + x);
    return cells;
}

// Bresenham's line: each step one cell on, so the line has no gaps and no doubled corners.
std::vector<int> line(int side, int from, int to)
{
    int x = from % side, y = from / side;
    const int x1 = to % side, y1 = to / side;
    const int dx = std::abs(x1 - x), dy = -std::abs(y1 - y), sx = x < x1 ? 1 : -1, sy = y < y1 ? 1 : -1;
    std::vector<int> cells;
    for (int error = dx + dy;;) {
        cells.push_back(y * side + x);
        if (x == x1 && y == y1)
            return cells;
        const int twice = 2 * error;
        if (twice >= dy)
            error += dy, x += sx;
        if (twice <= dx)
            error += dx, y += sy;
    }
}

std::vector<int> fill(std::string_view text, int side, int start)
{
    const char kind = text[static_cast<std::size_t>(start)];
    std::vector<bool> seen(text.size());
    std::vector<int> cells, open{start};
    seen[static_cast<std::size_t>(start)] = true;
    while (!open.empty()) {
        const int at = open.back();
        open.pop_back();
        cells.push_back(at);
        const int x = at % side, y = at / side;
        const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const auto& [nx, ny] : next) {
            const int i = ny * side + nx;
            if (nx >= 0 && ny >= 0 && nx < side && ny < side && !seen[static_cast<std::size_t>(i)] &&
                text[static_cast<std::size_t>(i)] == kind) {
                seen[static_cast<std::size_t>(i)] = true;
                open.push_back(i);
            }
        }
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

} // namespace

std::vector<int> shapeCells(std::string_view text, Shape shape, int from, int to)
{
    const int side = levelSide(text), cells = side * side;
    if (side == 0 || to < 0 || to >= cells || (shape != Shape::Fill && (from < 0 || from >= cells)))
        return {};
    switch (shape) {
    case Shape::Rectangle: return rectangle(side, from, to, false);
    case Shape::FilledRectangle: return rectangle(side, from, to, true);
    case Shape::Line: return line(side, from, to);
    case Shape::Fill: return fill(text, side, to);
    }
    return {};
}

std::string drawShape(std::string_view text, Shape shape, int from, int to, char cell)
{
    std::string drawn(text);
    if (cell == kHead) {
        paintCell(drawn, to, cell);
        return drawn;
    }
    for (const int i : shapeCells(text, shape, from, to))
        drawn[static_cast<std::size_t>(i)] = cell;
    return drawn;
}

} // namespace zorvik::studio
