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
    EXPECT_EQ(t.game.Laenge, 5);
    EXPECT_EQ(t.game.RestPunkte, 23);
    EXPECT_EQ(t.game.Spielfeld[14], ' ');
    EXPECT_EQ(rows(t.game)[2], " öoooä.");
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
    EXPECT_EQ(t.game.calls["Beginn"], 1);
    // Only what the move itself leaves behind differs: its step, and the last segment that the
    // level start places on the cell the death animation left in ZelleX (Radius + 1) and ZelleY.
    EXPECT_EQ(differences(fresh.game, t.game), (Names{"WurmX(29)", "WurmY(29)", "Schritt"}));
    EXPECT_EQ(t.game.WurmX[29], 200);
    EXPECT_EQ(t.game.WurmY[29], 9);

    // The level start draws the same, apart from where those first discs land.
    const auto& c = t.window.calls;
    auto lastDeathFrame = std::find_if(c.rbegin(), c.rend(), [](const Call& x) {
        return x.kind == Call::Frame && x.x2 == float(static_cast<int>(Animation::Death));
    });
    const std::vector<Call> restart(lastDeathFrame.base(), c.end());
    const auto& expected = fresh.window.calls;
    ASSERT_EQ(restart.size(), expected.size());
    for (std::size_t i = 0; i < restart.size(); ++i) {
        EXPECT_EQ(restart[i].kind, expected[i].kind) << i;
        EXPECT_EQ(restart[i].colour, expected[i].colour) << i;
        if (i >= 12)  // from the redraw's Cls on
            EXPECT_TRUE(restart[i].x1 == expected[i].x1 && restart[i].y1 == expected[i].y1 &&
                        restart[i].x2 == expected[i].x2 && restart[i].y2 == expected[i].y2) << i;
    }
    EXPECT_FLOAT_EQ(restart[1].x1, 200 * 400 + 199);
}

TEST(Move, DeathBringsBackEveryEatenDot)
{
    TestGame t;
    t.start(kDemoLevel);
    t.play("LUD");  // two dots eaten, then turning back into the body
    EXPECT_EQ(t.game.calls["Tot"], 1);
    EXPECT_EQ(t.game.Spielfeld, t.game.LevelText);
    EXPECT_EQ(t.game.RestPunkte, 24);
    EXPECT_EQ(segments(t.game), "2,3 3,3 4,3 5,3 6,3");
}

TEST(Move, WallChangesOnlyTheHeadsStepAndDrawsNothing)
{
    TestGame t;
    t.start(kDemoLevel);
    const GameState before = t.game;
    t.play("U");
    EXPECT_EQ(differences(before, t.game), (Names{"RichtungX(0)", "RichtungY(0)"}));
    EXPECT_EQ(t.game.RichtungY[0], -1);
    EXPECT_TRUE(t.window.calls.empty());
}

TEST(Move, HalvingKeepsTheFrontHalf)
{
    const int expected[] = {0, 1, 1, 2, 2};
    for (int length = 1; length <= 5; ++length) {
        TestGame t;
        const std::string worm = ",ö" + std::string(length, 'o') + std::string(5 - length, ' ');
        t.start(level({worm, "       ", "       ", "       ", "       ", "       ", "       "}));
        t.play("L");
        EXPECT_EQ(t.game.Laenge, expected[length - 1]) << length;
        EXPECT_EQ(t.game.Spielfeld[0], ' ') << length;
        EXPECT_EQ(segments(t.game), std::string("1,1 2,1 3,1").substr(0, 4 * t.game.Laenge + 3)) << length;
    }
}

TEST(Move, CuttingLeavesTheHeadAndAFreshTailWaits)
{
    TestGame t;
    t.start(level({".xöoo", "    .", "     ", "     ", "     "}));
    t.play("L");
    EXPECT_EQ(segments(t.game), "2,1");
    EXPECT_EQ(rows(t.game), (Rows{". öoo", "    .", "     ", "     ", "     "}));
    const auto boxes = t.window.only(Call::Box);  // the vacated cell, then the cut segments' cells
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].x1, 5 * 514);
    EXPECT_EQ(boxes[2].x1, 4 * 514);
    // The entry past the tail still holds a step; the segment that grows there must not take it.
    t.play("L");
    EXPECT_EQ(segments(t.game), "1,1 2,1");
    EXPECT_EQ(t.game.calls["Tot"], 0);
}

TEST(Move, LoneHeadOnHalvingOrCuttingCellOnlyEmptiesIt)
{
    for (const char* cell : {",", "x"}) {
        TestGame t;
        t.start(level({std::string(cell) + "ö ", "   ", "   "}));
        t.play("L");
        EXPECT_EQ(segments(t.game), "1,1") << cell;
        EXPECT_EQ(rows(t.game)[0], " ö ") << cell;
        EXPECT_EQ(t.window.count(Call::Box), 0) << cell;  // nothing removed, nothing blanked
    }
}

TEST(Move, TurningBackKillsOnlyAWormOfThreeOrMore)
{
    TestGame two;
    two.start(level({"öo ", "   ", "   "}));
    two.play("R");
    EXPECT_EQ(two.game.calls["Tot"], 0);
    EXPECT_EQ(segments(two.game), "2,1 1,1");

    TestGame three;
    three.start(level({"öoo", "   ", "   "}));
    three.play("R");
    EXPECT_EQ(three.game.calls["Tot"], 1);
    EXPECT_EQ(segments(three.game), "1,1 2,1 3,1");
}

TEST(Move, HeadMayEnterTheCellTheTailLeaves)
{
    TestGame t;
    t.start(level({"    ", "öooo", "    ", "    "}));
    t.play("URD");
    EXPECT_EQ(t.game.calls["Tot"], 0);
    EXPECT_EQ(segments(t.game), "2,2 2,1 1,1 1,2");
}

TEST(Move, StartMarkersStayAndAreFreeCells)
{
    TestGame t;
    const std::string text = level({"     ", " öoä ", "     ", "     ", "     "});
    t.start(text);
    t.play("LDRRUR");  // onto the "ä"
    EXPECT_EQ(segments(t.game), "4,2 3,2 3,3");
    t.play("ULLD");  // onto the "ö"
    EXPECT_EQ(segments(t.game), "2,2 2,1 3,1");
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
    EXPECT_EQ(t.game.calls["LevelLaden"], 1);
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
    EXPECT_EQ(full.window.only(Call::Box).size(), 1u);  // it moved without growing: its old tail cell is blanked
}

TEST(Move, TargetOffTheBoardReadsAsWall)
{
    // Fault guarded: a head that a level without "ö" left off the board read outside Spielfeld.
    TestGame t;
    t.start(level({" o.", "   ", "   "}));
    t.start(t.game.LevelText);  // the head now stands where the last redraw stopped: (5, 5)
    const GameState before = t.game;
    t.play("LU");
    EXPECT_EQ(t.game.Zelle, "#");
    EXPECT_EQ(differences(before, t.game), (Names{"RichtungX(0)", "RichtungY(0)"}));

    // A border cell whose place would wrap into the next row is a wall too.
    t.game.WurmX[0] = 5;
    t.game.WurmY[0] = 2;
    t.game.Zelle = "";
    t.play("L");
    EXPECT_EQ(t.game.Zelle, "#");
    EXPECT_TRUE(t.window.calls.empty());
}

} // namespace
} // namespace zorvik::testing
