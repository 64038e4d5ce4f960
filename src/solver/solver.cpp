// SPDX-License-Identifier: GPL-3.0-or-later
// The solver: an A* search that proves and a weighted one that finds, side by side, watched for time,
// memory and cancelling; every solution is played through the game before it counts.
#include "solver/solver.h"

#include "model/game.h"
#include "model/null_window.h"
#include "solver/furthest_dive.h"
#include "solver/search.h"
#include "solver/stopping.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <new>
#include <optional>
#include <thread>

namespace zorvik::solver {

namespace {

struct WindowHolder {
    NullWindow window;
};

// The game with the level end and the death caught instead of played.
class ReplayGame : private WindowHolder, public Game {
public:
    ReplayGame() : Game(WindowHolder::window, "/nonexistent-zorvik-search-folder") { setStartDefaults(); }

    bool died = false;
    bool finished = false;

    void LevelLaden() override { finished = true; }
    void Tot() override { died = true; }
};

// The moves played in the game: the dots they eat, or -1 when the worm dies or the level ends before
// the last key.
int dotsEaten(const std::string& levelText, const std::string& moves, bool* finished = nullptr)
{
    static const std::map<char, int> keys{{'L', kKeyLeft}, {'R', kKeyRight}, {'U', kKeyUp}, {'D', kKeyDown}};
    ReplayGame game;
    game.LevelText = levelText;
    game.Beginn();
    const auto dots = game.RestPunkte;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        game.Form_KeyDown(keys.at(moves[i]), 0);
        if (game.died || (game.finished && i + 1 < moves.size()))
            return -1;
    }
    if (finished != nullptr)
        *finished = game.finished;
    return game.finished ? int(dots) : int(dots - game.RestPunkte);
}

// True when the moves finish the level in the game, with the last key and without a death.
bool finishes(const std::string& levelText, const std::string& moves)
{
    bool finished = false;
    return dotsEaten(levelText, moves, &finished) >= 0 && finished;
}

using Clock = std::chrono::steady_clock;

std::chrono::milliseconds since(Clock::time_point begin)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begin);
}

// The searches' weights, in quarters of the estimate (Search). The finding thread takes a quick,
// nearly greedy look first, then searches on with a lighter weight. The proving A* search hands its
// thread after a third of the time to a second finding one, whose other weight often finds what the
// first one misses.
constexpr int kQuickLook = 20;
constexpr std::size_t kQuickLookPositions = 50'000;
constexpr int kFinding = 8;
constexpr int kProving = 4;
constexpr int kFindingLater = 12;
// Each search's estimator keeps this share of the memory limit at most.
constexpr std::size_t kCacheShare = 32;
constexpr std::size_t kMostTableCells = 50'000'000;
constexpr std::chrono::milliseconds kStopping{100};
// The longest time limit: the deadline must stay within what the clock counts.
constexpr std::chrono::milliseconds kLongestLimit = std::chrono::hours(24 * 365 * 100);
// How often the watch looks at the clock and the cancel flag.
constexpr std::chrono::milliseconds kWatchPeriod{10};
// The walk for the most dots after a proof that none finishes: at most this many positions, and an
// eighth of the memory limit.
constexpr std::size_t kMostDivePositions = 200'000;

} // namespace

