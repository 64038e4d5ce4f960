// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a recovery copy of the level's unsaved edits on disk, a few seconds after each edit and at once when
// the session ends, and offers the copies of a studio that ended without saving at the next start.
#pragma once

#include <QObject>
#include <QTimer>

#include <filesystem>
#include <optional>

class QWidget;

namespace zorvik::studio {

class LevelDocument;
class StudioDialogs;

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    RecoveryKeeper(LevelDocument& document, StudioDialogs& dialogs, QWidget* parent);

    // Writes the copy when the level has unsaved edits, removes it when it has none.
    void keepNow();
    // The designer dropped the edits: the copy goes, and none is written any more.
    void discard();
    // Offers the copies that studios left when they ended unsaved, one at a time, until one is restored.
    void offerLeftCopies();
    // This studio's copy; nothing without a home folder.
    const std::optional<std::filesystem::path>& file() const { return file_; }

private:
    void remove();

    LevelDocument& document_;
    StudioDialogs& dialogs_;
    QWidget* window_;
    std::optional<std::filesystem::path> folder_, file_;
    QTimer delay_;
    bool discarded_ = false;
    bool warned_ = false;  // a copy that cannot be written is said once, not after every stroke
};

} // namespace zorvik::studio
