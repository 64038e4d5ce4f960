// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-soak [actions [seed [level folder]]]: the soak for longer runs than the test command makes.
#include "soak/session.h"
#include "soak/soak.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    zorvik::reliability::SoakOptions options;
    options.actions = 1000000;
    options.levelFolder = ZORVIK_LEVEL_FOLDER;
    options.actionsPerPackLevel = 1000;
    try {
        if (argc > 1)
            options.actions = std::stoll(argv[1]);
        if (argc > 2)
            options.seed = std::stoull(argv[2]);
        if (argc > 3)
            options.levelFolder = argv[3];
    } catch (const std::exception&) {
        std::cerr << "usage: zorvik-soak [actions [seed [level folder]]]\n";
        return 2;
    }
    const auto begun = std::chrono::steady_clock::now();
    try {
        const auto report = zorvik::reliability::runSoak(options);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begun;
        std::cout << "soak, seed " << options.seed << ": " << report.summary() << "; " << took.count() << " s\n";
    } catch (const zorvik::reliability::BrokenInvariant& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
