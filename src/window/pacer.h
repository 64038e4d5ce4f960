// SPDX-License-Identifier: GPL-3.0-or-later
// Paces an animation that is drawn frame by frame without a timer: it lasts a set time on any machine,
// and the screen is shown a frame at most once per display refresh.
#pragma once

#include <chrono>
#include <functional>

namespace zorvik {

class Pacer {
public:
    using Clock = std::chrono::steady_clock;
    using Duration = std::chrono::duration<double, std::milli>;

    Pacer(std::function<Clock::time_point()> now, std::function<void(Clock::time_point)> sleepUntil);

    void setRefreshInterval(Duration interval) { refresh_ = interval; }
    Duration refreshInterval() const { return refresh_; }

    // Frame `done` of `total` (1-based) has just been drawn; the whole animation is to last `length`.
    // Calls `present` when this frame is to reach the screen, then waits until the frame's time is up.
    // A frame whose successor is due before the screen may refresh again is not presented and not waited for.
    void frame(int done, int total, Duration length, const std::function<void()>& present);

private:
    std::function<Clock::time_point()> now_;
    std::function<void(Clock::time_point)> sleepUntil_;
    Duration refresh_{1000.0 / 60};
    Clock::time_point start_{};
    Clock::time_point lastPresent_{};
    bool presented_ = false;
    int lastDone_ = 0;
    int lastTotal_ = 0;
};

} // namespace zorvik
