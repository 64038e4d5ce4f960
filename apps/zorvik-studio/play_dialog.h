// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the level as the game plays it: its rules, its drawing and its pacing, arrow keys as in the game.
// It plays a copy: closing it leaves the level in the studio as it was.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QLabel;

namespace zorvik::studio {

class BoardView;
class LevelPlay;

class PlayDialog : public QDialog {
    Q_OBJECT
public:
    PlayDialog(const std::string& levelText, int levelNr, const QString& name, QWidget* parent = nullptr);
    ~PlayDialog() override;

    LevelPlay& game() { return *game_; }
    BoardView* view() const { return view_; }

    // Back to the level's start.
    void restart();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // Runs one of the game's handlers, shown as the game shows it; a failure is said in `failed` (its %1 the cause).
    void run(const QString& failed, const std::function<void()>& work);
    void showState();

    BoardView* view_;
    QLabel* state_;
    QCheckBox* smooth_;
    std::unique_ptr<LevelPlay> game_;
};

} // namespace zorvik::studio
