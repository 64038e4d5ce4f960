// SPDX-License-Identifier: GPL-3.0-or-later
// The studio's main window: the board in the middle, the palette, the problems found and the solution
// beside it, and the menus; every input becomes a call on the level document or the game.
#pragma once

#include "levels/level_check.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <vector>

class QActionGroup;
class QLabel;
class QListWidget;
class QSpinBox;

namespace zorvik {
class Game;
}

namespace zorvik::studio {

class BoardView;
class EditTools;
class LevelDocument;
class PackView;
class RecoveryKeeper;
class SolutionPanel;
class StudioDialogs;

class StudioWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit StudioWindow(StudioDialogs& dialogs, QWidget* parent = nullptr);
    ~StudioWindow() override;

    LevelDocument& document() { return *document_; }
    BoardView* board() const { return board_; }
    QListWidget* problems() const { return problems_; }
    SolutionPanel* solution() const { return solution_; }
    EditTools* editTools() const { return editTools_; }
    PackView* pack() const { return pack_; }
    // The place whose colours the editor shows: 0 for the level's own, N for those of level N.
    QSpinBox* colourPlace() const { return colourPlace_; }
    // The palette's action for a cell character.
    QAction* brush(char cell) const { return brushes_.at(cell); }

    // Opens a level file or a grid; false (after saying why) when it cannot be read.
    bool openFile(const QString& path);
    // Saves under the level's name, or asks for one; false when it was not saved.
    bool save();
    bool saveAs();
    // Plays the level in a dialog of its own.
    void play();
    RecoveryKeeper& recovery() const { return *recovery_; }
    // At the start: the edits a studio left unsaved when it ended, offered to restore.
    void offerRecovery();
    // The session ends (SIGTERM, SIGHUP): no one is there to answer a question, so the unsaved edits go
    // to the recovery copy and the window closes.
    void endSession();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void makeActions();
    void makeDocks();
    void newLevel();
    void open();
    // Unsaved changes are saved or dropped as the designer says; false to stop.
    bool keepOrDropChanges();
    void resizeBoard(int side);
    void askBoardSize();
    void draw();
    void check();
    void showProblem();
    void updateTitle();
    void updatePalette();
    char brushCell() const;
    // The level number the board and the palette are drawn with.
    int shownLevelNr() const;

    StudioDialogs& dialogs_;
    LevelDocument* document_;
    RecoveryKeeper* recovery_;
    bool ending_ = false;
    BoardView* board_;
    std::unique_ptr<Game> draft_;  // draws the level being edited
    QListWidget* problems_ = nullptr;
    SolutionPanel* solution_ = nullptr;
    EditTools* editTools_ = nullptr;
    PackView* pack_ = nullptr;
    QSpinBox* colourPlace_ = nullptr;
    QActionGroup* palette_ = nullptr;
    std::map<char, QAction*> brushes_;
    std::vector<check::Finding> findings_;
    bool strokeIgnored_ = false;  // the press that ended a playback paints nothing
    QLabel* pointer_;
    QLabel* size_;
};

} // namespace zorvik::studio
