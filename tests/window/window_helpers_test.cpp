// SPDX-License-Identifier: GPL-3.0-or-later
// The window's small helpers: the frames of a move shown at its pace, key codes and twips to pixels.
#include "model/window_operations.h"
#include "screen/desktop_scale.h"
#include "screen/frame_show.h"
#include "screen/key_codes.h"
#include "screen/twips.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace zorvik {
namespace {

// A move's animations as the window keeps them, then shown on a clock that moves a millisecond at a time: the
// times of the frames shown and of the end, in ms from the start.
using Times = std::tuple<std::vector<long>, long>;
Times show(const std::vector<std::pair<Animation, int>>& animations, long hurryAt = -1, bool fast = true)
{
    FrameShow::Clock::time_point now{};
    FrameShow frames([&] { return now; });
    const QImage picture(8, 8, QImage::Format_RGB32);
    for (const auto& [animation, total] : animations) {
        const FrameShow::Pace pace = FrameShow::paceOf(animation, total, fast);
        for (int done = 1; done <= total; ++done) {
            QRect changed(done % 8, 0, 1, 1);
            if (frames.frame(done, total, pace.length, pace.held))
                frames.keep(picture, changed);
        }
    }
    Times shown;
    for (long ms = 0; frames.start(QRect()) || frames.active(); now += std::chrono::milliseconds(1), ++ms) {
        if (ms == hurryAt)
            frames.hurry();
        for (const FrameShow::Frame& frame : frames.due().frames)
            std::get<0>(shown).push_back(std::lround(frame.at.count()));
        std::get<1>(shown) = ms;
    }
    return shown;
}

TEST(FrameShow, FramesAreShownAtMostOncePerRefreshAtTheirAnimationsPace)
{
    using A = Animation;
    // Few frames: each is shown; frame 2 is due at 15 ms, the screen refreshes at 16.7.
    EXPECT_EQ(show({{A::Slide, 4}}), Times({0, 17, 33, 50}, 60));
    // Smooth mode on a 240-twip cell: one frame a refresh, the last a little sooner.
    EXPECT_EQ(show({{A::Slide, 240}}, -1, false), Times({0, 17, 33, 50, 67, 83, 100, 117, 133, 150}, 160));
    // A death lasts 15 ms a segment, but no less than 0.4 s and no more than 1.5 s; the finished board 0.4 s.
    EXPECT_EQ(show({{A::Death, 4}}), Times({0, 100, 200, 300}, 400));
    EXPECT_EQ(std::get<1>(show({{A::Death, 50}})), 750);
    EXPECT_EQ(std::get<1>(show({{A::Death, 1226}})), 1500);
    EXPECT_EQ(show({{A::Slide, 1}, {A::LevelEnd, 1}, {A::Removal, 1}}), Times({0, 60, 460}, 560));
    // A key press waiting cuts a slide short, but not a death or the finished board.
    EXPECT_EQ(show({{A::Slide, 4}}, 20), Times({0, 17}, 20));
    EXPECT_EQ(show({{A::Slide, 4}, {A::Death, 4}}, 20), Times({0, 17, 33, 50, 67, 160, 260, 360}, 60 + 400 - 40));
    EXPECT_EQ(show({{A::Slide, 1}, {A::LevelEnd, 1}, {A::Removal, 1}}, 100), Times({0, 60}, 460));
}

// Guards against one move's frames keeping the next from being kept: moves after the first were not animated.
TEST(FrameShow, EveryMoveKeepsItsFramesAfresh)
{
    FrameShow frames;
    const QImage screen(3000, 3000, QImage::Format_RGB32);  // more than half of what may be kept at once
    for (int move = 1; move <= 2; ++move) {
        QRect changed(0, 0, 3000, 2990);
        ASSERT_TRUE(frames.frame(1, 4, FrameShow::Ms(60), false)) << move;
        frames.keep(screen, changed);
        EXPECT_TRUE(changed.isEmpty()) << move;
        frames.start(QRect(0, 2990, 3000, 10));  // what the move drew after its last frame
        EXPECT_EQ(frames.stop(), screen.rect()) << move;
    }
}

// Guards against a scale the toolkit cannot show, which left no window, and scales below 1, which it paints
// at full size in a window of half the size.
TEST(DesktopScale, BelowOneTheGameScalesItselfAndNonsenseIsOne)
{
    // The value, the game's own scale, what is left for the toolkit, and whether the player is warned.
    using Case = std::tuple<const char*, double, const char*, bool>;
    for (const auto& [value, own, left, warns] :
         {Case{"0.5", 0.5, "1", false}, Case{" 2 ", 1, " 2 ", false}, Case{"abc", 1, "1", true}, Case{"nan", 1, "1", true},
          Case{"0", 1, "1", true}, Case{"-1", 1, "1", true}, Case{"1e9", 1, "1", true}, Case{"1,5", 1, "1", true}}) {
        ::setenv("QT_SCALE_FACTOR", value, 1);
        const DesktopScale scale = takeDesktopScale();
        EXPECT_EQ(std::tuple(scale.own, std::string(std::getenv("QT_SCALE_FACTOR")), scale.warning.empty()),
                  std::tuple(own, std::string(left), !warns)) << value;
    }
    ::unsetenv("QT_SCALE_FACTOR");
}

// Guards against a scale that made a window of 32,700 × 26,800 pixels (10.8 GB) on a screen of 800 × 600.
TEST(DesktopScale, AWindowLargerThanTheScreenIsScaledDownUntilItFits)
{
    // The toolkit's scale, the game's own, the available area in the toolkit's pixels; the own scale after.
    using Case = std::tuple<double, double, double, double, double>;
    for (const auto& [toolkit, own, width, height, fitted] :
         {Case{1, 1, 800, 600, 1}, Case{1, 0.5, 100, 600, 100 * 1440 / (6015 * 96.0)}, Case{100, 1, 8, 6, 8 * 1440 / (6015 * 96.0)},
          Case{1, 1, 1000, 201, 201 * 1440 / (4020 * 96.0)}, Case{1, 1, 0, 0, 1}}) {
        DesktopScale scale{own, ""};
        fitScaleToScreen(scale, toolkit, 96, 6015, 4020, width, height);
        EXPECT_DOUBLE_EQ(scale.own, fitted) << width << " x " << height;
        EXPECT_EQ(scale.warning.empty(), fitted == own) << scale.warning;
    }
}

// Guards against keys whose own numbers equal the arrows' codes ('%' is 37 in Qt and in X) moving the worm.
TEST(KeyCodes, OnlyTheArrowKeysGiveTheArrowCodes)
{
    EXPECT_EQ(std::tuple(virtualKeyCode(Qt::Key_Left), virtualKeyCode(Qt::Key_Down), virtualKeyCode(Qt::Key_A),
                         virtualKeyCode(Qt::Key_F1)), std::tuple(37, 40, 65, 112));
    for (int key : {Qt::Key_Percent, Qt::Key_Ampersand, Qt::Key_Apostrophe, Qt::Key_ParenLeft})
        EXPECT_EQ(virtualKeyCode(key), 0) << key;
}

// Guards against a minimum size that rounds to a pixel short of itself and is never reached.
TEST(Twips, MinimumSizesRoundUpAndPositionsToTheNearestPixel)
{
    // At 15 twips a pixel the window's own minimum size and frames check these; 120 dpi has 12.5.
    const double at120dpi = twipsPerPixel(120);
    EXPECT_EQ(std::tuple(pixelsHolding(6015, at120dpi), nearestPixels(2295, at120dpi)), std::tuple(502, 191));  // 501.25 up, 191.25 near
}

} // namespace
} // namespace zorvik
