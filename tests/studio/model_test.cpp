// SPDX-License-Identifier: GPL-3.0-or-later
// The studio's own model without a window: painting and resizing a level, its files, and a solution played back.
#include "levels/file_access.h"
#include "model/null_window.h"
#include "studio/finding_words.h"
#include "studio/level_edits.h"
#include "studio/level_formats.h"
#include "studio/level_play.h"
#include "studio/recovery.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <set>

#include <sys/prctl.h>
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

TEST(StudioRecovery, CopiesLiveInTheStateFolderHoldTheLevelAndItsFileAndAreOfferedOnlyWhenTheirStudioIsGone)
{
    EXPECT_EQ(studio::recoveryFolder("/s", "/h"), "/s/zorvik");
    // A relative XDG_STATE_HOME is invalid and ignored; without an absolute home there is no folder at all.
    EXPECT_EQ(studio::recoveryFolder("rel", "/h"), "/h/.local/state/zorvik");
    EXPECT_EQ(studio::recoveryFolder("", "rel"), std::nullopt);

    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("zorvik-recovery-" + std::to_string(::getpid())) / "zorvik";
    const auto own = studio::recoveryFile(folder, ::getpid()), other = studio::recoveryFile(folder, ::getppid());
    // A file name may hold a line break of its own.
    studio::writeRecovery(own, {kDemoLevel, "/levels/a\r\nb.ZVK"});
    EXPECT_EQ(std::filesystem::status(folder).permissions(), std::filesystem::perms::owner_all);
    const auto copy = studio::readRecovery(own);
    ASSERT_TRUE(copy);
    EXPECT_EQ(std::tuple(copy->levelText, copy->document), std::tuple(kDemoLevel, std::filesystem::path("/levels/a\r\nb.ZVK")));
    studio::writeRecovery(other, {"\xF6.", ""});  // no square board: not a copy the studio can read
    EXPECT_EQ(studio::readRecovery(other), std::nullopt);
    saveFile(folder / "studio-recovery-x.ZVK", "\xF6.\r\n\r\n");

    // This process has only just started, so its own number's copy is one left behind; the parent process is
    // no studio. While it is named as one, its copy is its own.
    using Files = std::vector<std::filesystem::path>;
    const Files left = studio::leftRecoveries(folder, ::getpid());
    EXPECT_EQ(std::set(left.begin(), left.end()), std::set({own, other}));
    char name[17] = {};
    ::prctl(PR_GET_NAME, name);
    ::prctl(PR_SET_NAME, "zorvik-studio");
    const Files running = studio::leftRecoveries(folder, ::getppid());
    ::prctl(PR_SET_NAME, name);
    EXPECT_EQ(running, Files{other});
    std::filesystem::remove_all(folder.parent_path());
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

TEST(StudioFindings, SayCellsAsThePaletteNamesThemAndPlacesAsRowAndColumn)
{
    auto said = [](const std::string& text) {
        std::vector<std::string> out;
        for (const auto& finding : check::checkLevelText(text))
            out.push_back(studio::designerText(finding, studio::levelSide(text)));
        return out;
    };
    using Said = std::vector<std::string>;
    EXPECT_EQ(said(level({"oöo o", "  o  ", ".....", ".....", "....."})),
              Said{"3 Körperfelder liegen nicht in der Reihe rechts neben dem Kopf (Zeile 1, Spalte 2): der Körper muss dem Kopf "
                   "ohne Lücke in seiner Zeile folgen. Sie liegen bei Zeile 1, Spalte 1; Zeile 1, Spalte 5; Zeile 2, Spalte 3"});
    EXPECT_EQ(said(level({"###.", "öoo.", "###.", "...."})),
              Said{"Der Wurm steckt am Start fest: der Kopf (Zeile 2, Spalte 1) hat Mauern an drei Seiten und seinen Körper an der "
                   "vierten"});
    EXPECT_EQ(said(level({"oo.", "...", "..X"})),
              (Said{"Kein Kopf: der Wurm braucht einen Kopf, wo er beginnt",
                    "1 Feld aus der Datei kennt das Spiel nicht, es zählt als leer: Zeile 3, Spalte 3"}));
    std::string walls(182 * 182, '#');
    walls.replace(0, 2, "\xF6.");
    EXPECT_EQ(said(walls), Said{"Zu groß: 182 × 182 Felder, aber das Spiel nimmt höchstens 181 × 181"});
    // zorvik-check's file characters and character numbers never reach the designer.
    for (const std::string& text : {std::string(50, '.'), level({"ö..", "...", "..ö"}), level({"öo#.", "..#.", "###.", ".X.#"})})
        for (const std::string& sentence : said(text))
            EXPECT_TRUE(sentence.find("Zeichen") == std::string::npos && sentence.find("„") == std::string::npos &&
                        sentence.find("\"") == std::string::npos && sentence.find("Zeile") != std::string::npos ||
                        sentence.starts_with("Kein Quadrat: 50 Felder"))
                << sentence;
}

} // namespace
} // namespace zorvik::testing
