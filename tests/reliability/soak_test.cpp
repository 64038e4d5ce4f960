// SPDX-License-Identifier: GPL-3.0-or-later
// The soak in the test command: a short seeded run; zorvik-soak makes the long ones.
#include "soak/session.h"
#include "soak/soak.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

namespace zorvik::reliability {
namespace {

TEST(Soak, SeededRandomPlayerKeepsEveryInvariantOverTheLevelsAndRandomBoards)
{
    SoakOptions options;
    options.levelFolder = ZORVIK_LEVEL_FOLDER;
    options.actions = 25000;
    options.actionsPerPackLevel = 200;
    if (const char* count = std::getenv("ZORVIK_SOAK_ACTIONS"))
        options.actions = std::atoll(count);
    for (std::uint64_t seed : {1, 2}) {
        options.seed = seed;
        try {
            const auto report = runSoak(options);
            std::cout << "seed " << seed << ": " << report.summary() << "\n";
            EXPECT_GE(report.actions, options.actions);
        } catch (const BrokenInvariant& e) {
            ADD_FAILURE() << e.what();
        }
    }
}

} // namespace
} // namespace zorvik::reliability
