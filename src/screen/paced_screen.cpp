// SPDX-License-Identifier: GPL-3.0-or-later
// The way a game's picture and the input meant for it take through the event loop.
#include "screen/paced_screen.h"

#include "model/window_operations.h"
#include "screen/raster_canvas.h"
#include "screen/unix_signals.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace zorvik {

namespace {

bool pacingWanted()
{
    // ZORVIK_NO_PACING=1 shows every move at once, for automation.
    const char* off = std::getenv("ZORVIK_NO_PACING");
    return off == nullptr || *off == '\0' || std::string(off) == "0";
}

} // namespace

PacedScreen::PacedScreen(QWidget& widget, RasterCanvas& canvas) : widget_(widget), canvas_(canvas), pacing_(pacingWanted())
{
    showTimer_.setSingleShot(true);
    showTimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&showTimer_, &QTimer::timeout, &widget, [this] { showDueFrames(); });
}

QRect PacedScreen::devicePixels(double x1, double y1, double x2, double y2) const
{
    // Floor without a library call: a redraw asks this for every ring it paints.
    auto pixel = [tpp = canvas_.twipsPerPixel()](double twips) {
        const double value = std::clamp(twips / tpp, -1e9, 1e9);
        const int whole = static_cast<int>(value);
        return whole - (value < whole);
    };
    const int left = pixel(std::min(x1, x2));
    const int top = pixel(std::min(y1, y2));
    const int right = pixel(std::max(x1, x2));
    const int bottom = pixel(std::max(y1, y2));
    // One pixel more on every side: the rasteriser rounds centres and spans on its own.
    return QRect(QPoint(left - 1, top - 1), QPoint(right + 1, bottom + 1));
}

bool PacedScreen::allDirty() const { return dirty_ == canvas_.rect(); }

void PacedScreen::Cls()
{
    canvas_.Cls();
    markDirty(canvas_.rect());
}

void PacedScreen::Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind)
{
    canvas_.Line(x1, y1, x2, y2, colour, kind);
    if (!allDirty())
        markDirty(devicePixels(x1, y1, x2, y2));
}

void PacedScreen::FillColor(Colour colour) { canvas_.FillColor(colour); }

void PacedScreen::Circle(float x, float y, float radius, Colour colour)
{
    canvas_.Circle(x, y, radius, colour);
    const double r = std::max(0.0f, radius);
    if (!allDirty())
        markDirty(devicePixels(x - r, y - r, x + r, y + r));
}

void PacedScreen::markDirty(const QRect& devicePixels) { dirty_ |= devicePixels.intersected(canvas_.rect()); }

void PacedScreen::place(QPoint origin, double ratio)
{
    origin_ = origin;
    ratio_ = ratio;
}

QRect PacedScreen::logicalRect(const QRect& devicePixels) const
{
    const double r = ratio_;
    const QRect& d = devicePixels;
    return QRectF(d.x() / r, d.y() / r, d.width() / r, d.height() / r).toAlignedRect().translated(origin_);
}

void PacedScreen::animationFrame(const WindowOperations& window, Animation animation, int done, int total)
{
    if (animation == Animation::LevelEnd) {
        // A key held over the finished board does not steer the next level, which the player has not seen yet.
        ++levelChanges_;
        held_.reset();
    }
    // Once the game is asked to end, the move in progress is finished at once.
    if (!pacing_ || !widget_.isVisible() || UnixSignals::endRequested())
        return;
    if (done <= 1) {
        const QScreen* shown = widget_.screen();
        const double hertz = shown ? shown->refreshRate() : 60;
        frames_.setRefreshInterval(FrameShow::Ms(1000.0 / std::clamp(hertz > 0 ? hertz : 60, 24.0, 360.0)));
    }
    if (animation == Animation::LevelEnd)
        hold(true);
    const bool fast = window.ControlCaption(Control::SchnellFlüssig) == kFastCaption;
    const FrameShow::Pace pace = FrameShow::paceOf(animation, total, fast);
    if (!frames_.frame(done, total, pace.length, pace.held))
        return;
    // Whole logical pixels, so that a kept frame paints every pixel of what it repaints.
    const QRect logical = logicalRect(dirty_).translated(-origin_);
    const double r = ratio_;
    QRect changed = QRect(QPoint(int(std::floor(logical.left() * r)), int(std::floor(logical.top() * r))),
                          QPoint(int(std::ceil((logical.right() + 1) * r)) - 1, int(std::ceil((logical.bottom() + 1) * r)) - 1));
    frames_.keep(canvas_.image(), changed);
    dirty_ = changed.isEmpty() ? QRect() : dirty_;
}

void PacedScreen::hold(bool held)
{
    if (onHold)
        onHold(held);
}

void PacedScreen::run(const std::function<void()>& handler)
{
    ++running_;
    handler();
    --running_;
    if (running_ == 0 && frames_.start(dirty_)) {
        dirty_ = QRect();
        if (hurryWanted())
            frames_.hurry();
        showDueFrames();
    } else {
        hold(false);
        presentNow();
    }
}

