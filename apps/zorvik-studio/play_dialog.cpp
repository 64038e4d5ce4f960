// SPDX-License-Identifier: GPL-3.0-or-later
// The play dialog: the game's picture, the arrow keys to the game's key handler, a restart and the option
// between a fast and a smooth slide.
#include "play_dialog.h"

#include "board_view.h"
#include "board_window.h"
#include "studio/level_play.h"
#include "screen/key_codes.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorvik::studio {

PlayDialog::PlayDialog(const std::string& levelText, int levelNr, const QString& name, QWidget* parent)
    : QDialog(parent), view_(new BoardView(this)), state_(new QLabel(this)),
      smooth_(new QCheckBox(QStringLiteral("Flüssig"), this))
{
    setWindowTitle(QStringLiteral("%1 spielen – Zorvik-Studio").arg(name));
    view_->setFocusPolicy(Qt::StrongFocus);
    smooth_->setFocusPolicy(Qt::NoFocus);
    smooth_->setToolTip(QStringLiteral("Umschalter zwischen schnellem Wurm oder flüssiger Darstellung."));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* again = buttons->addButton(QStringLiteral("Neu starten"), QDialogButtonBox::ResetRole);
    QPushButton* close = buttons->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    again->setToolTip(QStringLiteral("Das Level beginnt von vorn"));
    close->setToolTip(QStringLiteral("Zurück in den Editor; das Level bleibt, wie es ist"));
    for (QPushButton* button : {again, close}) {
        button->setFocusPolicy(Qt::NoFocus);  // the arrow keys are the worm's
        button->setAutoDefault(false);
    }
    connect(again, &QPushButton::clicked, this, &PlayDialog::restart);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(state_, 1);
    row->addWidget(smooth_);
    row->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(row);

    game_ = std::make_unique<LevelPlay>(view_->window(), levelText, levelNr);
    view_->window().screen = &view_->screen();
    connect(smooth_, &QCheckBox::toggled, this, [this](bool on) {
        view_->window().SetControlCaption(Control::SchnellFlüssig, on ? kSmoothCaption : kFastCaption);
    });
    // As in the game, a new size starts the level again.
    connect(view_, &BoardView::resized, this, &PlayDialog::restart);
    resize(640, 680);
    view_->setFocus();
}

PlayDialog::~PlayDialog() = default;

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

void PlayDialog::restart()
{
    view_->screen().whenShown([this] {
        run(QStringLiteral("Das Level lässt sich nicht starten: %1"), [this] {
            game_->restart();
            view_->present(*game_);
        });
    });
}

void PlayDialog::showState()
{
    state_->setText(game_->finished() ? QStringLiteral("Geschafft, alle Punkte gefressen! „Neu starten“ spielt es noch einmal.")
                                      : QStringLiteral("Die Pfeiltasten steuern den Wurm, Esc schließt."));
}

void PlayDialog::keyPressEvent(QKeyEvent* event)
{
    const int code = virtualKeyCode(event->key());
    if (code < kKeyLeft || code > kKeyDown) {
        QDialog::keyPressEvent(event);
        return;
    }
    const int shift = shiftState(event->modifiers());
    view_->screen().keyPressed(*event, [this, code, shift] {
        run(QStringLiteral("Der Zug ging schief: %1"), [this, code, shift] {
            if (!game_->finished())
                game_->Form_KeyDown(code, shift);
        });
    });
}

void PlayDialog::keyReleaseEvent(QKeyEvent* event) { view_->screen().keyReleased(*event); }

} // namespace zorvik::studio
