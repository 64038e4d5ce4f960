// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-check: tells a level designer what is wrong with level files, and can search a solution.
#include "levels/file_access.h"
#include "levels/level_check.h"
#include "levels/level_file.h"
#include "solver/solver.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace zorvik::check;

const char* kUsage =
    "usage: zorvik-check [--solve] [--time SECONDS] LEVEL.ZVK...\n"
    "Checks each level file for what would make the game refuse it or leave it unfinishable.\n"
    "  --solve         also search the shortest moves that finish each level that passes (L, R, U, D)\n"
    "  --time SECONDS  how long the search may take per level (default 10); it stops sooner once it\n"
    "                  has proved its solution the shortest\n"
    "  --version       show the version and end\n"
    "Exit status 0 only when every file passes.\n";

struct Options {
    bool solve = false;
    double seconds = 10;
    std::vector<std::string> files;
};

bool parseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--solve") {
            options.solve = true;
        } else if (argument == "--time" && i + 1 < argc) {
            char* end = nullptr;
            options.seconds = std::strtod(argv[++i], &end);
            if (*end != '\0' || !(options.seconds > 0) || !std::isfinite(options.seconds))
                return false;
        } else if (argument == "--help" || argument == "-h") {
            std::cout << kUsage;
            std::exit(0);
        } else if (argument == "--version") {
            std::cout << "zorvik-check " ZORVIK_VERSION "\n";
            std::exit(0);
        } else if (argument.size() > 1 && argument[0] == '-' && argument != "--") {
            std::cerr << "zorvik-check: unknown option \"" << argument << "\" (zorvik-check --help lists the options)\n";
            std::exit(2);
        } else if (argument != "--") {
            options.files.push_back(argument);
        }
    }
    return !options.files.empty();
}

std::string summary(const std::string& text)
{
    const auto side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(text.size()))));
    int dots = 0, worm = 0;
    for (char c : text) {
        dots += c == '.';
        worm += c == '\xF6' || c == 'o' || c == '\xE4';
    }
    return std::to_string(side) + " × " + std::to_string(side) + " cells, " + std::to_string(dots) + " dots, a worm of " +
           std::to_string(worm);
}

// Checks one file and prints what it found; true when it passes.
bool checkFile(const std::string& file, const Options& options)
{
    // The game's own reader: the first line, UTF-8 turned into Windows-1252 as the game does it.
    std::error_code missing;
    if (!std::filesystem::exists(file, missing)) {
        std::cout << file << ": error: no such file\n";
        return false;
    }
    std::optional<std::string> text;
    try {
        text = zorvik::readLevelText(file);
    } catch (const zorvik::FileError& failure) {
        std::cout << file << ": error: cannot read the file (" << failure.what() << ")\n";
        return false;
    }
    const auto findings = checkLevelText(*text);
    for (const auto& finding : findings)
        std::cout << file << (finding.severity == Severity::Error ? ": error: " : ": warning: ") << finding.text
                  << "\n";
    if (hasErrors(findings))
        return false;
    std::cout << file << ": ok, " << summary(*text) << "\n";
    if (!options.solve)
        return true;

    zorvik::solver::Options limits;
    limits.timeLimit = std::chrono::milliseconds(static_cast<long long>(options.seconds * 1000));
    const auto solution = zorvik::solver::solve(*text, limits);
    using Outcome = zorvik::solver::Result::Outcome;
    switch (solution.outcome) {
    case Outcome::Found:
        std::cout << file << ": solution, " << solution.moves.size() << " moves, "
                  << (solution.provenShortest ? "proven shortest"
                                              : "not proven shortest (none has fewer than " + std::to_string(solution.lowerBound) + ")")
                  << ": " << solution.moves << "\n";
        return true;
    case Outcome::NoSolution:
        std::cout << file << ": error: no solution: the search proved that no moves finish the level\n";
        return false;
    case Outcome::OutOfMemory:
        std::cout << file << ": warning: no solution found before the search filled its memory (" << solution.positions
                  << " positions tried)\n";
        return true;
    case Outcome::OutOfTime:
    case Outcome::Cancelled:
        break;
    }
    std::cout << file << ": warning: no solution found within " << options.seconds << " s (" << solution.positions
              << " positions tried)\n";
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    int failed = 0;
    for (const auto& file : options.files)
        failed += !checkFile(file, options);
    if (options.files.size() > 1)
        std::cout << options.files.size() << " files checked, " << (failed == 0 ? "all pass" : std::to_string(failed) + " fail")
                  << "\n";
    return failed == 0 ? 0 : 1;
}
