// SPDX-License-Identifier: GPL-3.0-or-later
// The measured cases: screens, boards and the scene that runs a game on the chosen canvas.
#include "scene.h"

#include "bench/canvas_window.h"
#include "bench/reference_raster.h"
#include "bench/sample_boards.h"
#include "model/null_window.h"
#include "screen/raster_canvas.h"

#include <algorithm>

namespace zorvik::bench {

namespace {

constexpr Colour kBackground = 3 + 65536 * 67;  // the design's dark blue

// Whether the game window keeps frame `done` of `total` to show: its pacing gives a slide 60 ms (fast) or
// 160 ms (smooth), a death 15 ms a segment (0.4 s to 1.5 s in all) and a removal 100 ms, and shows a frame at
// most once a refresh (60 Hz).
bool presented(Animation animation, int done, int total, bool smooth)
{
    double length = 100;
    if (animation == Animation::Slide)
        length = smooth ? 160 : 60;
    if (animation == Animation::Death)
        length = std::clamp(15.0 * total, 400.0, 1500.0);
    const double refresh = 1000.0 / 60;
    auto tick = [&](int frame) { return static_cast<long>(length * frame / total / refresh); };
    return done >= total || tick(done) != tick(done - 1);
}

} // namespace

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
        auto window = std::make_unique<CanvasWindow>(*canvas_, scaleWidth, scaleHeight);
        // Presenting a frame brings the picture up to date.
        window->onFrame = [this](Animation animation, int done, int total) {
            if (presented(animation, done, total, window_->ControlCaption(Control::SchnellFl\u00FCssig) != kFastCaption))
                present();
        };
        window_ = std::move(window);
    }
    game_ = std::make_unique<Game>(*window_, "/nonexistent-zorvik-bench-folder");
    Game& game = *game_;
    game.setStartDefaults();
    game.LevelText = levelText;
}

Scene::~Scene() = default;

void Scene::setSmooth(bool smooth)
{
    window_->SetControlCaption(Control::SchnellFlüssig, smooth ? " fl\xC3\xBCssig" : " schnell");
}

void Scene::present()
{
    if (kind_ == CanvasKind::Raster)
        static_cast<RasterCanvas&>(*canvas_).image();
}

} // namespace zorvik::bench
