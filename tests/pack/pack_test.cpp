// The level pack: its files, the checker's verdict on them, and every recorded solution played in the real game.
#include "level_check.h"
#include "levels/level_file.h"
#include "model/null_window.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

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

std::string bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Pack, ThirtyCheckedLevelsFromFiveToTwentyFiveCellsInTheOrderOfTheirNumbers)
{
    const auto files = packLevels();
    ASSERT_GE(files.size(), 30u);
    std::vector<int> sides;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string name = files[i].filename().string();
        EXPECT_EQ(std::stoi(name.substr(0, 2)), static_cast<int>(i + 1)) << name;
        // One line of Windows-1252 bytes ended by CR LF, as the game writes its own.
        const std::string text = readLevelText(files[i]);
        EXPECT_EQ(text + "\r\n", bytesOf(files[i])) << name;
        for (const auto& finding : check::checkLevelText(text))
            ADD_FAILURE() << name << ": " << finding.text;
        sides.push_back(static_cast<int>(std::lround(std::sqrt(static_cast<double>(text.size())))));
    }
    EXPECT_EQ(*std::min_element(sides.begin(), sides.end()), 5);
    EXPECT_GE(*std::max_element(sides.begin(), sides.end()), 25);
}

class PackSolution : public ::testing::TestWithParam<fs::path> {};

TEST_P(PackSolution, FinishesTheLevelWithoutADeathAndStartsTheNext)
{
    const auto files = packLevels();
    const auto at = static_cast<int>(std::find(files.begin(), files.end(), GetParam()) - files.begin());
    NullWindow window;
    CountingGame game(window, "/nonexistent-zorvik-test-folder");
    applyStartDefaults(game);
    for (const auto& file : files)
        game.levelTexts.push_back(readLevelText(file));
    game.LevelNr = at;
    game.LevelLaden();

    auto solution = GetParam();
    std::string moves = bytesOf(solution.replace_extension(".solution"));
    moves.erase(moves.find_last_not_of("\r\n") + 1);
    ASSERT_FALSE(moves.empty()) << "no solution file";
    for (std::size_t played = 0; played < moves.size(); ++played) {
        ASSERT_EQ(game.LevelNr, at) << "finished after " << played << " of " << moves.size() << " moves";
        const char move = moves[played];
        game.Form_KeyDown(move == 'L' ? kKeyLeft : move == 'R' ? kKeyRight : move == 'U' ? kKeyUp : kKeyDown, 0);
        ASSERT_EQ(game.calls["Tot"], 0) << "the worm died at move " << played + 1;
    }
    const auto next = (at + 1) % static_cast<int>(files.size());
    EXPECT_EQ(game.LevelNr, next);
    EXPECT_EQ(game.LevelText, game.levelTexts[static_cast<std::size_t>(next)]);
}

INSTANTIATE_TEST_SUITE_P(Levels, PackSolution, ::testing::ValuesIn(packLevels()),
                         [](const auto& info) {
                             std::string name;
                             for (char c : info.param.stem().string())
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                             return name;
                         });

} // namespace
} // namespace zorvik::testing
