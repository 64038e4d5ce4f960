// SPDX-License-Identifier: GPL-3.0-or-later
// The level checker's rules: what would make the game fall back to its demo level or leave a level unfinishable.
#pragma once

#include <string>
#include <vector>

namespace zorvik::check {

enum class Severity { Warning, Error };

// zorvik-check speaks English to the terminal; the studio speaks German like the game.
enum class Language { English, German };

struct Finding {
    Severity severity;
    std::string text;        // plain words, UTF-8, positions as "row R, column C" ("Zeile R, Spalte C")
    std::vector<int> cells{};  // where it is, as indices into the level text (all of them, not only those named)
};

// What is wrong with a level text (Windows-1252 bytes, the first line of a level file).
std::vector<Finding> checkLevelText(const std::string& text, Language language = Language::English);

bool hasErrors(const std::vector<Finding>& findings);

// "row 3, column 5 (character 19)": inner cells counted from 1, and where the cell sits in the line.
std::string cellPosition(int index, int side, Language language = Language::English);

} // namespace zorvik::check
