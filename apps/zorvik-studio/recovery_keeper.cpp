// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy of the level being edited, and the offer of a copy left behind.
#include "recovery_keeper.h"

#include "level_document.h"
#include "levels/file_access.h"
#include "local_paths.h"
#include "studio/recovery.h"
#include "studio_dialogs.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include <unistd.h>

namespace zorvik::studio {

namespace {

// Soon enough that little is lost, late enough that a stroke is not written cell by cell.
constexpr int kDelayMs = 3000;

} // namespace

RecoveryKeeper::RecoveryKeeper(LevelDocument& document, StudioDialogs& dialogs, QWidget* parent)
    : QObject(parent), document_(document), dialogs_(dialogs), window_(parent), folder_(recoveryFolder())
{
    if (folder_)
        file_ = recoveryFile(*folder_, int(::getpid()));
    delay_.setSingleShot(true);
    delay_.setInterval(kDelayMs);
    connect(&delay_, &QTimer::timeout, this, &RecoveryKeeper::keepNow);
    connect(&document_, &LevelDocument::textChanged, this, [this] {
        discarded_ = false;
        delay_.start();
    });
    // Saved (or undone back to what is saved): nothing is left to recover.
    connect(&document_.undoStack(), &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean)
            keepNow();
    });
    connect(&document_, &LevelDocument::pathChanged, this, [this] {
        if (document_.isModified())
            delay_.start();
    });
}

void RecoveryKeeper::keepNow()
{
    delay_.stop();
    if (!file_)
        return;
    if (!document_.isModified() || discarded_) {
        remove();
        return;
    }
    try {
        writeRecovery(*file_, {document_.text(), toPath(document_.path())});
    } catch (const FileError& failure) {
        if (!warned_)
            dialogs_.message(window_, QStringLiteral("Die Sicherungskopie der ungespeicherten Änderungen ließ sich nicht schreiben "
                                                     "(%1: %2). Speichern Sie das Level, bevor Sie das Studio beenden.")
                                          .arg(fromPath(*file_), QString::fromUtf8(failure.what())));
        warned_ = true;
    }
}

void RecoveryKeeper::discard()
{
    discarded_ = true;
    keepNow();
}

void RecoveryKeeper::remove()
{
    std::error_code ignored;  // a copy that is not there is fine
    if (file_)
        std::filesystem::remove(*file_, ignored);
}

void RecoveryKeeper::offerLeftCopies()
{
    if (!folder_)
        return;
    std::error_code ignored;  // a copy another studio took meanwhile is gone already
    for (const std::filesystem::path& file : leftRecoveries(*folder_, int(::getpid()))) {
        const QString shown = fromPath(file);
        const auto copy = readRecovery(file);
        if (!copy) {
            // Not a copy the studio can read: it stays for the designer to look at, under a name not offered again.
            std::filesystem::rename(file, file.string() + ".unlesbar", ignored);
            dialogs_.message(window_, QStringLiteral("Eine Sicherungskopie ungespeicherter Änderungen lässt sich nicht lesen; "
                                                     "sie liegt als „%1.unlesbar“.").arg(shown));
            continue;
        }
        const QString path = fromPath(copy->document);
        const QString name = path.isEmpty() ? QStringLiteral("Neues Level") : QFileInfo(path).fileName();
        const QDateTime when = QFileInfo(shown).lastModified();
        switch (dialogs_.recoveryFound(window_, name, when)) {
        case StudioDialogs::Recovery::Restore:
            document_.restore(copy->levelText, path);
            // Written as this studio's own copy before the old one goes.
            keepNow();
            if (file != file_)
                std::filesystem::remove(file, ignored);
            return;
        case StudioDialogs::Recovery::Discard: std::filesystem::remove(file, ignored); break;
        case StudioDialogs::Recovery::Later: return;
        }
    }
}

} // namespace zorvik::studio
