// What a move draws: the slide's frames, the blanked cell, the removal and the death animations.
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zorvik::testing {
namespace {

float animationCode(Animation a) { return float(static_cast<int>(a)); }

// The discs of each slide frame, and the checked pacing calls that close them.
std::vector<std::vector<Call>> slideFrames(const std::vector<Call>& calls)
{
    std::vector<std::vector<Call>> frames(1);
    for (const Call& c : calls) {
        if (c.kind == Call::Circle)
            frames.back().push_back(c);
        if (c.kind == Call::Frame && c.x2 == animationCode(Animation::Slide)) {
            EXPECT_EQ(c.x1, float(frames.size()));
            frames.emplace_back();
        }
    }
    frames.pop_back();
    return frames;
}

// The calls after the last pacing call of an animation.
std::vector<Call> after(const std::vector<Call>& calls, Animation a)
{
    auto last = std::find_if(calls.rbegin(), calls.rend(),
                             [a](const Call& c) { return c.kind == Call::Frame && c.x2 == animationCode(a); });
    return {last.base(), calls.end()};
}

TEST(MoveDrawing, SmoothSlideHasOneFramePerUnitOfTheCell)
{
    for (const char* caption : {" flüssig", "schnell"}) {
        TestGame t;
        t.window.captions[Control::SchnellFlüssig] = caption;
        t.start(kDemoLevel);
        t.play("L");
        const auto frames = slideFrames(t.window.calls);
        ASSERT_EQ(frames.size(), 400u) << caption;
        for (std::size_t k = 0; k < frames.size(); k += 133) {
            ASSERT_EQ(frames[k].size(), 6u);
            EXPECT_EQ(frames[k][0].x1, 2 * 400 + 199 - float(k));  // the head slides left
            EXPECT_EQ(frames[k][5].x1, 6 * 400 + 199);  // the new tail waits on its cell
        }
        EXPECT_EQ(t.window.only(Call::Frame).back().y1, 400);
        EXPECT_EQ(t.game.ZelleX, 400);
    }
}

TEST(MoveDrawing, SlidePaintsEverySegmentInIndexOrderInItsColour)
{
    TestGame t;
    t.start(kDemoLevel);
    t.play("L");
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(t.window.calls[2 * i].kind, Call::Fill);
        EXPECT_EQ(t.window.calls[2 * i].colour, t.game.SegmentFarbe[i]);
        EXPECT_EQ(t.window.calls[2 * i + 1].y1, 3 * 400 + 199);
    }
}

TEST(MoveDrawing, FastSlideStepsGrowWithTheWorm)
{
    struct Case {
        std::string worm;
        std::uint32_t step;
        std::size_t frames;
        int leftOffset;
    };
    // Cells of 100: Laenge 9 gives steps of 3, a worm shorter than 4 cells' worth steps 1.
    for (const Case& c : {Case{" öooooooooo", 3, 34, 102}, Case{" öo        ", 1, 100, 100}}) {
        TestGame t;
        t.window.scaleWidth = 2295 + 2000;
        t.window.scaleHeight = 1300;
        t.start(level({c.worm}) + std::string(110, ' '));
        t.play("L");
        EXPECT_EQ(t.game.Schritt, c.step) << c.worm;
        const auto frames = slideFrames(t.window.calls);
        ASSERT_EQ(frames.size(), c.frames) << c.worm;
        EXPECT_EQ(frames.back()[0].x1, 2 * 100 + 49 - float((c.frames - 1) * c.step));
        EXPECT_EQ(t.game.ZelleX, c.leftOffset);
    }
}

TEST(MoveDrawing, FastStepWiderThanAByte)
{
    // Fault guarded: Laenge x Zellgroesse >= 102000 made the step wrap in 8 bits.
    TestGame t;
    t.window.scaleWidth = 2295 + 8000;
    t.window.scaleHeight = 7600;
    t.start(level({"öoooooooooooooooo"}) + std::string(17, ' ') + std::string(239, 'o') + std::string(16, ' '));
    ASSERT_EQ(t.game.Laenge, 255);
    t.play("D");
    EXPECT_EQ(t.game.Schritt, 256u);
    const auto frames = slideFrames(t.window.calls);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1][0].y1, 400 + 199 + 256);
    EXPECT_EQ(t.game.ZelleX, 512);
}

