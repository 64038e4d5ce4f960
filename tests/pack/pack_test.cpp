// The level pack: every level passes the checker, and its recorded solution finishes it in the real game.
#include "level_check.h"
#include "levels/level_file.h"
#include "model/null_window.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zorvik::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kPack = ZORVIK_LEVELS_DIR;

std::vector<std::string> packLevels()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kPack))
        if (entry.path().extension() == ".ZVK")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string readBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string solutionOf(const std::string& levelName)
{
    std::string moves;
    for (char c : readBytes(kPack / (levelName.substr(0, levelName.size() - 4) + ".solution")))
        if (c != '\r' && c != '\n' && c != ' ')
            moves += c;
    return moves;
}

// Counts the messages; the game shows one only when it falls back to the demo level.
struct QuietWindow : NullWindow {
    int messages = 0;
    void MsgBox(const std::string&) override { ++messages; }
};

// A copy of the pack in a temporary folder: a level that fails to load must not leave a demo level in the sources.
struct PackCopy {
    fs::path path;
    PackCopy()
    {
        std::string pattern = (fs::temp_directory_path() / "zorvik-pack-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("no temporary folder");
        path = pattern;
        for (const auto& name : packLevels())
            fs::copy_file(kPack / name, path / name);
    }
    ~PackCopy() { fs::remove_all(path); }
};

TEST(Pack, ThirtyLevelsFromFiveToTwentyFiveCellsInTheirIntendedOrder)
{
    const auto names = packLevels();
    ASSERT_GE(names.size(), 30u);
    int smallest = 1000, largest = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        // "01 Name.ZVK": the number leads, so name order is the order of play.
        const std::string number = (i + 1 < 10 ? "0" : "") + std::to_string(i + 1) + " ";
        EXPECT_EQ(names[i].substr(0, 3), number) << names[i];
        const std::string bytes = readBytes(kPack / names[i]);
        ASSERT_GE(bytes.size(), 2u);
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << names[i];
        EXPECT_EQ(bytes.find_first_of("\r\n"), bytes.size() - 2) << names[i] << ": one line";
        const std::string text = readLevelText(kPack / names[i]);
        EXPECT_EQ(text + "\r\n", bytes) << names[i] << ": Windows-1252 as the game writes it";
        const int side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(text.size()))));
        smallest = std::min(smallest, side);
        largest = std::max(largest, side);
    }
    EXPECT_EQ(smallest, 5);
    EXPECT_GE(largest, 25);
}

TEST(Pack, EveryLevelPassesTheCheckerWithoutWarnings)
{
    for (const auto& name : packLevels())
        for (const auto& finding : check::checkLevelText(readLevelText(kPack / name)))
            ADD_FAILURE() << name << ": " << finding.text;
}

class PackSolution : public ::testing::TestWithParam<std::string> {};

TEST_P(PackSolution, FinishesTheLevelWithoutADeathAndStartsTheNext)
{
    const PackCopy pack;
    const auto names = packLevels();
    const auto at = std::find(names.begin(), names.end(), GetParam()) - names.begin();
    const auto next = static_cast<std::size_t>(at + 1) % names.size();

    QuietWindow window;
    CountingGame game(window, pack.path);
    applyStartDefaults(game);
    game.LevelNr = static_cast<int>(at);
    game.LevelLaden();
    ASSERT_EQ(window.ControlCaption(Control::LevelName), GetParam().substr(0, GetParam().size() - 4));

    const std::string moves = solutionOf(GetParam());
    ASSERT_FALSE(moves.empty()) << "no solution file";
    std::size_t played = 0;
    for (char move : moves) {
        ASSERT_EQ(game.LevelNr, at) << "finished early, after " << played << " of " << moves.size() << " moves";
        const int key = move == 'L' ? kKeyLeft : move == 'R' ? kKeyRight : move == 'U' ? kKeyUp : kKeyDown;
        ASSERT_NE(std::string("LRUD").find(move), std::string::npos) << "not a move: " << move;
        game.Form_KeyDown(key, 0);
        ++played;
        ASSERT_EQ(game.calls["Tot"], 0) << "the worm died at move " << played;
    }
    EXPECT_EQ(game.LevelNr, static_cast<int>(next));
    EXPECT_EQ(game.LevelText, readLevelText(kPack / names[next]));
    EXPECT_EQ(window.messages, 0);
}

std::string testName(const ::testing::TestParamInfo<std::string>& info)
{
    std::string name;
    for (char c : info.param.substr(0, info.param.size() - 4))
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(Levels, PackSolution, ::testing::ValuesIn(packLevels()), testName);

} // namespace
} // namespace zorvik::testing
