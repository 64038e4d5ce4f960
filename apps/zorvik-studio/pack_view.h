// SPDX-License-Identifier: GPL-3.0-or-later
// The level folder beside the editor: its levels in the game's order, each with its picture in the colours of
// its place, the state of its checks and its best known solution, searched in the background and kept in a
// cache; levels are reordered by drag, renamed, copied, moved to the trash and opened from here.
#pragma once

#include <QListWidget>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class QFileSystemWatcher;
class QLabel;

namespace zorvik::solver {
struct Result;
}

namespace zorvik::studio {

class SolutionCache;
class SolveRun;
class StudioDialogs;
struct KnownSolution;

// The list: a level dropped elsewhere is a request to move it, which the view asks about before anything moves.
class PackList : public QListWidget {
    Q_OBJECT
public:
    explicit PackList(QWidget* parent = nullptr);
    // The row a level from row `from` is to have when it is dropped at `at` (on the viewport).
    int rowAfterDrop(int from, QPoint at) const;

signals:
    // `to`: the row the level is to have once it has moved.
    void moveRequested(int from, int to);

protected:
    void dropEvent(QDropEvent* event) override;
};

class PackView : public QWidget {
    Q_OBJECT
public:
    // What each row holds besides its text: the file's path, and its checks as 0 fine, 1 warnings, 2 errors.
    enum Role { FileRole = Qt::UserRole, CheckRole };
    struct Hooks {
        // Opens the level in the editor, asking about unsaved changes first; false when it did not.
        std::function<bool(const QString& path)> open;
        // A level file has a new name, or its place in the folder may have changed.
        std::function<void(const QString& from, const QString& to)> moved;
        std::function<void(const QString& text)> status;
        // The editor's own search runs: the background waits for it.
        std::function<bool()> editorSearching;
    };

    PackView(StudioDialogs& dialogs, Hooks hooks, QWidget* parent = nullptr);
    ~PackView() override;

    const QString& folder() const { return folder_; }
    void setFolder(const QString& folder);
    // The level open in the editor is shown in bold.
    void setOpenFile(const QString& path);
    PackList* list() const { return list_; }
    // Reads the folder again.
    void refresh();
    // How long the background waits before it starts the next search, so that the studio starts at once.
    void setSearchDelay(int milliseconds) { searchDelay_.setInterval(milliseconds); }
    bool searching() const { return run_ != nullptr; }

    void moveLevel(int from, int to);
    void renameLevel(int row);
    void duplicateLevel(int row);
    void trashLevel(int row);
    void openLevel(int row);
    void chooseFolder();

signals:
    // A background search has ended and its result is in the list.
    void searched();

private:
    struct Level {
        QString path;
        std::string text;
        bool readable = false;
        int checks = 0;  // 0 fine, 1 warnings, 2 errors
        QString firstFinding;
        std::optional<std::size_t> savedMoves;
    };
    void makeActions();
    void showRow(int row);
    QString solutionText(const Level& level) const;
    bool needsSearch(const Level& level) const;
    void searchNext();
    void searchEnded(const solver::Result& result);
    void dropSearch();
    // After files moved: the editor follows, the list is read again.
    void moved(const std::vector<std::pair<QString, QString>>& renamed);
    int currentRow() const;

    StudioDialogs& dialogs_;
    Hooks hooks_;
    QString folder_;
    QString openFile_;
    QLabel* title_;
    PackList* list_;
    QFileSystemWatcher* watcher_;
    QTimer reread_, searchDelay_;
    QTimer watchEditor_;  // while a search runs: the editor's own search, when it starts, goes first
    std::vector<Level> levels_;
    std::unique_ptr<SolutionCache> cache_;
    std::map<std::pair<int, std::string>, QImage> pictures_;  // by place and text
    SolveRun* run_ = nullptr;
    std::set<std::string> failed_;  // texts the search could not take, not tried again this run
};

} // namespace zorvik::studio
