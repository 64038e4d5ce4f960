// The measured cases: screens, boards and the scene that runs a game on the chosen canvas.
#include "scene.h"

#include "model/null_window.h"
#include "window/canvas_window.h"
#include "window/raster_canvas.h"
#include "window/reference_raster.h"
#include "window/sample_boards.h"

namespace zorvik::bench {

namespace {
constexpr Colour kBackground = 3 + 65536 * 67;  // the design's dark blue
}

const std::vector<Screen>& screens()
{
    static const std::vector<Screen> all{
        {"393x241", 393, 241, 15},
        {"1920x1080", 1920, 1080, 15},
        {"3840x2160", 3840, 2160, 15},
        {"1920x1080@2", 3840, 2160, 7.5},
    };
    return all;
}

const std::vector<Board>& boards()
{
    static const std::vector<Board> all{
        {"demo/worm4", samples::demoLevel()},
        {"plain20/worm4", samples::plainLevel(20, 4)},
        {"plain20/worm29", samples::plainLevel(20, 29)},
        {"dense35/worm4", samples::denseLevel(35, 4)},
        {"dense35/worm29", samples::denseLevel(35, 29)},
        {"dense35/worm" + std::to_string(samples::longestWorm(35)), samples::denseLevel(35, samples::longestWorm(35))},
    };
    return all;
}

std::string kindName(CanvasKind kind)
{
    switch (kind) {
    case CanvasKind::Before: return "before";
    case CanvasKind::Raster: return "raster";
    case CanvasKind::Core: return "core";
    }
    return "?";
}

Scene::Scene(CanvasKind kind, const Screen& screen, const std::string& levelText) : kind_(kind)
{
    const float scaleWidth = float(screen.width * screen.twipsPerPixel);
    const float scaleHeight = float(screen.height * screen.twipsPerPixel);
    if (kind == CanvasKind::Core) {
        auto window = std::make_unique<NullWindow>();
        window->scaleWidth = scaleWidth;
        window->scaleHeight = scaleHeight;
        window_ = std::move(window);
    } else {
        if (kind == CanvasKind::Before)
            canvas_ = std::make_unique<ReferenceRaster>(screen.width, screen.height, screen.twipsPerPixel, kBackground);
        else
            canvas_ = std::make_unique<RasterCanvas>(screen.width, screen.height, screen.twipsPerPixel, kBackground);
        window_ = std::make_unique<CanvasWindow>(*canvas_, scaleWidth, scaleHeight);
    }
    game_ = std::make_unique<Game>(*window_, "/nonexistent-zorvik-bench-folder");
    Game& game = *game_;
    game.Weiss = 16777215;
    game.WurmFarbe = 0;
    game.Endung = ".ZVK";
    game.Pinsel = " ";
    game.buildColourTables();
    game.LevelNr = 0;
    game.MauerVersatz = 7;
    game.PunktVersatz = 2;
    game.LevelText = levelText;
}

Scene::~Scene() = default;

void Scene::present()
{
    if (kind_ == CanvasKind::Raster)
        static_cast<RasterCanvas&>(*canvas_).image();
}

} // namespace zorvik::bench
