// SPDX-License-Identifier: GPL-3.0-or-later
// Painting cells and resizing the board.
#include "studio/level_edits.h"

#include "model/cell_codes.h"

#include <algorithm>
#include <cmath>

namespace zorvik::studio {

int levelSide(std::string_view text)
{
    const auto side = static_cast<std::size_t>(std::lround(std::sqrt(static_cast<double>(text.size()))));
    return side * side == text.size() ? static_cast<int>(side) : 0;
}

std::string newLevel(int side)
{
    side = std::clamp(side, 1, kLargestSide);
    std::string text(static_cast<std::size_t>(side * side), kBlank);
    text[static_cast<std::size_t>((side / 2) * side + side / 2)] = kHead;
    return text;
}

bool paintCell(std::string& text, int index, char cell)
{
    if (index < 0 || static_cast<std::size_t>(index) >= text.size() || text[static_cast<std::size_t>(index)] == cell)
        return false;
    if (cell == kHead)
        std::replace(text.begin(), text.end(), kHead, kBlank);
    text[static_cast<std::size_t>(index)] = cell;
    return true;
}

std::string resizeLevel(std::string_view text, int side)
{
    const int old = levelSide(text);
    side = std::clamp(side, 1, kLargestSide);
    std::string out(static_cast<std::size_t>(side * side), kBlank);
    // Where the old board's first row and column land; negative when the board shrinks. Division rounds
    // towards zero, so the odd row or column comes or goes at the right and bottom either way.
    const int shift = (side - old) / 2;
    for (int y = 0; y < old; ++y)
        for (int x = 0; x < old; ++x) {
            const int nx = x + shift, ny = y + shift;
            if (nx >= 0 && ny >= 0 && nx < side && ny < side)
                out[static_cast<std::size_t>(ny * side + nx)] = text[static_cast<std::size_t>(y * old + x)];
        }
    return out;
}

} // namespace zorvik::studio
