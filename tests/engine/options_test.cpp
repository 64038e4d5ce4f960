// The option controls: the animation caption toggle and the worm colour chooser.
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

const std::string kSmooth = " fl\xC3\xBCssig";

TEST(Options, AnimationLabelTogglesBetweenItsTwoCaptionsOnly)
{
    TestGame t;
    t.start(kDemoLevel);
    t.game.SchnellFlüssig_Click();
    EXPECT_EQ(t.window.captions[Control::SchnellFlüssig], kSmooth);
    t.game.SchnellFlüssig_Click();
    EXPECT_EQ(t.window.captions[Control::SchnellFlüssig], " schnell");
    // Anything that is not exactly the smooth caption counts as fast and turns smooth.
    t.window.captions[Control::SchnellFlüssig] = "schnell";
    t.game.SchnellFlüssig_Click();
    EXPECT_EQ(t.window.captions[Control::SchnellFlüssig], kSmooth);
    // The game is neither restarted nor repainted.
    EXPECT_TRUE(t.window.calls.empty());
    EXPECT_TRUE(t.game.calls.empty());
}

TEST(Options, ClosingTheColourChooserWithoutAChoiceChangesNothing)
{
    TestGame t;
    t.start(kDemoLevel);
    t.game.WurmFarbe = 255;
    t.window.colourChosen = false;
    t.window.chosenColour = 65280;
    t.game.WurmFrame_Click();
    EXPECT_EQ(t.game.WurmFarbe, 255);
    EXPECT_EQ(t.game.calls["Beginn"], 0);
    EXPECT_TRUE(t.window.calls.empty());
}

TEST(Options, EveryColourChoiceRestartsTheLevelWithThatColour)
{
    TestGame t;
    t.start(kDemoLevel);
    const Colour ramp = t.game.SegmentFarbe[0];
    t.window.colourChosen = true;

    t.window.chosenColour = 65280;
    t.game.WurmFrame_Click();
    t.game.WurmFrame_Click();  // the same colour again still restarts
    EXPECT_EQ(t.game.calls["Beginn"], 2);
    EXPECT_EQ(t.game.SegmentFarbe[0], 65280);
    EXPECT_EQ(t.game.SegmentFarbe[29], 65280);

    t.window.chosenColour = 16777215;  // white: a random colour per segment
    t.game.WurmFrame_Click();
    EXPECT_NE(t.game.SegmentFarbe[0], t.game.SegmentFarbe[1]);

    t.window.chosenColour = 0;  // black: the level's own ramp
    t.game.WurmFrame_Click();
    EXPECT_EQ(t.game.SegmentFarbe[0], ramp);
}

TEST(Options, FailingRestartAfterAColourChoiceEndsTheHandlerSilently)
{
    TestGame t;
    t.game.LevelText = "";
    t.window.colourChosen = true;
    t.window.chosenColour = 255;
    EXPECT_NO_THROW(t.game.WurmFrame_Click());
    EXPECT_EQ(t.game.WurmFarbe, 255);
}

} // namespace
} // namespace zorvik::testing
