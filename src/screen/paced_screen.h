// SPDX-License-Identifier: GPL-3.0-or-later
// A game's picture on its way into a widget: what a handler drew reaches the screen when the handler ends, a
// move's frames at their pace from the event loop, and input that comes meanwhile waits its turn.
#pragma once

#include "model/canvas.h"
#include "screen/frame_show.h"

#include <QPoint>
#include <QRect>
#include <QTimer>

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QKeyEvent;
class QPainter;
class QRegion;
class QWidget;

namespace zorvik {

class RasterCanvas;
// From model/window_operations.h, which is kept from moc (it reads no ü).
class WindowOperations;

// The game draws through it as on the canvas itself; it notes what changed.
class PacedScreen : public Canvas {
public:
    PacedScreen(QWidget& widget, RasterCanvas& canvas);

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) override;
    void FillColor(Colour colour) override;
    void Circle(float x, float y, float radius, Colour colour) override;
    void markDirty(const QRect& devicePixels);

    // Where the picture's top left lies in the widget, and device pixels to a logical pixel.
    void place(QPoint origin, double ratio);

    // Frame `done` of `total` of an animation has been drawn for `window`, whose speed option sets a slide's pace.
    void animationFrame(const WindowOperations& window, Animation animation, int done, int total);
    // Told true when the finished board is held, false once the picture is shown in full: whatever shows
    // the next level waits for its board.
    std::function<void(bool held)> onHold;

    // Runs a handler, which lets no failure escape; then what it drew goes to the screen, at once or paced.
    void run(const std::function<void()>& handler);
    // A handler is in progress: more than one only around a modal dialog.
    bool running() const { return running_ > 0; }
    // A handler that may draw (a click, a resize) waits until the move being shown is on the screen at its pace.
    void whenShown(std::function<void()> handler);
    // A handler that draws nothing need not wait for a move to be shown, only keep its place behind what waits.
    void inTurn(std::function<void()> handler);
    // The handler of a pressed key. A fresh arrow press hurries the move being shown; a held arrow key's repeats
    // that come meanwhile make one move after it, and none once a level has changed under the key; any other key
    // waits its turn.
    void keyPressed(const QKeyEvent& event, std::function<void()> handler);
    void keyReleased(const QKeyEvent& event);

    // The frames of the move being shown; tests set its clock.
    FrameShow& frameShow() { return frames_; }
    // Shows what is due of a move, and when the move is shown in full, what waited for it; the timer does
    // this, tests call it after moving their clock.
    void showDueFrames();
    // Everything drawn so far goes to the screen now, before a dialog opens over it.
    void showEverythingNow();
    // The kept frames are of a picture that is gone (a new size): the picture as it is now, and on with what waits.
    void dropFrames();
    // Nothing more is shown and nothing that waits runs: the window closes.
    void abandon();

    // Paints `region` (logical pixels) of the widget as the screen is to show it now.
    void paint(QPainter& painter, const QRegion& region) const;

private:
    // Device pixels that a box from (x1, y1) to (x2, y2) in twips touches.
    QRect devicePixels(double x1, double y1, double x2, double y2) const;
    // The whole picture waits to be shown already, as after a clearing: nothing to add.
    bool allDirty() const;
    QRect logicalRect(const QRect& devicePixels) const;
    void runWaiting();
    void hold(bool held);
    // The changed part of the picture goes to the screen at once.
    void presentNow();

    QWidget& widget_;
    RasterCanvas& canvas_;
    bool pacing_;
    QPoint origin_;
    double ratio_ = 1;
    QRect dirty_;  // device pixels
    FrameShow frames_;
    QTimer showTimer_;
    std::vector<FrameShow::Frame> painting_;  // frames on their way to the screen, oldest first
    struct Waiting {
        std::function<void()> handler;
        bool hurries;  // a fresh arrow press: the move before it is cut short
    };
    std::deque<Waiting> waiting_;  // handlers that came while a move was shown
    bool hurryWanted() const;
    struct HeldKey {
        int key;
        std::function<void()> handler;
    };
    std::optional<HeldKey> held_;  // a held key whose repeat came while a move was shown
    struct {
        int key = 0;
        quint64 time = 0;
    } lastRelease_;
    int levelChanges_ = 0;
    std::map<int, int> freshPress_;  // a key's last fresh press, counted in level changes before it
    bool drainingWaiting_ = false;
    int running_ = 0;
};

} // namespace zorvik
