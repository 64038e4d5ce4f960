// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-solver-bench: the solver on every level of the pack, with its default limits, against the recorded
// solutions; and how soon it stops at its time limit and when cancelled, on a dense board and a pack level.
#include "levels/level_file.h"
#include "solver/solver.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Processor time of the whole process, both searching threads included.
double processSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::size_t recordedMoves(fs::path level)
{
    std::ifstream in(level.replace_extension(".solution"), std::ios::binary);
    std::string moves;
    std::getline(in, moves);
    return std::count_if(moves.begin(), moves.end(), [](char c) { return c == 'L' || c == 'R' || c == 'U' || c == 'D'; });
}

void solveLevel(benchmark::State& state, const fs::path& level)
{
    const std::string text = zorvik::readLevelText(level);
    zorvik::solver::Result result;
    double processor = 0;
    for (auto _ : state) {
        const double before = processSeconds();
        result = zorvik::solver::solve(text);
        processor = processSeconds() - before;
    }
    const auto side = static_cast<double>(std::lround(std::sqrt(double(text.size()))));
    const bool found = result.outcome == zorvik::solver::Result::Outcome::Found;
    state.counters["side"] = side;
    state.counters["moves"] = found ? double(result.moves.size()) : 0;
    state.counters["recorded"] = double(recordedMoves(level));
    state.counters["proven"] = result.provenShortest;
    state.counters["lower_bound"] = double(result.lowerBound);
    state.counters["first_s"] = found ? double(result.firstFoundAfter.count()) / 1000 : 0;
    state.counters["best_s"] = found ? double(result.bestFoundAfter.count()) / 1000 : 0;
    state.counters["positions"] = double(result.positions);
    state.counters["peak_MB"] = double(result.peakMemoryBytes) / (1 << 20);
    state.counters["cpu_s"] = processor;
}

// 35 × 35 cells, a dot in each but every sixth (1018 dots), a worm of three in the middle: each expansion
// of the search works out bounds over a thousand dots, milliseconds each.
std::string denseBoard()
{
    std::string text(35 * 35, '.');
    for (std::size_t i = 0; i < text.size(); i += 6)
        text[i] = ' ';
    text.replace(17 * 35 + 10, 3, "\xF6oo");
    return text;
}

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point begin) { return std::chrono::duration<double>(Clock::now() - begin).count(); }

// How long past its time limit the solver returns.
void timeLimit(benchmark::State& state, const std::string& text, std::chrono::milliseconds limit)
{
    double late = 0;
    for (auto _ : state) {
        const auto begin = Clock::now();
        zorvik::solver::Options options;
        options.timeLimit = limit;
        zorvik::solver::solve(text, options);
        late = secondsSince(begin) - std::chrono::duration<double>(limit).count();
    }
    state.counters["late_s"] = late;
}

// How long the solver takes to return once cancelled, after searching for `after`.
void cancel(benchmark::State& state, const std::string& text, std::chrono::milliseconds after)
{
    double latency = 0, held = 0;
    for (auto _ : state) {
        std::atomic<bool> stop = false;
        std::atomic<std::size_t> memory = 0;
        Clock::time_point cancelled;
        std::thread canceller([&] {
            std::this_thread::sleep_for(after);
            cancelled = Clock::now();
            stop = true;
        });
        zorvik::solver::solve(text, {.timeLimit = std::chrono::minutes(10),
                                     .cancel = &stop,
                                     .progress = [&](const zorvik::solver::Progress& p) { memory = p.memoryBytes; }});
        const auto returned = Clock::now();
        canceller.join();
        latency = std::chrono::duration<double>(returned - cancelled).count();
        held = double(memory) / (1 << 20);
    }
    state.counters["latency_s"] = latency;
    state.counters["held_MB"] = held;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<fs::path> levels;
    for (const auto& entry : fs::directory_iterator(ZORVIK_LEVELS_DIR))
        if (entry.path().extension() == ".ZVK")
            levels.push_back(entry.path());
    std::sort(levels.begin(), levels.end());
    for (const auto& level : levels)
        benchmark::RegisterBenchmark(("Solve/" + level.stem().string()).c_str(), solveLevel, level)
            ->Iterations(1)
            ->Unit(benchmark::kSecond)
            ->UseRealTime();
    const std::string dense = denseBoard();
    const std::string library = zorvik::readLevelText(fs::path(ZORVIK_LEVELS_DIR) / "18 Bibliothek.ZVK");
    using std::chrono::milliseconds;
    const std::pair<const char*, std::function<void(benchmark::State&)>> stops[] = {
        {"Limit/dense35/0.1s", [&](benchmark::State& s) { timeLimit(s, dense, milliseconds(100)); }},
        {"Limit/dense35/2s", [&](benchmark::State& s) { timeLimit(s, dense, milliseconds(2000)); }},
        {"Cancel/dense35/after1s", [&](benchmark::State& s) { cancel(s, dense, milliseconds(1000)); }},
        {"Cancel/18 Bibliothek/after8s", [&](benchmark::State& s) { cancel(s, library, milliseconds(8000)); }},
    };
    for (const auto& [name, run] : stops)
        benchmark::RegisterBenchmark(name, run)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
