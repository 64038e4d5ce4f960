// SPDX-License-Identifier: GPL-3.0-or-later
// The game window: its design, its backing image and the way events reach the game's handlers.
#include "game_window.h"

#include "qt_window_operations.h"
#include "model/game.h"
#include "model/window_operations.h"
#include "screen/icon.h"
#include "screen/image_window.h"
#include "screen/key_codes.h"
#include "screen/twips.h"
#include "screen/unix_signals.h"

#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <iostream>

namespace zorvik {

const char* const GameWindow::kTitle = "Zorvik programmiert von Lena Hartmann";

namespace {

// Resize events that follow each other this closely (a border being dragged) end in one restart.
constexpr int kResizeSettleMs = 40;

// The client area as designed, in logical pixels.
QSize designedClient(double twipsPerPixel)
{
    return QSize(nearestPixels(5895, twipsPerPixel), nearestPixels(3615, twipsPerPixel));
}

const QStringList kArialBlack{"Arial Black", "DejaVu Sans", "Liberation Sans"};
const QStringList kArial{"Arial", "Liberation Sans"};
const QStringList kComicSans{"Comic Sans MS", "Comic Neue"};

struct NamedDesign {
    const char* name;
    ControlDesign design;
};

const NamedDesign kWurmFrame{
    "WurmFrame",
    {3600, 0, 2295, 1455, "Zorvik", QColor(0, 136, 0), QColor(0, 255, 0), kArialBlack, 21.75, QFont::Black,
     "Wurmfarben-Auswahl. Wei\xC3\x9F = Zufallsfarbe, Schwarz = Levelfarbe", true}};
const NamedDesign kSchnellFlüssig{
    "SchnellFl\xC3\xBCssig",
    {120, 600, 2055, 615, kFastCaption, QColor(128, 128, 255), QColor(0, 0, 255), kArialBlack, 20.25, QFont::Black,
     "Umschalter zwischen schnellem Wurm oder fl\xC3\xBCssiger Darstellung.", true}};
const NamedDesign kLevelFrame{
    "LevelFrame",
    {3600, 1440, 2295, 2175, "Level 999", QColor(0, 255, 255), QColor(0, 0, 255), kArial, 21.75, QFont::Bold,
     "Aktuelle Level-Nummer", false}};
const NamedDesign kLevelName{
    "LevelName",
    {120, 480, 2055, 315, "", QColor(0, 255, 255), QColor(0, 0, 255), kArial, 12, QFont::Bold, "Zeigt den Levelnamen",
     false}};
const NamedDesign kSpeichern{
    "Speichern",
    {120, 960, 2055, 495, "  Speichern", QColor(0, 255, 0), QColor(0, 128, 0), kComicSans, 15.75, QFont::Bold,
     "Speichert nur den Levelbeginn", true}};
const NamedDesign kLaden{
    "Laden",
    {120, 1560, 2055, 495, "    Laden", QColor(255, 0, 0), QColor(128, 0, 0), kComicSans, 15.75, QFont::Bold,
     "L\xC3\xA4" "d nur den Levelbeginn", true}};

} // namespace

GameWindow::GameWindow(std::filesystem::path folder, Dialogs& dialogs, double scale, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), scale_(scale)
{
    setWindowTitle(QString::fromUtf8(kTitle));
    setWindowIcon(zorvikIconSet());
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // The backing image covers the whole client area.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(RasterCanvas::toRgb(kBackground)));
    setPalette(colours);

    twipsPerPixel_ = twipsPerPixel(logicalDpiX() * scale_);
    devicePixelRatio_ = devicePixelRatioF();
    resize(designedClient(twipsPerPixel_));
    canvas_ = std::make_unique<RasterCanvas>(int(std::ceil(width() * devicePixelRatio_)),
                                             int(std::ceil(height() * devicePixelRatio_)),
                                             twipsPerPixel_ / devicePixelRatio_, kBackground);
    screen_ = std::make_unique<PacedScreen>(*this, *canvas_);
    screen_->place(QPoint(), devicePixelRatio_);
    screen_->onHold = [this](bool held) { holdPanels(held); };
    operations_ = std::make_unique<QtWindowOperations>(*this);
    game_ = std::make_unique<Game>(*operations_, std::move(folder));

    auto make = [this](CaptionedControl::Kind kind, const NamedDesign& named, QWidget* container) {
        auto* control = new CaptionedControl(kind, named.design, twipsPerPixel_, container);
        control->setObjectName(QString::fromUtf8(named.name));
        return control;
    };
    using Kind = CaptionedControl::Kind;
    CaptionedControl* wurmFrame = make(Kind::Frame, kWurmFrame, this);
    CaptionedControl* schnell = make(Kind::Label, kSchnellFlüssig, wurmFrame);
    CaptionedControl* levelFrame = make(Kind::Frame, kLevelFrame, this);
    CaptionedControl* levelName = make(Kind::Label, kLevelName, levelFrame);
    CaptionedControl* speichern = make(Kind::Label, kSpeichern, levelFrame);
    CaptionedControl* laden = make(Kind::Label, kLaden, levelFrame);
    wurmFrame->raise();  // the frames overlap by a pixel; the worm frame lies on top, as designed first
    controls_ = {{Control::WurmFrame, wurmFrame},
                 {Control::SchnellFlüssig, schnell},
                 {Control::LevelFrame, levelFrame},
                 {Control::LevelName, levelName}};
    buttons_ = {{speichern->objectName(), speichern}, {laden->objectName(), laden}};

    connect(wurmFrame, &CaptionedControl::clicked, this,
            [this] { runWhenShown("WurmFrame_Click", [this] { game_->WurmFrame_Click(); }); });
    connect(schnell, &CaptionedControl::clicked, this,
            [this] { runWhenShown("SchnellFl\xC3\xBCssig_Click", [this] { game_->SchnellFlüssig_Click(); }); });
    connect(speichern, &CaptionedControl::clicked, this,
            [this] { runWhenShown("Speichern_Click", [this] { game_->Speichern_Click(); }); });
    connect(laden, &CaptionedControl::clicked, this, [this] { runWhenShown("Laden_Click", [this] { game_->Laden_Click(); }); });

    resizeTimer_.setSingleShot(true);
    resizeTimer_.setInterval(kResizeSettleMs);
    connect(&resizeTimer_, &QTimer::timeout, this, &GameWindow::resizeNow);
}

GameWindow::~GameWindow() = default;

CaptionedControl* GameWindow::control(Control which) const { return controls_.at(which); }

CaptionedControl* GameWindow::button(const QString& name) const
{
    auto found = buttons_.find(name);
    return found == buttons_.end() ? nullptr : found->second;
}

template <class Work>
void GameWindow::run(const char* handler, Work&& work)
{
    screen_->run([&] {
        try {
            work();
        } catch (const std::exception& failure) {
            std::cerr << "zorvik: " << handler << ": " << failure.what() << std::endl;
        } catch (...) {
            std::cerr << "zorvik: " << handler << ": unknown failure" << std::endl;
        }
    });
    if (screen_->running())
        return;
    if (closePending_) {
        closePending_ = false;
        close();
    } else if (resizeDeferred_) {
        resizeDeferred_ = false;
        scheduleResize();
    }
}

void GameWindow::runWhenShown(const char* handler, std::function<void()> work)
{
    screen_->whenShown([this, handler, work = std::move(work)] { run(handler, work); });
}

void GameWindow::holdPanels(bool held)
{
    for (auto& [which, widget] : controls_)
        widget->holdCaption(held);
}

void GameWindow::load()
{
    run("Form_load", [this] { game_->Form_load(); });
}

void GameWindow::requestClose()
{
    if (!screen_->running()) {
        close();
        return;
    }
    // A handler is waiting in a chooser or the message box: end every dialog, the one on top first (a question
    // over a chooser), and close when the handler is done.
    closePending_ = true;
    closeOpenDialogs();
}

void GameWindow::scheduleResize() { resizeTimer_.start(); }

void GameWindow::resizeNow()
{
    updateMinimumSize();
    if (screen_->running()) {
        resizeDeferred_ = true;  // never in the middle of another handler
        return;
    }
    runWhenShown("Form_Resize", [this] { game_->Form_Resize(); });
}

void GameWindow::runPendingResize()
{
    QCoreApplication::processEvents();
    for (int round = 0; round < 10 && resizeTimer_.isActive(); ++round) {
        resizeTimer_.stop();
        resizeNow();
        QCoreApplication::processEvents();
    }
}

void GameWindow::updateScale()
{
    const double tpl = twipsPerPixel(logicalDpiX() * scale_);
    const double ratio = devicePixelRatioF();
    const bool changed = tpl != twipsPerPixel_ || ratio != devicePixelRatio_;
    twipsPerPixel_ = tpl;
    devicePixelRatio_ = ratio;
    canvas_->setTwipsPerPixel(tpl / ratio);
    const QSize device(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    screen_->place(QPoint(), ratio);
    if (canvas_->size() != device || changed)
        screen_->dropFrames();
    if (canvas_->size() != device)
        canvas_->resize(device.width(), device.height());
    if (changed) {
        for (auto& [which, widget] : controls_)
            widget->setTwipsPerPixel(tpl);
        for (auto& [name, widget] : buttons_)
            widget->setTwipsPerPixel(tpl);
        screen_->markDirty(canvas_->rect());
        scheduleResize();
    }
}

void GameWindow::updateMinimumSize()
{
    // The game's minimum is an outer size; the toolkit's is the client area's. Until the window is on the
    // screen a window manager may not have framed it yet, and a frame taken as none would make it open too big.
    if (!windowHandle() || !windowHandle()->isExposed())
        return;
    const QSize decoration = this->decoration();
    const QSize minimum(std::max(0, pixelsHolding(6015, twipsPerPixel_) - decoration.width()),
                        std::max(0, pixelsHolding(4020, twipsPerPixel_) - decoration.height()));
    if (minimumSize() != minimum)
        setMinimumSize(minimum);
}

QSize GameWindow::openingSize(QSize decoration) const
{
    // The designed client area, grown to the game's minimum outer size as its resize handler grows it.
    const QSize minimum(pixelsHolding(6015, twipsPerPixel_), pixelsHolding(4020, twipsPerPixel_));
    return designedClient(twipsPerPixel_).expandedTo(minimum - decoration);
}

QSize GameWindow::decoration() const
{
    // The window's own margins: the widget learns of a frame only when the window next moves, and a window
    // manager that starts late frames the window where it stands.
    const QWindow* handle = windowHandle();
    if (!handle)
        return frameGeometry().size() - size();
    const QMargins margins = handle->frameMargins();
    return QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

void GameWindow::noticeFrame()
{
    const QSize decoration = this->decoration();
    if (decoration == decoration_)
        return;
    const QSize design = designedClient(twipsPerPixel_), before = openingSize(decoration_);
    decoration_ = decoration;
    updateMinimumSize();
    // Sized for another frame than the one it has now, whatever the delay: sized again, unless the player has
    // sized it since (a size the opening never passes through) or it is maximised.
    const bool opening = (width() == design.width() || width() == before.width()) &&
                         (height() == design.height() || height() == before.height());
    if (opening && windowState() == Qt::WindowNoState)
        resize(openingSize(decoration));
}

bool GameWindow::event(QEvent* event)
{
    // Every key is the game's, Tab included: nothing here takes the focus.
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A window manager that frames the window late shows it anew, inside its frame.
    if (watched == windowHandle() && event->type() == QEvent::Expose)
        noticeFrame();
    return QWidget::eventFilter(watched, event);
}

void GameWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    screen_->paint(painter, event->region());
}

void GameWindow::resizeEvent(QResizeEvent*)
{
    updateScale();
    updateMinimumSize();
    noticeFrame();
    scheduleResize();
}

void GameWindow::moveEvent(QMoveEvent*)
{
    // The window manager's frame may only now be known.
    updateMinimumSize();
    noticeFrame();
}

void GameWindow::showEvent(QShowEvent*)
{
    // Moving to a screen of another scale redraws the board in that screen's pixels.
    if (QWindow* handle = windowHandle(); handle && !screenWatched_) {
        screenWatched_ = true;
        connect(handle, &QWindow::screenChanged, this, [this] { updateScale(); });
        handle->installEventFilter(this);
    }
    updateScale();
}

void GameWindow::changeEvent(QEvent* event)
{
    // Minimising, restoring and maximising reach the game as resizes.
    if (event->type() == QEvent::WindowStateChange)
        scheduleResize();
    QWidget::changeEvent(event);
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    if (screen_->running()) {
        closePending_ = true;
        event->ignore();
        return;
    }
    if (!unloaded_) {
        unloaded_ = true;
        resizeTimer_.stop();
        screen_->abandon();
        run("Form_Unload", [this] { game_->Form_Unload(); });
    }
    event->accept();
}

void GameWindow::keyPressEvent(QKeyEvent* event)
{
    const int code = virtualKeyCode(event->key());
    const int shift = shiftState(event->modifiers());
    screen_->keyPressed(*event, [this, code, shift] {
        run("Form_KeyDown", [this, code, shift] { game_->Form_KeyDown(code, shift); });
    });
}

void GameWindow::keyReleaseEvent(QKeyEvent* event) { screen_->keyReleased(*event); }

void GameWindow::pointerMoved(QPointF position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    lastPointer_ = position;
    pointerKnown_ = true;
    const float x = float(position.x() * twipsPerPixel_);
    const float y = float(position.y() * twipsPerPixel_);
    const int button = buttonState(buttons);
    const int shift = shiftState(modifiers);
    screen_->inTurn([this, button, shift, x, y] {
        run("Form_MouseMove", [&] { game_->Form_MouseMove(button, shift, x, y); });
    });
}

void GameWindow::mouseMoveEvent(QMouseEvent* event)
{
    pointerMoved(event->position(), event->buttons(), event->modifiers());
}

void GameWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The pointer may not have moved since the board moved under it (a resize, the first show).
    if (!pointerKnown_ || event->position() != lastPointer_)
        pointerMoved(event->position(), event->buttons(), event->modifiers());
    clickPressed_ = true;
}

void GameWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const bool click = clickPressed_ && event->button() == Qt::LeftButton && rect().contains(at) && !childAt(at);
    clickPressed_ = false;
    if (click)
        runWhenShown("Form_Click", [this] { game_->Form_Click(); });
}

void GameWindow::mouseDoubleClickEvent(QMouseEvent*)
{
    // The second press of a double click is no click of its own.
    clickPressed_ = false;
}

} // namespace zorvik
