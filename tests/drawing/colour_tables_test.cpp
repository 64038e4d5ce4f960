// The colour tables as start-up builds them, and the gradient rule on them.
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

// Pair i as "RGB>RGB", each component 0 or 1.
std::string pair(const Game& g, int i)
{
    return std::to_string(g.StartRot[i]) + std::to_string(g.StartGruen[i]) + std::to_string(g.StartBlau[i]) + ">" +
           std::to_string(g.ZielRot[i]) + std::to_string(g.ZielGruen[i]) + std::to_string(g.ZielBlau[i]);
}

TEST(ColourTables, HoldEveryOrderedPairOfCornersTwiceThenBlack)
{
    TestGame t;
    const std::pair<int, const char*> named[] = {{0, "100>010"}, {5, "100>111"}, {7, "010>110"}, {21, "001>101"}, {41, "111>011"}};
    for (auto [i, corners] : named)
        EXPECT_EQ(pair(t.game, i), corners) << i;
    for (int i = 0; i < 42; ++i)
        EXPECT_EQ(pair(t.game, i + 42), pair(t.game, i)) << i;
    for (int i = 84; i <= 111; ++i)
        EXPECT_EQ(pair(t.game, i), "000>000") << i;
}

TEST(ColourTables, GradientRoundsHalvesToEvenInDoublePrecision)
{
    TestGame t;
    EXPECT_EQ(t.game.Verlaufsfarbe(0, 1, 2), 32896);
    EXPECT_EQ(t.game.Verlaufsfarbe(7, 50, 100), 65407);  // 127.49999999999999, not 127.5
    for (double n : {1.0, 2.5, 99.5})
        EXPECT_EQ(t.game.Verlaufsfarbe(23, 0, n), 16711680) << n;  // blue, the start of pair 23
}

} // namespace
} // namespace zorvik::testing
