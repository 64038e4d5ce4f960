// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-check: tells a level designer what is wrong with level files, and can search a solution.
#include "levels/file_access.h"
#include "levels/level_check.h"
#include "levels/level_file.h"
#include "solver/solver.h"
#include "studio/finding_words.h"
#include "screen/program_texts.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace zorvik::check;
using zorvik::fill;
using zorvik::translate;

std::string usage()
{
    return fill(translate("zorvik-check",
                          "usage: zorvik-check [--solve] [--time SECONDS] LEVEL.ZVK...\n"
                          "Checks each level file for what would make the game refuse it or leave it unfinishable.\n"
                          "  --solve         also search the shortest moves that finish each level that passes (L, R, U, "
                          "D)\n"
                          "  --time SECONDS  how long the search may take per level (default 10, at most 1000000000); it\n"
                          "                  stops sooner once it has proved its solution the shortest\n"
                          "Without a solution it says what ended the search and prints the furthest it got:\n"
                          "  FILE: furthest: K of N dots: MOVES\n"
                          "  --version       show the version and end\n"
                          "Exit status 0 only when every file passes.\n"));
}

// A finding in the language of the other texts: the checker's English, or the studio's German.
std::string findingText(const Finding& finding, const std::string& text)
{
    if (!zorvik::environmentWantsGerman())
        return finding.text;
    return zorvik::studio::designerText(finding, static_cast<int>(std::lround(std::sqrt(static_cast<double>(text.size())))));
}

template <typename Number> std::string shown(Number number)
{
    std::ostringstream out;
    out << number;
    return out.str();
}

struct Options {
    bool solve = false;
    double seconds = 10;
    std::vector<std::string> files;
};

// About 31 years: far beyond any search, well within what the solver's clock counts.
constexpr double kMostSeconds = 1e9;

[[noreturn]] void mistake(const QString& text, std::initializer_list<std::string_view> values = {})
{
    std::cerr << fill(text, values);
    std::exit(2);
}

bool parseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--solve") {
            options.solve = true;
        } else if (argument == "--time") {
            if (i + 1 == argc)
                mistake(translate("zorvik-check",
                                  "zorvik-check: --time needs a number of seconds (zorvik-check --help lists the options)\n"));
            const std::string value = argv[++i];
            char* end = nullptr;
            options.seconds = std::strtod(value.c_str(), &end);
            if (value.empty() || *end != '\0' || !(options.seconds > 0) || !(options.seconds <= kMostSeconds))
                mistake(translate("zorvik-check", "zorvik-check: --time takes a number of seconds above 0 and at most "
                                                  "1000000000, not \"%1\" (zorvik-check --help lists the options)\n"),
                        {value});
        } else if (argument == "--help" || argument == "-h") {
            std::cout << usage();
            std::exit(0);
        } else if (argument == "--version") {
            std::cout << "zorvik-check " ZORVIK_VERSION "\n";
            std::exit(0);
        } else if (argument.size() > 1 && argument[0] == '-' && argument != "--") {
            mistake(translate("zorvik-check",
                              "zorvik-check: unknown option \"%1\" (zorvik-check --help lists the options)\n"),
                    {argument});
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
    return fill(dots == 1 ? translate("zorvik-check", "%1 × %1 cells, %2 dot, a worm of %3")
                          : translate("zorvik-check", "%1 × %1 cells, %2 dots, a worm of %3"),
                {std::to_string(side), std::to_string(dots), std::to_string(worm)});
}

// Checks one file and prints what it found; true when it passes.
bool checkFile(const std::string& file, const Options& options)
{
    // The game's own reader: the first line, UTF-8 turned into Windows-1252 as the game does it.
    std::error_code missing;
    if (!std::filesystem::exists(file, missing)) {
        std::cout << fill(translate("zorvik-check", "%1: error: no such file\n"), {file});
        return false;
    }
    std::optional<std::string> text;
    try {
        text = zorvik::readLevelText(file);
    } catch (const zorvik::FileError& failure) {
        std::cout << fill(translate("zorvik-check", "%1: error: cannot read the file (%2)\n"), {file, failure.what()});
        return false;
    }
    const auto findings = checkLevelText(*text);
    for (const auto& finding : findings)
        std::cout << fill(finding.severity == Severity::Error ? translate("zorvik-check", "%1: error: %2\n")
                                                              : translate("zorvik-check", "%1: warning: %2\n"),
                          {file, findingText(finding, *text)});
    if (hasErrors(findings))
        return false;
    std::cout << fill(translate("zorvik-check", "%1: ok, %2\n"), {file, summary(*text)});
    if (!options.solve)
        return true;

    zorvik::solver::Options limits;
    // Whole milliseconds, at least one.
    limits.timeLimit = std::chrono::milliseconds(static_cast<long long>(std::ceil(options.seconds * 1000)));
    const auto solution = zorvik::solver::solve(*text, limits);
    using Outcome = zorvik::solver::Result::Outcome;
    if (solution.outcome == Outcome::Found) {
        std::cout << fill(solution.provenShortest
                              ? translate("zorvik-check", "%1: solution, %2 moves, proven shortest: %3\n")
                              : translate("zorvik-check",
                                          "%1: solution, %2 moves, not proven shortest (none has fewer than %4): %3\n"),
                          {file, shown(solution.moves.size()), solution.moves, shown(solution.lowerBound)});
        return true;
    }
    const std::string tried =
        solution.lowerBound > 0
            ? fill(translate("zorvik-check", "%1 positions tried, none finishes in fewer than %2 moves"),
                   {shown(solution.positions), shown(solution.lowerBound)})
            : fill(translate("zorvik-check", "%1 positions tried"), {shown(solution.positions)});
    switch (solution.outcome) {
    case Outcome::NoSolution:
        std::cout << fill(translate("zorvik-check",
                                    "%1: error: no solution: the search proved that no moves finish the level\n"),
                          {file});
        break;
    case Outcome::OutOfMemory:
        std::cout << fill(translate("zorvik-check",
                                    "%1: warning: no solution found: the search reached its memory limit of %2 MB (%3)\n"),
                          {file, shown(limits.memoryLimit >> 20), tried});
        break;
    case Outcome::OutOfTime:
    case Outcome::Cancelled:
    case Outcome::Found:
        std::cout << fill(translate("zorvik-check",
                                    "%1: warning: no solution found: the search reached its time limit of %2 s (%3)\n"),
                          {file, shown(options.seconds), tried});
        break;
    }
    // Always in these words, whatever the language: scripts read it.
    std::cout << file << ": furthest: " << solution.furthestDots << " of " << solution.dots << " dots: "
              << solution.furthestMoves << "\n";
    return solution.outcome != Outcome::NoSolution;
}

} // namespace

int main(int argc, char** argv)
{
    zorvik::useGermanTexts(zorvik::environmentWantsGerman());
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::cerr << usage();
        return 2;
    }
    int failed = 0;
    for (const auto& file : options.files)
        failed += !checkFile(file, options);
    if (options.files.size() > 1)
        std::cout << fill(failed == 0 ? translate("zorvik-check", "%1 files checked, all pass\n")
                                      : translate("zorvik-check", "%1 files checked, %2 fail\n"),
                          {std::to_string(options.files.size()), std::to_string(failed)});
    return failed == 0 ? 0 : 1;
}
