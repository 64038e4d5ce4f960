// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-soak [actions [seed [level folder]]]: the soak for longer runs than the test command makes.
#include "soak/soak.h"

#include <chrono>
#include <iostream>

int main(int argc, char** argv)
{
    zorvik::reliability::SoakOptions options{1, 1000000, ZORVIK_LEVEL_FOLDER, 1000};
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
}
