// SPDX-License-Identifier: GPL-3.0-or-later
// The level pack: its files, and every recorded solution played in the real game (zorvik-check passes the
// pack in a test of its own).
#include "levels/file_access.h"
#include "levels/level_file.h"
#include "model/null_window.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace zorvik::testing {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> packLevels()
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(ZORVIK_LEVELS_DIR))
        if (entry.path().extension() == ".ZVK")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class PackSolution : public ::testing::TestWithParam<fs::path> {};

TEST_P(PackSolution, FinishesTheLevelWithoutADeathAndStartsTheNext)
{
    const auto files = packLevels();
    const std::size_t at = std::find(files.begin(), files.end(), GetParam()) - files.begin(), next = (at + 1) % files.size();
    NullWindow window;
    CountingGame game(window, "/nonexistent-zorvik-test-folder");
    game.setStartDefaults();
    for (const auto& file : files)
        game.levelTexts.push_back(readLevelText(file));
    // Played in the order of their numbers; each one line of Windows-1252, as the game writes its own.
    EXPECT_EQ(std::stoul(GetParam().filename().string().substr(0, 2)), at + 1);
    EXPECT_EQ(game.levelTexts[at] + "\r\n", readFileStart(GetParam(), 1 << 16));
    game.LevelNr = int(at);
    game.LevelLaden();

    std::string moves = readFileStart(fs::path(GetParam()).replace_extension(".solution"), 1 << 16);
    moves.erase(moves.find_last_not_of("\r\n") + 1);
    ASSERT_FALSE(moves.empty()) << "an empty solution file";  // a missing one fails the read
    for (std::size_t played = 0; played < moves.size(); play(game, moves.substr(played++, 1)))
        ASSERT_TRUE(game.LevelNr == int(at) && game.calls["Tot"] == 0) << "finished or died after " << played << " moves";
    EXPECT_EQ(std::tuple(game.LevelNr, game.LevelText, game.calls["Tot"]), std::tuple(int(next), game.levelTexts[next], 0));
}

// Numbered in the pack's order; a failure names its file.
INSTANTIATE_TEST_SUITE_P(Levels, PackSolution, ::testing::ValuesIn(packLevels()));

} // namespace
} // namespace zorvik::testing
