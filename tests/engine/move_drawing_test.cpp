// SPDX-License-Identifier: GPL-3.0-or-later
// What a move draws: the slide's frames, the blanked cell, the removal and the death animations.
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zorvik::testing {
namespace {

// The calls up to the last pacing call of an animation, and those after it.
std::pair<std::vector<Call>, std::vector<Call>> splitAfter(const std::vector<Call>& calls, Animation a)
{
    const auto end = std::find_if(calls.rbegin(), calls.rend(), [a](const Call& c) { return c.kind == Call::Frame && c.x2 == float(static_cast<int>(a)); }).base();
    return {{calls.begin(), end}, {end, calls.end()}};
}

TEST(MoveDrawing, SlideFramesAndStepsInBothModes)
{
    const std::string wide = std::string(17, ' ') + std::string(239, 'o') + std::string(16, ' ');
    // The animation caption, the level, the board's height in twips, the key; then Schritt, the number of
    // frames and the head's disc in the last frame.
    const std::tuple<const char*, std::string, float, const char*, std::uint32_t, std::size_t, const char*> cases[] = {
        // Smooth: Zellgroesse frames of one unit; anything but " schnell" is smooth.
        {" flüssig", kDemoLevel, 3600, "L", 1, 400, "circle 600 1399 199 0"},
        {"schnell", kDemoLevel, 3600, "L", 1, 400, "circle 600 1399 199 0"},
        // Fast at cells of 100: Laenge 9 steps by 3; below 400 units of Laenge x Zellgroesse by 1.
        {" schnell", level({" öooooooooo"}) + std::string(110, ' '), 1300, "L", 3, 34, "circle 150 149 49 0"},
        {" schnell", level({" öo        "}) + std::string(110, ' '), 1300, "L", 1, 100, "circle 150 149 49 0"},
        // Fault guarded: Laenge x Zellgroesse >= 102000 made the step wrap in 8 bits.
        {" schnell", level({"öoooooooooooooooo"}) + wide, 7600, "D", 256, 2, "circle 599 855 199 0"},
    };
    for (const auto& [caption, text, side, key, step, count, lastHead] : cases) {
        TestGame t;
        t.window.captions[Control::SchnellFlüssig] = caption;
        t.window.scaleWidth = 2295 + 10000, t.window.scaleHeight = side;
        t.start(text);
        t.play(key);
        const auto slide = splitAfter(t.window.calls, Animation::Slide).first;
        const auto frames = only(Call::Frame, slide), discs = only(Call::Circle, slide), fills = only(Call::Fill, slide);
        const int segments = t.game.Laenge + 1;  // every frame paints every segment, in index order
        EXPECT_EQ(std::tuple(t.game.Schritt, frames.size(), frames.back().y1, discs.size()),
                  std::tuple(step, count, count, count * segments)) << caption << count;
        EXPECT_EQ(describe({discs[discs.size() - segments]}), lastHead);
        for (int i = 0; i < segments; ++i)
            EXPECT_EQ(fills[i].colour, t.game.SegmentFarbe[i]) << i;
        EXPECT_EQ(t.game.ZelleX, int(step * count));  // where the frame loop stopped
    }
}

TEST(MoveDrawing, VacatedCellIsBlankedOnlyUnderAllThreeConditions)
{
    const std::tuple<const char*, float, const char*, const char*> cases[] = {
        {"  öo ", 400, "L", "box 1600 800 1999 1199 0"},
        {"  öo ", 399, "L", ""},  // Laenge x Zellgroesse < 400
        {"  öo ", 400, "R", ""},  // head on the vacated cell
        {"..öo ", 400, "L", ""},  // growing vacates nothing
    };
    for (const auto& [row, side, key, boxes] : cases) {
        TestGame t;
        t.window.scaleHeight = 7 * side;
        t.start(level({"     ", row, "     ", "     ", "     "}));
        t.play(key);
        EXPECT_EQ(describe(only(Call::Box, t.window.calls)), boxes) << row << side << key;
    }
}

TEST(MoveDrawing, HeadAndEyesOnTheNewCellThenRemovalShrinksTogether)
{
    TestGame t;
    t.start(level({",öooooo"}) + std::string(42, ' '));
    t.play("L");
    const auto c = splitAfter(t.window.calls, Animation::Slide).second;
    ASSERT_EQ(c.size(), 2 + 8 + 2 + 199 * 4 + 3u);
    // The head's disc, its eyes, the tail's old cell, then discs of radius 0 to 198 on segments 3 to 5.
    EXPECT_EQ(describe({c[1], c[10], c[11], c[12], c[13], c[14], c[15]}),
              "circle 599 599 199 0; box 2800 400 3199 799 0; fill 0; circle 1799 599 0 0; circle 2199 599 0 0; "
              "circle 2599 599 0 0; frame 1/199");
    EXPECT_EQ(describe({c[c.size() - 5], c[c.size() - 4]}), "circle 2599 599 198 0; frame 199/199");
    EXPECT_EQ(describe({c.end() - 3, c.end()}), "box 1600 400 1999 799 0; box 2000 400 2399 799 0; box 2400 400 2799 799 0");
    EXPECT_EQ(t.game.Zaehler2, 199);
}

TEST(MoveDrawing, DeathWipesTheWormTailFirstWhereTheAdvanceStoppedThenTheLevelStartsAfresh)
{
    TestGame t;
    t.start(kDemoLevel);
    t.play("R");
    const auto c = splitAfter(t.window.calls, Animation::Slide).second;
    ASSERT_TRUE(c.size() > 1000 && c[0] == (Call{Call::Fill}));
    const int cells[] = {6, 5, 3, 2, 3};  // segments 4 to 0; 0 to 2 have stepped already
    for (int s = 0; s < 5; ++s)
        EXPECT_EQ(describe({c[200 * s + 1], c[200 * s + 199], c[200 * s + 200]}),
                  "circle " + std::to_string(cells[s] * 400 + 199) + " 1399 1 0; circle " + std::to_string(cells[s] * 400 + 199) +
                      " 1399 199 0; frame " + std::to_string(s + 1) + "/5");
    // Then the level starts again as a fresh start does. Only what the move leaves behind differs: its step, and
    // the segment that the level start places on the cell the death animation left in ZelleX (Radius + 1) and ZelleY.
    TestGame fresh;
    fresh.game.LevelText = kDemoLevel;
    fresh.game.Beginn();
    EXPECT_EQ(std::tuple(segments(t.game), t.game.Spielfeld, t.game.RestPunkte, t.game.SegmentFarbe, t.game.Schritt),
              std::tuple(segments(fresh.game), kDemoLevel, 24, fresh.game.SegmentFarbe, 5u));
    EXPECT_EQ(std::tuple(t.game.calls["Tot"], t.game.WurmX[29]), std::tuple(1, 200));
    // The same drawing from the redraw's Cls on; before it, discs on that leftover cell.
    const auto restart = std::find_if(c.rbegin(), c.rend(), [](const Call& x) { return x.kind == Call::Frame; }).base();
    ASSERT_EQ(c.end() - restart, std::ssize(fresh.window.calls));
    EXPECT_TRUE(std::equal(restart + 12, c.end(), fresh.window.calls.begin() + 12));
    EXPECT_EQ(restart[1].x1, 200 * 400 + 199);
    // What it leaves for the level start; cells too small for a disc draw nothing and leave 1.
    t.game.Tot();
    EXPECT_EQ(std::tuple(t.game.Zaehler, t.game.ZelleX), std::tuple(-1, 200));
    for (const auto [side, frames] : {std::pair(27.0f, 0), std::pair(36.0f, 5)}) {  // discs of radius 0 and 1
        t.window.scaleHeight = side;
        t.start(kDemoLevel);
        t.game.Tot();
        EXPECT_EQ(std::tuple(t.game.ZelleX, t.window.count(Call::Circle), t.window.count(Call::Frame)), std::tuple(frames / 5 + 1, frames, frames));
    }
}

} // namespace
} // namespace zorvik::testing
