// SPDX-License-Identifier: GPL-3.0-or-later
// Moves, deaths and shortenings paint exactly what the plain reference rasteriser paints, in both animation
// modes, whether the window shows every frame or only now and then (shapes then wait across frames).
#include "bench/sample_boards.h"
#include "window/twin_game.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace zorvik {
namespace {

struct Case {
    std::string name;
    std::string level;
    int width, height;
    double twipsPerPixel;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

// Arrow keys from a fixed-seed walk: turns, walls, dots, halving and cutting cells, deaths all come up.
std::string walk(std::uint32_t seed, int length)
{
    static const char keys[] = {'L', 'U', 'R', 'D'};
    std::string moves;
    for (int i = 0; i < length; ++i) {
        seed = seed * 1664525u + 1013904223u;
        moves += keys[(seed >> 13) % 4];
    }
    return moves;
}

int keyCode(char move)
{
    switch (move) {
    case 'L': return kKeyLeft;
    case 'R': return kKeyRight;
    case 'U': return kKeyUp;
    default: return kKeyDown;
    }
}

class MoveIdentity : public ::testing::TestWithParam<Case> {};

// Shows the picture every `every` frames of an animation and after every move, and compares it each time.
void playAndCompare(const Case& c, bool smooth, int every, Colour wormColour, std::uint32_t seed)
{
    TwinGame twin(c.width, c.height, c.twipsPerPixel);
    twin.window.SetControlCaption(Control::SchnellFlüssig, smooth ? " fl\xC3\xBCssig" : " schnell");
    twin.game.WurmFarbe = wormColour;
    twin.start(c.level);
    std::string failure;
    int frames = 0;
    twin.window.onFrame = [&](Animation, int done, int total) {
        if (failure.empty() && (++frames % every == 0 || done == total))
            failure = twin.canvas.difference();
    };
    const std::string moves = walk(seed, 30);
    for (std::size_t i = 0; i < moves.size() && failure.empty(); ++i) {
        twin.game.Form_KeyDown(keyCode(moves[i]), 0);
        if (failure.empty())
            failure = twin.canvas.difference();
        ASSERT_EQ(failure, "") << c.name << (smooth ? ", smooth" : ", fast") << ", shown every " << every
                               << " frames, after move " << i + 1 << " of " << moves;
    }
}

TEST_P(MoveIdentity, EveryShownFrameAgreesInBothModes)
{
    const Case c = GetParam();
    for (bool smooth : {false, true})
        for (int every : {1, 13})
            playAndCompare(c, smooth, every, smooth ? 0 : 16777215, every * 7919u + (smooth ? 1u : 2u));
}

INSTANTIATE_TEST_SUITE_P(
    Boards, MoveIdentity,
    ::testing::Values(Case{"demo", samples::demoLevel(), 393, 241, 15},
                      Case{"plain20", samples::plainLevel(20, 29), 611, 377, 15},
                      Case{"dense20", samples::denseLevel(20, 12), 540, 350, 7.5},
                      Case{"dense35", samples::denseLevel(35, 29), 700, 420, 13.7},
                      Case{"random12", samples::randomLevel(12, 5), 480, 300, 9.65},
                      Case{"longworm", samples::denseLevel(9, samples::longestWorm(9)), 420, 260, 15}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

} // namespace
} // namespace zorvik
