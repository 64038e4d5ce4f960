// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the starting worm and laying it anew.
#include "studio/worm_layout.h"

#include "model/cell_codes.h"
#include "studio/level_edits.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace zorvik::studio {

std::optional<std::vector<int>> startableWorm(std::string_view text)
{
    const int side = levelSide(text);
    if (side == 0 || std::count(text.begin(), text.end(), kHead) != 1)
        return std::nullopt;
    const int head = static_cast<int>(text.find(kHead));
    std::vector<int> worm{head};
    for (int x = head % side + 1; x < side; ++x) {
        const char c = text[static_cast<std::size_t>(head + x - head % side)];
        if (c != kSegment && c != kSegmentAlt)
            break;
        worm.push_back(head + x - head % side);
    }
    const auto body = std::count_if(text.begin(), text.end(), [](char c) { return c == kSegment || c == kSegmentAlt; });
    if (static_cast<std::size_t>(body) != worm.size() - 1)
        return std::nullopt;
    return worm;
}

std::optional<std::string> layWorm(std::string_view text, std::string_view cells, const std::vector<int>& wanted)
{
    const int side = levelSide(text), length = static_cast<int>(cells.size());
    if (side == 0 || length == 0 || length > side || wanted.size() != cells.size())
        return std::nullopt;
    auto moves = [&](int i) {
        const char c = text[static_cast<std::size_t>(i)];
        return c == kDot || c == kHalving || c == kCutting;
    };
    auto distance = [&](int a, int b) { return std::abs(a % side - b % side) + std::abs(a / side - b / side); };
    std::optional<std::tuple<int, int, int, int>> best;  // summed distance, cells moved, the head's distance, the head
    for (int y = 0; y < side; ++y) {
        // `run` counts the cells without a wall ending at x, so a head fits at x - length + 1 once it reaches length.
        for (int x = 0, run = 0; x < side; ++x) {
            run = text[static_cast<std::size_t>(y * side + x)] != kWall ? run + 1 : 0;
            if (run < length)
                continue;
            const int head = y * side + x - length + 1;
            int sum = 0, moved = 0;
            for (int i = 0; i < length; ++i) {
                sum += distance(head + i, wanted[static_cast<std::size_t>(i)]);
                moved += moves(head + i);
            }
            const auto candidate = std::tuple(sum, moved, distance(head, wanted[0]), head);
            if (!best || candidate < *best)
                best = candidate;
        }
    }
    if (!best)
        return std::nullopt;
    const int head = std::get<3>(*best);
    std::vector<int> left = wanted;  // the wanted cells the row does not take, in reading order
    std::erase_if(left, [&](int i) { return i / side == head / side && i % side >= head % side && i % side < head % side + length; });
    std::sort(left.begin(), left.end());
    std::string laid(text);
    for (int i = 0, next = 0; i < length; ++i) {
        if (moves(head + i))
            laid[static_cast<std::size_t>(left[static_cast<std::size_t>(next++)])] = text[static_cast<std::size_t>(head + i)];
        laid[static_cast<std::size_t>(head + i)] = cells[static_cast<std::size_t>(i)];
    }
    return laid;
}

} // namespace zorvik::studio