bool PacedScreen::hurryWanted() const
{
    return std::any_of(waiting_.begin(), waiting_.end(), [](const Waiting& waiting) { return waiting.hurries; });
}

void PacedScreen::whenShown(std::function<void()> handler)
{
    if (!frames_.active() && waiting_.empty())
        handler();
    else
        waiting_.push_back({std::move(handler), false});
}

void PacedScreen::inTurn(std::function<void()> handler)
{
    if (waiting_.empty())
        handler();
    else
        waiting_.push_back({std::move(handler), false});
}

void PacedScreen::keyPressed(const QKeyEvent& event, std::function<void()> handler)
{
    const int key = event.key();
    // Qt does not always tell a repeat apart; a release and a press of one key at the same moment are one.
    const bool repeated = event.isAutoRepeat() ||
                          (event.timestamp() != 0 && event.timestamp() == lastRelease_.time && key == lastRelease_.key);
    if (!repeated)
        freshPress_[key] = levelChanges_;
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
    if (!arrow) {
        // Only the arrows steer: any other key neither hurries the move being shown nor drops a held key's move.
        whenShown(std::move(handler));
        return;
    }
    if (repeated) {
        const auto pressed = freshPress_.find(key);
        if ((pressed == freshPress_.end() ? 0 : pressed->second) != levelChanges_)
            return;  // held since before the level changed: the next level's first move takes a fresh press
        if (frames_.active() || !waiting_.empty()) {
            // A held key's repeats pile up faster than moves are shown: one move follows while it is held.
            held_ = HeldKey{key, std::move(handler)};
            return;
        }
    } else {
        held_.reset();
    }
    if (!frames_.active() && waiting_.empty()) {
        handler();
        return;
    }
    // A fresh press is never lost: the move being shown is cut short so that the press follows at once.
    waiting_.push_back({std::move(handler), true});
    frames_.hurry();
    showDueFrames();
}

void PacedScreen::keyReleased(const QKeyEvent& event)
{
    lastRelease_ = {event.key(), event.timestamp()};
    if (!event.isAutoRepeat() && held_ && held_->key == event.key())
        held_.reset();
}

void PacedScreen::runWaiting()
{
    if (drainingWaiting_)
        return;
    drainingWaiting_ = true;
    while (running_ == 0 && !frames_.active()) {
        std::function<void()> handler;
        if (!waiting_.empty()) {
            handler = std::move(waiting_.front().handler);
            waiting_.pop_front();
        } else if (held_) {
            // The key is still held: its next move follows the one just shown without a gap.
            handler = std::move(held_->handler);
            held_.reset();
        } else {
            break;
        }
        handler();
    }
    drainingWaiting_ = false;
}

void PacedScreen::showDueFrames()
{
    showTimer_.stop();
    if (!frames_.active()) {
        runWaiting();
        return;
    }
    FrameShow::Due due = frames_.due();
    if (due.ended) {
        hold(false);
        markDirty(due.rest);
        presentNow();
        runWaiting();
        return;
    }
    if (!due.frames.empty()) {
        painting_ = std::move(due.frames);
        QRegion area;
        for (const FrameShow::Frame& frame : painting_)
            area |= logicalRect(frame.area);
        widget_.repaint(area);
        painting_.clear();
    }
    showTimer_.start(int(std::ceil(frames_.untilNext().count())));
}

void PacedScreen::showEverythingNow()
{
    hold(false);
    markDirty(frames_.stop());
    presentNow();
}

void PacedScreen::dropFrames()
{
    if (!frames_.active())
        return;
    frames_.stop();
    hold(false);
    markDirty(canvas_.rect());
    showTimer_.start(0);
}

void PacedScreen::abandon()
{
    showTimer_.stop();
    frames_.stop();
    waiting_.clear();
    held_.reset();
}

void PacedScreen::presentNow()
{
    if (dirty_.isEmpty())
        return;
    widget_.repaint(logicalRect(dirty_));
    dirty_ = QRect();
}

void PacedScreen::paint(QPainter& painter, const QRegion& region) const
{
    const double r = ratio_;
    // `at`: where the image lies on the picture, in device pixels.
    auto draw = [&](const QRegion& part, const QImage& image, QPoint at) {
        for (const QRect& area : part) {
            const QRectF source((area.x() - origin_.x()) * r - at.x(), (area.y() - origin_.y()) * r - at.y(), area.width() * r,
                                area.height() * r);
            painter.drawImage(QRectF(area), image, source);
        }
    };
    // Frames on their way to the screen cover the picture, which is already as it is after them.
    QRegion picture = region;
    for (const FrameShow::Frame& frame : painting_)
        picture -= logicalRect(frame.area);
    draw(picture, canvas_.image(), QPoint());
    for (const FrameShow::Frame& frame : painting_)
        draw(region & logicalRect(frame.area), frame.pixels, frame.area.topLeft());
}

} // namespace zorvik
