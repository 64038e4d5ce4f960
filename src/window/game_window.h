// SPDX-License-Identifier: GPL-3.0-or-later
// The game window `Zorvik`: the board on a backing image, the panels at the right edge, and every
// event handed to its handler in the game, one at a time.
#pragma once

#include "window/controls.h"
#include "window/dialogs.h"
#include "window/frame_show.h"
#include "window/raster_canvas.h"

#include <QTimer>
#include <QWidget>

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace zorvik {

class Game;
class QtWindowOperations;
// The controls the game names (model/window_operations.h); its header is kept from moc, which reads no ü.
enum class Control;
enum class Animation;

class GameWindow : public QWidget {
    Q_OBJECT
public:
    static const char* const kTitle;

    // `scale` lays the window out smaller or larger than designed, on top of the screen's own scale.
    GameWindow(std::filesystem::path folder, Dialogs& dialogs, double scale = 1, QWidget* parent = nullptr);
    ~GameWindow() override;

    // Form_load: call once, before the window is first shown.
    void load();
    // Closes the window as its close box does, once any handler in progress has ended;
    // closes every open chooser and message box first.
    void requestClose();
    // Form_Unload has run.
    bool unloaded() const { return unloaded_; }

    Game& game() { return *game_; }
    const QImage& backingImage() const { return canvas_->image(); }
    CaptionedControl* control(Control which) const;
    // The labels that act as buttons, by design name ("Speichern", "Laden").
    CaptionedControl* button(const QString& name) const;
    // Twips per logical pixel, 15 on a 96-dpi screen.
    double twipsPerLogicalPixel() const { return twipsPerPixel_; }
    // A coalesced resize that is still waiting runs now.
    void runPendingResize();
    // The frames of the last move that are still to be shown; tests set its clock.
    FrameShow& frameShow() { return frames_; }
    // Shows what is due of a move, and when the move is shown in full, what waited for it; the show's timer
    // does this, tests call it after moving their clock.
    void showDueFrames();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class QtWindowOperations;

    // Runs one handler to its end; a failure that escapes it is reported on stderr and the game goes on.
    template <class Work>
    void run(const char* handler, Work&& work);
    // A handler that may draw waits until the move being shown is on the screen in full, and hurries it.
    void runWhenShown(const char* handler, std::function<void()> work);
    void runWaiting();
    // Frame `done` of `total` of an animation has been drawn.
    void keepFrame(Animation animation, int done, int total);
    void holdPanels(bool held);
    // Everything drawn so far goes to the screen now, before a dialog opens over it.
    void showEverythingNow();
    void scheduleResize();
    void resizeNow();
    void updateScale();
    void updateMinimumSize();
    void pointerMoved(QPointF position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    // The changed part of the backing image goes to the screen at once.
    void presentNow();
    QRect logicalRect(const QRect& devicePixels) const;
    void markDirty(const QRect& devicePixels);

    Dialogs& dialogs_;
    double scale_;
    double twipsPerPixel_ = 15;  // per logical pixel
    double devicePixelRatio_ = 1;
    std::unique_ptr<RasterCanvas> canvas_;
    QRect dirty_;  // device pixels
    std::unique_ptr<QtWindowOperations> operations_;
    std::unique_ptr<Game> game_;
    std::map<Control, CaptionedControl*> controls_;
    std::map<QString, CaptionedControl*> buttons_;
    QTimer resizeTimer_;
    FrameShow frames_;
    QTimer showTimer_;
    std::vector<FrameShow::Frame> painting_;  // frames on their way to the screen, oldest first
    std::deque<std::function<void()>> waiting_;  // handlers that came while a move was shown
    struct HeldKey {
        int qtKey, code, shift;
    };
    std::optional<HeldKey> held_;  // a held key whose repeat came while a move was shown
    struct {
        int key = 0;
        quint64 time = 0;
    } lastRelease_;
    bool drainingWaiting_ = false;
    int running_ = 0;  // handlers in progress: more than one only around a modal dialog
    bool closePending_ = false;
    bool resizeDeferred_ = false;
    bool screenWatched_ = false;
    bool unloaded_ = false;
    bool clickPressed_ = false;
    bool pointerKnown_ = false;
    QPointF lastPointer_;
};

} // namespace zorvik
