// One move of the worm: walls, eating, shortening, death and the next level, played as arrow keys.
#include "support/state_diff.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zorvik::testing {
namespace {

using Rows = std::vector<std::string>;
using Names = std::vector<std::string>;

TEST(Move, DemoLevelFirstLeftEatsTheDotAndGrowsAtTheTail)
{
    TestGame t;
    t.start(kDemoLevel);
    t.play("L");
    EXPECT_EQ(segments(t.game), "1,3 2,3 3,3 4,3 5,3 6,3");
    EXPECT_EQ(t.game.RestPunkte, 23);
    EXPECT_EQ(rows(t.game)[2], " öoooä.");  // character 15 eaten
}

TEST(Move, DemoLevelFirstRightDiesAndRestartsExactlyAsAFreshStart)
{
    TestGame fresh;
    fresh.game.LevelText = kDemoLevel;
    fresh.game.Beginn();
    TestGame t;
    t.start(kDemoLevel);
    t.play("R");
    EXPECT_EQ(t.game.calls["Tot"], 1);
    // Only what the move leaves behind differs: its step, and the segment that the level start
    // places on the cell the death animation left in ZelleX (Radius + 1) and ZelleY.
    EXPECT_EQ(differences(fresh.game, t.game), (Names{"WurmX(29)", "WurmY(29)", "Schritt"}));
    EXPECT_EQ(t.game.WurmX[29], 200);

    // The same drawing from the redraw's Cls on; before it, discs on that leftover cell.
    const auto& c = t.window.calls;
    auto deathEnd = std::find_if(c.rbegin(), c.rend(), [](const Call& x) { return x.kind == Call::Frame; }).base();
    const std::vector<Call> restart(deathEnd, c.end()), expected = fresh.window.calls;
    ASSERT_EQ(restart.size(), expected.size());
    EXPECT_TRUE(std::equal(restart.begin() + 12, restart.end(), expected.begin() + 12));
    EXPECT_EQ(restart[1].x1, 200 * 400 + 199);
}

TEST(Move, WallChangesOnlyTheHeadsStepAndDrawsNothing)
{
    TestGame t;
    t.start(kDemoLevel);
    const GameState before = t.game;
    t.play("U");
    EXPECT_EQ(differences(before, t.game), (Names{"RichtungX(0)", "RichtungY(0)"}));
    EXPECT_TRUE(t.window.calls.empty());
}

TEST(Move, HalvingKeepsTheFrontHalf)
{
    const int expected[] = {0, 1, 1, 2, 2};
    for (int length = 1; length <= 5; ++length) {
        TestGame t;
        t.start(level({",ö" + std::string(length, 'o') + std::string(5 - length, ' ')}) + std::string(42, ' '));
        t.play("L");
        EXPECT_EQ(t.game.Laenge, expected[length - 1]) << length;
        EXPECT_EQ(t.game.Spielfeld[0], ' ') << length;
    }
}

TEST(Move, CuttingLeavesTheHeadAndAFreshTailWaits)
{
    TestGame t;
    t.start(level({".xöoo", "    .", "     ", "     ", "     "}));
    t.play("L");
    EXPECT_EQ(segments(t.game), "2,1");
    EXPECT_EQ(rows(t.game)[0], ". öoo");
    const auto boxes = t.window.only(Call::Box);  // the vacated cell, then the cut segments' cells
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2].x1, 4 * 514);
    // The entry past the tail still holds a step; the segment that grows there must not take it.
    t.play("L");
    EXPECT_EQ(segments(t.game), "1,1 2,1");
}

TEST(Move, LoneHeadOnHalvingOrCuttingCellOnlyEmptiesIt)
{
    for (const char* cell : {",", "x"}) {
        TestGame t;
        t.start(level({std::string(cell) + "ö ", "   ", "   "}));
        t.play("L");
        EXPECT_EQ(segments(t.game), "1,1") << cell;
        EXPECT_EQ(rows(t.game)[0], " ö ") << cell;
        EXPECT_EQ(t.window.count(Call::Box), 0) << cell;
    }
}

