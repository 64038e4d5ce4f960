// SPDX-License-Identifier: GPL-3.0-or-later
// The solution of the level: searched in the background with its progress, shown move by move on the
// board with the game's own moves and drawing, and saved beside the level.
#pragma once

#include "solver/solver.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace zorvik::studio {

class BoardView;
class LevelDocument;
class Playback;
class SolveRun;
class StudioDialogs;

class SolutionPanel : public QWidget {
    Q_OBJECT
public:
    // `saveLevel` saves the level when the solution is to be saved beside it; false when it was not.
    SolutionPanel(LevelDocument& document, BoardView& view, StudioDialogs& dialogs, std::function<bool()> saveLevel,
                  QWidget* parent = nullptr);
    ~SolutionPanel() override;

    QAction* solveAction() const { return solve_; }
    QAction* cancelAction() const { return cancel_; }
    QAction* saveAction() const { return save_; }
    QList<QAction*> playbackActions() const;
    bool searching() const { return run_ != nullptr; }
    // The board shows the solution being played back rather than the level being edited.
    bool showing() const { return playback_ != nullptr; }
    // The moves of the solution that fits the level as it is now; empty when there is none.
    std::string moves() const;
    // What the last search found or why it found nothing, as the panel says it.
    QString summary() const;
    Playback* playback() const { return playback_.get(); }
    // The moves shown as arrows, one item each; a click on one shows the board after it.
    QListWidget* moveStrip() const { return strip_; }
    // Moves a second of "Abspielen", kept between sessions.
    QSpinBox* speedControl() const { return speed_; }
    const QTimer& playTimer() const { return playTimer_; }
    // The board changed its size: the shown position is drawn again.
    void redraw();
    // Back to the level being edited.
    void stopShowing();

signals:
    void showingChanged(bool showing);

private:
    void startSearch();
    void progressed(const solver::Progress& progress);
    void finished(const solver::Result& result);
    void stopSearch();
    // The search has reported its end; its object goes once the report is handled.
    std::string endSearch();
    void levelChanged();
    // Another level is in the window: nothing of the last one is shown, its search is dropped.
    void levelReplaced();
    void loadSavedSolution();
    // Where the solution of the level in the window is saved; empty for a level never saved.
    QString solutionFileOfLevel() const;
    void seek(std::size_t position);
    void playOrPause();
    void saveSolution();
    void updateState();
    // The arrows of the moves that fit the level, the one played last marked and those still to come pale.
    void showMoves();
    bool fits() const;
    bool fitsComplete() const { return fits() && solution_->complete; }

    LevelDocument& document_;
    BoardView& view_;
    StudioDialogs& dialogs_;
    std::function<bool()> saveLevel_;

    struct Solution {
        std::string levelText, moves;
        QString about;    // where it came from, e.g. "Kürzeste Lösung"
        QString savedAs;  // the file it was read from or written to
        bool loaded = false;
        // False for the furthest a failed search got: played back the same, but no solution to save.
        bool complete = true;
    };
    std::optional<Solution> solution_;
    QString note_;  // how the last search or save went
    std::string figuresOf_;  // the level text the search figures were counted on
    int runSeconds_ = 0;  // the time limit of the search running
    QElapsedTimer runTime_;
    SolveRun* run_ = nullptr;  // a child: going with the panel, it stops the search and waits for it
    std::unique_ptr<Playback> playback_;
    QTimer playTimer_;

    QSpinBox* seconds_;
    QPushButton* searchButton_;
    QProgressBar* bar_;
    QLabel* progress_;
    QLabel* result_;
    QLabel* position_;
    QListWidget* strip_;
    std::string stripMoves_;  // the moves the strip shows
    std::size_t stripPosition_ = 0;  // the moves it shows as played
    QSpinBox* speed_;
    QAction *solve_, *cancel_, *save_, *first_, *back_, *play_, *forward_, *last_;
};

} // namespace zorvik::studio
