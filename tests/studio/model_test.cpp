// SPDX-License-Identifier: GPL-3.0-or-later
// The studio's own model without a window: painting, drawing shapes, regions and turns of a level, its files,
// a solution played back, a folder's levels renamed into a new order and the searches' results kept.
#include "levels/file_access.h"
#include "model/level_list.h"
#include "model/null_window.h"
#include "studio/finding_words.h"
#include "studio/level_edits.h"
#include "studio/level_formats.h"
#include "studio/level_play.h"
#include "studio/level_regions.h"
#include "studio/level_shapes.h"
#include "studio/pack_order.h"
#include "studio/recovery.h"
#include "studio/solution_cache.h"
#include "studio/test_play.h"
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

// A cell of a 5 × 5 board by column and row.
constexpr int at5(int x, int y) { return y * 5 + x; }

TEST(StudioEdits, ShapesCoverTheirCellsAndAHeadBrushPaintsOneCell)
{
    const std::string blank = level({"     ", "     ", "     ", "     ", "     "});
    const std::string pocket = level({"  #  ", "  #  ", "###  ", "     ", "    ö"});
    struct Case {
        studio::Shape shape;
        int from, to;
        const char* cell;
        std::string before, after;
    };
    const Case cases[] = {
        {studio::Shape::Rectangle, at5(1, 1), at5(3, 3), "#", blank, level({"     ", " ### ", " # # ", " ### ", "     "})},
        // Corners given backwards, and a one-cell rectangle.
        {studio::Shape::FilledRectangle, at5(3, 2), at5(0, 0), ".", blank, level({".... ", ".... ", ".... ", "     ", "     "})},
        {studio::Shape::Rectangle, at5(4, 4), at5(4, 4), "x", blank, level({"     ", "     ", "     ", "     ", "    x"})},
        {studio::Shape::Line, at5(0, 0), at5(4, 2), "x", blank, level({"x    ", " xx  ", "   xx", "     ", "     "})},
        {studio::Shape::Line, at5(4, 4), at5(4, 1), "#", blank, level({"     ", "    #", "    #", "    #", "    #"})},
        // A fill stops at other cells and does not leak through corners; `from` plays no part.
        {studio::Shape::Fill, -1, at5(1, 0), ".", pocket, level({"..#  ", "..#  ", "###  ", "     ", "    ö"})},
        {studio::Shape::Fill, at5(0, 0), at5(4, 0), ",", pocket, level({"  #,,", "  #,,", "###,,", ",,,,,", ",,,,ö"})},
        // One head: a shape in the head's brush paints only the cell where the drag ends.
        {studio::Shape::FilledRectangle, at5(0, 0), at5(2, 2), "ö", pocket, level({"  #  ", "  #  ", "##ö  ", "     ", "     "})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toUtf8(studio::drawShape(c.before, c.shape, c.from, c.to, toGameText(c.cell)[0])), toUtf8(c.after))
            << int(c.shape) << " " << c.from << " " << c.to;
    EXPECT_TRUE(studio::shapeCells(blank, studio::Shape::Line, -1, 3).empty());
}

TEST(StudioEdits, RegionsAreCopiedPastedAndMovedOnTheBoard)
{
    const std::string text = level({"ab..", "cd..", "....", "...ö"});
    const studio::Region ab = studio::regionBetween(4, 5, 0);
    EXPECT_EQ(ab, (studio::Region{0, 0, 2, 2}));
    const studio::Clip clip = studio::copyRegion(text, ab);
    EXPECT_EQ(std::tuple(clip.width, clip.height, clip.cells), std::tuple(2, 2, std::string("abcd")));
    EXPECT_EQ(studio::clearRegion(text, {3, 2, 9, 9}), level({"ab..", "cd..", "... ", "... "}));

    // A move that would leave the board stops at its edge, and the region goes with it.
    studio::Region moved;
    EXPECT_EQ(studio::moveRegion(text, ab, 5, -3, &moved), level({"  ab", "  cd", "....", "...ö"}));
    EXPECT_EQ(moved, (studio::Region{2, 0, 2, 2}));
    // A pasted head replaces the old one; what lies past the board is left out.
    EXPECT_EQ(studio::pasteClip(text, studio::clipFromRows("\xC3\xB6,"), 3, 0), level({"ab.ö", "cd..", "....", "... "}));
    EXPECT_EQ(studio::pasteClip(text, clip, -1, 2), level({"ab..", "cd..", "b...", "d..ö"}));

    // Clipboard rows: UTF-8 out, and in with short rows filled and blank last rows dropped.
    const studio::Clip read = studio::clipFromRows("\xC3\xB6\r\n..o\n\n");
    EXPECT_EQ(std::tuple(read.width, read.height, toUtf8(read.cells)), std::tuple(3, 2, std::string("ö  ..o")));
    EXPECT_EQ(studio::rowsFromClip(read), "\xC3\xB6  \n..o\n");
    EXPECT_TRUE(studio::clipFromRows("\n\n").empty());
}

TEST(StudioEdits, TurnsKeepTheWormAStartableRowOrChangeNothing)
{
    const studio::Region board5{0, 0, 5, 5};
    struct Case {
        studio::Region region;
        studio::Turn turn;
        std::string before, after;  // `after` empty: refused, the level unchanged
        bool relaid = false;
    };
    const std::string worm = level({"     ", " öoo ", "     ", "#    ", "     "});
    const std::string abc = level({" abc ", "     ", "     ", "  öo ", "     "});
    const Case cases[] = {
        // Mirrored, the worm keeps its cells with the head at the left again.
        {board5, studio::Turn::MirrorLeftRight, worm, level({"     ", " öoo ", "     ", "    #", "     "}), true},
        {board5, studio::Turn::MirrorTopBottom, worm, level({"     ", "#    ", "     ", " öoo ", "     "})},
        // Rotated, it lies as the nearest row to where its cells went: across its middle.
        {board5, studio::Turn::RotateClockwise, worm, level({" #   ", "     ", "  öoo", "     ", "     "}), true},
        // A selection that turns keeps its top-left corner; a worm outside it stays as it is.
        {{1, 0, 3, 1}, studio::Turn::RotateClockwise, abc, level({" a   ", " b   ", " c   ", "  öo ", "     "})},
        {{1, 0, 3, 1}, studio::Turn::RotateCounterClockwise, abc, level({" c   ", " b   ", " a   ", "  öo ", "     "})},
        {{2, 4, 3, 1}, studio::Turn::RotateClockwise, abc, ""},  // it would reach past the board
        // The worm cut in two by the selection, or under the turned selection.
        {{0, 0, 3, 5}, studio::Turn::MirrorLeftRight, worm, ""},
        {{0, 0, 1, 2}, studio::Turn::RotateClockwise, level({"aöo ", "b   ", "    ", "    "}), ""},
        // Cells under the worm's new row swap places with it, in reading order; walls never do, so at the
        // end no row is left. Of two rows as near, the one that moves nothing, then the one that keeps the head.
        {{0, 0, 3, 3}, studio::Turn::RotateCounterClockwise, level({"öoo", "#.#", ".,."}), level({".#.", "öoo", ",#."}), true},
        {{0, 0, 3, 3}, studio::Turn::RotateClockwise, level({" öo", " . ", "   "}), level({"   ", " . ", " öo"}), true},
        {{0, 0, 3, 3}, studio::Turn::RotateCounterClockwise, level({" öo", "   ", "   "}), level({"   ", "öo ", "   "}), true},
        {{0, 0, 3, 3}, studio::Turn::RotateClockwise, level({"öoo", "###", "..."}), ""},
        // A worm the game could not start anyway turns as it is.
        {{0, 0, 3, 3}, studio::Turn::MirrorLeftRight, level({"öo ", "   ", "  o"}), level({" oö", "   ", "o  "})},
    };
    for (const auto& c : cases) {
        const studio::TurnResult turned = studio::turnRegion(c.before, c.region, c.turn);
        const bool refused = c.after.empty();
        EXPECT_EQ(toUtf8(turned.text), toUtf8(refused ? c.before : c.after)) << toUtf8(c.before) << " " << int(c.turn);
        EXPECT_EQ(std::tuple(turned.problem.empty(), turned.wormRelaid), std::tuple(!refused, c.relaid)) << turned.problem;
    }
    EXPECT_EQ(studio::turnRegion(abc, {1, 0, 3, 1}, studio::Turn::RotateClockwise).region, (studio::Region{1, 0, 1, 3}));
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
    // A level pasted from a chat: one line or rows, blank lines around it; blank cells that begin it stay.
    const std::pair<std::string, std::string> pasted[] = {
        {"\r\n  \n" + toUtf8(kDemoLevel) + "\r\n\n", kDemoLevel},
        {" \xC3\xB6. \n", level({" ö", ". "})},
        {"\n\xC3\xB6o\r\n.\n", level({"öo", ". "})},
    };
    for (const auto& [text, expected] : pasted)
        EXPECT_EQ(studio::levelFromPastedText(text), expected) << text;
    for (const char* notALevel : {"", " \n ", "Hallo Welt", "\xC3\xB6\t..", "....", "Schau mal: \xC3\xB6oo"})
        EXPECT_THROW(studio::levelFromPastedText(notALevel), FileError) << notALevel;
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

TEST(StudioTestPlay, CountsTheMovesTheGameMakesAndUndoesThemByItsOwnRules)
{
    const std::string dots = level({"#..", "ö  ", "   "}), worm = level({"öoo.", "    ", "    ", "    "});
    struct Case {
        const std::string& text;
        const char* keys;
        std::size_t moves;
        bool died, finished;
        const char* played;
    };
    const Case cases[] = {
        {dots, "UL", 0, false, false, ""},  // a wall and the border refuse the key: no move
        {dots, "ULRUR", 3, false, true, "RUR"},
        {dots, "RURDL", 3, false, true, "RUR"},  // the finished board stays
        // A death puts the head back where it was, and the count begins again.
        {worm, "R", 0, true, false, "R"},
        {worm, "DUD", 1, false, false, "DUD"},
    };
    NullWindow window;
    for (const Case& c : cases) {
        studio::TestPlay play(window, c.text, 0);
        play.restart();
        for (const char* key = c.keys; *key != 0; ++key)
            play.press(*key);
        EXPECT_EQ(std::tuple(play.moves(), play.died(), play.finished(), play.played()),
                  std::tuple(c.moves, c.died, c.finished, std::string(c.played)))
            << c.keys;
    }

    // Undo takes back a death and a growth exactly: the board as the moves before it left it.
    auto board = [](const Game& game) { return std::tuple(game.Spielfeld, segments(game), int(game.RestPunkte)); };
    for (const auto& [text, keys] : {std::pair(worm, "DDU"), std::pair(dots, "RUR")}) {
        studio::TestPlay play(window, text, 0);
        play.restart();
        for (const char* key = keys; *key != 0; ++key)
            play.press(*key);
        ASSERT_TRUE(play.undo());
        TestGame played;
        played.start(text);
        played.play(std::string_view(keys, 2));
        EXPECT_EQ(board(play.game()), board(played.game)) << keys;
        EXPECT_EQ(std::tuple(play.moves(), play.died(), play.finished()), std::tuple(std::size_t(2), false, false)) << keys;
    }
    studio::TestPlay fresh(window, dots, 0);
    fresh.restart();
    EXPECT_FALSE(fresh.undo());

    EXPECT_EQ(studio::finishedText(41, 35), "Geschafft in 41 Zügen (kürzeste bekannte Lösung: 35)");
    EXPECT_EQ(studio::finishedText(1, 0), "Geschafft in 1 Zug");
    EXPECT_EQ(studio::finishedText(30, 35), "Geschafft in 30 Zügen (kürzer als die bekannte Lösung mit 35 Zügen)");
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

// A level folder of files that each hold their own first name, so that a test sees which file went where.
struct PackFolder : ::testing::Test {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("zorvik-pack-" + std::to_string(::getpid()));
    PackFolder() { std::filesystem::create_directories(folder); }
    ~PackFolder() override
    {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(folder);
    }
    void make(std::initializer_list<std::string> names)
    {
        for (const std::string& name : names)
            saveFile(folder / name, name);
    }
    // "now <- was" for every file, in name order.
    std::vector<std::string> files() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.insert(entry.path().filename().string() + " <- " + readFileStart(entry.path(), 200));
        return {names.begin(), names.end()};
    }
    std::string order(const std::vector<std::string>& names) { return studio::carryOut(folder, studio::planOrder(folder, names).renames); }
};

TEST_F(PackFolder, AReorderNumbersTheLevelsAfreshAndTheirSolutionsGoWithThem)
{
    make({"01 A.ZVK", "01 A.solution", "02 B.ZVK", "03 C.zvk", "Garten.ZVK", "05a Sackgasse.ZVK", "7.ZVK", "notes.txt"});
    EXPECT_EQ(order({"7.ZVK", "03 C.zvk", "01 A.ZVK", "02 B.ZVK", "Garten.ZVK", "05a Sackgasse.ZVK"}), "");
    EXPECT_EQ(files(), (std::vector<std::string>{
                           "01.ZVK <- 7.ZVK",
                           "02 C.zvk <- 03 C.zvk",
                           "03 A.ZVK <- 01 A.ZVK",
                           "03 A.solution <- 01 A.solution",
                           "04 B.ZVK <- 02 B.ZVK",
                           "05 Garten.ZVK <- Garten.ZVK",
                           "06 Sackgasse.ZVK <- 05a Sackgasse.ZVK",
                           "notes.txt <- notes.txt",
                       }));
    // Two levels that swap places pass through free names; the game's order is the new one.
    EXPECT_EQ(order({"01.ZVK", "03 A.ZVK", "02 C.zvk", "04 B.ZVK", "05 Garten.ZVK", "06 Sackgasse.ZVK"}), "");
    const LevelList list(folder);
    EXPECT_EQ(list.List(1) + " | " + list.List(2), "02 A.ZVK | 03 C.zvk");
    EXPECT_EQ(readFileStart(folder / "02 A.solution", 100), "01 A.solution");
    EXPECT_EQ(studio::numberedName(7, studio::numberWidth(100), "42 Kamm.ZVK"), "007 Kamm.ZVK");
    EXPECT_EQ(studio::numberWidth(99), 2);
}

TEST_F(PackFolder, NothingIsOverwrittenAndAFailedRenameIsUndone)
{
    make({"01 A.ZVK", "01 A.solution", "02 B.ZVK", "02 A.solution"});
    const std::vector<std::string> before = files();
    // A's solution would land on a solution without a level.
    EXPECT_NE(studio::planOrder(folder, {"02 B.ZVK", "01 A.ZVK"}).problem, "");
    EXPECT_NE(studio::planOrder(folder, {"02 B.ZVK"}).problem, "");  // not the folder's levels
    EXPECT_NE(studio::planRename(folder, "01 A.ZVK", "02 B").problem, "");
    EXPECT_NE(studio::planRename(folder, "01 A.ZVK", "x/y").problem, "");
    EXPECT_EQ(files(), before);

    std::filesystem::remove(folder / "02 A.solution");
    const auto plan = studio::planOrder(folder, {"02 B.ZVK", "01 A.ZVK"});
    ASSERT_EQ(plan.problem, "");
    EXPECT_EQ(plan.renames, (std::vector<studio::Rename>{{"02 B.ZVK", "01 B.ZVK"}, {"01 A.ZVK", "02 A.ZVK"}, {"01 A.solution", "02 A.solution"}}));
    // A file taken away, or a new name taken, after the plan was made: every step done is undone.
    make({"02 A.ZVK"});
    std::string failure = studio::carryOut(folder, plan.renames);
    EXPECT_NE(failure.find("Alles ist wieder wie vorher"), std::string::npos) << failure;
    EXPECT_EQ(files(), (std::vector<std::string>{"01 A.ZVK <- 01 A.ZVK", "01 A.solution <- 01 A.solution", "02 A.ZVK <- 02 A.ZVK",
                                                 "02 B.ZVK <- 02 B.ZVK"}));
    std::filesystem::remove(folder / "02 A.ZVK");
    std::filesystem::remove(folder / "01 A.solution");
    failure = studio::carryOut(folder, plan.renames);
    EXPECT_NE(failure.find("„01 A.solution“"), std::string::npos) << failure;
    EXPECT_EQ(files(), (std::vector<std::string>{"01 A.ZVK <- 01 A.ZVK", "02 B.ZVK <- 02 B.ZVK"}));

    if (::geteuid() == 0)
        GTEST_SKIP() << "a read-only folder stops no one running as root";
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    failure = studio::carryOut(folder, studio::planRename(folder, "01 A.ZVK", "Erster").renames);
    EXPECT_NE(failure.find("Zugriff verweigert"), std::string::npos) << failure;
    EXPECT_EQ(files(), (std::vector<std::string>{"01 A.ZVK <- 01 A.ZVK", "02 B.ZVK <- 02 B.ZVK"}));
}

TEST_F(PackFolder, ARenameTakesTheSolutionAlongAndACopyComesRightAfterItsOriginal)
{
    make({"05 Sackgasse.ZVK", "05 Sackgasse.solution", "05a Sackgasse.ZVK", "05 Zoo.ZVK", "06 X.ZVK", "Garten.ZVK", "Garten2.solution"});
    EXPECT_EQ(studio::copyName(folder, "05 Sackgasse.ZVK"), "05 Sackgasse2.ZVK");  // "05b" would follow "05 Zoo"
    EXPECT_EQ(studio::copyName(folder, "06 X.ZVK"), "06a X.ZVK");
    EXPECT_EQ(studio::copyName(folder, "Garten.ZVK"), "Garten3.ZVK");  // a solution holds "Garten2"
    EXPECT_EQ(studio::copyLevel(folder, "05 Sackgasse.ZVK", "05 Sackgasse2.ZVK"), "");
    EXPECT_EQ(readFileStart(folder / "05 Sackgasse2.solution", 100), "05 Sackgasse.solution");
    EXPECT_NE(studio::copyLevel(folder, "05 Zoo.ZVK", "06 X.ZVK"), "");
    EXPECT_EQ(readFileStart(folder / "06 X.ZVK", 100), "06 X.ZVK");

    EXPECT_EQ(studio::carryOut(folder, studio::planRename(folder, "05 Sackgasse.ZVK", "Bach").renames), "");
    EXPECT_EQ(readFileStart(folder / "Bach.solution", 100), "05 Sackgasse.solution");
    EXPECT_FALSE(std::filesystem::exists(folder / "05 Sackgasse.ZVK"));
}

TEST(StudioSolutionCache, KeepsResultsByTheLevelTextAndIgnoresABrokenFile)
{
    using State = studio::KnownSolution::State;
    const std::filesystem::path file = std::filesystem::temp_directory_path() / ("zorvik-cache-" + std::to_string(::getpid())) / "a" / "solutions";
    studio::SolutionCache cache(file);
    cache.put(kDemoLevel, {State::Shortest, 35});
    cache.put("\xF6.", {State::None});
    cache.put("\xF6..", {State::Open});
    cache.save();
    const studio::SolutionCache again(file);
    EXPECT_EQ(again.find(kDemoLevel), studio::KnownSolution({State::Shortest, 35}));
    EXPECT_EQ(again.find("\xF6."), studio::KnownSolution({State::None}));
    EXPECT_EQ(again.find("\xF6.."), studio::KnownSolution({State::Open}));
    std::string edited = kDemoLevel;
    edited[0] = '#';
    EXPECT_EQ(again.find(edited), std::nullopt);

    // A broken line is left out; a file that is not ours, or is binary, reads as empty.
    const std::string good = readFileStart(file, 1000);
    const std::string firstLine = good.substr(0, good.find('\n') + 1);
    saveFile(file, firstLine + "x shortest\n" + good.substr(firstLine.size()) + "y found -3\nz none 4\n\xFF\x00");
    EXPECT_EQ(studio::SolutionCache(file).find(kDemoLevel), studio::KnownSolution({State::Shortest, 35}));
    for (const std::string broken : {std::string("\xFF\xFE garbage"), "zorvik-studio solutions 2\n" + good.substr(firstLine.size())})
    {
        saveFile(file, broken);
        EXPECT_EQ(studio::SolutionCache(file).find(kDemoLevel), std::nullopt);
    }
    std::filesystem::remove_all(file.parent_path().parent_path());

    // A saved solution beats a longer one found, and stands where the search found none.
    const std::tuple<std::optional<studio::KnownSolution>, std::optional<std::size_t>, std::optional<studio::KnownSolution>> merged[] = {
        {studio::KnownSolution{State::Shortest, 35}, 35, studio::KnownSolution{State::Shortest, 35}},
        {studio::KnownSolution{State::Found, 41}, 39, studio::KnownSolution{State::Found, 39}},
        {studio::KnownSolution{State::Found, 37}, 39, studio::KnownSolution{State::Found, 37}},
        {studio::KnownSolution{State::Open}, 50, studio::KnownSolution{State::Found, 50}},
        {std::nullopt, 50, studio::KnownSolution{State::Found, 50}},
        {studio::KnownSolution{State::Open}, std::nullopt, studio::KnownSolution{State::Open}},
    };
    for (const auto& [searched, saved, expected] : merged)
        EXPECT_EQ(studio::withSaved(searched, saved), expected);
}

} // namespace
} // namespace zorvik::testing
