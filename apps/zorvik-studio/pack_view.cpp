// SPDX-License-Identifier: GPL-3.0-or-later
// The pack view: the folder read as the game reads it, pictures drawn by the game, searches one at a time.
#include "pack_view.h"

#include "board_window.h"
#include "local_paths.h"
#include "levels/file_access.h"
#include "levels/level_check.h"
#include "levels/level_file.h"
#include "model/game.h"
#include "model/level_list.h"
#include "solve_run.h"
#include "studio/finding_words.h"
#include "studio/level_edits.h"
#include "studio/level_formats.h"
#include "studio/level_play.h"
#include "studio/pack_order.h"
#include "studio/solution_cache.h"
#include "studio_dialogs.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStandardPaths>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zorvik::studio {

namespace {

constexpr int kPicture = 64;
// Long enough for most levels of a pack, short enough to go through one in a few minutes.
constexpr std::chrono::seconds kSearchTime{10};
constexpr std::size_t kSearchMemory = std::size_t(512) << 20;
constexpr int kSearchDelayMs = 1500;

std::string fileName(const QString& path) { return toPath(path).filename().string(); }

QString moves(std::size_t count) { return count == 1 ? QStringLiteral("1 Zug") : QStringLiteral("%1 Züge").arg(count); }


// Moves a file to the desktop's trash; false when there is none. Where the toolkit finds no trash folder it
// says so on the terminal, yet moves the file into "files" below the working folder and reports success: that
// is put back, as it is no trash a designer would look in.
bool moveToTrash(const QString& path)
{
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash))
        return false;
    const QFileInfo trashed(inTrash);
    if (trashed.isAbsolute())
        return true;
    const QDir files = trashed.dir(), info(QDir::cleanPath(files.filePath(QStringLiteral("../info"))));
    if (QFile::rename(inTrash, path)) {
        QFile::remove(info.filePath(trashed.fileName() + QStringLiteral(".trashinfo")));
        QDir().rmdir(files.path());
        QDir().rmdir(info.path());
    }
    return false;
}

} // namespace

PackList::PackList(QWidget* parent) : QListWidget(parent)
{
    setDragDropMode(QAbstractItemView::InternalMove);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(kPicture, kPicture));
    setSpacing(2);
}

int PackList::rowAfterDrop(int from, QPoint at) const
{
    // Above or below the middle of the row it is dropped on; past the last row, at the end.
    const QModelIndex on = indexAt(at);
    const int to = on.isValid() ? on.row() + (at.y() > visualRect(on).center().y() ? 1 : 0) : count();
    return to > from ? to - 1 : to;
}

void PackList::dropEvent(QDropEvent* event)
{
    // The list's own move would take the row before the designer is asked; this one only asks.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    const int from = currentRow();
    const int to = rowAfterDrop(from, event->position().toPoint());
    // After the drag has ended: the question is a dialog of its own.
    if (from >= 0 && to != from)
        QMetaObject::invokeMethod(this, [this, from, to] { emit moveRequested(from, to); }, Qt::QueuedConnection);
}

