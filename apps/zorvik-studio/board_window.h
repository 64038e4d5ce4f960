// SPDX-License-Identifier: GPL-3.0-or-later
// The window operations the studio's games draw on: the game's raster canvas, without the option frames,
// so the board takes the whole picture; a played level draws through the screen that paces it.
#pragma once

#include "screen/image_window.h"
#include "screen/paced_screen.h"

#include <string>

namespace zorvik::studio {

class BoardWindow : public ImageWindow {
public:
    using ImageWindow::ImageWindow;

    // Set while a level is played: its moves reach the view as in the game.
    PacedScreen* screen = nullptr;

    float ControlWidth(Control) const override { return 0; }
    void Cls() override { drawing().Cls(); }
    void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) override
    {
        drawing().Line(x1, y1, x2, y2, colour, kind);
    }
    void FillColor(Colour colour) override { drawing().FillColor(colour); }
    void Circle(float x, float y, float radius, Colour colour) override { drawing().Circle(x, y, radius, colour); }
    void AnimationFrame(Animation animation, int done, int total) override
    {
        if (screen)
            screen->animationFrame(*this, animation, done, total);
    }

private:
    Canvas& drawing() { return screen ? static_cast<Canvas&>(*screen) : canvas(); }
};

// A picture of one cell kind as the game paints it in a level with colours `levelNr`, `pixels` square.
QImage cellPicture(char cell, int levelNr, int pixels);
// A picture of a level as the game draws it at place `levelNr`, `pixels` square, on a clear background.
QImage levelPicture(const std::string& text, int levelNr, int pixels);

} // namespace zorvik::studio
