// SPDX-License-Identifier: GPL-3.0-or-later
// The studio's main window: menus, palette, problems and solution around the board.
#include "studio_window.h"

#include "board_view.h"
#include "board_window.h"
#include "edit_tools.h"
#include "help_dialog.h"
#include "level_document.h"
#include "levels/file_access.h"
#include "model/cell_codes.h"
#include "model/game.h"
#include "pack_view.h"
#include "play_dialog.h"
#include "recovery_keeper.h"
#include "screen/unix_signals.h"
#include "solution_panel.h"
#include "studio/finding_words.h"
#include "studio/level_edits.h"
#include "studio_dialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QStatusBar>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace zorvik::studio {

namespace {

struct BrushDesign {
    char cell;
    const char* name;
    const char* toolTip;
};

const BrushDesign kBrushes[] = {
    {kWall, "Mauer", "Mauer (#): der Wurm kommt nicht hindurch"},
    {kDot, "Punkt", "Punkt (.): Futter, der Wurm wächst um ein Glied; der letzte Punkt beendet das Level"},
    {kHalving, "Halbierer", "Halbierfeld (,): nimmt dem Wurm die hintere Hälfte"},
    {kCutting, "Schere", "Schneidefeld (x): vom Wurm bleibt nur der Kopf"},
    {kHead, "Kopf", "Kopf (ö): hier beginnt der Wurm; es gibt nur einen, ein neuer ersetzt den alten"},
    {kSegment, "Körper", "Körper (o): die Glieder des Wurms, in einer Reihe rechts neben dem Kopf"},
    {kBlank, "Leer", "Leeres Feld; die rechte Maustaste malt immer leer"},
};

constexpr int kIconPixels = 32;

QString levelFolder()
{
    // Where the game keeps the player's levels, as its launcher sets it up.
    QString folder = qEnvironmentVariable("ZORVIK_LEVEL_FOLDER");
    if (folder.isEmpty()) {
        const QString data = qEnvironmentVariable("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
        folder = data + QStringLiteral("/zorvik");
    }
    return QFileInfo(folder).isDir() ? folder : QDir::currentPath();
}

} // namespace

StudioWindow::StudioWindow(StudioDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), document_(new LevelDocument(this)),
      recovery_(new RecoveryKeeper(*document_, dialogs_, this)), board_(new BoardView(this)),
      draft_(std::make_unique<Game>(board_->window(), std::filesystem::path())), pointer_(new QLabel(this)),
      size_(new QLabel(this))
{
    draft_->setStartDefaults();
    setCentralWidget(board_);
    board_->setFocusPolicy(Qt::StrongFocus);
    board_->setFocus();
    solution_ = new SolutionPanel(*document_, *board_, dialogs_, [this] { return save(); }, this);
    editTools_ = new EditTools(*document_, *board_,
                               {[this] { return brushCell(); },
                                [this] {
                                    // As with a stroke: a press on a solution played back returns to editing.
                                    const bool showing = solution_->showing();
                                    solution_->stopShowing();
                                    return !showing;
                                },
                                [this] { return keepOrDropChanges(); }, [this](const QString& text) { dialogs_.message(this, text); },
                                [this](const QString& text) { statusBar()->showMessage(text, 8000); }},
                               this);
    makeActions();
    makeDocks();
    addHelpMenu(*this);
    statusBar()->addWidget(pointer_, 1);
    statusBar()->addPermanentWidget(size_);

    connect(board_, &BoardView::resized, this, &StudioWindow::draw);
    connect(board_, &BoardView::strokeStarted, this, [this] {
        // A press on a solution being played back returns to the level being edited.
        strokeIgnored_ = solution_->showing();
        solution_->stopShowing();
        document_->startStroke();
    });
    connect(board_, &BoardView::strokeEnded, document_, &LevelDocument::endStroke);
    connect(board_, &BoardView::cellStroked, this, [this](int index, bool erase) {
        if (!strokeIgnored_)
            document_->paint(index, erase ? kBlank : brushCell());
    });
    connect(board_, &BoardView::hovered, this, [this](int index) {
        const int side = document_->side();
        pointer_->setText(index < 0 ? QString() : QStringLiteral("Zeile %1, Spalte %2").arg(index / side + 1).arg(index % side + 1));
    });
    connect(document_, &LevelDocument::textChanged, this, [this] {
        draw();
        check();
    });
    connect(document_, &LevelDocument::pathChanged, this, [this] {
        updateTitle();
        updatePalette();
        draw();
        if (!document_->path().isEmpty()) {
            const QString folder = QFileInfo(document_->path()).absolutePath();
            // Saved or opened in the folder shown: its row shows the file as it is now.
            if (folder == pack_->folder())
                pack_->refresh();
            pack_->setFolder(folder);
        }
        pack_->setOpenFile(document_->path());
    });
    connect(&document_->undoStack(), &QUndoStack::cleanChanged, this, &StudioWindow::updateTitle);
    connect(solution_, &SolutionPanel::showingChanged, this, [this](bool showing) {
        if (showing)
            statusBar()->showMessage(QStringLiteral("Wiedergabe: ein Klick aufs Brett kehrt zum Bearbeiten zurück."));
        else
            statusBar()->clearMessage();
        if (!showing)
            draw();
    });

    resize(1100, 760);
    updateTitle();
    updatePalette();
    check();
}

StudioWindow::~StudioWindow()
{
    // The undo stack says it is clean once more as it goes, after this window's own parts are gone.
    disconnect(&document_->undoStack(), nullptr, this, nullptr);
    // Before the document: its undo stack going would read as "saved" and remove the recovery copy.
    delete recovery_;
}

void StudioWindow::makeActions()
{
    auto add = [this](QMenu* menu, const QString& text, const QString& tip, const QKeySequence& keys, auto slot) {
        QAction* made = menu->addAction(text, this, slot);
        made->setShortcut(keys);
        made->setToolTip(tip);
        return made;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    QAction* fresh = add(file, QStringLiteral("&Neu"), QStringLiteral("Ein neues, leeres Level"), QKeySequence::New, &StudioWindow::newLevel);
    QAction* open = add(file, QStringLiteral("Ö&ffnen …"), QStringLiteral("Öffnet ein Level (.ZVK) oder ein Textraster (.txt)"),
                        QKeySequence::Open, &StudioWindow::open);
    QAction* save = add(file, QStringLiteral("&Speichern"), QStringLiteral("Speichert das Level so, wie das Spiel es liest"),
                        QKeySequence::Save, [this] { StudioWindow::save(); });
    add(file, QStringLiteral("Speichern &unter …"), QStringLiteral("Speichert das Level unter einem neuen Namen; .txt speichert ein Textraster"),
        QKeySequence::SaveAs, [this] { saveAs(); });
    file->addSeparator();
    file->addAction(solution_->saveAction());
    file->addSeparator();
    add(file, QStringLiteral("&Beenden"), QStringLiteral("Schließt das Studio"), QKeySequence::Quit, [this] { close(); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    QUndoStack& steps = document_->undoStack();
    // The menu names the step ("Rückgängig: Malen"), the tool bar only the command.
    auto step = [&](const QString& name, QStyle::StandardPixmap icon, void (QUndoStack::*go)(),
                    void (QUndoStack::*textChanged)(const QString&), void (QUndoStack::*canChanged)(bool)) {
        QAction* made = edit->addAction(style()->standardIcon(icon), name, &steps, go);
        made->setIconText(name);
        made->setEnabled(false);
        connect(&steps, textChanged, made, [made, name](const QString& what) { made->setText(what.isEmpty() ? name : name + ": " + what); });
        connect(&steps, canChanged, made, &QAction::setEnabled);
        return made;
    };
    QAction* undo = step(QStringLiteral("Rückgängig"), QStyle::SP_ArrowBack, &QUndoStack::undo, &QUndoStack::undoTextChanged,
                         &QUndoStack::canUndoChanged);
    QAction* redo = step(QStringLiteral("Wiederherstellen"), QStyle::SP_ArrowForward, &QUndoStack::redo,
                         &QUndoStack::redoTextChanged, &QUndoStack::canRedoChanged);
    undo->setShortcut(QKeySequence::Undo);
    // Every binding the desktop has for redo, and Ctrl+Y beside it: a QKeySequence made from
    // QKeySequence::Redo keeps only the first binding, which is Ctrl+Y on some desktops, so listing both
    // used to bind Ctrl+Y twice (ambiguous: redo did nothing) and Ctrl+Shift+Z not at all.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
    redo->setShortcuts(redoKeys);
    edit->addSeparator();
    add(edit, QStringLiteral("&Größe ändern …"), QStringLiteral("Ändert die Felder je Seite; der Inhalt bleibt in der Mitte"),
        QKeySequence(Qt::CTRL | Qt::Key_G), &StudioWindow::askBoardSize);
    add(edit, QStringLiteral("Rand &anfügen"), QStringLiteral("Eine Reihe leerer Felder rundherum mehr"),
        QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { resizeBoard(document_->side() + 2); });
    add(edit, QStringLiteral("Rand &entfernen"), QStringLiteral("Die äußerste Reihe Felder rundherum weg"),
        QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { resizeBoard(document_->side() - 2); });
    editTools_->install(*this, *edit);

    QMenu* brushes = menuBar()->addMenu(QStringLiteral("&Palette"));
    palette_ = new QActionGroup(this);
    int key = Qt::Key_1;
    for (const BrushDesign& design : kBrushes) {
        QAction* brush = brushes->addAction(QString::fromUtf8(design.name));
        brush->setToolTip(QString::fromUtf8(design.toolTip));
        brush->setShortcut(QKeySequence(key++));
        brush->setCheckable(true);
        palette_->addAction(brush);
        brushes_[design.cell] = brush;
    }
    brushes_.at(kWall)->setChecked(true);

    QMenu* level = menuBar()->addMenu(QStringLiteral("&Level"));
    level->addAction(solution_->solveAction());
    level->addAction(solution_->cancelAction());
    QAction* play = add(level, QStringLiteral("S&pielen"), QStringLiteral("Spielt das Level nach den Regeln des Spiels; der Editor bleibt, wie er ist"),
                        QKeySequence(Qt::Key_F5), &StudioWindow::play);
    play->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    level->addSeparator();
    level->addActions(solution_->playbackActions());

    QToolBar* tools = addToolBar(QStringLiteral("Werkzeuge"));
    tools->setObjectName(QStringLiteral("Werkzeuge"));
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    fresh->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    open->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    tools->addActions({fresh, open, save});
    tools->addSeparator();
    tools->addActions({undo, redo});
    tools->addSeparator();
    tools->addActions({solution_->solveAction(), play});
    tools->addSeparator();
    // Colours come from a level's place in its folder: a designer sees how the level would look elsewhere.
    auto* colourLabel = new QLabel(QStringLiteral(" Farben wie Level "), tools);
    colourPlace_ = new QSpinBox(tools);
    colourPlace_->setRange(0, 9999);
    colourPlace_->setSpecialValueText(QStringLiteral("eigener Platz"));
    colourPlace_->setToolTip(QStringLiteral("Zeigt das Level in den Farben, die es als Level N bekäme; das Level selbst bleibt, "
                                            "wie es ist. Alle 64 Level wiederholen sich die Farben."));
    colourLabel->setToolTip(colourPlace_->toolTip());
    tools->addWidget(colourLabel);
    tools->addWidget(colourPlace_);
    connect(colourPlace_, &QSpinBox::valueChanged, this, [this] {
        updatePalette();
        draw();
    });

    QToolBar* paletteBar = new QToolBar(QStringLiteral("Palette"), this);
    paletteBar->setObjectName(QStringLiteral("Palette"));
    paletteBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    paletteBar->setIconSize(QSize(kIconPixels, kIconPixels));
    paletteBar->addActions(palette_->actions());
    addToolBar(Qt::LeftToolBarArea, paletteBar);
    editTools_->addToolBar(*this);
}

void StudioWindow::makeDocks()
{
    problems_ = new QListWidget(this);
    problems_->setWordWrap(true);
    problems_->setToolTip(QStringLiteral("Was die Prüfung findet; ein gewähltes Problem wird auf dem Brett markiert"));
    connect(problems_, &QListWidget::itemSelectionChanged, this, &StudioWindow::showProblem);
    auto* problemDock = new QDockWidget(QStringLiteral("Probleme"), this);
    problemDock->setObjectName(QStringLiteral("Probleme"));
    problemDock->setWidget(problems_);
    addDockWidget(Qt::RightDockWidgetArea, problemDock);

    auto* solutionDock = new QDockWidget(QStringLiteral("Lösung"), this);
    solutionDock->setObjectName(QStringLiteral("Lösung"));
    solutionDock->setWidget(solution_);
    addDockWidget(Qt::RightDockWidgetArea, solutionDock);
    resizeDocks({problemDock}, {360}, Qt::Horizontal);

    PackView::Hooks hooks;
    hooks.open = [this](const QString& path) {
        if (QFileInfo(path).absoluteFilePath() == QFileInfo(document_->path()).absoluteFilePath())
            return true;
        return keepOrDropChanges() && openFile(path);
    };
    hooks.moved = [this](const QString& from, const QString& to) {
        if (document_->path().isEmpty())
            return;
        const bool same = !from.isEmpty() && QFileInfo(from).absoluteFilePath() == QFileInfo(document_->path()).absoluteFilePath();
        document_->followFile(same ? to : document_->path());
    };
    hooks.status = [this](const QString& text) { statusBar()->showMessage(text, 8000); };
    hooks.editorSearching = [this] { return solution_->searching(); };
    pack_ = new PackView(dialogs_, std::move(hooks), this);
    auto* packDock = new QDockWidget(QStringLiteral("Levelmappe"), this);
    packDock->setObjectName(QStringLiteral("Levelmappe"));
    packDock->setWidget(pack_);
    addDockWidget(Qt::LeftDockWidgetArea, packDock);
    resizeDocks({packDock}, {250}, Qt::Horizontal);
    pack_->setFolder(levelFolder());

    QMenu* view = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    view->addActions({packDock->toggleViewAction(), problemDock->toggleViewAction(), solutionDock->toggleViewAction()});
    // The level chosen in the folder's list; its keys work where the list has the focus.
    view->addMenu(QStringLiteral("&Level der Mappe"))->addActions(pack_->list()->actions());
}

int StudioWindow::shownLevelNr() const
{
    return colourPlace_ && colourPlace_->value() > 0 ? colourPlace_->value() - 1 : document_->levelNr();
}

char StudioWindow::brushCell() const
{
    for (const auto& [cell, action] : brushes_)
        if (action->isChecked())
            return cell;
    return kWall;
}

void StudioWindow::draw()
{
    if (solution_->showing()) {
        solution_->redraw();
        return;
    }
    draft_->LevelNr = shownLevelNr();
    draft_->LevelText = document_->text();
    try {
        draft_->Beginn();
    } catch (const std::exception&) {
        // A level the game would refuse (too many worm and dot cells) is still shown as far as it goes;
        // the problem list says what is wrong.
        try {
            draft_->Bild();
        } catch (const std::exception&) {
        }
    }
    board_->present(*draft_);
    size_->setText(QStringLiteral("%1 × %1 Felder").arg(document_->side()));
}

void StudioWindow::check()
{
    findings_ = check::checkLevelText(document_->text());
    problems_->clear();
    board_->setMarkedCells({});
    for (const auto& finding : findings_) {
        const bool error = finding.severity == check::Severity::Error;
        auto* item = new QListWidgetItem(style()->standardIcon(error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning),
                                         QString::fromStdString(designerText(finding, document_->side())), problems_);
        item->setToolTip(error ? QStringLiteral("Fehler: das Level lässt sich so nicht spielen oder nicht beenden")
                               : QStringLiteral("Warnung"));
    }
    if (findings_.empty())
        new QListWidgetItem(style()->standardIcon(QStyle::SP_DialogApplyButton),
                            QStringLiteral("Keine Probleme gefunden: „Lösen“ zeigt, ob es sich beenden lässt."), problems_);
}

void StudioWindow::showProblem()
{
    const int row = problems_->currentRow();
    const bool chosen = row >= 0 && row < int(findings_.size()) && problems_->currentItem()->isSelected();
    board_->setMarkedCells(chosen ? findings_[std::size_t(row)].cells : std::vector<int>{});
}

void StudioWindow::updateTitle()
{
    setWindowTitle(document_->name() + QStringLiteral("[*] – Zorvik-Studio"));
    setWindowModified(document_->isModified());
}

void StudioWindow::updatePalette()
{
    for (const auto& [cell, action] : brushes_)
        action->setIcon(QIcon(QPixmap::fromImage(cellPicture(cell, shownLevelNr(), kIconPixels))));
}

bool StudioWindow::keepOrDropChanges()
{
    if (!document_->isModified())
        return true;
    switch (dialogs_.unsavedChanges(this, document_->name())) {
    case StudioDialogs::Answer::Save: return save();
    case StudioDialogs::Answer::Discard: return true;
    case StudioDialogs::Answer::Cancel: break;
    }
    return false;
}

void StudioWindow::newLevel()
{
    if (keepOrDropChanges())
        document_->newLevel(document_->side());
}

void StudioWindow::open()
{
    if (!keepOrDropChanges())
        return;
    const QString folder = document_->path().isEmpty() ? levelFolder() : QFileInfo(document_->path()).absolutePath();
    const QString path = dialogs_.openFileName(this, folder);
    if (!path.isEmpty())
        openFile(path);
}

bool StudioWindow::openFile(const QString& path)
{
    try {
        document_->open(path);
    } catch (const FileError& failure) {
        dialogs_.message(this, QStringLiteral("„%1“ lässt sich nicht öffnen: %2.")
                                   .arg(QFileInfo(path).fileName(), QString::fromUtf8(failure.what())));
        return false;
    }
    return true;
}

bool StudioWindow::save()
{
    if (document_->path().isEmpty())
        return saveAs();
    try {
        document_->save(document_->path());
    } catch (const FileError& failure) {
        dialogs_.message(this, QStringLiteral("„%1“ ließ sich nicht speichern: %2. Das Level ist noch offen; „Speichern unter“ "
                                              "versucht einen anderen Ort.")
                                   .arg(document_->name(), QString::fromUtf8(failure.what())));
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Gespeichert: %1").arg(document_->path()), 4000);
    return true;
}

bool StudioWindow::saveAs()
{
    const QString suggestion = document_->path().isEmpty() ? levelFolder() + QStringLiteral("/Neues Level.ZVK") : document_->path();
    QString path = dialogs_.saveFileName(this, suggestion);
    if (path.isEmpty())
        return false;
    // The game lists only files that end in ".ZVK".
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".ZVK");
    try {
        document_->save(path);
    } catch (const FileError& failure) {
        dialogs_.message(this, QStringLiteral("„%1“ ließ sich nicht speichern: %2.").arg(QFileInfo(path).fileName(), QString::fromUtf8(failure.what())));
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Gespeichert: %1").arg(path), 4000);
    return true;
}

void StudioWindow::resizeBoard(int side)
{
    document_->resize(std::clamp(side, 1, kLargestSide));
}

void StudioWindow::askBoardSize()
{
    if (const auto side = dialogs_.boardSide(this, document_->side(), kLargestSide))
        resizeBoard(*side);
}

void StudioWindow::play()
{
    // The shortest solution known for the level exactly as it is now: the designer's count is set against it.
    auto* dialog = new PlayDialog(document_->text(), document_->levelNr(), document_->name(), solution_->moves().size(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void StudioWindow::offerRecovery() { recovery_->offerLeftCopies(); }

void StudioWindow::endSession()
{
    recovery_->keepNow();
    ending_ = true;
    // A question or a chooser that is open ends first (the one on top first); the window closes once the
    // handler that opened it is done.
    closeOpenDialogs();
    QTimer::singleShot(0, this, [this] { close(); });
}

void StudioWindow::closeEvent(QCloseEvent* event)
{
    if (ending_) {
        event->accept();
    } else if (keepOrDropChanges()) {
        // Saved or dropped as the designer said: there is nothing left to recover.
        recovery_->discard();
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace zorvik::studio
