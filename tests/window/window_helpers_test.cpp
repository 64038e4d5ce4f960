// SPDX-License-Identifier: GPL-3.0-or-later
// The window's small helpers: pacing of animation frames, key codes and twips to pixels.
#include "window/key_codes.h"
#include "window/pacer.h"
#include "window/twips.h"

#include <gtest/gtest.h>

#include <cmath>
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

TEST(Pacer, FramesAreShownAtMostOncePerRefreshAndEachAnimationTakesItsTime)
{
    FakeTime t;
    t.run(4, 60ms);  // few frames: each is shown; frame 2 is due at 15 ms, the screen refreshes at 16.7
    EXPECT_EQ(std::tuple(t.presents.size(), std::lround(t.presents[1]), std::lround(t.ms())), std::tuple(4u, 17, 60));
    t.run(1, 100ms);  // the next animation starts its own clock
    EXPECT_EQ(std::tuple(t.presents.size(), std::lround(t.ms())), std::tuple(5u, 160));

    FakeTime many;
    many.run(240, 160ms);  // smooth mode on a 240-twip cell: only the last frame may come sooner than a refresh
    EXPECT_TRUE(many.presents.size() >= 9 && many.presents.size() <= 11) << many.presents.size();
    for (std::size_t i = 1; i + 1 < many.presents.size(); ++i)
        EXPECT_GE(many.presents[i] - many.presents[i - 1], kRefresh - 0.01) << i;
    EXPECT_NEAR(many.ms(), 160, 0.01);

    FakeTime slow;
    slow.run(5, 60ms, 40ms);  // every frame takes longer than the whole slide should: never slowed further
    EXPECT_EQ(std::tuple(slow.presents.size(), std::lround(slow.ms())), std::tuple(5u, 5 * 40 + 60 / 5));  // and the first frame's share
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
    const double at120dpi = twipsPerPixel(120);
    EXPECT_EQ(std::tuple(pixelsHolding(6015, 15), pixelsHolding(4020, 15), pixelsHolding(6015, at120dpi)),
              std::tuple(401, 268, 502));  // 501.25 pixels at 120 dpi
    EXPECT_EQ(std::tuple(nearestPixels(2295, 15), nearestPixels(2295, at120dpi)), std::tuple(153, 191));
}

} // namespace
} // namespace zorvik
