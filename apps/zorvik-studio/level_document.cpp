// SPDX-License-Identifier: GPL-3.0-or-later
// The level being made, its undo steps as whole texts before and after.
#include "level_document.h"

#include "levels/file_access.h"
#include "local_paths.h"
#include "model/level_list.h"
#include "studio/level_edits.h"
#include "studio/level_formats.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace zorvik::studio {

namespace {

constexpr int kNewSide = 9;

} // namespace

// A level is at most 181 × 181 bytes, so each step keeps the text before and after it whole.
class TextChange : public QUndoCommand {
public:
    TextChange(LevelDocument& document, std::string before, std::string after, const QString& what)
        : QUndoCommand(what), document_(document), before_(std::move(before)), after_(std::move(after))
    {
    }
    void undo() override { document_.setText(before_); }
    void redo() override { document_.setText(after_); }

private:
    LevelDocument& document_;
    std::string before_, after_;
};

LevelDocument::LevelDocument(QObject* parent) : QObject(parent), text_(studio::newLevel(kNewSide)) {}

int LevelDocument::side() const { return levelSide(text_); }

QString LevelDocument::name() const
{
    return path_.isEmpty() ? QStringLiteral("Neues Level") : QFileInfo(path_).fileName();
}

void LevelDocument::setText(const std::string& text)
{
    if (text == text_)
        return;
    text_ = text;
    emit textChanged();
}

int LevelDocument::placeInFolder(const QString& path)
{
    if (path.isEmpty())
        return 0;
    const std::filesystem::path file = toPath(path);
    const LevelList levels(file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path());
    for (int i = 0; i < levels.ListCount(); ++i)
        if (levels.filePath(i).filename() == file.filename())
            return i;
    return 0;
}

void LevelDocument::setPath(const QString& path)
{
    path_ = path;
    levelNr_ = placeInFolder(path);
    emit pathChanged();
}

void LevelDocument::followFile(const QString& path)
{
    if (path != path_ || placeInFolder(path) != levelNr_)
        setPath(path);
}

void LevelDocument::newLevel(int side)
{
    undo_.clear();
    setText(studio::newLevel(side));
    setPath({});
    emit replaced();
}

void LevelDocument::open(const QString& path)
{
    const std::string text = readLevelOrGrid(toPath(path));
    undo_.clear();
    setText(text);
    setPath(path);
    emit replaced();
}

void LevelDocument::restore(const std::string& text, const QString& path)
{
    std::optional<std::string> saved;
    if (!path.isEmpty()) {
        try {
            saved = readLevelOrGrid(toPath(path));
        } catch (const FileError&) {
            // The file has gone since: the level is kept all the same, as a level not saved.
        }
    }
    undo_.clear();
    setText(saved.value_or(text));
    setPath(path);
    emit replaced();
    if (saved && *saved != text)
        undo_.push(new TextChange(*this, *saved, text, QStringLiteral("Wiederherstellen")));
    else if (!saved)
        undo_.resetClean();
}

void LevelDocument::save(const QString& path)
{
    writeLevelOrGrid(toPath(path), text_);
    undo_.setClean();
    setPath(path);
}

void LevelDocument::startStroke() { strokeStart_ = text_; }

void LevelDocument::paint(int index, char cell)
{
    std::string text = text_;
    if (paintCell(text, index, cell))
        setText(text);
}

void LevelDocument::endStroke()
{
    if (text_ != strokeStart_)
        undo_.push(new TextChange(*this, strokeStart_, text_, QStringLiteral("Malen")));
}

void LevelDocument::resize(int side)
{
    change(resizeLevel(text_, side), QStringLiteral("Größe ändern"));
}

void LevelDocument::change(const std::string& text, const QString& what)
{
    if (text != text_)
        undo_.push(new TextChange(*this, text_, text, what));
}

void LevelDocument::openText(const std::string& text)
{
    undo_.clear();
    setText(text);
    setPath({});
    emit replaced();
    // Unsaved, so that closing asks about it.
    undo_.resetClean();
}

} // namespace zorvik::studio
