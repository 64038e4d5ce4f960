// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-bench: level starts and single moves on every canvas, screen and board; --benchmark_filter picks.
#include "scene.h"
#include "window_bench.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace zorvik::bench {
namespace {

void levelStart(benchmark::State& state, CanvasKind kind, const Screen& screen, const Board& board)
{
    Scene scene(kind, screen, board.text);
    for (auto _ : state) {
        scene.game().Beginn();
        scene.present();
    }
}

// One step to the left, from the same level start every time: the head always has a free cell (or, on the
// demo level, a dot) there.
void singleMove(benchmark::State& state, CanvasKind kind, const Screen& screen, const Board& board, bool smooth)
{
    Scene scene(kind, screen, board.text);
    scene.setSmooth(smooth);
    Game& game = scene.game();
    game.Beginn();
    scene.present();
    const GameState start = game;
    for (auto _ : state) {
        state.PauseTiming();
        static_cast<GameState&>(game) = start;
        state.ResumeTiming();
        game.Form_KeyDown(kKeyLeft, 0);
        scene.present();
    }
}

void registerAll()
{
    for (CanvasKind kind : {CanvasKind::Before, CanvasKind::Raster, CanvasKind::Core})
        for (const Board& board : boards())
            for (const Screen& screen : screens()) {
                const std::string where = kindName(kind) + "/" + board.name + "/" + screen.name;
                benchmark::RegisterBenchmark(("LevelStart/" + where).c_str(), levelStart, kind, screen, board)
                    ->Unit(benchmark::kMicrosecond);
                benchmark::RegisterBenchmark(("MoveFast/" + where).c_str(), singleMove, kind, screen, board, false)
                    ->Unit(benchmark::kMicrosecond);
                benchmark::RegisterBenchmark(("MoveSmooth/" + where).c_str(), singleMove, kind, screen, board, true)
                    ->Unit(benchmark::kMicrosecond);
            }
}

} // namespace
} // namespace zorvik::bench

int main(int argc, char** argv)
{
    // The game window needs an application; without a screen it goes offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ZORVIK_NO_PACING", "1");
    QApplication application(argc, argv);
    zorvik::bench::registerAll();
    zorvik::bench::registerWindowBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
