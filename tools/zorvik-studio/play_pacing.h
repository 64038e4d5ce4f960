// SPDX-License-Identifier: GPL-3.0-or-later
// How the frames of a move reach the screen while a level is played: a move lasts as long as in the game,
// on any machine. Kept to this one piece so that it can follow the game window's way of pacing.
#pragma once

#include "model/window_operations.h"
#include "window/pacer.h"

#include <functional>

namespace zorvik::studio {

class PlayPacing {
public:
    // `present` puts the picture drawn so far on the screen at once.
    explicit PlayPacing(std::function<void()> present);

    // Frame `done` of `total` of an animation has been drawn on `window`.
    void frame(const WindowOperations& window, Animation animation, int done, int total);

private:
    std::function<void()> present_;
    Pacer pacer_;
    bool pacing_;
};

} // namespace zorvik::studio
