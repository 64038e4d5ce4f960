// SPDX-License-Identifier: GPL-3.0-or-later
// One game on one kind of canvas at one screen size, set up the way start-up leaves it.
#pragma once

#include "model/canvas.h"
#include "model/game.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvik::bench {

// before: the plain rasteriser the game started with; raster: the game's canvas; core: no drawing at all.
enum class CanvasKind { Before, Raster, Core };

struct Screen {
    std::string name;
    int width, height;  // device pixels of the client area
    double twipsPerPixel;
};

struct Board {
    std::string name;
    std::string text;
};

const std::vector<Screen>& screens();
const std::vector<Board>& boards();
std::string kindName(CanvasKind kind);

class Scene {
public:
    Scene(CanvasKind kind, const Screen& screen, const std::string& levelText);
    ~Scene();

    Game& game() { return *game_; }
    WindowOperations& window() { return *window_; }
    // Brings the picture up to date, as presenting it on the screen would.
    void present();
    // The slide in fast (" schnell") or smooth (" flüssig") mode.
    void setSmooth(bool smooth);

private:
    std::unique_ptr<Canvas> canvas_;
    std::unique_ptr<WindowOperations> window_;
    std::unique_ptr<Game> game_;
    CanvasKind kind_;
};

} // namespace zorvik::bench
