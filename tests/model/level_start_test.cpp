// The level start: geometry, the dot count, the worm's placement and its colours.
#include "model/level_start_error.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

TEST(LevelStart, DemoLevelIsSetUpAndDrawn)
{
    TestGame t;
    t.game.LevelText = kDemoLevel;
    t.game.Beginn();
    const Game& g = t.game;

    EXPECT_EQ(g.Seitenzellen, 9);
    EXPECT_EQ(g.Zellgroesse, 400);
    EXPECT_EQ(g.Radius, 199);
    EXPECT_EQ(g.Endlaenge, 29);
    EXPECT_EQ(g.RestPunkte, 24);
    EXPECT_EQ(g.Laenge, 4);
    EXPECT_EQ(g.Spielfeld, g.LevelText);
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(g.WurmX[i], 2 + i) << i;
        EXPECT_EQ(g.WurmY[i], 3) << i;
        EXPECT_EQ(g.RichtungX[i], -1) << i;
        EXPECT_EQ(g.RichtungY[i], 0) << i;
    }
    EXPECT_EQ(g.AltX, 6);
    EXPECT_EQ(g.AltY, 3);
    // The redraw leaves its counters one past the last cell.
    EXPECT_EQ(g.ZelleX, 9);
    EXPECT_EQ(g.ZelleY, 9);
    EXPECT_EQ(g.Zelle, "#");

    auto calls = t.game.calls;
    EXPECT_EQ(calls["Bild"], 1);
    EXPECT_EQ(calls["Nichts"], 81);
    EXPECT_EQ(calls["Mauer"], 45);
    EXPECT_EQ(calls["Punkt"], 24);
    EXPECT_EQ(calls["SBK"], 2 + 5);  // the two placements of the level start, then the redraw's five
    EXPECT_EQ(t.window.count(Call::Cls), 1);
}

TEST(LevelStart, FirstStartPaintsTwoSegmentsOnCellZeroBeforeTheRedraw)
{
    TestGame t;
    t.game.LevelText = kDemoLevel;
    t.game.Beginn();
    // Fill, circle (segment 0), then its eyes (4 fills and circles), then segment 29.
    const auto& c = t.window.calls;
    ASSERT_GE(c.size(), 12u);
    EXPECT_EQ(c[0].kind, Call::Fill);
    EXPECT_EQ(c[1].kind, Call::Circle);
    EXPECT_FLOAT_EQ(c[1].x1, 199);
    EXPECT_FLOAT_EQ(c[1].y1, 199);
    EXPECT_FLOAT_EQ(c[1].x2, 199);
    EXPECT_EQ(c[10].kind, Call::Fill);
    EXPECT_EQ(c[10].colour, t.game.SegmentFarbe[29]);
    EXPECT_EQ(c[11].kind, Call::Circle);
    EXPECT_FLOAT_EQ(c[11].x1, 199);
    EXPECT_EQ(c[12].kind, Call::Cls);
}

TEST(LevelStart, LeftoverCellOfTheLastRedrawIsWhereTheFirstSegmentsLand)
{
    TestGame t;
    t.start(kDemoLevel);
    t.game.Beginn();
    // ZelleX, ZelleY = 9, 9 after the first redraw: the disc centre of cell (9, 9).
    EXPECT_FLOAT_EQ(t.window.calls[1].x1, 9 * 400 + 199);
    EXPECT_FLOAT_EQ(t.window.calls[1].y1, 9 * 400 + 199);
}

TEST(LevelStart, LevelWithoutDotsOrWormGetsADotInItsFirstCellOnlyInPlay)
{
    TestGame t;
    t.start(level({"  #", "# #", "   "}));
    EXPECT_EQ(t.game.Endlaenge, 1);
    EXPECT_EQ(t.game.RestPunkte, 1);
    EXPECT_EQ(t.game.Spielfeld, ". ## #   ");
    EXPECT_EQ(t.game.LevelText, "  ## #   ");
}

TEST(LevelStart, WormWithoutDotsHasNothingToCount)
{
    TestGame t;
    t.start(level({"öo ", "   ", "  #"}));
    EXPECT_EQ(t.game.RestPunkte, 0);
    EXPECT_EQ(t.game.Endlaenge, 2);
    EXPECT_EQ(t.game.Laenge, 1);
}

TEST(LevelStart, SingleHead)
{
    TestGame t;
    t.game.LevelText = level({"ö"});
    t.game.Beginn();
    EXPECT_EQ(t.game.Seitenzellen, 3);
    EXPECT_EQ(t.game.Laenge, 0);
    EXPECT_EQ(t.game.WurmX[0], 1);
    EXPECT_EQ(t.game.WurmY[0], 1);
    EXPECT_EQ(t.game.RestPunkte, 0);
    EXPECT_EQ(t.game.calls["Mauer"], 8);
    EXPECT_EQ(t.game.calls["Wauge"], 2);  // the level start's placement of segment 0, then the redraw's head
}

