// SPDX-License-Identifier: GPL-3.0-or-later
// The level being made: its text, its file, and every edit as a step that can be undone.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <string>

namespace zorvik::studio {

class LevelDocument : public QObject {
    Q_OBJECT
public:
    explicit LevelDocument(QObject* parent = nullptr);

    // Windows-1252 bytes, side × side cells.
    const std::string& text() const { return text_; }
    int side() const;
    // The file it was opened from or saved to; empty for a new level.
    const QString& path() const { return path_; }
    // The file name without its folder, or "Neues Level".
    QString name() const;
    // Its place among the level files of its folder, which gives it its colours in the game.
    int levelNr() const { return levelNr_; }
    QUndoStack& undoStack() { return undo_; }
    bool isModified() const { return !undo_.isClean(); }

    void newLevel(int side);
    // Throw FileError with the reason; nothing changes then.
    void open(const QString& path);
    void save(const QString& path);
    // Edits kept from an earlier run: the level `text` of the file `path` (empty for a new level), unsaved,
    // one step to undo back to that file as it is on disk.
    void restore(const std::string& text, const QString& path);

    // The cells painted between the start and the end of a stroke are one step to undo.
    void startStroke();
    void paint(int index, char cell);
    void endStroke();
    void resize(int side);
    // The whole level replaced by an edit, one step to undo named `what`; nothing when it is the same.
    void change(const std::string& text, const QString& what);
    // The level's file has been renamed to `path`, or its folder has changed around it: the same level, perhaps
    // at another place. Nothing else changes.
    void followFile(const QString& path);
    // A level from elsewhere (the clipboard) as a new, unsaved one.
    void openText(const std::string& text);

signals:
    void textChanged();
    void pathChanged();
    // Another level took this one's place (new, opened or restored); saving under a new name is no such change.
    void replaced();

private:
    friend class TextChange;
    void setText(const std::string& text);
    void setPath(const QString& path);
    static int placeInFolder(const QString& path);

    std::string text_;
    std::string strokeStart_;
    QString path_;
    int levelNr_ = 0;
    QUndoStack undo_;
};

} // namespace zorvik::studio
