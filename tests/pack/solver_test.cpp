// The level search: its moves finish levels in the real game, and it tells "no way" from "no time".
#include "solver.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

using check::Solution;
using namespace std::chrono_literals;

TEST(Solver, FindsMovesThatFinishTheLevel)
{
    // The left pocket's dot must come last; the halving cell lets the worm turn in the right one.
    for (const auto& text : {kDemoLevel, level({"#.#,#", "# # #", "# #.#", "  öoo", ".    "})}) {
        const auto solution = check::solveLevel(text, 10s);
        ASSERT_EQ(solution.outcome, Solution::Outcome::Found);
        TestGame t;  // the next level is a marker that must come up without a death
        t.game.levelTexts = {text, level({"öo.", "...", "..."})};
        t.game.LevelLaden();
        t.play(solution.moves);
        EXPECT_TRUE(t.game.LevelNr == 1 && t.game.calls["Tot"] == 0) << solution.moves;
    }
}

TEST(Solver, TellsAnUnfinishableLevelFromARunOutSearch)
{
    // Both dots end a corridor: after eating one the worm can never turn back for the other.
    const std::string corridor = std::string(9 * 4, '#') + ".  \xF6oo  ." + std::string(9 * 4, '#');
    const auto proof = check::solveLevel(corridor, 10s);
    EXPECT_TRUE(proof.outcome == Solution::Outcome::None && proof.moves.empty());
    std::string open(100, '.');
    open.replace(33, 3, "\xF6oo");
    const auto capped = check::solveLevel(open, 10s, 50);
    EXPECT_EQ(capped.outcome, Solution::Outcome::OutOfTime);
    EXPECT_LE(capped.positions, 60u);
}

} // namespace
} // namespace zorvik::testing