TEST(LevelStart, WormCellsWithoutHeadAreNumberedOnFromEndlaenge)
{
    TestGame t;
    t.game.LevelText = level({"oo.", "   ", "   "});
    t.game.Beginn();
    EXPECT_EQ(t.game.Endlaenge, 3);
    EXPECT_EQ(t.game.Laenge, 5);
    EXPECT_EQ(t.game.WurmX[4], 1);
    EXPECT_EQ(t.game.WurmX[5], 2);
    EXPECT_EQ(t.game.calls["Wauge"], 1);  // only from the level start's own placement of segment 0
}

TEST(LevelStart, CellSizeFollowsTheNarrowerOfWidthAndHeight)
{
    TestGame t;
    t.window.scaleWidth = 2295 + 5000;
    t.window.scaleHeight = 3000;
    t.start(kDemoLevel);
    EXPECT_EQ(t.game.Zellgroesse, 333);  // Int(3000 / 9)
    EXPECT_EQ(t.game.Radius, 165);
    t.window.scaleHeight = 9000;
    t.start(kDemoLevel);
    EXPECT_EQ(t.game.Zellgroesse, 555);  // Int(5000 / 9)
}

TEST(LevelStart, TextsThatCannotBeSetUpFailWithAReason)
{
    TestGame t;
    for (const std::string& text : {std::string(), std::string("12345678"), std::string(181 * 181 + 1, ' ')}) {
        t.game.LevelText = text;
        EXPECT_THROW(t.game.Beginn(), LevelStartError) << text.size();
    }
    t.game.LevelText = std::string(1226, '.') + std::string(37 * 37 - 1226, ' ');
    EXPECT_THROW(t.game.Beginn(), LevelStartError);
    t.game.LevelText = std::string(1225, '.') + std::string(36 * 36 - 1225, ' ');
    EXPECT_NO_THROW(t.game.Beginn());
    EXPECT_EQ(t.game.RestPunkte, 1225);
}

TEST(LevelStart, HeadlessWormPastTheSegmentTablesFails)
{
    // Endlaenge 1225 and further "o" cells numbered on from it would pass index 1225.
    TestGame t;
    t.game.LevelText = std::string(1225, 'o') + std::string(36 * 36 - 1225, ' ');
    EXPECT_THROW(t.game.Beginn(), LevelStartError);
}

TEST(WormColours, RampRunsFromThePairsStartColourAtTheTailToItsEndColourAtTheHead)
{
    TestGame t;
    t.start(kDemoLevel);
    EXPECT_EQ(t.game.SegmentFarbe[29], 255);    // red
    EXPECT_EQ(t.game.SegmentFarbe[0], 65280);   // green

    t.start(level({"öo", "  "}));               // Endlaenge 2: the middle is 127.5 rounded to even
    EXPECT_EQ(t.game.SegmentFarbe[1], 128 + 256 * 128);
}

TEST(WormColours, OneColourForEverySegment)
{
    TestGame t;
    t.game.WurmFarbe = 255;
    t.game.LevelNr = 5;
    t.start(kDemoLevel);
    for (int i = 0; i <= 29; ++i)
        EXPECT_EQ(t.game.SegmentFarbe[i], 255) << i;
}

TEST(WormColours, RandomColoursGoOnWithTheSequenceAtEveryRestart)
{
    TestGame first, second;
    first.game.WurmFarbe = second.game.WurmFarbe = 16777215;
    first.start(kDemoLevel);
    second.start(kDemoLevel);
    // Never seeded: every run draws the same colours.
    EXPECT_EQ(first.game.SegmentFarbe, second.game.SegmentFarbe);
    const auto before = first.game.SegmentFarbe;
    first.start(kDemoLevel);
    EXPECT_NE(first.game.SegmentFarbe, before);
    for (Colour c : first.game.SegmentFarbe)
        EXPECT_TRUE(c >= 0 && c <= 16777215);
}

TEST(WholeNumbers, FailInsteadOfWrapping)
{
    Whole w = 32767;
    EXPECT_THROW(++w, OverflowError);
    EXPECT_EQ(toWhole(2.5), 2);
    EXPECT_EQ(toWhole(3.5), 4);
    EXPECT_EQ(toWhole(-2.5), -2);
    EXPECT_THROW(toWhole(32767.5), OverflowError);
    EXPECT_EQ(Int(-0.5), -1);
}

} // namespace
} // namespace zorvik::testing
