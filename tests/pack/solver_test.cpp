// The level search: its moves finish levels in the real game, and it tells "no way" from "no time".
#include "solver.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

using check::Solution;
using check::solveLevel;
using namespace std::chrono_literals;

// Plays the moves in a game whose next level is a marker, and tells whether that level came up.
bool finishes(const std::string& text, const std::string& moves)
{
    TestGame t;
    t.game.levelTexts = {text, level({"öo.", "...", "..."})};
    t.game.LevelNr = 0;
    t.game.LevelLaden();
    t.play(moves);
    return t.game.LevelNr == 1 && t.game.calls["Tot"] == 0;
}

TEST(Solver, FindsMovesThatFinishTheLevel)
{
    const auto demo = solveLevel(kDemoLevel, 10s);
    ASSERT_EQ(demo.outcome, Solution::Outcome::Found);
    EXPECT_TRUE(finishes(kDemoLevel, demo.moves)) << demo.moves;

    // The pocket's dot must come last, and the halving cell is what lets the worm turn in the other pocket.
    const std::string pockets = level({
        "#.#,#",
        "# # #",
        "# #.#",
        "  öoo",
        ".    ",
    });
    const auto found = solveLevel(pockets, 10s);
    ASSERT_EQ(found.outcome, Solution::Outcome::Found);
    EXPECT_TRUE(finishes(pockets, found.moves)) << found.moves;
}

TEST(Solver, ProvesALevelUnfinishable)
{
    // Either dot lies at the end of a corridor; after the first, the worm cannot turn back for the other.
    const std::string twoEnds = level({
        "#########",
        ".  öoo  .",
        "#########",
        "#########",
        "#########",
        "#########",
        "#########",
        "#########",
        "#########",
    });
    const auto none = solveLevel(twoEnds, 10s);
    EXPECT_EQ(none.outcome, Solution::Outcome::None);
    EXPECT_TRUE(none.moves.empty());
    EXPECT_GT(none.positions, 1u);
}

TEST(Solver, StopsAtItsLimits)
{
    const std::string open = level({
        "..........",
        "..........",
        "..........",
        "...öoo....",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
    });
    const auto capped = solveLevel(open, 10s, 50);
    EXPECT_EQ(capped.outcome, Solution::Outcome::OutOfTime);
    EXPECT_LE(capped.positions, 60u);

    const auto timed = solveLevel(open, 0ms);
    EXPECT_EQ(timed.outcome, Solution::Outcome::OutOfTime);
}

} // namespace
} // namespace zorvik::testing
