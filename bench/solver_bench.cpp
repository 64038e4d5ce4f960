// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-solver-bench: the solver on every level of the pack, with its default limits, against the recorded solutions.
#include "levels/level_file.h"
#include "solver/solver.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
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
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
