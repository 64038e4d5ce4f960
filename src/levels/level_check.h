// SPDX-License-Identifier: GPL-3.0-or-later
// The level checker's rules: what would make the game fall back to its demo level or leave a level unfinishable.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zorvik::check {

// The segment tables end at index 1225, so the worm's full length may not pass it.
inline constexpr int kMostWormAndDotCells = 1225;
// The widest board the game's level start takes.
inline constexpr int kWidestSide = 181;

enum class Severity { Warning, Error };

// What a finding is about; with its cells and numbers it is enough to say it in any words.
enum class Kind {
    Empty,
    NotSquare,           // `count`: the length of the line
    TooManyWormAndDots,  // `count`: the worm and dot cells
    TooWide,             // `count`: cells a side
    NoHead,
    SeveralHeads,        // `cells`: the heads
    BodyNotInRow,        // `head`, and `cells`: the segments out of the row
    StuckAtStart,        // `head`
    NoDots,
    WalledIn,            // `cells`: the dots
    UnknownCharacters,   // `cells`: characters that are no cell code
    GameRefuses,         // `detail`: the game's own reason
};

struct Finding {
    Severity severity;
    Kind kind;
    std::string text;          // zorvik-check's words: English, UTF-8, positions as "row R, column C (character I)"
    std::vector<int> cells{};  // where it is, as indices into the level text (all of them, not only those named)
    std::size_t count = 0;
    int head = -1;
    std::string detail{};
};

// What is wrong with a level text (Windows-1252 bytes, the first line of a level file).
std::vector<Finding> checkLevelText(const std::string& text);

bool hasErrors(const std::vector<Finding>& findings);

// "row 3, column 5 (character 19)": inner cells counted from 1, and where the cell sits in the line.
std::string cellPosition(int index, int side);

} // namespace zorvik::check
