// SPDX-License-Identifier: GPL-3.0-or-later
// The level start: geometry, the dot count, the worm's placement and its colours.
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zorvik::testing {
namespace {

TEST(LevelStart, DemoLevelIsSetUpAndDrawn)
{
    TestGame t;
    t.game.LevelText = kDemoLevel;
    t.game.Beginn();
    const Game& g = t.game;
    EXPECT_EQ(std::tuple(g.Seitenzellen, g.Zellgroesse, g.Radius, g.Endlaenge, g.RestPunkte), std::tuple(9, 400, 199, 29, 24));
    // Its worm and board: see Move.WallOrTargetOffTheBoardChangesOnlyTheHeadsStepAndDrawsNothing.
    // SBK: the level start's two placements, then the redraw's five.
    EXPECT_EQ(t.game.calls, (std::map<std::string, int>{{"Beginn", 1}, {"Bild", 1}, {"Nichts", 81}, {"Mauer", 45},
                                                         {"Punkt", 24}, {"SBK", 7}, {"Wauge", 2}}));
    // The first start places segments 0 (with its eyes) and 29 on cell (0, 0) before the redraw clears.
    const auto& c = t.window.calls;
    EXPECT_EQ(describe({c[0], c[1], c[10], c[11], c[12]}),
              "fill 65280; circle 199 199 199 0; fill 255; circle 199 199 199 0; cls");
}

TEST(LevelStart, WormCellsAndDotsAreCountedWhereverTheyAre)
{
    // The level, Endlaenge, RestPunkte, the segments (what the redraw placed; the level start put 0 and
    // Endlaenge on cell (0, 0)) and the board in play.
    const std::tuple<std::string, int, int, const char*, std::string> cases[] = {
        {level({"  #", "# #", "   "}), 1, 1, "0,0 0,0", ". ## #   "},  // nothing to eat: a dot in the first cell
        {level({"öo ", "   ", "  #"}), 2, 0, "1,1 2,1", level({"öo ", "   ", "  #"})},
        {level({"ö"}), 1, 0, "1,1", level({"ö"})},
        {level({"oo.", "   ", "   "}), 3, 1, "0,0 0,0 0,0 0,0 1,1 2,1", "oo.      "},  // numbered on from Endlaenge
    };
    for (const auto& [text, endlaenge, dots, worm, board] : cases) {
        TestGame t;
        t.start(text);
        EXPECT_EQ(std::tuple(t.game.Endlaenge, t.game.RestPunkte, segments(t.game)), std::tuple(endlaenge, dots, worm));
        EXPECT_EQ(std::tuple(t.game.Spielfeld, t.game.LevelText), std::tuple(board, text));
    }
}

TEST(WormColours, RampFromTailToHeadOneColourOrRandomColoursThatGoOnAtEveryRestart)
{
    TestGame t, again;
    t.start(kDemoLevel);
    EXPECT_EQ(std::pair(t.game.SegmentFarbe[29], t.game.SegmentFarbe[0]), std::pair(255, 65280));  // red to green
    t.start(level({"öo", "  "}));  // Endlaenge 2: the middle is 127.5, rounded to even
    EXPECT_EQ(t.game.SegmentFarbe[1], 128 + 256 * 128);
    t.game.WurmFarbe = 255;
    t.game.LevelNr = 5;
    t.start(kDemoLevel);
    EXPECT_EQ(std::count(t.game.SegmentFarbe.begin(), t.game.SegmentFarbe.begin() + 30, 255), 30);

    t.game.WurmFarbe = again.game.WurmFarbe = 16777215;
    t.start(kDemoLevel);
    again.start(kDemoLevel);
    EXPECT_EQ(t.game.SegmentFarbe, again.game.SegmentFarbe);  // never seeded: every run draws the same
    t.start(kDemoLevel);
    EXPECT_NE(t.game.SegmentFarbe, again.game.SegmentFarbe);
    EXPECT_TRUE(std::all_of(t.game.SegmentFarbe.begin(), t.game.SegmentFarbe.end(), [](Colour c) { return c >= 0 && c <= 16777215; }));
}

TEST(WholeNumbers, FailInsteadOfWrappingAndRoundHalvesToEven)
{
    Whole w = 32767;
    EXPECT_THROW(++w, OverflowError);
    EXPECT_THROW(toWhole(32767.5), OverflowError);
    EXPECT_THROW(toWhole(-32769), OverflowError);
    EXPECT_EQ(std::tuple(toWhole(2.5), toWhole(3.5), toWhole(-2.5), toWhole(32767), toWhole(-32768), Int(-0.5)),
              std::tuple(2, 4, -2, 32767, -32768, -1));
    // Every ring colour goes through this rounding: exact halves to even, nothing else moved, to the last bit.
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, double> rounded[] = {{0.5, 0}, {1.5, 2}, {-2.5, -2}, {127.5, 128}, {127.49999999999999, 127},
                                                 {0.49999999999999994, 0}, {-0.49999999999999994, 0}, {-0.3, 0},
                                                 {4503599627370495.5, 4503599627370496}, {4503599627370497.0, 4503599627370497},
                                                 {9007199254740993.0, 9007199254740992}, {-1e300, -1e300}, {inf, inf},
                                                 {std::numeric_limits<double>::denorm_min(), 0}};
    for (const auto& [value, whole] : rounded)
        EXPECT_EQ(roundHalfEven(value), whole) << value;
    EXPECT_TRUE(std::isnan(roundHalfEven(std::numeric_limits<double>::quiet_NaN())));
}

} // namespace
} // namespace zorvik::testing
