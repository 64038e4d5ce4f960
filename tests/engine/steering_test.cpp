// Arrow keys: refused at the board's edge, other keys ignored, the shift state never matters.
#include "support/state_diff.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

TEST(Steering, RefusedArrowsAndOtherKeysChangeAndDrawNothing)
{
    for (const std::string& text : {level({"ö"}), level({"   ", " ö ", "   "})}) {
        TestGame t;
        t.start(text);
        const GameState before = t.game;
        const bool alone = text.size() == 1;  // a lone head on the only inner cell refuses every arrow
        for (int shift = 0; shift < 8; ++shift)
            for (int key : {kKeyUp, kKeyDown, kKeyLeft, kKeyRight, 0, 13, 32, 36, 41, 65, kKeyLeft + 256})
                if (alone || key < kKeyLeft || key > kKeyDown)
                    t.game.Form_KeyDown(key, shift);
        EXPECT_TRUE(differences(before, t.game).empty()) << text;
        EXPECT_TRUE(t.window.calls.empty()) << text;
    }
}

TEST(Steering, ArrowsMoveOneCellWhateverTheShiftState)
{
    const std::pair<int, const char*> cases[] = {
        {kKeyUp, "2,1"}, {kKeyDown, "2,3"}, {kKeyLeft, "1,2"}, {kKeyRight, "3,2"}};
    for (const auto& [key, head] : cases) {
        for (int shift : {0, 1, 2, 4, 7}) {
            TestGame t;
            t.start(level({"   ", " ö ", "   "}));
            t.game.Form_KeyDown(key, shift);
            EXPECT_EQ(segments(t.game), head) << key << " " << shift;
        }
    }
}

} // namespace
} // namespace zorvik::testing
