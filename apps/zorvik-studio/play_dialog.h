// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the level as the game plays it: its rules, its drawing and its pacing, arrow keys as in the game.
// It plays a copy: closing it leaves the level in the studio as it was. Unlike the game, it counts the moves,
// stays on the finished board and takes moves back.
#pragma once

#include <QDialog>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;

namespace zorvik::studio {

class BoardView;
class LevelPlay;
class TestPlay;

class PlayDialog : public QDialog {
    Q_OBJECT
public:
    // `shortestKnown`: the moves of the shortest solution known for this very level text, 0 for none.
    PlayDialog(const std::string& levelText, int levelNr, const QString& name, std::size_t shortestKnown,
               QWidget* parent = nullptr);
    ~PlayDialog() override;

    LevelPlay& game();
    TestPlay& play() { return *play_; }
    BoardView* view() const { return view_; }
    // What the line under the board says: the moves, a death, or the finish.
    QString state() const;

    // Back to the level's start, the count at 0.
    void restart();
    // One move back: the level played from its start with one move fewer.
    void undo();
    // The dialog's last size, kept for the next time it opens.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // Runs one of the game's handlers, shown as the game shows it; a failure is said in `failed` (its %1 the cause).
    void run(const QString& failed, const std::function<void()>& work);
    // Plays the moves so far again once the move being shown is on the screen: drawn at once, no slide shown.
    void replayAtOnce(const std::function<void()>& work);
    void showState();

    BoardView* view_;
    QLabel* state_;
    QCheckBox* smooth_;
    QPushButton* undo_;
    std::unique_ptr<TestPlay> play_;
    std::size_t shortestKnown_;
};

} // namespace zorvik::studio
