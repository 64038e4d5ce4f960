// zorvik-bench: level starts on every canvas, screen and board; pass --benchmark_filter to pick cases.
#include "scene.h"

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

void registerAll()
{
    for (CanvasKind kind : {CanvasKind::Before, CanvasKind::Raster, CanvasKind::Core})
        for (const Board& board : boards())
            for (const Screen& screen : screens()) {
                const std::string name = "LevelStart/" + kindName(kind) + "/" + board.name + "/" + screen.name;
                benchmark::RegisterBenchmark(name.c_str(), levelStart, kind, screen, board)
                    ->Unit(benchmark::kMicrosecond);
            }
}

} // namespace
} // namespace zorvik::bench

int main(int argc, char** argv)
{
    zorvik::bench::registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
