// SPDX-License-Identifier: GPL-3.0-or-later
// The soak: a seeded random player over the game's levels and random boards, checked after every action.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace zorvik::reliability {

struct SoakOptions {
    std::uint64_t seed = 1;
    std::int64_t actions = 10000;
    // The game's own level folder: every level file in it is played as well (there may be none).
    std::filesystem::path levelFolder;
    // When above 0: before the mix, a game of this many actions starting at each level of that folder.
    std::int64_t actionsPerPackLevel = 0;
};

struct SoakReport {
    std::int64_t actions = 0;
    std::int64_t windows = 0;  // start-ups
    std::int64_t folders = 0;
    std::int64_t packLevels = 0;  // level files in the game's level folder
    std::int64_t packStarts = 0;  // folders of those levels, each starting at the next of them
    std::int64_t randomBoards = 0;
    std::int64_t levelsFinished = 0;
    std::int64_t deaths = 0;
    std::int64_t messages = 0;
    std::int64_t longestWorm = 0;  // the highest Laenge seen

    std::string summary() const;
};

// Throws BrokenInvariant with the seed, the action and the recent actions when a check fails.
SoakReport runSoak(const SoakOptions& options);

// A new empty folder for a run, on a memory file system when there is one; removed by the caller.
std::filesystem::path makeWorkFolder(const std::string& prefix);

} // namespace zorvik::reliability