TEST(Move, TurningBackKillsOnlyAWormOfThreeOrMore)
{
    TestGame two, three;
    two.start(level({"öo ", "   ", "   "}));
    three.start(level({"öoo", "   ", "   "}));
    two.play("R");
    three.play("R");
    EXPECT_EQ(segments(two.game), "2,1 1,1");
    EXPECT_EQ(three.game.calls["Tot"], 1);
    EXPECT_EQ(segments(three.game), "1,1 2,1 3,1");
}

TEST(Move, HeadMayEnterTheCellTheTailLeavesAndStartMarkersAreFree)
{
    TestGame t;
    const std::string text = level({"     ", " öooä", "     ", "     ", "     "});
    t.start(text);
    t.play("URD");  // into the tail's cell, which shows an "o"
    EXPECT_EQ(segments(t.game), "3,2 3,1 2,1 2,2");
    t.play("L");  // the same onto the "ö"
    EXPECT_EQ(segments(t.game), "2,2 3,2 3,1 2,1");
    t.play("DRRRU");  // onto the "ä"
    EXPECT_EQ(segments(t.game), "5,2 5,3 4,3 3,3");
    EXPECT_EQ(t.game.calls["Tot"], 0);
    EXPECT_EQ(t.game.Spielfeld, text);
}

TEST(Move, LastDotLoadsTheNextLevel)
{
    TestGame t;
    t.game.levelTexts = {level({".ö ", "   ", "   "}), level({"  ö", "...", "   "})};
    t.start(t.game.levelTexts[0]);
    t.play("L");
    EXPECT_EQ(t.game.LevelNr, 1);
    EXPECT_EQ(t.game.Spielfeld, t.game.levelTexts[1]);
    EXPECT_EQ(t.game.RestPunkte, 3);
    EXPECT_EQ(segments(t.game), "3,1");
}

TEST(Move, SoundWhereTheRulesRunOut)
{
    // Fault guarded: LevelNr + 1 past 32767 overflowed instead of going on with the first level.
    TestGame last;
    last.game.levelTexts = {level({".ö ", "   ", "   "}), level({"ö. ", "   ", "   "})};
    last.game.LevelNr = 32767;
    last.start(last.game.levelTexts[1]);
    last.play("R");
    EXPECT_EQ(last.game.LevelNr, 0);
    EXPECT_EQ(last.game.LevelText, last.game.levelTexts[0]);

    // Fault guarded: a dot eaten by a worm that fills the segment tables wrote past them.
    TestGame full;
    full.start(level({"..ö", "   ", "   "}));
    full.game.Laenge = kLastSegment;
    for (int i = 1; i <= kLastSegment; ++i) {  // the body waits on the head's cell
        full.game.WurmX[i] = 3;
        full.game.WurmY[i] = 1;
        full.game.RichtungX[i] = 0;
    }
    full.play("L");
    EXPECT_EQ(full.game.Laenge, kLastSegment);
    EXPECT_EQ(full.game.RestPunkte, 1);
    EXPECT_EQ(rows(full.game)[0], ". ö");
    EXPECT_EQ(full.window.count(Call::Box), 1);  // moved without growing: its old tail cell is blanked
}

TEST(Move, TargetOffTheBoardReadsAsWall)
{
    // Fault guarded: a head that a level without "ö" left off the board read outside Spielfeld.
    TestGame t;
    t.start(level({" o.", "   ", "   "}));
    t.start(t.game.LevelText);  // the head now stands where the last redraw stopped: (5, 5)
    const GameState before = t.game;
    t.play("LU");
    EXPECT_EQ(differences(before, t.game), (Names{"RichtungX(0)", "RichtungY(0)"}));
    // A border cell whose place would wrap into the next row is a wall too.
    t.game.WurmX[0] = 5;
    t.game.WurmY[0] = 2;
    t.play("L");
    EXPECT_EQ(t.game.WurmX[0], 5);
    EXPECT_TRUE(t.window.calls.empty());
}

} // namespace
} // namespace zorvik::testing
