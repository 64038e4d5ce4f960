// SPDX-License-Identifier: GPL-3.0-or-later
// The window operations the studio's games draw on: the game's raster canvas, without the option frames,
// so the board takes the whole picture, and with a hook for the frames of an animation.
#pragma once

#include "window/image_window.h"

#include <functional>

namespace zorvik::studio {

class BoardWindow : public ImageWindow {
public:
    using ImageWindow::ImageWindow;

    std::function<void(Animation, int, int)> onAnimationFrame;

    float ControlWidth(Control) const override { return 0; }
    void AnimationFrame(Animation animation, int done, int total) override
    {
        if (onAnimationFrame)
            onAnimationFrame(animation, done, total);
    }
};

// A picture of one cell kind as the game paints it in a level with colours `levelNr`, `pixels` square.
QImage cellPicture(char cell, int levelNr, int pixels);

} // namespace zorvik::studio