PackView::PackView(StudioDialogs& dialogs, Hooks hooks, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), hooks_(std::move(hooks)), title_(new QLabel(this)), list_(new PackList(this)),
      watcher_(new QFileSystemWatcher(this)),
      cache_(std::make_unique<SolutionCache>(
          toPath(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/solutions"))))
{
    auto* choose = new QToolButton(this);
    choose->setText(QStringLiteral("Ordner …"));
    choose->setToolTip(QStringLiteral("Zeigt die Level eines anderen Ordners"));
    connect(choose, &QToolButton::clicked, this, &PackView::chooseFolder);
    title_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* top = new QHBoxLayout;
    top->addWidget(title_, 1);
    top->addWidget(choose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(list_);
    list_->setToolTip(QStringLiteral("Die Level in der Reihenfolge des Spiels; ziehen ordnet sie neu"));

    makeActions();
    connect(list_, &PackList::moveRequested, this, &PackView::moveLevel);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { openLevel(list_->row(item)); });
    reread_.setSingleShot(true);
    reread_.setInterval(300);
    connect(&reread_, &QTimer::timeout, this, &PackView::refresh);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, &reread_, qOverload<>(&QTimer::start));
    searchDelay_.setSingleShot(true);
    searchDelay_.setInterval(kSearchDelayMs);
    connect(&searchDelay_, &QTimer::timeout, this, &PackView::searchNext);
    watchEditor_.setInterval(500);
    connect(&watchEditor_, &QTimer::timeout, this, [this] {
        if (hooks_.editorSearching && hooks_.editorSearching()) {
            // Dropped unfinished: the level is searched again later.
            dropSearch();
            searchDelay_.start();
        }
    });
}

PackView::~PackView() { delete run_; }

void PackView::makeActions()
{
    auto add = [this](const QString& text, const QKeySequence& keys, QStyle::StandardPixmap icon, auto slot) {
        auto* made = new QAction(style()->standardIcon(icon), text, list_);
        made->setShortcut(keys);
        made->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(made, &QAction::triggered, this, [this, slot] {
            if (const int row = currentRow(); row >= 0)
                slot(row);
        });
        list_->addAction(made);
    };
    add(QStringLiteral("Öffnen"), QKeySequence(Qt::Key_Return), QStyle::SP_DialogOpenButton, [this](int row) { openLevel(row); });
    add(QStringLiteral("Umbenennen …"), QKeySequence(Qt::Key_F2), QStyle::SP_FileDialogDetailedView, [this](int row) { renameLevel(row); });
    add(QStringLiteral("Duplizieren"), QKeySequence(Qt::CTRL | Qt::Key_D), QStyle::SP_FileDialogNewFolder,
        [this](int row) { duplicateLevel(row); });
    add(QStringLiteral("Nach oben"), QKeySequence(Qt::ALT | Qt::Key_Up), QStyle::SP_ArrowUp, [this](int row) { moveLevel(row, row - 1); });
    add(QStringLiteral("Nach unten"), QKeySequence(Qt::ALT | Qt::Key_Down), QStyle::SP_ArrowDown, [this](int row) { moveLevel(row, row + 1); });
    add(QStringLiteral("In den Papierkorb"), QKeySequence(Qt::CTRL | Qt::Key_Delete), QStyle::SP_TrashIcon, [this](int row) { trashLevel(row); });
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void PackView::setFolder(const QString& folder)
{
    const QString clean = QDir(folder).absolutePath();
    if (clean == folder_)
        return;
    if (!watcher_->directories().isEmpty())
        watcher_->removePaths(watcher_->directories());
    folder_ = clean;
    watcher_->addPath(folder_);
    dropSearch();
    title_->setText(QDir(folder_).dirName());
    title_->setToolTip(folder_);
    refresh();
}

void PackView::setOpenFile(const QString& path)
{
    openFile_ = QFileInfo(path).absoluteFilePath();
    for (int row = 0; row < list_->count(); ++row) {
        const bool open = levels_[std::size_t(row)].path == openFile_;
        QFont font = list_->item(row)->font();
        font.setBold(open);
        list_->item(row)->setFont(font);
        if (open)  // a level opened far down the list is found without scrolling
            list_->scrollToItem(list_->item(row));
    }
}

int PackView::currentRow() const
{
    const int row = list_->currentRow();
    return row >= 0 && row < int(levels_.size()) ? row : -1;
}

void PackView::refresh()
{
    const QString current = currentRow() >= 0 ? levels_[std::size_t(currentRow())].path : QString();
    const LevelList folder(toPath(folder_));
    levels_.clear();
    for (int i = 0; i < folder.ListCount(); ++i) {
        Level level;
        level.path = fromPath(folder.filePath(i));
        try {
            level.text = readLevelText(folder.filePath(i));
            level.readable = true;
            const std::vector<check::Finding> findings = check::checkLevelText(level.text);
            level.checks = check::hasErrors(findings) ? 2 : findings.empty() ? 0 : 1;
            if (!findings.empty())
                level.firstFinding = QString::fromStdString(designerText(findings.front(), levelSide(level.text)));
            if (const auto saved = readSolution(solutionFile(folder.filePath(i))); saved && finishes(level.text, *saved))
                level.savedMoves = saved->size();
        } catch (const FileError& failure) {
            level.checks = 2;
            level.firstFinding = QStringLiteral("Die Datei lässt sich nicht lesen: %1.").arg(QString::fromUtf8(failure.what()));
        }
        levels_.push_back(std::move(level));
    }
    // Pictures of levels gone or changed go too.
    std::map<std::pair<int, std::string>, QImage> kept;
    for (std::size_t i = 0; i < levels_.size(); ++i)
        if (auto found = pictures_.find({int(i), levels_[i].text}); found != pictures_.end())
            kept.insert(std::move(*found));
    pictures_ = std::move(kept);

    list_->clear();
    for (std::size_t i = 0; i < levels_.size(); ++i) {
        new QListWidgetItem(list_);
        showRow(int(i));
        if (levels_[i].path == current)
            list_->setCurrentRow(int(i));
    }
    setOpenFile(openFile_);
    if (run_ && std::none_of(levels_.begin(), levels_.end(), [this](const Level& level) { return level.text == run_->levelText(); }))
        dropSearch();
    if (!run_)
        searchDelay_.start();
}

void PackView::showRow(int row)
{
    const Level& level = levels_[std::size_t(row)];
    QListWidgetItem* item = list_->item(row);
    auto picture = pictures_.find({row, level.text});
    if (picture == pictures_.end())
        picture = pictures_.emplace(std::pair(row, level.text), levelPicture(level.text, row, kPicture)).first;
    QImage marked = picture->second;
    {
        const QStyle::StandardPixmap badge = level.checks == 2   ? QStyle::SP_MessageBoxCritical
                                             : level.checks == 1 ? QStyle::SP_MessageBoxWarning
                                                                 : QStyle::SP_DialogApplyButton;
        QPainter painter(&marked);
        painter.drawPixmap(kPicture - 20, kPicture - 20, style()->standardIcon(badge).pixmap(20, 20));
    }
    const QString name = QFileInfo(level.path).fileName();
    item->setText(QStringLiteral("%1. %2\n%3").arg(row + 1).arg(name.left(name.size() - 4), solutionText(level)));
    item->setIcon(QIcon(QPixmap::fromImage(marked)));
    item->setData(FileRole, level.path);
    item->setData(CheckRole, level.checks);
    item->setToolTip(level.checks == 0 ? QStringLiteral("Die Prüfung findet nichts.")
                                       : (level.checks == 2 ? QStringLiteral("Fehler: ") : QStringLiteral("Warnung: ")) + level.firstFinding);
}

QString PackView::solutionText(const Level& level) const
{
    using State = KnownSolution::State;
    if (!level.readable)
        return QStringLiteral("nicht lesbar");
    const auto known = withSaved(cache_->find(level.text), level.savedMoves);
    if (!known) {
        if (level.checks == 2)
            return QStringLiteral("keine Suche: Fehler");
        return failed_.contains(level.text) ? QStringLiteral("Suche fehlgeschlagen") : QStringLiteral("…");
    }
    switch (known->state) {
    case State::Shortest: return moves(known->moves) + QStringLiteral(", kürzeste");
    case State::Found: return moves(known->moves);
    case State::None: return QStringLiteral("keine Lösung (bewiesen)");
    case State::Open: break;
    }
    return QStringLiteral("keine Lösung in %1 s gefunden").arg(kSearchTime.count());
}

bool PackView::needsSearch(const Level& level) const
{
    return level.readable && level.checks < 2 && !cache_->find(level.text) && !failed_.contains(level.text);
}

void PackView::searchNext()
{
    if (run_)
        return;
    if (hooks_.editorSearching && hooks_.editorSearching()) {
        // One search at a time: the editor's first.
        searchDelay_.start();
        return;
    }
    const auto next = std::find_if(levels_.begin(), levels_.end(), [this](const Level& level) { return needsSearch(level); });
    if (next == levels_.end())
        return;
    run_ = new SolveRun(next->text, kSearchTime, this, kSearchMemory);
    connect(run_, &SolveRun::finished, this, &PackView::searchEnded);
    watchEditor_.start();
    connect(run_, &SolveRun::failed, this, [this] {
        failed_.insert(run_->levelText());
        solver::Result none;
        none.outcome = solver::Result::Outcome::Cancelled;
        searchEnded(none);
    });
}

void PackView::searchEnded(const solver::Result& result)
{
    using Outcome = solver::Result::Outcome;
    using State = KnownSolution::State;
    const std::string text = run_->levelText();
    dropSearch();
    if (result.outcome != Outcome::Cancelled) {
        const State state = result.outcome == Outcome::Found        ? (result.provenShortest ? State::Shortest : State::Found)
                            : result.outcome == Outcome::NoSolution ? State::None
                                                                    : State::Open;
        cache_->put(text, {state, result.outcome == Outcome::Found ? result.moves.size() : 0});
        try {
            cache_->save();
        } catch (const FileError& failure) {
            // The list still shows it; only the next start searches again.
            if (hooks_.status)
                hooks_.status(QStringLiteral("Die Suchergebnisse ließen sich nicht sichern: %1.").arg(QString::fromUtf8(failure.what())));
        }
    }
    for (std::size_t i = 0; i < levels_.size(); ++i)
        if (levels_[i].text == text)
            showRow(int(i));
    emit searched();
    searchDelay_.start();
}

void PackView::dropSearch()
{
    watchEditor_.stop();
    if (!run_)
        return;
    run_->cancel();
    disconnect(run_, nullptr, this, nullptr);
    run_->deleteLater();
    run_ = nullptr;
}

void PackView::moved(const std::vector<std::pair<QString, QString>>& renamed)
{
    if (hooks_.moved) {
        for (const auto& [from, to] : renamed)
            hooks_.moved(from, to);
        hooks_.moved({}, {});
    }
    refresh();
}

void PackView::moveLevel(int from, int to)
{
    if (from < 0 || to < 0 || from >= int(levels_.size()) || to >= int(levels_.size()) || from == to)
        return;
    std::vector<std::string> order;
    for (const Level& level : levels_)
        order.push_back(fileName(level.path));
    const std::string moving = order[std::size_t(from)];
    order.erase(order.begin() + from);
    order.insert(order.begin() + to, moving);
    const RenamePlan plan = planOrder(toPath(folder_), order);
    if (!plan.problem.empty()) {
        dialogs_.message(this, QString::fromStdString(plan.problem));
        refresh();
        return;
    }
    QStringList lines;
    for (const Rename& rename : plan.renames)
        lines << fromPath(rename.from) + QStringLiteral(" → ") + fromPath(rename.to);
    if (!plan.renames.empty() && !dialogs_.confirmRenames(this, lines))
        return;
    if (const std::string failure = carryOut(toPath(folder_), plan.renames); !failure.empty())
        dialogs_.message(this, QString::fromStdString(failure));
    std::vector<std::pair<QString, QString>> renamed;
    for (const Rename& rename : plan.renames)
        if (QFileInfo::exists(fromPath(toPath(folder_) / rename.to)) && !QFileInfo::exists(fromPath(toPath(folder_) / rename.from)))
            renamed.emplace_back(fromPath(toPath(folder_) / rename.from), fromPath(toPath(folder_) / rename.to));
    const QString movingPath = fromPath(toPath(folder_) / moving);
    QString selected = movingPath;
    for (const auto& [old, now] : renamed)
        if (old == movingPath)
            selected = now;
    moved(renamed);
    for (int row = 0; row < int(levels_.size()); ++row)
        if (levels_[std::size_t(row)].path == selected)
            list_->setCurrentRow(row);
}

void PackView::renameLevel(int row)
{
    const QString path = levels_[std::size_t(row)].path;
    const QString name = QFileInfo(path).fileName();
    const auto wanted = dialogs_.levelName(this, name.left(name.size() - 4));
    if (!wanted)
        return;
    const RenamePlan plan = planRename(toPath(folder_), fileName(path), toPath(*wanted).string());
    std::string failure = plan.problem.empty() ? carryOut(toPath(folder_), plan.renames) : plan.problem;
    if (!failure.empty()) {
        dialogs_.message(this, QString::fromStdString(failure));
        return;
    }
    if (plan.renames.empty())
        return;
    const QString now = fromPath(toPath(folder_) / plan.renames.front().to);
    moved({{path, now}});
    for (int i = 0; i < int(levels_.size()); ++i)
        if (levels_[std::size_t(i)].path == now)
            list_->setCurrentRow(i);
}

void PackView::duplicateLevel(int row)
{
    const QString path = levels_[std::size_t(row)].path;
    const std::string copy = copyName(toPath(folder_), fileName(path));
    const std::string failure =
        copy.empty() ? "Für eine Kopie von „" + fileName(path) + "“ ist kein Name frei." : copyLevel(toPath(folder_), fileName(path), copy);
    if (!failure.empty()) {
        dialogs_.message(this, QString::fromStdString(failure));
        return;
    }
    const QString copyPath = fromPath(toPath(folder_) / copy);
    moved({});
    for (int i = 0; i < int(levels_.size()); ++i)
        if (levels_[std::size_t(i)].path == copyPath)
            list_->setCurrentRow(i);
    if (hooks_.status)
        hooks_.status(QStringLiteral("Kopie angelegt: %1").arg(QFileInfo(copyPath).fileName()));
}

void PackView::trashLevel(int row)
{
    const QString path = levels_[std::size_t(row)].path;
    const QString solution = fromPath(solutionFile(toPath(path)));
    if (!moveToTrash(path)) {
        dialogs_.message(this, QStringLiteral("„%1“ ließ sich nicht in den Papierkorb legen: hier gibt es keinen Papierkorb, oder er "
                                              "nimmt die Datei nicht an. Die Datei bleibt, wie sie ist.")
                                   .arg(QFileInfo(path).fileName()));
        return;
    }
    QString said = QStringLiteral("„%1“ liegt jetzt im Papierkorb.").arg(QFileInfo(path).fileName());
    if (QFileInfo(solution).isFile() && !moveToTrash(solution))
        said += QStringLiteral(" Seine Lösung „%1“ blieb im Ordner.").arg(QFileInfo(solution).fileName());
    moved({});
    if (hooks_.status)
        hooks_.status(said);
}

void PackView::openLevel(int row)
{
    if (row >= 0 && row < int(levels_.size()) && hooks_.open)
        hooks_.open(levels_[std::size_t(row)].path);
}

void PackView::chooseFolder()
{
    const QString chosen = dialogs_.folderName(this, folder_);
    if (!chosen.isEmpty())
        setFolder(chosen);
}

} // namespace zorvik::studio
