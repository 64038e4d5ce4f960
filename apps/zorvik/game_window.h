// SPDX-License-Identifier: GPL-3.0-or-later
// The game window `Zorvik`: the board on a backing image, the panels at the right edge, and every
// event handed to its handler in the game, one at a time.
#pragma once

#include "controls.h"
#include "dialogs.h"
#include "screen/paced_screen.h"
#include "screen/raster_canvas.h"

#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>

namespace zorvik {

class Game;
class QtWindowOperations;
// The controls the game names (model/window_operations.h); its header is kept from moc, which reads no ü.
enum class Control;

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
    FrameShow& frameShow() { return screen_->frameShow(); }
    // Shows what is due of a move, and when the move is shown in full, what waited for it; the show's timer
    // does this, tests call it after moving their clock.
    void showDueFrames() { screen_->showDueFrames(); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
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
    // A handler that may draw waits until the move being shown is on the screen at its pace.
    void runWhenShown(const char* handler, std::function<void()> work);
    void holdPanels(bool held);
    void scheduleResize();
    void resizeNow();
    void updateScale();
    void updateMinimumSize();
    // The client size the window opens at inside a window manager's frame of `decoration` (outer less client size).
    QSize openingSize(QSize decoration) const;
    // The window manager's frame: outer size less client size.
    QSize decoration() const;
    // A window manager may frame the window only after the first resize sized it as unframed.
    void noticeFrame();
    void pointerMoved(QPointF position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

    Dialogs& dialogs_;
    double scale_;
    double twipsPerPixel_ = 15;  // per logical pixel
    double devicePixelRatio_ = 1;
    std::unique_ptr<RasterCanvas> canvas_;
    std::unique_ptr<PacedScreen> screen_;  // what the game draws goes through it to the screen
    std::unique_ptr<QtWindowOperations> operations_;
    std::unique_ptr<Game> game_;
    std::map<Control, CaptionedControl*> controls_;
    std::map<QString, CaptionedControl*> buttons_;
    QTimer resizeTimer_;
    QSize decoration_;  // the frame the window was last sized for
    bool closePending_ = false;
    bool resizeDeferred_ = false;
    bool screenWatched_ = false;
    bool unloaded_ = false;
    bool clickPressed_ = false;
    bool pointerKnown_ = false;
    QPointF lastPointer_;
};

} // namespace zorvik
