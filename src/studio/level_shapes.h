// SPDX-License-Identifier: GPL-3.0-or-later
// Shapes a designer draws with one drag of a tool: rectangles, lines and filled areas of one cell.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvik::studio {

enum class Shape { Rectangle, FilledRectangle, Line, Fill };

// The cells (level-text indices) a shape covers on a board of `side` cells a side, dragged from cell
// `from` to cell `to`. A fill takes the cells of `to`'s kind that touch it side by side, and ignores `from`.
std::vector<int> shapeCells(std::string_view text, Shape shape, int from, int to);

// The level with the shape painted in `cell`. A worm has one head: a head brush paints `to` alone.
std::string drawShape(std::string_view text, Shape shape, int from, int to, char cell);

} // namespace zorvik::studio
