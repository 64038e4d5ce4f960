// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping and showing the frames of a move.
#include "screen/frame_show.h"

#include "model/window_operations.h"

#include <algorithm>

namespace zorvik {

namespace {

// Copies beyond this wait for the next kept frame: a whole-board slide on a very large screen shows fewer frames.
constexpr std::size_t kMostBytes = 64u << 20;

} // namespace

FrameShow::Pace FrameShow::paceOf(Animation animation, int total, bool fast)
{
    switch (animation) {
    case Animation::Slide: return {Ms(fast ? 60 : 160), false};
    case Animation::Death: return {Ms(std::clamp(15.0 * total, 400.0, 1500.0)), true};
    case Animation::LevelEnd: return {Ms(400), true};
    case Animation::Removal: break;
    }
    return {Ms(100), false};
}

FrameShow::FrameShow(std::function<Clock::time_point()> now) : now_(std::move(now)) {}

bool FrameShow::frame(int done, int total, Ms length, bool held)
{
    if (total < 1 || started_)
        return false;
    if (!recording_) {
        // The showing's clock runs from the first frame: a move that takes long to draw is shown no longer for it.
        recording_ = true;
        startedAt_ = now_();
    }
    // Every animation starts with its frame 1.
    if (done <= 1) {
        animationStart_ = drawn_;
        if (held)
            holds_.push_back({drawn_, drawn_ + length});
    }
    const Ms begin = animationStart_ + length * (double(done - 1) / total);
    const Ms end = animationStart_ + length * (double(done) / total);
    const Ms slot = lastKept_ + refresh_;
    drawn_ = end;
    // A frame whose successor is due before the screen may refresh again is never seen.
    if (done < total && end < slot)
        return false;
    due_ = std::max(begin, slot);
    return true;
}

void FrameShow::keep(const QImage& image, QRect& changed)
{
    const QRect area = changed.intersected(image.rect());
    const std::size_t bytes = std::size_t(area.width()) * std::size_t(area.height()) * 4;
    if (bytes_ + bytes > kMostBytes)
        return;
    bytes_ += bytes;
    frames_.push_back({due_, area, area.isEmpty() ? QImage() : image.copy(area)});
    kept_ |= area;
    lastKept_ = due_;
    changed = QRect();
}

bool FrameShow::start(const QRect& changed)
{
    if (started_ || frames_.empty()) {
        if (!started_)
            reset();
        return false;
    }
    end_ = changed;
    started_ = true;
    return true;
}

QRect FrameShow::stop()
{
    const QRect all = kept_ | (started_ ? end_ : QRect());
    reset();
    return all;
}

void FrameShow::reset()
{
    frames_.clear();
    holds_.clear();
    kept_ = end_ = QRect();
    bytes_ = 0;
    drawn_ = animationStart_ = Ms(0);
    lastKept_ = Ms(-1e9);
    recording_ = started_ = hurried_ = false;
    skipped_ = Ms(0);
}

FrameShow::Ms FrameShow::position()
{
    Ms at = std::chrono::duration_cast<Ms>(now_() - startedAt_) + skipped_;
    if (!hurried_)
        return at;
    const auto holding = [&](const Hold& hold) { return hold.from <= at && at < hold.to; };
    if (std::any_of(holds_.begin(), holds_.end(), holding))
        return at;
    Ms to = drawn_;
    for (const Hold& hold : holds_)
        if (hold.from > at)
            to = std::min(to, hold.from);
    if (to > at) {
        skipped_ += to - at;
        at = to;
    }
    return at;
}

FrameShow::Due FrameShow::due()
{
    Due due;
    if (!started_)
        return due;
    const Ms at = position();
    if (at >= drawn_) {
        due.ended = true;
        due.rest = end_;
        for (const Frame& frame : frames_)
            due.rest |= frame.area;
        reset();
        return due;
    }
    const auto later = std::find_if(frames_.begin(), frames_.end(), [&](const Frame& f) { return f.at > at; });
    due.frames.assign(std::make_move_iterator(frames_.begin()), std::make_move_iterator(later));
    frames_.erase(frames_.begin(), later);
    return due;
}

FrameShow::Ms FrameShow::untilNext()
{
    if (!started_)
        return Ms(0);
    const Ms at = position();
    return std::max(Ms(0), (frames_.empty() ? drawn_ : frames_.front().at) - at);
}

} // namespace zorvik