namespace {

// The search proper, on a level the game has started.
Result searchLevel(const std::string& levelText, const Game& start, const Options& options, Clock::time_point begin)
{
    Result result;
    const Board board(start);
    result.dots = std::size_t(board.dotCount());
    if (board.dotCount() == 0)
        return result;  // only eating the last dot finishes a level
    // The distance tables take two bytes for every cell from every cell to eat, and as many steps to
    // work out; beyond this the search would be hopeless anyway.
    if (std::size_t(board.eatableCount()) * std::size_t(board.cellCount()) > std::min(kMostTableCells, options.memoryLimit / 4)) {
        result.outcome = Result::Outcome::OutOfMemory;
        return result;
    }
    // The searches take a few hundredths of a second to stop and hand their memory back.
    const auto limit = std::clamp(options.timeLimit, std::chrono::milliseconds(0), kLongestLimit);
    const auto deadline = begin + limit - std::min<std::chrono::milliseconds>(limit / 50, kStopping);
    auto cancelled = [&] { return options.cancel != nullptr && options.cancel->load(); };
    auto stopping = [&] {
        if (cancelled() || Clock::now() > deadline)
            throw StopRequested{};
    };
    std::optional<LevelTables> tables;
    try {
        // The tables of a large board take a while themselves.
        tables.emplace(board, stopping);
    } catch (const StopRequested&) {
        result.outcome = cancelled() ? Result::Outcome::Cancelled : Result::Outcome::OutOfTime;
        return result;
    }
    const LevelTables& level = *tables;
    const std::size_t fixedBytes = level.memoryBytes() + sizeof(Word) * std::size_t(board.words());

    SearchShared shared;
    std::mutex mutex;
    std::condition_variable changed;
    std::string bestMoves;
    bool proven = false, disagreed = false;
    std::chrono::milliseconds firstFound{-1}, bestFound{0};
    shared.offer = [&](const std::string& moves) {
        const bool good = finishes(levelText, moves);
        std::lock_guard lock(mutex);
        if (!good) {
            disagreed = true;  // the search's rules and the game's differ: such moves and proofs are void
            return false;
        }
        if (int(moves.size()) >= shared.best)
            return false;
        bestMoves = moves;
        shared.best = int(moves.size());
        bestFound = since(begin);
        if (firstFound.count() < 0)
            firstFound = bestFound;
        return true;
    };
    // The proving search gets half while the finding one runs; each gets what the other leaves.
    std::atomic<bool> provingDone = false, findingDone = false, stillProving = true;
    shared.allowance = [&](int slot, std::size_t other) -> std::size_t {
        const std::size_t limit = options.memoryLimit > fixedBytes ? options.memoryLimit - fixedBytes : 0;
        const std::size_t left = limit > other ? limit - other : 0;
        return slot == 0 && stillProving && !findingDone ? std::min(left, limit / 2) : left;
    };
    auto run = [&](int slot, int weight, std::size_t quickLook = 0) {
        SearchEnd end = SearchEnd::OutOfMemory;
        {
            std::optional<Search> search;
            try {
                search.emplace(level, shared, slot, weight, options.memoryLimit / kCacheShare);
                end = search->run(quickLook);
            } catch (const std::bad_alloc&) {
                end = SearchEnd::OutOfMemory;  // the machine had less than the limit
            }
            try {
                if (search) {
                    auto [dots, moves] = search->furthest();
                    shared.offerFurthest(dots, std::move(moves));
                }
            } catch (const std::bad_alloc&) {
                // The moves did not fit either: another search's furthest, or the start, stands.
            }
        }
        shared.take(slot, 0, 0);
        return end;
    };
    auto ended = [&](SearchEnd end, std::atomic<bool>& done) {
        std::lock_guard lock(mutex);
        if (end == SearchEnd::Exhausted && !shared.stop && !disagreed) {
            proven = true;
            shared.stop = true;
        }
        done = true;
        changed.notify_all();
    };

    std::thread proving([&] {
        SearchEnd end = run(0, kProving);
        if (end == SearchEnd::Exhausted || shared.stop) {
            ended(end, provingDone);
            return;
        }
        {
            std::lock_guard lock(mutex);  // the watch below stops the proving search under the lock
            stillProving = false;
            shared.stopSlot[0] = false;
        }
        ended(run(0, kFindingLater), provingDone);
    });
    std::thread finding([&] {
        const SearchEnd end = run(1, kQuickLook, kQuickLookPositions);
        ended(end == SearchEnd::Stopped && !shared.stop ? run(1, kFinding) : end, findingDone);
    });

    // Watch the limits from here: the searches look at the stop flags at every position, and inside
    // the estimates that take long.
    bool outOfTime = false, wasCancelled = false;
    {
        std::unique_lock lock(mutex);
        auto lastReport = Clock::now() - std::chrono::seconds(1);
        while (!(provingDone && findingDone)) {
            changed.wait_for(lock, kWatchPeriod);
            if (cancelled() && !shared.stop) {
                wasCancelled = true;
                shared.stop = true;
            }
            if (Clock::now() > deadline && !shared.stop) {
                outOfTime = true;
                shared.stop = true;
            }
            if (Clock::now() - begin > limit / 3 && stillProving)
                shared.stopSlot[0] = true;
            if (options.progress && Clock::now() - lastReport > std::chrono::milliseconds(200)) {
                lastReport = Clock::now();
                const Progress progress{shared.positions, since(begin), fixedBytes + shared.holding[0] + shared.holding[1],
                                        bestMoves.size(), std::size_t(shared.lowerBound)};
                lock.unlock();
                options.progress(progress);
                lock.lock();
            }
        }
    }
    proving.join();
    finding.join();

    result.positions = shared.positions;
    result.peakMemoryBytes = fixedBytes + shared.peakMemory;
    result.lowerBound = std::size_t(shared.lowerBound);
    if (proven && bestMoves.empty()) {
        // The bounds may have ended the proof before it reached anything; how far a worm gets shows
        // where the level is stuck. The searches' memory is given back by now.
        const std::size_t positionBytes = sizeof(Word) * std::size_t(board.words()) + 32;
        try {
            Furthest dive = diveForDots(board, std::min(kMostDivePositions, options.memoryLimit / 8 / positionBytes), stopping);
            result.positions += dive.positions;
            shared.offerFurthest(dive.dots, std::move(dive.moves));
        } catch (const std::bad_alloc&) {
            // The proof stands; the furthest is what the searches reached.
        }
    }
    // The furthest position counts as the game plays its moves; should the two ever differ, the start.
    if (!bestMoves.empty()) {
        result.furthestDots = result.dots;
        result.furthestMoves = bestMoves;
    } else if (dotsEaten(levelText, shared.furthestMoves) == shared.furthestDots) {
        result.furthestDots = std::size_t(shared.furthestDots);
        result.furthestMoves = shared.furthestMoves;
    }
    if (!bestMoves.empty()) {
        result.outcome = Result::Outcome::Found;
        result.moves = bestMoves;
        result.provenShortest = proven;
        if (proven)
            result.lowerBound = bestMoves.size();
        result.firstFoundAfter = firstFound;
        result.bestFoundAfter = bestFound;
    } else if (proven) {
        result.outcome = Result::Outcome::NoSolution;
        result.lowerBound = 0;
    } else if (wasCancelled) {
        result.outcome = Result::Outcome::Cancelled;
    } else if (outOfTime) {
        result.outcome = Result::Outcome::OutOfTime;
    } else {
        result.outcome = Result::Outcome::OutOfMemory;
    }
    return result;
}

} // namespace

Result solve(const std::string& levelText, const Options& options)
{
    const auto begin = Clock::now();
    ReplayGame start;
    start.LevelText = levelText;
    try {
        start.Beginn();
    } catch (const std::exception&) {
        return {};  // a level the game cannot start has no moves at all
    }
    try {
        return searchLevel(levelText, start, options, begin);
    } catch (const std::bad_alloc&) {
        Result result;  // the level's tables did not fit in the machine
        result.outcome = Result::Outcome::OutOfMemory;
        return result;
    }
}

} // namespace zorvik::solver
