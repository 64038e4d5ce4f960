// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangular parts of a level: copied, cleared, pasted, moved, mirrored and rotated.
#pragma once

#include <string>
#include <string_view>

namespace zorvik::studio {

// A rectangle of cells, columns x to x + width - 1 and rows y to y + height - 1 from 0.
struct Region {
    int x = 0, y = 0, width = 0, height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(int column, int row) const { return column >= x && row >= y && column < x + width && row < y + height; }
    bool operator==(const Region&) const = default;
};

// The rectangle with cells `from` and `to` (level-text indices) at two of its corners.
Region regionBetween(int side, int from, int to);
// The region held to the board; empty when nothing of it is on it.
Region onBoard(Region region, int side);

// Cells cut out of a level, row by row.
struct Clip {
    int width = 0, height = 0;
    std::string cells;

    bool empty() const { return cells.empty(); }
};

Clip copyRegion(std::string_view text, Region region);
// The region's cells made empty.
std::string clearRegion(std::string_view text, Region region);
// The clip written with its top-left corner on (x, y), what lies past the board left out. A worm has one
// head: a pasted head replaces the old one.
std::string pasteClip(std::string_view text, const Clip& clip, int x, int y);
// The region moved by (dx, dy), held so that it stays on the board; the cells it leaves become empty.
// `moved` gets where it ends up.
std::string moveRegion(std::string_view text, Region region, int dx, int dy, Region* moved = nullptr);

// A clip as text rows for the clipboard, UTF-8, each ended by LF; and rows read back (UTF-8 or
// Windows-1252, short rows filled with empty cells). No rows give an empty clip.
std::string rowsFromClip(const Clip& clip);
Clip clipFromRows(std::string_view bytes);

enum class Turn { MirrorLeftRight, MirrorTopBottom, RotateClockwise, RotateCounterClockwise };

struct TurnResult {
    std::string text;   // the level turned, or as it was when `problem` says why not
    Region region;      // where the turned cells lie
    std::string problem;  // German, for the designer; empty when it worked
    bool wormRelaid = false;  // the worm had to be laid out anew to stay startable
};

// Mirrors or rotates a region (the whole board when it covers it). A rotated region keeps its top-left
// corner. A worm that could start before still can: when its turned cells are no longer a row to the
// right of the head, it is laid out as the nearest such row (see layWorm), or nothing changes and
// `problem` says why.
TurnResult turnRegion(std::string_view text, Region region, Turn turn);

} // namespace zorvik::studio
