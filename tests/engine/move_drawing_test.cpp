// What a move draws: the slide's frames, the blanked cell, the removal and the death animations.
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zorvik::testing {
namespace {

float code(Animation a) { return float(static_cast<int>(a)); }

// The calls of each slide frame, each closed by its pacing call.
std::vector<std::vector<Call>> slideFrames(const std::vector<Call>& calls)
{
    std::vector<std::vector<Call>> frames(1);
    for (const Call& c : calls) {
        if (c.kind == Call::Frame && c.x2 == code(Animation::Slide)) {
            EXPECT_EQ(c.x1, float(frames.size()));
            frames.emplace_back();
        } else if (c.kind == Call::Fill || c.kind == Call::Circle) {
            frames.back().push_back(c);
        }
    }
    frames.pop_back();
    return frames;
}

// The calls after the last pacing call of an animation.
std::vector<Call> after(const std::vector<Call>& calls, Animation a)
{
    auto last = std::find_if(calls.rbegin(), calls.rend(),
                             [a](const Call& c) { return c.kind == Call::Frame && c.x2 == code(a); });
    return {last.base(), calls.end()};
}

TEST(MoveDrawing, SmoothSlideDrawsEverySegmentInEachOfZellgroesseFrames)
{
    for (const char* caption : {" flüssig", "schnell"}) {
        TestGame t;
        t.window.captions[Control::SchnellFlüssig] = caption;
        t.start(kDemoLevel);
        t.play("L");
        const auto frames = slideFrames(t.window.calls);
        ASSERT_EQ(frames.size(), 400u) << caption;
        for (std::size_t k = 0; k < 400; k += 133) {
            ASSERT_EQ(frames[k].size(), 12u);
            for (int i = 0; i <= 5; ++i)  // index order, each in its colour
                EXPECT_EQ(frames[k][2 * i].colour, t.game.SegmentFarbe[i]);
            EXPECT_EQ(frames[k][1].x1, 2 * 400 + 199 - float(k));  // the head slides left
            EXPECT_EQ(frames[k][11].x1, 6 * 400 + 199);  // the new tail waits on its cell
        }
        EXPECT_EQ(t.window.only(Call::Frame).back().y1, 400);
        EXPECT_EQ(t.game.ZelleX, 400);
    }
}

TEST(MoveDrawing, FastSlideStepsGrowWithTheWorm)
{
    struct Case {
        const char* worm;
        std::uint32_t step;
        std::size_t frames;
        int offsetAfter;
    };
    // Cells of 100: Laenge 9 steps by 3; a worm below 400 units of Laenge x Zellgroesse steps by 1.
    for (const Case& c : {Case{" öooooooooo", 3, 34, 102}, Case{" öo        ", 1, 100, 100}}) {
        TestGame t;
        t.window.scaleWidth = 2295 + 2000;
        t.window.scaleHeight = 1300;
        t.start(level({c.worm}) + std::string(110, ' '));
        t.play("L");
        EXPECT_EQ(t.game.Schritt, c.step) << c.worm;
        const auto frames = slideFrames(t.window.calls);
        ASSERT_EQ(frames.size(), c.frames) << c.worm;
        EXPECT_EQ(frames.back()[1].x1, 2 * 100 + 49 - float((c.frames - 1) * c.step));
        EXPECT_EQ(t.game.ZelleX, c.offsetAfter);
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
    EXPECT_EQ(frames[1][1].y1, 400 + 199 + 256);
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
        if (!boxes.empty())
            EXPECT_TRUE(boxes[0].x1 == 4 * 400 && boxes[0].y2 == 2 * 400 + 399);
    }
}

TEST(MoveDrawing, HeadAndEyesOnTheNewCellThenRemovalShrinksTogether)
{
    TestGame t;
    t.start(level({",öooooo"}) + std::string(42, ' '));
    t.play("L");
    const auto c = after(t.window.calls, Animation::Slide);
    ASSERT_EQ(c.size(), 2 + 8 + 1 + 1 + 199 * 4 + 3u);
    EXPECT_EQ(c[1].x1, 400 + 199);                            // the head's disc, then its eyes
    EXPECT_TRUE(c[10].kind == Call::Box && c[10].x1 == 7 * 400);  // the tail's old cell
    EXPECT_TRUE(c[11].kind == Call::Fill && c[11].colour == 0);
    for (int r = 0; r < 199; ++r) {
        for (int s = 0; s < 3; ++s)  // segments 3 to 5, now on cells 4 to 6
            EXPECT_TRUE(c[12 + 4 * r + s] == (Call{Call::Circle, (4 + s) * 400 + 199.0f, 400 + 199, float(r)})) << r;
        EXPECT_EQ(c[12 + 4 * r + 3].x1, float(r + 1));
    }
    for (int s = 0; s < 3; ++s)
        EXPECT_TRUE(c[c.size() - 3 + s].kind == Call::Box && c[c.size() - 3 + s].x1 == (4 + s) * 400);
    EXPECT_EQ(t.game.Zaehler2, 199);
}

TEST(MoveDrawing, DeathWipesTheWormTailFirstWhereTheAdvanceStopped)
{
    TestGame t;
    t.start(kDemoLevel);
    t.play("R");
    const auto c = after(t.window.calls, Animation::Slide);
    ASSERT_TRUE(c.size() > 1000 && c[0].kind == Call::Fill && c[0].colour == 0);
    const int cells[] = {6, 5, 3, 2, 3};  // segments 4 to 0; 0 to 2 have stepped already
    for (int s = 0; s < 5; ++s) {
        for (int r = 1; r <= 199; ++r)
            EXPECT_TRUE(c[200 * s + r] == (Call{Call::Circle, cells[s] * 400 + 199.0f, 3 * 400 + 199, float(r)})) << s;
        const Call& frame = c[200 * (s + 1)];
        EXPECT_TRUE(frame.kind == Call::Frame && frame.x1 == float(s + 1) && frame.y1 == 5);
    }

    t.game.Tot();  // the counters it leaves for the level start
    EXPECT_EQ(t.game.Zaehler, -1);
    EXPECT_EQ(t.game.ZelleX, 200);
    t.window.scaleHeight = 27;  // cells too small for a disc: nothing drawn, the counter stops at 1
    t.start(kDemoLevel);
    t.game.Tot();
    EXPECT_EQ(t.game.ZelleX, 1);
    EXPECT_EQ(t.window.count(Call::Circle) + t.window.count(Call::Frame), 0);
}

} // namespace
} // namespace zorvik::testing
