// The window's small helpers: pacing of animation frames, key codes and twips to pixels.
#include "window/key_codes.h"
#include "window/pacer.h"
#include "window/twips.h"

#include <gtest/gtest.h>

#include <vector>

namespace zorvik {
namespace {

using namespace std::chrono_literals;
using Ms = std::chrono::duration<double, std::milli>;

// A clock that only moves when the pacer sleeps or a frame takes time to draw.
struct FakeTime {
    Pacer::Clock::time_point now{};
    std::vector<double> presents;  // ms since the start
    Pacer pacer{[this] { return now; }, [this](Pacer::Clock::time_point until) { now = std::max(now, until); }};

    double ms() const { return Ms(now.time_since_epoch()).count(); }
    void run(int total, Ms length, Ms drawing = 0ms)
    {
        for (int done = 1; done <= total; ++done) {
            now += std::chrono::duration_cast<Pacer::Clock::duration>(drawing);
            pacer.frame(done, total, length, [this] { presents.push_back(ms()); });
        }
    }
};

constexpr double kRefresh = 1000.0 / 60;

TEST(Pacer, FewFramesAreEachShownAndEachAnimationTakesItsTime)
{
    FakeTime t;
    t.run(4, 60ms);
    ASSERT_EQ(t.presents.size(), 4u);
    EXPECT_NEAR(t.presents[1], kRefresh, 0.01);  // frame 2 is due at 15 ms, the screen refreshes at 16.7
    EXPECT_NEAR(t.ms(), 60, 0.01);
    t.run(1, 100ms);  // the next animation starts its own clock
    EXPECT_EQ(t.presents.size(), 5u);
    EXPECT_NEAR(t.ms(), 160, 0.01);
}

TEST(Pacer, ManyFramesArePresentedOncePerRefreshAndTheLastOneAlways)
{
    FakeTime t;
    t.run(240, 160ms);  // smooth mode on a 240-twip cell
    EXPECT_GE(t.presents.size(), 9u);
    EXPECT_LE(t.presents.size(), 11u);
    // Only the last frame may come sooner, so that the slide ends on time.
    for (std::size_t i = 1; i + 1 < t.presents.size(); ++i)
        EXPECT_GE(t.presents[i] - t.presents[i - 1], kRefresh - 0.01) << i;
    EXPECT_NEAR(t.ms(), 160, 0.01);
}

TEST(Pacer, SlowDrawingIsNeverSlowedFurther)
{
    FakeTime t;
    t.run(5, 60ms, 40ms);  // every frame takes longer than the whole slide should
    EXPECT_EQ(t.presents.size(), 5u);
    EXPECT_NEAR(t.ms(), 5 * 40 + 60 / 5, 0.01);  // the drawing, and the first frame's own share of the slide
}

// Guards against keys whose own numbers equal the arrows' codes ('%' is 37 in Qt and in X) moving the worm.
TEST(KeyCodes, OnlyTheArrowKeysGiveTheArrowCodes)
{
    EXPECT_EQ(virtualKeyCode(Qt::Key_Left), 37);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Down), 40);
    for (int key : {Qt::Key_Percent, Qt::Key_Ampersand, Qt::Key_Apostrophe, Qt::Key_ParenLeft})
        EXPECT_EQ(virtualKeyCode(key), 0) << key;
    EXPECT_EQ(virtualKeyCode(Qt::Key_A), 65);
    EXPECT_EQ(virtualKeyCode(Qt::Key_F1), 112);
}

// Guards against a minimum size that rounds to a pixel short of itself and is never reached.
TEST(Twips, MinimumSizesRoundUpAndPositionsToTheNearestPixel)
{
    EXPECT_EQ(pixelsHolding(6015, 15), 401);
    EXPECT_EQ(pixelsHolding(4020, 15), 268);
    EXPECT_EQ(pixelsHolding(6015, twipsPerPixel(120)), 502);  // 501.25 pixels at 120 dpi
    EXPECT_GE(pixelsHolding(6015, twipsPerPixel(120)) * twipsPerPixel(120), 6015);
    EXPECT_EQ(nearestPixels(2295, 15), 153);
    EXPECT_EQ(nearestPixels(2295, twipsPerPixel(120)), 191);
}

} // namespace
} // namespace zorvik
