// Window resizing: the minimum size in two steps, the panels at the right edge and the restart.
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

struct ResizeTest : ::testing::Test {
    TestGame t;
    ResizeTest() { t.start(kDemoLevel); }
    int restarts() { return t.game.calls["Beginn"]; }
};

TEST_F(ResizeTest, MinimisedChangesNothingThenTooLowAndTooNarrowAreCorrectedOneEventAtATime)
{
    t.window.windowState = 1;  // minimised: nothing, whatever the size
    t.window.height = 3000;
    t.window.width = 5000;
    t.game.Form_Resize();
    EXPECT_EQ(t.window.height, 3000);
    EXPECT_TRUE(t.window.calls.empty());

    t.window.windowState = 0;
    t.game.Form_Resize();
    EXPECT_EQ(t.window.height, 4020);
    EXPECT_EQ(t.window.width, 5000);
    t.game.Form_Resize();
    EXPECT_EQ(t.window.width, 6015);
    EXPECT_EQ(restarts(), 0);
    t.game.Form_Resize();
    EXPECT_EQ(restarts(), 1);
}

TEST_F(ResizeTest, PanelsMoveToTheRightEdgeAndTheBoardGrows)
{
    t.window.width = t.window.scaleWidth = 9000;
    t.window.height = t.window.scaleHeight = 6000;
    t.game.Form_Resize();
    EXPECT_EQ(t.window.controlLefts[Control::WurmFrame], 9000 - 2295);
    EXPECT_EQ(t.window.controlLefts[Control::LevelFrame], 9000 - 2295);
    EXPECT_EQ(restarts(), 1);
    EXPECT_EQ(t.game.Zellgroesse, 666);  // Int(6000 / 9): the height is now the narrower side
}

} // namespace
} // namespace zorvik::testing
