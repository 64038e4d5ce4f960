// SPDX-License-Identifier: GPL-3.0-or-later
// The sample boards: a small fixed-seed generator, so every run and every machine sees the same levels.
#include "bench/sample_boards.h"

#include <stdexcept>

namespace zorvik::samples {
namespace {

constexpr char kHead = '\xF6';  // ö
constexpr char kTail = '\xE4';  // ä

class Draw {
public:
    explicit Draw(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    // A whole number from 0 to 99.
    int percent()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 8) % 100);
    }

private:
    std::uint32_t state_;
};

// Shares in percent for wall, dot, halving and cutting cells; the rest is free.
std::string board(int side, int wormLength, std::uint32_t seed, int walls, int dots, int halving, int cutting)
{
    const int cells = side * side;
    if (wormLength < 0 || wormLength > longestWorm(side))
        throw std::invalid_argument("the worm does not fit on the board");
    Draw draw(seed);
    std::string text;
    for (int i = 0; i < cells; ++i) {
        const int p = draw.percent();
        char c = p % 2 ? ' ' : '-';
        if (p < walls)
            c = '#';
        else if (p < walls + dots)
            c = '.';
        else if (p < walls + dots + halving)
            c = ',';
        else if (p < walls + dots + halving + cutting)
            c = 'x';
        text += c;
    }
    text[0] = ' ';
    text[1] = kHead;
    for (int i = 0; i < wormLength; ++i)
        text[static_cast<std::size_t>(2 + i)] = i + 1 == wormLength ? kTail : 'o';
    text.replace(static_cast<std::size_t>(cells - 4), 4, "#.,x");
    return text;
}

} // namespace

std::string demoLevel() { return "........#####..\xF6ooo\xE4..#####.........#.#.#.-------"; }

int longestWorm(int side) { return side * side - 6; }

std::string plainLevel(int side, int wormLength, std::uint32_t seed)
{
    return board(side, wormLength, seed, 15, 20, 3, 3);
}

std::string denseLevel(int side, int wormLength, std::uint32_t seed)
{
    return board(side, wormLength, seed, 35, 35, 10, 10);
}

std::string randomLevel(int side, std::uint32_t seed)
{
    static const char kinds[] = {'#', '.', ',', 'x', ' ', '-', 'o', kTail, kHead, '?'};
    Draw draw(seed);
    std::string text;
    for (int i = 0; i < side * side; ++i)
        text += kinds[draw.percent() % sizeof kinds];
    return text;
}

} // namespace zorvik::samples
