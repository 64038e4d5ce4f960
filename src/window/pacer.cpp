// SPDX-License-Identifier: GPL-3.0-or-later
// The pacing of animation frames.
#include "window/pacer.h"

#include <algorithm>
#include <utility>

namespace zorvik {

Pacer::Pacer(std::function<Clock::time_point()> now, std::function<void(Clock::time_point)> sleepUntil)
    : now_(std::move(now)), sleepUntil_(std::move(sleepUntil))
{
}

void Pacer::frame(int done, int total, Duration length, const std::function<void()>& present)
{
    if (total < 1)
        return;
    done = std::clamp(done, 1, total);
    const Clock::time_point now = now_();
    if (done == 1 || done <= lastDone_ || total != lastTotal_)
        start_ = now;  // a new animation: its clock starts with its first frame
    lastDone_ = done;
    lastTotal_ = total;

    auto at = [&](double fraction) {
        return start_ + std::chrono::duration_cast<Clock::duration>(length * fraction);
    };
    const Clock::time_point begin = at(double(done - 1) / total);
    const Clock::time_point end = at(double(done) / total);
    const Clock::time_point slot =
        presented_ ? lastPresent_ + std::chrono::duration_cast<Clock::duration>(refresh_) : now;
    // Skip a frame whose successor is due before the screen may next refresh, unless a refresh is overdue.
    if (done < total && end < slot && now < slot)
        return;

    // Not before the frame's own time nor faster than the refresh rate, but never past the frame's end.
    sleepUntil_(std::min(std::max(slot, begin), end));
    present();
    lastPresent_ = now_();
    presented_ = true;
    sleepUntil_(end);
}

} // namespace zorvik
