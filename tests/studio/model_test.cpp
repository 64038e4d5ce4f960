// SPDX-License-Identifier: GPL-3.0-or-later
// The studio's own model without a window: painting and resizing a level, its files, and a solution played back.
#include "levels/file_access.h"
#include "model/null_window.h"
#include "studio/level_edits.h"
#include "studio/level_formats.h"
#include "studio/level_play.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace zorvik::testing {
namespace {

TEST(StudioEdits, PaintingKeepsOneHeadAndResizingKeepsTheContentInTheMiddle)
{
    std::string text = level({"ö..", "...", "..."});
    EXPECT_TRUE(studio::paintCell(text, 8, '\xF6'));
    EXPECT_FALSE(studio::paintCell(text, 8, '\xF6') || studio::paintCell(text, 9, '#') || studio::paintCell(text, -1, '#'));
    EXPECT_EQ(toUtf8(text), " .......ö");

    const std::string abcd = level({"abcd", "efgh", "ijkl", "mnop"});
    const std::pair<int, std::string> sizes[] = {
        {6, level({"      ", " abcd ", " efgh ", " ijkl ", " mnop ", "      "})},
        {5, level({"abcd ", "efgh ", "ijkl ", "mnop ", "     "})},  // the odd one at the right and bottom
        {3, level({"abc", "efg", "ijk"})},
        {2, level({"fg", "jk"})},
        {1, "f"},
    };
    for (const auto& [side, expected] : sizes)
        EXPECT_EQ(studio::resizeLevel(abcd, side), expected) << side;
    EXPECT_EQ(studio::resizeLevel(level({"abc", "def", "ghi"}), 1), "e");
}

TEST(StudioFiles, LevelFilesAsTheGameWritesThemGridsFromATextEditorAndTheSolutionBeside)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("zorvik-studio-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    auto bytes = [&](const char* name) { return readFileStart(folder / name, 1000); };

    studio::writeLevelOrGrid(folder / "a.txt", kDemoLevel);
    EXPECT_EQ(bytes("a.txt"), ".......\n.#####.\n.\xC3\xB6ooo\xC3\xA4.\n.#####.\n.......\n.#.#.#.\n-------\n");
    EXPECT_EQ(studio::readLevelOrGrid(folder / "a.txt"), kDemoLevel);

    // Grids as editors leave them: a byte-order mark, CR LF, trailing blanks and the last blank row dropped.
    const std::pair<std::string, std::string> grids[] = {
        {"\xEF\xBB\xBF\xC3\xB6o.\r\n#\r\n\r\n", level({"öo.", "#  ", "   "})},
        {"\xF6.\n..", level({"ö.", ".."})},  // Windows-1252
        {toUtf8(kDemoLevel) + "\n", kDemoLevel},  // a level line as it stands in a level file
    };
    for (const auto& [grid, expected] : grids)
        EXPECT_EQ(studio::levelFromGrid(grid), expected) << grid;
    EXPECT_THROW(studio::levelFromGrid("\n\n"), FileError);
    saveFile(folder / "b.ZVK", std::string(50, '.') + "\r\n");
    EXPECT_THROW(studio::readLevelOrGrid(folder / "b.ZVK"), FileError);

    // Written by the studio's window; read back here, a line that is no solution as none.
    const auto solution = folder / "a.solution";
    saveFile(solution, "LURD\r\n");
    EXPECT_EQ(studio::readSolution(solution), "LURD");
    saveFile(solution, "LUX\r\n");
    EXPECT_EQ(studio::readSolution(solution), std::nullopt);
    std::filesystem::remove_all(folder);
}

TEST(StudioPlayback, AnyPositionIsTheStartWithThatManyMovesAndTheLastDotEndsIt)
{
    const std::string text = level({"...", "ö  ", "   "}), moves = "URR";
    NullWindow window;
    studio::Playback playback(window, text, 4, moves);
    // Table entries past the tail keep what earlier games left; they mean nothing.
    auto state = [](const Game& game) { return std::tuple(game.Spielfeld, segments(game), int(game.RestPunkte)); };
    for (const std::size_t position : {2, 1, 0}) {
        playback.seek(position);
        TestGame played;
        played.start(text);
        played.play(moves.substr(0, position));
        EXPECT_EQ(state(playback.game()), state(played.game)) << position;
    }
    playback.seek(99);
    EXPECT_EQ(std::tuple(playback.atEnd(), playback.game().LevelNr), std::tuple(true, 4));
    EXPECT_TRUE(studio::finishes(text, moves));
    EXPECT_FALSE(studio::finishes(text, "UR") || studio::finishes(text, "RUU"));
}

} // namespace
} // namespace zorvik::testing
