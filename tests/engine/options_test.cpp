// The option controls: the animation caption toggle and the worm colour chooser.
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

struct OptionsTest : ::testing::Test {
    TestGame t;
    OptionsTest() { t.start(kDemoLevel); }
    std::string& animation() { return t.window.captions[Control::SchnellFlüssig]; }
    void choose(Colour colour)
    {
        t.window.colourChosen = true;
        t.window.chosenColour = colour;
        t.game.WurmFrame_Click();
    }
};

TEST_F(OptionsTest, AnimationLabelTogglesItsCaptionAndNothingElse)
{
    t.game.SchnellFlüssig_Click();
    EXPECT_EQ(animation(), " fl\xC3\xBCssig");
    t.game.SchnellFlüssig_Click();
    EXPECT_EQ(animation(), " schnell");
    EXPECT_TRUE(t.window.calls.empty());
    EXPECT_TRUE(t.game.calls.empty());
}

TEST_F(OptionsTest, EveryColourChoiceRestartsAndClosingWithoutOneChangesNothing)
{
    const Colour ramp = t.game.SegmentFarbe[0];
    choose(65280);
    choose(65280);  // the same colour again still restarts
    EXPECT_EQ(t.game.calls["Beginn"], 2);
    EXPECT_EQ(t.game.SegmentFarbe[0], 65280);
    EXPECT_EQ(t.game.SegmentFarbe[29], 65280);
    choose(16777215);  // white: a random colour per segment
    EXPECT_NE(t.game.SegmentFarbe[0], t.game.SegmentFarbe[1]);
    choose(0);  // black: the level's own ramp
    EXPECT_EQ(t.game.SegmentFarbe[0], ramp);

    t.window.colourChosen = false;
    t.window.chosenColour = 255;
    t.window.clear();
    t.game.WurmFrame_Click();
    EXPECT_EQ(t.game.WurmFarbe, 0);
    EXPECT_TRUE(t.window.calls.empty());

    t.game.LevelText = "abc";  // a restart that fails ends the handler silently
    EXPECT_NO_THROW(choose(255));
}

} // namespace
} // namespace zorvik::testing
