// SPDX-License-Identifier: GPL-3.0-or-later
// The play dialog: the game's picture, the arrow keys to the game's key handler, the moves counted, a move
// back, a restart and the option between a fast and a smooth slide.
#include "play_dialog.h"

#include "board_view.h"
#include "board_window.h"
#include "screen/key_codes.h"
#include "studio/test_play.h"
#include "studio_settings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorvik::studio {

namespace {

const QString kSizeKey = QStringLiteral("play/size");

} // namespace

PlayDialog::PlayDialog(const std::string& levelText, int levelNr, const QString& name, std::size_t shortestKnown, QWidget* parent)
    : QDialog(parent), view_(new BoardView(this)), state_(new QLabel(this)),
      smooth_(new QCheckBox(QStringLiteral("Flüssig"), this)), shortestKnown_(shortestKnown)
{
    setWindowTitle(QStringLiteral("%1 spielen – Zorvik-Studio").arg(name));
    view_->setFocusPolicy(Qt::StrongFocus);
    smooth_->setFocusPolicy(Qt::NoFocus);
    smooth_->setToolTip(QStringLiteral("Umschalter zwischen schnellem Wurm oder flüssiger Darstellung."));
    // However long its text, the line under the board never widens the window.
    state_->setWordWrap(true);
    state_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* buttons = new QDialogButtonBox(this);
    undo_ = buttons->addButton(QStringLiteral("Zurück"), QDialogButtonBox::ActionRole);
    QPushButton* again = buttons->addButton(QStringLiteral("Neustart"), QDialogButtonBox::ResetRole);
    QPushButton* close = buttons->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    undo_->setToolTip(QStringLiteral("Nimmt den letzten Zug zurück, auch einen tödlichen (Rücktaste, Strg+Z)"));
    again->setToolTip(QStringLiteral("Das Level beginnt von vorn (F5)"));
    close->setToolTip(QStringLiteral("Zurück in den Editor; das Level bleibt, wie es ist"));
    for (QPushButton* button : {undo_, again, close}) {
        button->setFocusPolicy(Qt::NoFocus);  // the arrow keys are the worm's
        button->setAutoDefault(false);
    }
    connect(undo_, &QPushButton::clicked, this, &PlayDialog::undo);
    connect(again, &QPushButton::clicked, this, &PlayDialog::restart);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(smooth_);
    row->addWidget(buttons, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(state_);
    layout->addLayout(row);

    play_ = std::make_unique<TestPlay>(view_->window(), levelText, levelNr);
    view_->window().screen = &view_->screen();
    connect(smooth_, &QCheckBox::toggled, this, [this](bool on) {
        view_->window().SetControlCaption(Control::SchnellFlüssig, on ? kSmoothCaption : kFastCaption);
    });
    // A new size draws the same position afresh: the designer's moves are kept, unlike in the game.
    connect(view_, &BoardView::resized, this, [this] { replayAtOnce([this] { play_->replay(); }); });
    resize(studioSettings().value(kSizeKey, QSize(640, 680)).toSize());
    view_->setFocus();
}

PlayDialog::~PlayDialog() = default;

LevelPlay& PlayDialog::game() { return play_->game(); }

QString PlayDialog::state() const { return state_->text(); }

void PlayDialog::done(int result)
{
    studioSettings().setValue(kSizeKey, size());
    QDialog::done(result);
}

void PlayDialog::run(const QString& failed, const std::function<void()>& work)
{
    view_->screen().run([&] {
        try {
            work();
            showState();
        } catch (const std::exception& failure) {
            state_->setText(failed.arg(QString::fromUtf8(failure.what())));
        }
    });
}

void PlayDialog::replayAtOnce(const std::function<void()>& work)
{
    view_->screen().whenShown([this, work] {
        // Straight onto the picture: the screen would show every replayed move's slide.
        view_->window().screen = nullptr;
        try {
            work();
            showState();
        } catch (const std::exception& failure) {
            state_->setText(QStringLiteral("Das Level lässt sich nicht starten: %1").arg(QString::fromUtf8(failure.what())));
        }
        view_->window().screen = &view_->screen();
        view_->present(play_->game());
    });
}

void PlayDialog::restart()
{
    view_->screen().whenShown([this] {
        run(QStringLiteral("Das Level lässt sich nicht starten: %1"), [this] {
            play_->restart();
            view_->present(play_->game());
        });
    });
}

void PlayDialog::undo()
{
    replayAtOnce([this] { play_->undo(); });
}

void PlayDialog::showState()
{
    undo_->setEnabled(!play_->played().empty());
    const std::size_t moves = play_->moves();
    QFont font = state_->font();
    font.setBold(play_->finished());
    state_->setFont(font);
    if (play_->finished())
        state_->setText(QString::fromStdString(finishedText(moves, shortestKnown_)));
    else if (play_->died())
        state_->setText(QStringLiteral("Tot – das Level beginnt von vorn, die Züge zählen ab 0. „Zurück“ nimmt den tödlichen Zug zurück."));
    else
        state_->setText(QStringLiteral("%1 · Die Pfeiltasten steuern den Wurm, Esc schließt.")
                            .arg(moves == 1 ? QStringLiteral("1 Zug") : QStringLiteral("%1 Züge").arg(moves)));
}

void PlayDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Undo) || event->key() == Qt::Key_Backspace) {
        undo();
        return;
    }
    if (event->key() == Qt::Key_F5) {
        restart();
        return;
    }
    const int code = virtualKeyCode(event->key());
    if (code < kKeyLeft || code > kKeyDown) {
        QDialog::keyPressEvent(event);
        return;
    }
    // The key codes run left, up, right, down.
    const char move = "LURD"[code - kKeyLeft];
    view_->screen().keyPressed(*event, [this, move] {
        run(QStringLiteral("Der Zug ging schief: %1"), [this, move] { play_->press(move); });
    });
}

void PlayDialog::keyReleaseEvent(QKeyEvent* event) { view_->screen().keyReleased(*event); }

} // namespace zorvik::studio
