// SPDX-License-Identifier: GPL-3.0-or-later
// The solver: its own move rules against the game's, the shortest solutions it proves, and its limits.
#include "model/null_window.h"
#include "solver/solver.h"
#include "solver/worm_model.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <unordered_set>

namespace zorvik::testing {
namespace {

using solver::Word;
using Outcome = solver::Result::Outcome;

// The eatable cells left (1) or eaten (0), then the worm's cells head first, as the game shows them and as the
// solver's position holds them; a worm that stands off the board shows no cells. Each segment's next step shows
// in its cell after the next key.
std::string describe(const solver::Board& board, const Game& game)
{
    const int n = board.side() - 2;
    std::string out;
    for (int id = 0; id < board.eatableCount(); ++id) {
        const int cell = board.eatableCell(id);
        out += game.Spielfeld[std::size_t((cell / board.side() - 1) * n + cell % board.side() - 1)] == ' ' ? '0' : '1';
    }
    const bool onBoard = game.WurmX[0] >= 1 && game.WurmY[0] >= 1 && game.WurmX[0] <= n && game.WurmY[0] <= n;
    return onBoard ? out + " " + segments(game) : out;
}

std::string describe(const solver::Board& board, const Word* position)
{
    std::string out;
    for (int id = 0; id < board.eatableCount(); ++id)
        out += board.left(position, id) ? '1' : '0';
    for (const auto& [x, y] : board.segments(position))
        out += " " + std::to_string(x) + "," + std::to_string(y);
    return out;
}

// The moves of the shortest solution by plain breadth-first search on the solver's own rules, -1 for
// none, 0 when there are too many positions to try them all quickly.
int shortestByBreadthFirst(const solver::Board& board)
{
    solver::Mover mover(board);
    auto bytes = [](const std::vector<Word>& position) { return std::string(reinterpret_cast<const char*>(position.data()), position.size() * 8); };
    std::unordered_set<std::string> seen{bytes(board.start())};
    std::vector<std::vector<Word>> layer{board.start()}, nextLayer;
    std::vector<Word> next(std::size_t(board.words()));
    for (int moves = 1; !layer.empty() && seen.size() < 50'000; ++moves, layer.swap(nextLayer), nextLayer.clear())
        for (const auto& position : layer) {
            mover.load(position.data());
            for (int step = 0; step < 4; ++step) {
                const auto outcome = mover.move(step, next.data());
                if (outcome == solver::MoveOutcome::Finished)
                    return moves;
                if (outcome == solver::MoveOutcome::Moved && seen.insert(bytes(next)).second)
                    nextLayer.push_back(next);
            }
        }
    return layer.empty() ? -1 : 0;
}

// On random boards and worms the solver's rules against the game's, compared after every key: outcome, worm,
// steps and what is left. On the boards of 4 x 4 and 5 x 5 with a worm the solution it proves shortest against
// a breadth-first search: every lower bound and every position the search drops must hold, or it proves a
// longer way the shortest.
TEST(Solver, MovesAsTheGameDoesAndProvesTheShortestSolutionsOnRandomBoards)
{
    const std::string handMade[] = {
        // The left pocket's dot must come last; the halving cell lets the worm turn in the right one.
        level({"#.#,#", "# # #", "# #.#", "  öoo", ".    "}),
        // Up the dead end only without a body: a worm of two swaps head and tail, eats, cuts, comes back.
        level({".#x", ".#.", "öo "}),
        // Both dots end a corridor: after eating one the worm can never turn back for the other.
        std::string(9 * 4, '#') + ".  \xF6oo  ." + std::string(9 * 4, '#'),
    };
    std::mt19937 random(14);
    NullWindow window;
    for (std::size_t round = 0; round < 3000; ++round) {
        const int n = 2 + int(random() % 6);
        std::string text(std::size_t(n * n), ' ');
        for (char& c : text)
            c = " ....,,xx#"[random() % 10];
        // Mostly a head with its body in a row behind it, as levels have it; else worm cells anywhere, or none.
        const std::size_t head = random() % text.size(), body = random() % 5, layout = random() % 4;
        // Now and then a wall across the board with a door: rooms a long worm cannot turn in.
        for (int i = 0, across = 1 + int(random() % 3), gap = int(random() % n); i < n && n > across && layout == 3; ++i)
            text[std::size_t(i * n + across)] = i == gap ? ' ' : '#';
        for (std::size_t k = 1; k <= body; ++k)
            text[layout == 0 ? random() % text.size() : std::min(head + k, text.size() - 1)] = "o\xE4"[k % 2];
        if (layout != 1)
            text[head] = '\xF6';
        const bool handMadeRound = round < std::size(handMade);
        if (handMadeRound)
            text = handMade[round];
        CountingGame game(window, "/nonexistent-zorvik-test-folder");  // fresh, as the solver's own
        game.setStartDefaults();
        game.levelTexts = {text};
        game.LevelLaden();
        const solver::Board board(game);
        solver::Mover mover(board);
        std::vector<Word> position = board.start(), next(std::size_t(board.words()));
        std::string keys;
        for (int key = 0; key < 40; ++key) {
            const int step = int(random() % 4);
            keys += solver::kStepLetters[step];
            const int deaths = game.calls["Tot"], ends = game.calls["LevelLaden"], x = game.WurmX[0], y = game.WurmY[0];
            play(game, keys.substr(keys.size() - 1));
            const auto played = game.calls["Tot"] > deaths  ? solver::MoveOutcome::Dies
                                : game.calls["LevelLaden"] > ends ? solver::MoveOutcome::Finished
                                : x == game.WurmX[0] && y == game.WurmY[0] ? solver::MoveOutcome::Blocked
                                                                            : solver::MoveOutcome::Moved;
            mover.load(position.data());
            const auto moved = mover.move(step, next.data());
            ASSERT_EQ(moved, played) << toUtf8(text) << " after " << keys;
            if (moved == solver::MoveOutcome::Dies || moved == solver::MoveOutcome::Finished)
                break;
            if (moved == solver::MoveOutcome::Moved)
                position = next;
            ASSERT_EQ(describe(board, position.data()), describe(board, game)) << toUtf8(text) << " after " << keys;
        }
        const int shortest = handMadeRound || (n >= 4 && n <= 5 && layout >= 2) ? shortestByBreadthFirst(board) : 0;
        if (shortest == 0)
            continue;
        const auto solution = solver::solve(text);
        if (shortest < 0)
            EXPECT_EQ(solution.outcome, Outcome::NoSolution) << toUtf8(text);
        else
            EXPECT_TRUE(solution.outcome == Outcome::Found && solution.provenShortest && int(solution.moves.size()) == shortest)
                << toUtf8(text) << " " << shortest << " " << solution.moves;
    }
}

// A designer's search in the background: it reports progress, stops when cancelled, keeps to its memory, and
// keeps the furthest it got when it stops.
TEST(Solver, ReportsProgressStopsWhenCancelledKeepsToItsMemoryAndTheFurthestItGot)
{
    // Dots but for a halving cell every fifth cell and a blank every seventh: long to prove.
    std::string open(144, '.');
    for (std::size_t i = 0; i < open.size(); ++i)
        open[i] = i % 7 == 0 ? ' ' : i % 5 == 0 ? ',' : '.';
    open.replace(50, 3, "\xF6oo");
    std::atomic<bool> cancel = false;
    int reports = 0;
    const solver::Options options{.timeLimit = std::chrono::seconds(60), .cancel = &cancel,
                                  .progress = [&](const solver::Progress&) { ++reports, cancel = true; }};
    const auto begin = std::chrono::steady_clock::now();
    const auto cancelled = solver::solve(open, options);
    EXPECT_LT(std::chrono::steady_clock::now() - begin, options.timeLimit / 2);
    EXPECT_TRUE(reports > 0 && !cancelled.provenShortest &&
                (cancelled.outcome == Outcome::Cancelled || cancelled.outcome == Outcome::Found));

    const auto bounded = solver::solve(open, {.timeLimit = std::chrono::seconds(1), .memoryLimit = 8 << 20});
    EXPECT_TRUE(bounded.peakMemoryBytes <= 8 << 20 && bounded.outcome != Outcome::NoSolution);

    // A search stopped by its time limit keeps the furthest it got, and the game plays it the same: 20 x 20
    // cells, a dot in all but every sixth, far too many to eat in a second.
    std::string dense(400, '.');
    for (std::size_t i = 0; i < dense.size(); i += 6)
        dense[i] = ' ';
    dense.replace(190, 3, "\xF6oo");
    const auto stopped = solver::solve(dense, {.timeLimit = std::chrono::seconds(1)});
    TestGame game;
    game.start(dense);
    game.play(stopped.furthestMoves);
    EXPECT_TRUE(stopped.outcome == Outcome::OutOfTime && stopped.furthestDots > 0 && stopped.lowerBound >= stopped.dots);
    EXPECT_EQ(std::tuple(stopped.dots - game.game.RestPunkte, game.game.calls["Tot"]), std::tuple(stopped.furthestDots, 0));
}

// zorvik-check on a level without a solution proves so and prints the furthest it got; the game plays those
// moves and eats as many dots as it says, without a death.
TEST(Solver, ZorvikCheckPrintsTheFurthestItGotOnALevelWithoutASolution)
{
    // Two dots each way along a corridor: once the left ones are eaten, the worm cannot turn back.
    const std::string text = std::string(9 * 4, '#') + ".. \xF6oo .." + std::string(9 * 4, '#');
    const auto file = std::filesystem::temp_directory_path() / ("zorvik-furthest-" + std::to_string(::getpid()) + ".ZVK");
    std::ofstream(file, std::ios::binary) << text << "\r\n";
    FILE* pipe = ::popen((std::string(ZORVIK_CHECK) + " --solve '" + file.string() + "'").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out(4096, '\0');
    out.resize(std::fread(out.data(), 1, out.size(), pipe));
    const int status = ::pclose(pipe);
    std::filesystem::remove(file);
    std::smatch line;
    ASSERT_TRUE(std::regex_search(out, line, std::regex("\\.ZVK: furthest: (\\d+) of (\\d+) dots: ([LRUD]*)\n"))) << out;
    EXPECT_TRUE(out.find(".ZVK: error: no solution:") != std::string::npos && WEXITSTATUS(status) == 1) << out;
    TestGame game;
    game.start(text);
    game.play(line[3].str());
    EXPECT_EQ(std::tuple(line[1].str(), line[2].str(), 4 - int(game.game.RestPunkte), game.game.calls["Tot"]),
              std::tuple("2", "4", 2, 0))
        << out;
}

} // namespace
} // namespace zorvik::testing
