// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing tools and the selection: shapes dragged on the board, a region cut, copied, pasted, moved,
// mirrored and rotated, and the whole level to and from the clipboard as text. Each edit is one undo step.
#pragma once

#include "studio/level_regions.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

namespace zorvik::studio {

class BoardView;
class LevelDocument;
class SelectionOverlay;

class EditTools : public QObject {
    Q_OBJECT
public:
    enum class Tool { Pen, Rectangle, FilledRectangle, Line, Fill, Select };

    // What the tools ask of the window around them.
    struct Hooks {
        std::function<char()> brush;              // the palette's cell
        std::function<bool()> startEdit;          // false: the press only ends what the board was showing
        std::function<bool()> keepOrDropChanges;  // before a level from the clipboard replaces this one
        std::function<void(const QString&)> message;  // why something could not be done
        std::function<void(const QString&)> status;   // a passing note
    };

    EditTools(LevelDocument& document, BoardView& board, Hooks hooks, QObject* parent = nullptr);

    // A menu of the tools and the commands in `edit`; then a tool bar of their own, in a row below the others.
    void install(QMainWindow& window, QMenu& edit);
    void addToolBar(QMainWindow& window);

    Tool tool() const;
    QAction* toolAction(Tool tool) const { return tools_.at(tool); }
    // The selected cells; empty when nothing is selected.
    Region selection() const;
    void select(Region region);

    void cut();
    void copy();
    void paste();
    void deleteSelection();
    // The selection, or the whole board when nothing is selected.
    void turn(Turn turn);
    void copyLevelText();
    void pasteLevelText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Drag { None, Ignored, Drawing, Selecting, Moving };

    void makeActions();
    void press(int cell, bool erase);
    void dragTo(int cell);
    void release();
    void updatePreview();
    void updateCommands();
    Region target() const;

    LevelDocument& document_;
    BoardView& board_;
    Hooks hooks_;
    SelectionOverlay* overlay_;
    QActionGroup* toolGroup_;
    std::map<Tool, QAction*> tools_;
    QAction* cut_;
    QAction* copy_;
    QAction* paste_;
    QAction* delete_;
    QAction* unselect_;
    std::map<Turn, QAction*> turns_;
    QAction* copyLevel_;
    QAction* pasteLevel_;

    Drag drag_ = Drag::None;
    int from_ = -1, to_ = -1;
    bool erase_ = false;
    int hovered_ = -1;
};

} // namespace zorvik::studio
