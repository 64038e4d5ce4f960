// Arrow keys: refused at the board's edge, other keys ignored, the shift state never matters.
#include "support/state_diff.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

TEST(Steering, KeysThatWouldLeaveTheBoardOrAreNoArrowsDoNothing)
{
    TestGame t;
    t.start(level({"ö"}));  // a lone head on the only inner cell
    const GameState before = t.game;
    for (int shift = 0; shift < 8; ++shift)
        for (int key : {kKeyUp, kKeyDown, kKeyLeft, kKeyRight, 0, 13, 32, 36, 41, 65, kKeyLeft + 256})
            t.game.Form_KeyDown(key, shift);
    EXPECT_TRUE(differences(before, t.game).empty());
    EXPECT_TRUE(t.window.calls.empty());

    TestGame middle;
    middle.start(level({"   ", " ö ", "   "}));
    const GameState still = middle.game;
    for (int key : {0, 13, 32, 36, 41, 65, kKeyLeft + 256})
        middle.game.Form_KeyDown(key, 1);
    EXPECT_TRUE(differences(still, middle.game).empty());
    EXPECT_TRUE(middle.window.calls.empty());
}

TEST(Steering, ArrowsMoveOneCellWhateverTheShiftState)
{
    const struct {
        int key;
        const char* head;
    } cases[] = {{kKeyUp, "2,1"}, {kKeyDown, "2,3"}, {kKeyLeft, "1,2"}, {kKeyRight, "3,2"}};
    for (const auto& c : cases) {
        for (int shift : {0, 1, 2, 4, 7}) {
            TestGame t;
            t.start(level({"   ", " ö ", "   "}));
            t.game.Form_KeyDown(c.key, shift);
            EXPECT_EQ(segments(t.game), c.head) << c.key << " " << shift;
        }
    }
}

} // namespace
} // namespace zorvik::testing
