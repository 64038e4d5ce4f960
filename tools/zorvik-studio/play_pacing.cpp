// SPDX-License-Identifier: GPL-3.0-or-later
// Pacing the frames of a played level with the game's pacer and the game's lengths of each animation.
#include "play_pacing.h"

#include <cstdlib>
#include <string>
#include <thread>

namespace zorvik::studio {

PlayPacing::PlayPacing(std::function<void()> present)
    : present_(std::move(present)),
      pacer_([] { return Pacer::Clock::now(); }, [](Pacer::Clock::time_point until) { std::this_thread::sleep_until(until); })
{
    // As in the game: ZORVIK_NO_PACING=1 draws the moves without waiting, for automation.
    const char* off = std::getenv("ZORVIK_NO_PACING");
    pacing_ = off == nullptr || *off == '\0' || std::string(off) == "0";
}

void PlayPacing::frame(const WindowOperations& window, Animation animation, int done, int total)
{
    if (!pacing_)
        return;
    Pacer::Duration length{0};
    switch (animation) {
    case Animation::Slide: length = Pacer::Duration(window.ControlCaption(Control::SchnellFlüssig) == kFastCaption ? 60 : 160); break;
    case Animation::Death: length = Pacer::Duration(15.0 * total); break;
    case Animation::Removal: length = Pacer::Duration(100); break;
    }
    pacer_.frame(done, total, length, present_);
}

} // namespace zorvik::studio
