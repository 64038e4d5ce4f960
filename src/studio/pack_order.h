// SPDX-License-Identifier: GPL-3.0-or-later
// A level folder's order as the game reads it from the file names: renaming, renumbering and copying level
// files without ever losing or overwriting one, each level's solution file going with it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik::studio {

// One file of the folder to be renamed; names without folder, as stored.
struct Rename {
    std::string from, to;
    bool operator==(const Rename&) const = default;
};

struct RenamePlan {
    std::vector<Rename> renames;  // level files and, after each, its solution file
    std::string problem;          // why it cannot be done, German; empty when it can
};

// The number the game sorts a level by and the rest of its name: "05 Sackgasse.ZVK" is "05" and
// "Sackgasse"; "05a Sackgasse" (a copy's name) is "05a" and "Sackgasse"; "Garten.ZVK" has no number.
struct NumberedName {
    std::string number, rest, extension;
};
NumberedName splitNumber(std::string_view fileName);

// The name with `number` written in `width` digits in place of its number: "07 Sackgasse.ZVK".
std::string numberedName(int number, int width, std::string_view fileName);

// Digits a number takes in a folder of `count` levels: two as the pack has them, more past 99.
int numberWidth(std::size_t count);

// Renames that give the folder's levels the order `order` (all of them, file names), numbered from 1.
// Levels already named right stay. A problem when `order` is not the folder's levels or a new name is
// taken by a file that is not renamed itself.
RenamePlan planOrder(const std::filesystem::path& folder, const std::vector<std::string>& order);

// A level file given the name `name` (".ZVK" added when it has no level ending), its solution with it.
RenamePlan planRename(const std::filesystem::path& folder, const std::string& from, std::string name);

// Does the renames: every file to a temporary name first, then each to its new name, so that no rename
// meets a name another one is about to free. Nothing is ever overwritten. When a step fails, every step
// done is undone. Empty when done; otherwise a German sentence saying what failed and how the folder is left.
std::string carryOut(const std::filesystem::path& folder, const std::vector<Rename>& renames);

// The name for a copy of a level: free, with a free solution name, and coming right after the original in
// the game's order ("05a Sackgasse.ZVK", "05b …"; "Garten2.ZVK" without a number).
std::string copyName(const std::filesystem::path& folder, const std::string& original);

// Copies a level file and its solution under `copy` without overwriting; empty when done, else why not.
std::string copyLevel(const std::filesystem::path& folder, const std::string& original, const std::string& copy);

} // namespace zorvik::studio
