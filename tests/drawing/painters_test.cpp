// SPDX-License-Identifier: GPL-3.0-or-later
// The colour tables and the gradient, the cell and worm painters: exact boxes, discs, lines and colours,
// and the fields they leave.
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

// Pair i as "RGB>RGB", each component 0 or 1.
std::string pairOf(const Game& g, int i)
{
    return std::to_string(g.StartRot[i]) + std::to_string(g.StartGruen[i]) + std::to_string(g.StartBlau[i]) + ">" +
           std::to_string(g.ZielRot[i]) + std::to_string(g.ZielGruen[i]) + std::to_string(g.ZielBlau[i]);
}

TEST(ColourTables, HoldEveryOrderedPairOfCornersTwiceThenBlackAndTheGradientRoundsHalvesToEven)
{
    TestGame t;
    const std::pair<int, const char*> named[] = {{0, "100>010"}, {5, "100>111"}, {7, "010>110"}, {21, "001>101"}, {41, "111>011"}};
    for (auto [i, corners] : named)
        EXPECT_EQ(pairOf(t.game, i), corners) << i;
    for (int i = 0; i < 42; ++i)
        EXPECT_EQ(pairOf(t.game, i + 42), pairOf(t.game, i)) << i;
    for (int i = 84; i <= 111; ++i)
        EXPECT_EQ(pairOf(t.game, i), "000>000") << i;
    // The gradient rounds halves to even: 127.5 gives 128.
    EXPECT_EQ(t.game.Verlaufsfarbe(0, 1, 2), 32896);
}

// What a painter draws on cell (x, y) of cells of size z.
std::vector<Call> paint(TestGame& t, void (Game::*painter)(), double z, int x, int y)
{
    t.window.clear();
    t.game.Zellgroesse = z, t.game.Radius = Int(z / 2) - 1, t.game.ZelleX = x, t.game.ZelleY = y;
    (t.game.*painter)();
    return t.window.calls;
}

// One game for all cell sizes: the colours a painter keeps from its last cell must not leak into the next.
TEST(CellPainters, RingsAtCellSize400LeaveTheirCountersAndTinyCellsGetNoRings)
{
    TestGame t;
    EXPECT_EQ(describe(paint(t, &Game::Nichts, 400, 3, 2)), "box 1200 800 1599 1199 0");
    // Mauer: 100 nested squares, each with its fill colour set; ring 50 is 65407, not 65408.
    const auto walls = paint(t, &Game::Mauer, 400, 1, 1);
    const auto boxes = only(Call::Box, walls);
    ASSERT_EQ(std::pair(boxes.size(), only(Call::Fill, walls).size()), std::pair(100ul, 100ul));
    EXPECT_EQ(describe({boxes[0], boxes[50], boxes[99]}),
              "box 400 400 799 799 65280; box 450 450 699 699 65407; box 499 499 601 601 65532");
    EXPECT_EQ(std::tuple(t.game.Zaehler, t.game.Ringe, t.game.Farbe), std::tuple(100, 100, 65532));
    // Punkt: 99 shrinking discs, each outlined in its own colour.
    const auto discs = only(Call::Circle, paint(t, &Game::Punkt, 400, 0, 0));
    ASSERT_EQ(discs.size(), 99u);
    EXPECT_EQ(describe({discs[0], discs[98]}), "circle 199 199 99.5 255; circle 150 150 1.5 16449540");
    // The inverted painters start from the inverse colour; Pix sets no fill colour.
    const auto halving = only(Call::Box, paint(t, &Game::Pank, 400, 0, 0)), cutting = paint(t, &Game::Pix, 400, 1, 0);
    EXPECT_EQ(std::pair(halving.size(), cutting.size()), std::pair(99ul, 199ul));
    EXPECT_EQ(describe({halving[0], cutting[0], cutting[198]}), "box 99.5 99.5 299.5 299.5 16776960; "
              "line 499.5 99.5 699.5 299.5 16711935; line 697.5 99.5 501.5 299.5 16711681");
    for (double z : {4.0, 5.0}) {  // Radius 1: no disc and no inner box; one line and one square
        EXPECT_EQ(paint(t, &Game::Punkt, z, 1, 1).size() + paint(t, &Game::Pank, z, 1, 1).size(), 0u) << z;
        EXPECT_EQ(std::pair(paint(t, &Game::Pix, z, 1, 1).size(), only(Call::Box, paint(t, &Game::Mauer, z, 1, 1)).size()),
                  std::pair(1ul, 1ul)) << z;
    }
    EXPECT_TRUE(paint(t, &Game::Mauer, 3, 1, 1).empty());
}

