// SPDX-License-Identifier: GPL-3.0-or-later
// The frames of a move, kept while the game draws it at once and shown afterwards at the animation's pace:
// at most one a display refresh, each a copy of what changed since the one before.
#pragma once

#include <QImage>
#include <QRect>

#include <chrono>
#include <functional>
#include <vector>

namespace zorvik {

// From model/window_operations.h, which is kept from moc (it reads no ü).
enum class Animation;

class FrameShow {
public:
    using Clock = std::chrono::steady_clock;
    using Ms = std::chrono::duration<double, std::milli>;

    // How long an animation lasts and whether key presses wait for it: a death long enough to be seen and never
    // so long that the window seems stuck, and a moment on the finished board.
    struct Pace {
        Ms length;
        bool held;
    };
    static Pace paceOf(Animation animation, int total, bool fast);

    struct Frame {
        Ms at;  // from the start of the showing
        QRect area;  // device pixels
        QImage pixels;  // that area as it was at this frame
    };

    explicit FrameShow(std::function<Clock::time_point()> now = Clock::now);
    void setClock(std::function<Clock::time_point()> now) { now_ = std::move(now); }
    void setRefreshInterval(Ms interval) { refresh_ = interval; }

    // While a handler draws: frame `done` of `total` (1-based) of an animation that is to last `length` has
    // been drawn. Returns whether the screen is to show it; then keep() takes it. Key presses wait for a held
    // animation instead of cutting it short.
    bool frame(int done, int total, Ms length, bool held);
    // Keeps a copy of `changed` (what changed since the last kept frame) from `image` and empties `changed`.
    void keep(const QImage& image, QRect& changed);
    // The handler is done; `changed` is what it changed after the last kept frame, shown from the picture
    // itself at the end. Returns whether anything is to be shown over time.
    bool start(const QRect& changed);
    // Ends the showing, or the keeping, at once; returns everything it had yet to show.
    QRect stop();

    bool active() const { return started_; }
    // Something waits for the showing: what is not held is shown at once from now on.
    void hurry() { hurried_ = true; }
    // The kept frames due now, oldest first; when `ended`, the showing is over and `rest` is to be shown
    // from the picture itself (the frames' areas and the end's), so the frames are not returned.
    struct Due {
        std::vector<Frame> frames;
        bool ended = false;
        QRect rest;
    };
    Due due();
    // How long until the next frame or the end is due.
    Ms untilNext();

private:
    struct Hold {
        Ms from, to;
    };
    // Where the showing stands on its own timeline; a hurried showing jumps over what is not held.
    Ms position();
    void reset();

    std::function<Clock::time_point()> now_;
    Ms refresh_{1000.0 / 60};
    std::vector<Frame> frames_;
    std::vector<Hold> holds_;
    QRect kept_;  // everything the kept frames cover
    QRect end_;
    std::size_t bytes_ = 0;
    // The timeline: drawing takes no time on it, each frame lasts its share of its animation.
    Ms drawn_{0};
    Ms animationStart_{0};
    Ms lastKept_{-1e9};
    Ms due_{0};  // when the frame that frame() accepted is to be shown
    bool recording_ = false;
    // The showing.
    bool started_ = false;
    bool hurried_ = false;
    Clock::time_point startedAt_{};
    Ms skipped_{0};
};

} // namespace zorvik
