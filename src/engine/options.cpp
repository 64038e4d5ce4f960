// The option controls: the animation mode label and the worm colour chooser.
#include "model/game.h"

#include <exception>

namespace zorvik {

namespace {
const std::string kFast = " schnell";
const std::string kSmooth = " fl\xC3\xBCssig";  // " flüssig" in UTF-8, as captions cross the window
} // namespace

void Game::SchnellFlüssig_Click()
{
    const std::string caption = window_.ControlCaption(Control::SchnellFlüssig);
    window_.SetControlCaption(Control::SchnellFlüssig, caption == kSmooth ? kFast : kSmooth);
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
