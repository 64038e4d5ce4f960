// SPDX-License-Identifier: GPL-3.0-or-later
// The soak in the test command, and what it found. ZORVIK_SOAK_ACTIONS and ZORVIK_SOAK_SEED make longer runs
// of one seed: ZORVIK_SOAK_ACTIONS=1000000 ZORVIK_SOAK_SEED=7 zorvik_reliability_tests --gtest_filter=Soak.*
#include "soak/session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <vector>

namespace zorvik::reliability {
namespace {

TEST(Soak, SeededRandomPlayerKeepsEveryInvariantOverTheLevelsAndRandomBoards)
{
    const char *count = std::getenv("ZORVIK_SOAK_ACTIONS"), *seeds = std::getenv("ZORVIK_SOAK_SEED");
    for (std::uint64_t seed : seeds ? std::vector<std::uint64_t>{std::stoull(seeds)} : std::vector<std::uint64_t>{1, 2}) {
        const SoakOptions options{seed, count ? std::atoll(count) : 25000, ZORVIK_LEVEL_FOLDER, 200};
        // A broken invariant fails the test with the seed, the action and the ones before it.
        const auto report = runSoak(options);
        std::cout << "seed " << seed << ": " << report.actions << " actions, " << report.packLevels
                  << " levels of the game, longest worm " << report.longestWorm + 1 << " segments\n";
        EXPECT_GE(report.actions, options.actions);
        EXPECT_GT(report.packLevels, 0);
    }
}

// Found by the soak: on a 1 x 1 level in a window 115,200 twips (7680 pixels) high, a move's slide counted
// past 32767 and failed half-way.
TEST(Soak, OneCellLevelInAWindowSevenThousandPixelsHighStillMoves)
{
    const WorkFolder folder("zorvik-huge-window");
    writeFile(folder.path / "A.ZVK", "o\r\n");  // no head: it keeps the cell a mouse move names
    Session session(folder.path);
    // Maximised on a wall of screens; the pointer on board cell (1, 0), above the only inner cell; a chosen colour
    // restarts the level and puts the head there.
    play(session, std::string_view("Z\xF0\xF0\x00M\x6B\x40W\x03", 10));
    ASSERT_EQ(session.game().WurmY[0], 0);
    play(session, "D");  // the session fails on any exception out of the handler
    EXPECT_EQ(session.game().WurmY[0], 1);
    EXPECT_EQ(session.game().Zellgroesse, 8000);
}

} // namespace
} // namespace zorvik::reliability
