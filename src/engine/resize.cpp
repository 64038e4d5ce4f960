// SPDX-License-Identifier: GPL-3.0-or-later
// Window resizing: keep the minimum size, keep the panels at the right edge, restart at the new size.
#include "model/game.h"

namespace zorvik {

void Game::Form_Resize()
{
    constexpr float kMinimumHeight = 4020;
    constexpr float kMinimumWidth = 6015;
    if (window_.WindowState() == 1)
        return;
    // Each correction raises another resize event, which runs this again.
    if (window_.Height() < kMinimumHeight) {
        window_.SetHeight(kMinimumHeight);
        return;
    }
    if (window_.Width() < kMinimumWidth) {
        window_.SetWidth(kMinimumWidth);
        return;
    }
    window_.SetControlLeft(Control::WurmFrame, window_.ScaleWidth() - window_.ControlWidth(Control::WurmFrame));
    window_.SetControlLeft(Control::LevelFrame, window_.ScaleWidth() - window_.ControlWidth(Control::LevelFrame));
    Beginn();
}

} // namespace zorvik