TEST(MoveDrawing, VacatedCellIsBlankedOnlyUnderAllThreeConditions)
{
    struct Case {
        const char* row;
        float cellSide;
        const char* moves;
        int boxes;
    };
    for (const Case& c : {Case{"  öo ", 400, "L", 1}, Case{"  öo ", 399, "L", 0},  // Laenge x Zellgroesse < 400
                          Case{"  öo ", 400, "R", 0},                             // head on the vacated cell
                          Case{"..öo ", 400, "L", 0}}) {                          // growing vacates nothing
        TestGame t;
        t.window.scaleWidth = 2295 + 5000;
        t.window.scaleHeight = 7 * c.cellSide;
        t.start(level({"     ", c.row, "     ", "     ", "     "}));
        t.play(c.moves);
        const auto boxes = t.window.only(Call::Box);
        ASSERT_EQ(int(boxes.size()), c.boxes) << c.row << c.cellSide << c.moves;
        if (!boxes.empty()) {
            EXPECT_EQ(boxes[0].x1, 4 * 400);
            EXPECT_EQ(boxes[0].y2, 2 * 400 + 399);
        }
    }
}

TEST(MoveDrawing, HeadAndEyesOnTheNewCellThenRemovalShrinksTogether)
{
    TestGame t;
    t.start(level({",öooooo", "       ", "       ", "       ", "       ", "       ", "       "}));
    t.play("L");
    const auto c = after(t.window.calls, Animation::Slide);
    ASSERT_EQ(c.size(), 2 + 8 + 1 + 1 + 199 * 4 + 3u);
    EXPECT_EQ(c[1].kind, Call::Circle);
    EXPECT_EQ(c[1].x1, 400 + 199);
    EXPECT_EQ(c[9].kind, Call::Circle);  // the last pupil
    EXPECT_EQ(c[10].kind, Call::Box);   // the tail's old cell
    EXPECT_EQ(c[10].x1, 7 * 400);
    EXPECT_EQ(c[11].kind, Call::Fill);
    EXPECT_EQ(c[11].colour, 0);
    for (int r = 0; r < 199; ++r) {
        for (int s = 0; s < 3; ++s) {  // segments 3 to 5, now on cells 4 to 6
            const Call& disc = c[12 + 4 * r + s];
            EXPECT_EQ(disc.x2, float(r));
            EXPECT_EQ(disc.x1, (4 + s) * 400 + 199);
        }
        EXPECT_EQ(c[12 + 4 * r + 3].kind, Call::Frame);
        EXPECT_EQ(c[12 + 4 * r + 3].x1, float(r + 1));
    }
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(c[c.size() - 3 + s].kind, Call::Box);
        EXPECT_EQ(c[c.size() - 3 + s].x1, (4 + s) * 400);
    }
    EXPECT_EQ(t.game.Laenge, 2);
    EXPECT_EQ(t.game.Zaehler2, 199);
}

TEST(MoveDrawing, DeathWipesTheWormTailFirstWhereTheAdvanceStopped)
{
    TestGame t;
    t.start(kDemoLevel);
    t.play("R");
    const auto c = after(t.window.calls, Animation::Slide);
    ASSERT_GE(c.size(), 1 + 5 * 200u);
    EXPECT_EQ(c[0].kind, Call::Fill);
    EXPECT_EQ(c[0].colour, 0);
    const int cells[] = {6, 5, 3, 2, 3};  // segments 4 to 0; 0 to 2 have stepped already
    for (int s = 0; s < 5; ++s) {
        for (int r = 1; r <= 199; ++r) {
            const Call& disc = c[1 + 200 * s + r - 1];
            EXPECT_TRUE(disc.kind == Call::Circle && disc.x2 == float(r) && disc.x1 == cells[s] * 400 + 199) << s << r;
        }
        const Call& frame = c[200 * (s + 1)];
        EXPECT_TRUE(frame.kind == Call::Frame && frame.x1 == float(s + 1) && frame.y1 == 5) << s;
    }
}

TEST(MoveDrawing, DeathLeavesItsCountersForTheLevelStart)
{
    TestGame t;
    t.start(kDemoLevel);
    t.game.Tot();
    EXPECT_EQ(t.game.Zaehler, -1);
    EXPECT_EQ(t.game.ZelleX, 200);

    // Cells too small for a disc: nothing is drawn and the counter stops at 1.
    t.window.scaleHeight = 27;
    t.start(kDemoLevel);
    ASSERT_EQ(t.game.Radius, 0);
    t.game.Tot();
    EXPECT_EQ(t.game.ZelleX, 1);
    EXPECT_EQ(t.window.count(Call::Circle), 0);
    EXPECT_EQ(t.window.count(Call::Frame), 0);
}

} // namespace
} // namespace zorvik::testing
