// SPDX-License-Identifier: GPL-3.0-or-later
// One move of the worm and the arrow keys: walls, eating, shortening, death and the next level.
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zorvik::testing {
namespace {

using Rows = std::vector<std::string>;

TEST(Move, BoardAndArrowKeysGiveTheWormAndTheBoard)
{
    auto board7 = [](const std::string& first) { return toGameText(first) + std::string(42, ' '); };
    const std::string ring = level({"     ", " öooä", "     ", "     ", "     "});
    // The level, the keys, then the worm head first and the board's first rows.
    const std::tuple<std::string, const char*, const char*, Rows> cases[] = {
        // The demo level's first Left eats character 15 and grows at the tail.
        {kDemoLevel, "L", "1,3 2,3 3,3 4,3 5,3 6,3", {".......", ".#####.", " öoooä."}},
        // Turning back: a worm of two swaps ends, a worm of three dies and starts again.
        {level({"öo ", "   ", "   "}), "R", "2,1 1,1", {"öo "}},
        {level({"öoo", "   ", "   "}), "R", "1,1 2,1 3,1", {"öoo"}},
        // Halving keeps the front half: Laenge 1 to 5 gives 0, 1, 1, 2, 2.
        {board7(",öo    "), "L", "1,1", {" öo    "}},
        {board7(",öoo   "), "L", "1,1 2,1", {" öoo   "}},
        {board7(",öooo  "), "L", "1,1 2,1", {" öooo  "}},
        {board7(",öoooo "), "L", "1,1 2,1 3,1", {" öoooo "}},
        {board7(",öooooo"), "L", "1,1 2,1 3,1", {" öooooo"}},
        // Cutting leaves the head alone; the tail that grows next must not take the stale step past it.
        {level({".xöoo", "    .", "     ", "     ", "     "}), "LL", "1,1 2,1", {"  öoo", "    ."}},
        // A lone head only empties the cell.
        {level({",ö ", "   ", "   "}), "L", "1,1", {" ö "}},
        {level({"xö ", "   ", "   "}), "L", "1,1", {" ö "}},
        // The head may enter the cell its tail leaves; the start markers are free cells and stay.
        {ring, "URD", "3,2 3,1 2,1 2,2", {"     ", " öooä", "     "}},
        {ring, "URDL", "2,2 3,2 3,1 2,1", {"     ", " öooä", "     "}},
        {ring, "URDLDRRRU", "5,2 5,3 4,3 3,3", {"     ", " öooä", "     "}},
    };
    for (const auto& [text, keys, worm, board] : cases) {
        TestGame t;
        t.start(text);
        t.play(keys);
        EXPECT_EQ(segments(t.game), worm) << keys << " on " << toUtf8(text);
        const Rows all = rows(t.game);
        EXPECT_EQ(Rows(all.begin(), all.begin() + board.size()), board) << worm;
        EXPECT_EQ(t.game.RestPunkte, std::count(t.game.Spielfeld.begin(), t.game.Spielfeld.end(), '.')) << worm;
    }
}

TEST(Move, WallOrTargetOffTheBoardChangesOnlyTheHeadsStepAndDrawsNothing)
{
    TestGame t;
    t.start(kDemoLevel);
    // The head's step, the cell it ran into, the worm and the board.
    auto stepAndWorm = [&t] { return std::tuple(t.game.RichtungX[0], t.game.RichtungY[0], t.game.Zelle, segments(t.game), t.game.Spielfeld); };
    t.play("U");
    EXPECT_EQ(stepAndWorm(), std::tuple(0, -1, "#", "2,3 3,3 4,3 5,3 6,3", kDemoLevel));
    // Fault guarded: a head that a level without "ö" left off the board read outside Spielfeld.
    t.start(level({" o.", "   ", "   "}));
    t.start(t.game.LevelText);  // the head now stands where the last redraw stopped: (5, 5)
    t.play("LU");
    EXPECT_EQ(stepAndWorm(), std::tuple(0, -1, "#", "5,5 3,3 5,5 2,1", t.game.LevelText));
    t.game.WurmY[0] = 2;  // a border cell whose place would wrap into the next row is a wall too
    t.play("L");
    EXPECT_EQ(t.game.WurmX[0], 5);
    EXPECT_TRUE(t.window.calls.empty());
}

TEST(Move, LastDotLoadsTheNextLevelAndAfterLevel32767TheFirst)
{
    TestGame t;
    t.game.levelTexts = {level({".ö ", "   ", "   "}), level({"ö. ", "   ", "   "})};
    t.start(t.game.levelTexts[1]);
    // The pack test finishes every pack level into the next. Fault guarded: LevelNr + 1 past 32767 overflowed
    // instead of going on with the first level.
    t.game.LevelNr = 32767;
    t.play("R");
    EXPECT_EQ(std::tuple(t.game.LevelNr, t.game.Spielfeld), std::tuple(0, t.game.levelTexts[0]));
    EXPECT_NE(describe(t.window.calls).find("frame 1/1;"), std::string::npos);  // the finished board, held a moment
}

// Fault guarded: a dot eaten by a worm that fills the segment tables wrote past them.
TEST(Move, WormThatFillsTheTablesEatsWithoutGrowing)
{
    TestGame t;
    t.start(level({"..ö", "   ", "   "}));
    t.game.Laenge = kLastSegment;
    for (int i = 1; i <= kLastSegment; ++i)  // the body waits on the head's cell
        t.game.WurmX[i] = 3, t.game.WurmY[i] = 1, t.game.RichtungX[i] = 0;
    t.play("L");
    EXPECT_EQ(std::tuple(t.game.Laenge, t.game.RestPunkte, rows(t.game)[0]), std::tuple(kLastSegment, 1, ". ö"));
    EXPECT_EQ(t.window.count(Call::Box), 1);  // moved without growing: its old tail cell is blanked
}

TEST(Steering, ArrowsMoveOneCellWhateverTheShiftStateAndAreRefusedAtTheEdge)
{
    TestGame t;
    t.start(level({"  ", "ö "}));
    // Each arrow takes the head to a corner with a step that differs from the arrows refused there.
    const std::tuple<int, const char*, int, int> steps[] = {{kKeyUp, "1,1", kKeyLeft, kKeyUp}, {kKeyRight, "2,1", kKeyUp, kKeyRight},
                                                            {kKeyDown, "2,2", kKeyRight, kKeyDown}, {kKeyLeft, "1,2", kKeyDown, kKeyLeft}};
    int shift = 0;
    for (const auto& [key, head, refused, refusedToo] : steps) {
        t.game.Form_KeyDown(key, ++shift);
        EXPECT_EQ(segments(t.game), head) << key;
        const auto step = std::pair(t.game.RichtungX[0], t.game.RichtungY[0]);
        t.window.clear();
        for (int other : {refused, refusedToo, 0, 13, 32, 36, 41, 65, kKeyLeft + 256})
            for (int state = 0; state < 8; ++state)
                t.game.Form_KeyDown(other, state);
        EXPECT_TRUE(segments(t.game) == head && std::pair(t.game.RichtungX[0], t.game.RichtungY[0]) == step && t.window.calls.empty())
            << key;
    }
}

} // namespace
} // namespace zorvik::testing
