// SPDX-License-Identifier: GPL-3.0-or-later
// A game drawing on a twin canvas, set up with the defaults and colour tables that start-up gives.
#pragma once

#include "model/game.h"
#include "bench/canvas_window.h"
#include "window/twin_canvas.h"

#include <string>

namespace zorvik {

struct TwinGame {
    TwinCanvas canvas;
    CanvasWindow window;
    Game game;

    TwinGame(int widthPixels, int heightPixels, double twipsPerPixel)
        : canvas(widthPixels, heightPixels, twipsPerPixel),
          window(canvas, float(widthPixels * twipsPerPixel), float(heightPixels * twipsPerPixel)),
          game(window, "/nonexistent-zorvik-test-folder")
    {
        game.setStartDefaults();
    }

    void start(const std::string& text)
    {
        game.LevelText = text;
        game.Beginn();
    }
};

} // namespace zorvik
