// SPDX-License-Identifier: GPL-3.0-or-later
// The option controls: the animation mode label and the worm colour chooser.
#include "model/game.h"

#include <exception>

namespace zorvik {

void Game::SchnellFlüssig_Click()
{
    const std::string caption = window_.ControlCaption(Control::SchnellFlüssig);
    window_.SetControlCaption(Control::SchnellFlüssig, caption == kSmoothCaption ? kFastCaption : kSmoothCaption);
}

void Game::WurmFrame_Click()
{
    try {
        if (!window_.ShowColor())
            return;  // closed without a choice: nothing changes
        WurmFarbe = window_.Color();
        Beginn();
    } catch (const std::exception&) {
        // The choice ends silently wherever it failed.
    }
}

} // namespace zorvik
