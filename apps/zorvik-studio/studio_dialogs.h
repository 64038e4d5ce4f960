// SPDX-License-Identifier: GPL-3.0-or-later
// The studio's modal questions and choosers, behind an interface that tests replace.
#pragma once

#include <QString>

#include <QStringList>

#include <optional>

class QDateTime;
class QWidget;

namespace zorvik::studio {

class StudioDialogs {
public:
    enum class Answer { Save, Discard, Cancel };
    enum class Recovery { Restore, Discard, Later };

    virtual ~StudioDialogs() = default;
    // Empty when closed without a choice.
    virtual QString openFileName(QWidget* parent, const QString& folder) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& suggestion) = 0;
    // Unsaved changes are about to be dropped: save them first, drop them, or stop.
    virtual Answer unsavedChanges(QWidget* parent, const QString& levelName) = 0;
    virtual void message(QWidget* parent, const QString& text) = 0;
    // Cells a side for the board; nothing when cancelled.
    virtual std::optional<int> boardSide(QWidget* parent, int current, int largest) = 0;
    // A studio ended with unsaved edits of `levelName`, last kept at `when`: restore them or drop them;
    // Later keeps them for the next start.
    virtual Recovery recoveryFound(QWidget* parent, const QString& levelName, const QDateTime& when) = 0;
    // A folder of levels; empty when closed without a choice.
    virtual QString folderName(QWidget* parent, const QString& start) = 0;
    // Files are about to be renamed, each line "old → new": go on or not.
    virtual bool confirmRenames(QWidget* parent, const QStringList& renames) = 0;
    // A new name for a level file (without ".ZVK"); nothing when cancelled.
    virtual std::optional<QString> levelName(QWidget* parent, const QString& current) = 0;
};

class QtStudioDialogs : public StudioDialogs {
public:
    QString openFileName(QWidget* parent, const QString& folder) override;
    QString saveFileName(QWidget* parent, const QString& suggestion) override;
    Answer unsavedChanges(QWidget* parent, const QString& levelName) override;
    void message(QWidget* parent, const QString& text) override;
    std::optional<int> boardSide(QWidget* parent, int current, int largest) override;
    Recovery recoveryFound(QWidget* parent, const QString& levelName, const QDateTime& when) override;
    QString folderName(QWidget* parent, const QString& start) override;
    bool confirmRenames(QWidget* parent, const QStringList& renames) override;
    std::optional<QString> levelName(QWidget* parent, const QString& current) override;
};

} // namespace zorvik::studio
