// SPDX-License-Identifier: GPL-3.0-or-later
// Searching the moves that finish a level, played by the game's own rules; shared by zorvik-check and the studio.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace zorvik::solver {

// How far a running search has got; handed to Options::progress now and then.
struct Progress {
    std::size_t positions = 0;    // distinct positions reached
    std::chrono::milliseconds elapsed{0};
    std::size_t memoryBytes = 0;  // what the search holds now
    std::size_t bestMoves = 0;    // length of the best solution so far, 0 while there is none
    std::size_t lowerBound = 0;   // no solution has fewer moves
};

struct Options {
    // Held to what the clock can count (a century); none or less stops at once.
    std::chrono::milliseconds timeLimit{10'000};
    std::size_t memoryLimit = std::size_t(1) << 30;
    // Set from another thread to stop the search; it then reports what it has, within a few hundredths
    // of a second, as it does when the time is up.
    const std::atomic<bool>* cancel = nullptr;
    // Called from the thread that runs solve(), a few times a second at most.
    std::function<void(const Progress&)> progress;
};

struct Result {
    // Found: `moves` finish the level (played through the game before they are reported). NoSolution: the
    // search proved that no moves finish it (or the game cannot start the text). OutOfTime, OutOfMemory,
    // Cancelled: the search stopped before it found a solution or could prove there is none.
    enum class Outcome { Found, NoSolution, OutOfTime, OutOfMemory, Cancelled } outcome = Outcome::NoSolution;
    std::string moves;            // arrow keys as L, R, U, D
    bool provenShortest = false;  // with Found: no shorter solution exists
    // No solution has fewer moves (with provenShortest, moves.size()); without a solution, what the
    // search had shown when it stopped (0 when nothing).
    std::size_t lowerBound = 0;
    // The level's dots, and the most of them eaten in any position the search reached, with the
    // moves to it (played through the game: they eat that many without a death). With Found, the
    // solution.
    std::size_t dots = 0;
    std::size_t furthestDots = 0;
    std::string furthestMoves;
    std::size_t positions = 0;
    std::size_t peakMemoryBytes = 0;
    std::chrono::milliseconds firstFoundAfter{0};  // with Found: when the first solution came
    std::chrono::milliseconds bestFoundAfter{0};   // and when the one reported came
};

// `levelText` is a level's first line as Windows-1252 bytes. Two threads search while the calling one
// watches the limits; after the first solution they look for shorter ones until one is proven the
// shortest, nothing shorter is left to try, or a limit is reached.
Result solve(const std::string& levelText, const Options& options = {});

} // namespace zorvik::solver
