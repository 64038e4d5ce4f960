// SPDX-License-Identifier: GPL-3.0-or-later
// The window's handlers in the core: editing with the mouse, the option controls and resizing.
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

TEST(Editor, ClickBlanksTheCellUnderThePointerAndRepaintsItButNotBeforeALevelStart)
{
    TestGame t;
    t.game.ZelleX = 5;  // a pointer before any level start and a click on the empty board do nothing
    t.game.Form_MouseMove(0, 0, 100, 100);
    t.game.Form_Click();
    EXPECT_TRUE(t.game.ZelleX == 5 && t.window.calls.empty());
    // The demo level (9 x 9 board with its border) at 30 twips a cell; each click tells what it painted.
    t.window.scaleHeight = 270;
    t.start(kDemoLevel);
    auto clickAt = [&t](float x, float y, bool move = true) {
        if (move)
            t.game.Form_MouseMove(0, 0, x, y);
        t.window.clear();
        t.game.Form_Click();
        return describe(t.window.calls);
    };
    EXPECT_EQ(clickAt(100, 70), "box 90 60 119 89 0");  // board cell (3, 2), level cell (2, 1)
    EXPECT_EQ(std::tuple(rows(t.game)[1], t.game.ZelleX, t.game.ZelleY), std::tuple(".# ###.", 3, 2));
    // A blank brush paints the empty cell only and counts nothing; the level's own text stays.
    EXPECT_EQ(t.game.calls, (std::map<std::string, int>{{"Nichts", 1}}));
    EXPECT_EQ(t.game.LevelText, kDemoLevel);
    // Off the board: the nearest cell, one coordinate at a time; overwriting a dot leaves the count.
    EXPECT_EQ(clickAt(0, 0), "box 30 30 59 59 0");
    EXPECT_EQ(clickAt(-50, 10000), "box 30 210 59 239 0");
    EXPECT_EQ(std::tuple(rows(t.game)[0], rows(t.game)[6], t.game.RestPunkte), std::tuple(" ......", " ------", 24));

    // A second click without moving landed one cell down and right, where the first click left ZelleX/ZelleY.
    clickAt(100, 70);
    EXPECT_EQ(clickAt(0, 0, false), "box 90 60 119 89 0");
    t.game.Bild();  // a whole-board redraw walks ZelleX/ZelleY too
    EXPECT_EQ(clickAt(0, 0, false), "box 90 60 119 89 0");
}

TEST(Options, AnimationLabelTogglesAndEveryColourChoiceRestarts)
{
    TestGame t;
    t.start(kDemoLevel);
    t.game.SchnellFlüssig_Click();  // " flüssig": the window test clicks it once
    t.game.SchnellFlüssig_Click();
    EXPECT_EQ(t.window.captions[Control::SchnellFlüssig], " schnell");
    EXPECT_TRUE(t.window.calls.empty() && t.game.calls.empty());

    auto choose = [&](bool chosen, Colour colour) {
        t.window.colourChosen = chosen, t.window.chosenColour = colour, t.game.calls.clear();
        t.game.WurmFrame_Click();
        return t.game.calls["Beginn"];
    };
    // The colours the choice gives are the level start's (see WormColours).
    EXPECT_EQ(choose(true, 65280) + choose(true, 65280), 2);  // the same colour again still restarts
    EXPECT_EQ(std::pair(t.game.WurmFarbe, t.game.SegmentFarbe[29]), std::pair(65280, 65280));
    EXPECT_EQ(choose(false, 255), 0);  // closed without a choice
    EXPECT_EQ(t.game.WurmFarbe, 65280);
    choose(true, 0);  // black, the level's own ramp, is a choice too
    EXPECT_EQ(t.game.WurmFarbe, 0);
    t.game.LevelText = "abc";  // a restart that fails ends the handler silently
    EXPECT_NO_THROW(choose(true, 255));
}

TEST(Resize, MinimumSizeOneEventAtATimeThenPanelsAtTheRightEdgeAndARestart)
{
    TestGame t;
    t.start(kDemoLevel);
    t.window.windowState = 1;  // minimised: nothing, whatever the size
    t.window.height = 3000, t.window.width = 5000;
    t.game.Form_Resize();
    t.window.windowState = 0;
    using Size = std::tuple<float, float, int>;  // height, width, restarts
    for (const Size& expected : {Size{3000, 5000, 0}, Size{4020, 5000, 0}, Size{4020, 6015, 0}}) {
        EXPECT_EQ(Size(t.window.height, t.window.width, t.game.calls["Beginn"]), expected);
        t.game.Form_Resize();
    }
    t.window.scaleWidth = 9000, t.window.scaleHeight = 6000;
    t.game.Form_Resize();
    EXPECT_EQ(t.window.controlLefts, (std::map<Control, float>{{Control::WurmFrame, 6705}, {Control::LevelFrame, 6705}}));
    EXPECT_EQ(std::tuple(t.game.calls["Beginn"], t.game.Zellgroesse), std::tuple(2, 666));  // at 6015 wide, then Int(6000 / 9)
}

} // namespace
} // namespace zorvik::testing