TEST(WormPainters, SbkPlacesAndPaintsTheSegmentAndTheEyesLookWhereTheHeadGoes)
{
    TestGame t;
    t.game.Laenge = 3, t.game.SegmentFarbe[3] = 1234;
    EXPECT_EQ(describe(paint(t, &Game::SBK, 400, 4, 2)), "fill 1234; circle 1799 999 199 0");
    EXPECT_EQ(std::tuple(t.game.WurmX[3], t.game.WurmY[3], t.game.RichtungX[3], t.game.RichtungY[3]), std::tuple(4, 2, -1, 0));
    t.window.clear();
    t.game.Laenge = 1226;  // past the tables: fails before it writes or draws
    EXPECT_ANY_THROW(t.game.SBK());
    EXPECT_TRUE(t.game.WurmX[1225] == 0 && t.window.calls.empty());

    t.game.WurmX[0] = 3, t.game.WurmY[0] = 2;
    t.game.RichtungX[0] = 1;  // right: the turquoise eye above, the yellow-green one below
    t.game.Wauge();
    EXPECT_EQ(describe(t.window.calls), "fill 13168640; circle 1498.5 899.5 49.75 0; fill 0; circle 1498.5 899.5 12.4375 0; "
                                        "fill 61640; circle 1498.5 1098.5 49.75 0; fill 0; circle 1498.5 1098.5 12.4375 0");
    t.window.clear();
    t.game.RichtungX[0] = 0, t.game.RichtungY[0] = -1;  // up: the turquoise eye on the left
    t.game.Wauge();
    EXPECT_EQ(describe({t.window.calls[1], t.window.calls[5]}), "circle 1299.5 899.5 49.75 0; circle 1498.5 899.5 49.75 0");
}

// The painters work each ring colour out once per pair and ring count; the kept colours must never go stale.
TEST(CellPainters, RingColoursFollowTheLevelTheCellSizeThePainterAndWhite)
{
    TestGame t;
    auto colours = [&](void (Game::*painter)(), double z) {
        std::vector<Colour> out;
        for (const Call& c : paint(t, painter, z, 1, 1))
            if (c.kind != Call::Fill)
                out.push_back(c.colour);
        return out;
    };
    // What the rule gives for the rings of pair p offset by the level, inverted when asked.
    auto expected = [&](int offset, double rings, bool inverted) {
        std::vector<Colour> out;
        for (int k = 0; k <= rings - 1; ++k) {
            const Colour colour = t.game.Verlaufsfarbe((t.game.LevelNr & 63) + offset, k, rings);
            out.push_back(inverted ? t.game.Weiss - colour : colour);
        }
        return out;
    };
    // Walls and dots in turn, as a redraw paints them, over levels and cell sizes that come back.
    for (int level : {0, 5, 0, 63, 64}) {
        t.game.LevelNr = level;
        for (double z : {400.0, 120.0, 400.0}) {
            EXPECT_EQ(colours(&Game::Mauer, z), expected(7, Int(z / 4), false)) << level << " " << z;
            EXPECT_EQ(colours(&Game::Punkt, z), expected(2, (Int(z / 2) - 1) / 2, false));
            EXPECT_EQ(colours(&Game::Pank, z), expected(2, (Int(z / 2) - 1) / 2, true));
            EXPECT_EQ(colours(&Game::Pix, z), expected(7, Int(z / 2) - 1, true));
        }
    }
    t.game.Weiss = 8421504;  // the inverted painters take white as it is now
    EXPECT_EQ(colours(&Game::Pank, 400), expected(2, 99.5, true));
}

TEST(Redraw, BlankAndUnknownCellsStayBlackAndLowerCaseMatters)
{
    TestGame t;
    t.start(level({"ö-X", "O.#", " ,x"}));
    t.game.Bild();
    EXPECT_EQ(t.game.calls, (std::map<std::string, int>{{"Bild", 1}, {"Nichts", 25}, {"Mauer", 17}, {"Punkt", 1},
                                                         {"Pank", 1}, {"Pix", 1}, {"SBK", 1}, {"Wauge", 1}}));
}

} // namespace
} // namespace zorvik::testing
