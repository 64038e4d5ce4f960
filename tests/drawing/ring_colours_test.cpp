// SPDX-License-Identifier: GPL-3.0-or-later
// The painters work each ring colour out once per pair and ring count; the kept colours must never go stale.
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <vector>

namespace zorvik::testing {
namespace {

// The colours of the rings (boxes, or lines for Pix) that one painter call draws on cell (1, 1).
std::vector<Colour> ringColours(TestGame& t, void (Game::*painter)(), double cellSize)
{
    t.window.clear();
    t.game.Zellgroesse = cellSize;
    t.game.Radius = Int(cellSize / 2) - 1;
    t.game.ZelleX = 1;
    t.game.ZelleY = 1;
    (t.game.*painter)();
    std::vector<Colour> colours;
    for (const Call& call : t.window.calls)
        if (call.kind == Call::Box || call.kind == Call::Line || call.kind == Call::Circle)
            colours.push_back(call.colour);
    return colours;
}

// What the rule gives for ring k of n, inverted when asked.
std::vector<Colour> expected(const Game& game, int pair, double rings, bool inverted)
{
    std::vector<Colour> colours;
    for (int k = 0; k <= rings - 1; ++k) {
        const Colour colour = game.Verlaufsfarbe(pair, k, rings);
        colours.push_back(inverted ? game.Weiss - colour : colour);
    }
    return colours;
}

TEST(RingColours, FollowTheLevelTheCellSizeThePainterAndWhite)
{
    TestGame t;
    // Walls and dots in turn, as a redraw paints them, over levels and cell sizes that come back.
    for (int level : {0, 5, 0, 63, 64}) {
        t.game.LevelNr = level;
        for (double z : {400.0, 120.0, 400.0}) {
            const int walls = (level & 63) + 7, dots = (level & 63) + 2;
            EXPECT_EQ(ringColours(t, &Game::Mauer, z), expected(t.game, walls, Int(z / 4), false)) << level << " " << z;
            EXPECT_EQ(ringColours(t, &Game::Punkt, z), expected(t.game, dots, (Int(z / 2) - 1) / 2, false));
            EXPECT_EQ(ringColours(t, &Game::Pank, z), expected(t.game, dots, (Int(z / 2) - 1) / 2, true));
            EXPECT_EQ(ringColours(t, &Game::Pix, z), expected(t.game, walls, Int(z / 2) - 1, true));
        }
    }
    // The inverted painters take white as it is now.
    t.game.Weiss = 8421504;
    EXPECT_EQ(ringColours(t, &Game::Pank, 400), expected(t.game, (t.game.LevelNr & 63) + 2, 99.5, true));
}

} // namespace
} // namespace zorvik::testing
