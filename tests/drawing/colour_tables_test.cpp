// The colour tables as start-up builds them, and the gradient rule on them.
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

struct Pair {
    int startRed, startGreen, startBlue, endRed, endGreen, endBlue;
};

Pair pair(const Game& g, int i)
{
    return {g.StartRot[i], g.StartGruen[i], g.StartBlau[i], g.ZielRot[i], g.ZielGruen[i], g.ZielBlau[i]};
}

bool operator==(const Pair& a, const Pair& b)
{
    return a.startRed == b.startRed && a.startGreen == b.startGreen && a.startBlue == b.startBlue &&
           a.endRed == b.endRed && a.endGreen == b.endGreen && a.endBlue == b.endBlue;
}

TEST(ColourTables, HoldEveryOrderedPairOfCornersTwiceThenBlack)
{
    TestGame t;
    const Game& g = t.game;
    EXPECT_TRUE(pair(g, 0) == (Pair{1, 0, 0, 0, 1, 0}));   // red to green
    EXPECT_TRUE(pair(g, 5) == (Pair{1, 0, 0, 1, 1, 1}));   // red to white
    EXPECT_TRUE(pair(g, 7) == (Pair{0, 1, 0, 1, 1, 0}));   // green to yellow
    EXPECT_TRUE(pair(g, 21) == (Pair{0, 0, 1, 1, 0, 1}));  // blue to magenta
    EXPECT_TRUE(pair(g, 28) == (Pair{1, 0, 1, 0, 1, 1}));  // magenta to cyan
    EXPECT_TRUE(pair(g, 41) == (Pair{1, 1, 1, 0, 1, 1}));  // white to cyan
    for (int i = 0; i < 42; ++i)
        EXPECT_TRUE(pair(g, i + 42) == pair(g, i)) << i;
    for (int i = 84; i <= 111; ++i)
        EXPECT_TRUE(pair(g, i) == (Pair{0, 0, 0, 0, 0, 0})) << i;
    // The build counted its entries in LevelNr; start-up sets it back afterwards.
    TestGame fresh;
    fresh.game.buildColourTables();
    EXPECT_EQ(fresh.game.LevelNr, 42);
}

TEST(ColourTables, GradientRoundsHalvesToEvenInDoublePrecision)
{
    TestGame t;
    EXPECT_EQ(t.game.Verlaufsfarbe(0, 1, 2), 32896);
    EXPECT_EQ(t.game.Verlaufsfarbe(7, 50, 100), 65407);  // 127.49999999999999, not 127.5
    EXPECT_EQ(t.game.Verlaufsfarbe(7, 99, 100), 65532);
    for (double n : {1.0, 2.5, 99.5})
        EXPECT_EQ(t.game.Verlaufsfarbe(23, 0, n), 16711680) << n;  // blue, the start of pair 23
}

} // namespace
} // namespace zorvik::testing
