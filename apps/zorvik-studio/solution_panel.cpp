// SPDX-License-Identifier: GPL-3.0-or-later
// The solution panel: the search on its thread, the playback on the board and the solution file.
#include "solution_panel.h"

#include "board_view.h"
#include "board_window.h"
#include "level_document.h"
#include "levels/file_access.h"
#include "levels/level_check.h"
#include "local_paths.h"
#include "solve_run.h"
#include "studio/level_formats.h"
#include "studio/level_play.h"
#include "studio_dialogs.h"
#include "studio_settings.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>

namespace zorvik::studio {

namespace {

// At first slow enough to follow each move, quick enough to watch a few hundred.
constexpr int kDefaultMovesPerSecond = 7;
constexpr int kMostMovesPerSecond = 50;
const QString kSpeedKey = QStringLiteral("solution/movesPerSecond");
constexpr int kDefaultSeconds = 60;

QString number(std::size_t value) { return QLocale(QLocale::German).toString(qulonglong(value)); }

QString seconds(std::chrono::milliseconds time) { return QLocale(QLocale::German).toString(time.count() / 1000.0, 'f', 1) + " s"; }

QString megabytes(std::size_t bytes) { return QLocale(QLocale::German).toString(bytes / 1048576.0, 'f', 1) + " MB"; }

// A limit as a designer reads it: "1 GB", "512 MB".
QString memoryLimit(std::size_t bytes)
{
    return bytes >= (std::size_t(1) << 30) && bytes % (std::size_t(1) << 30) == 0 ? QStringLiteral("%1 GB").arg(bytes >> 30)
                                                                                  : QStringLiteral("%1 MB").arg(bytes >> 20);
}

QString moveCount(std::size_t moves) { return moves == 1 ? QStringLiteral("1 Zug") : QStringLiteral("%1 Zügen").arg(number(moves)); }

// "; mindestens 142 Züge nötig", when the search has shown that much.
QString lowerBound(std::size_t moves)
{
    return moves == 0 ? QString() : QStringLiteral("; mindestens %1 nötig").arg(moves == 1 ? QStringLiteral("1 Zug") : number(moves) + " Züge");
}

QString arrow(char move)
{
    return move == 'L' ? QStringLiteral("←") : move == 'R' ? QStringLiteral("→") : move == 'U' ? QStringLiteral("↑") : QStringLiteral("↓");
}

QString direction(char move)
{
    return move == 'L' ? QStringLiteral("links") : move == 'R' ? QStringLiteral("rechts") : move == 'U' ? QStringLiteral("hoch") : QStringLiteral("runter");
}

QAction* action(QWidget* owner, const QString& text, const QString& tip, const QKeySequence& keys, QStyle::StandardPixmap icon)
{
    auto* made = new QAction(owner->style()->standardIcon(icon), text, owner);
    made->setToolTip(tip);
    made->setShortcut(keys);
    return made;
}

} // namespace

SolutionPanel::SolutionPanel(LevelDocument& document, BoardView& view, StudioDialogs& dialogs, std::function<bool()> saveLevel,
                             QWidget* parent)
    : QWidget(parent), document_(document), view_(view), dialogs_(dialogs), saveLevel_(std::move(saveLevel)),
      seconds_(new QSpinBox(this)), searchButton_(new QPushButton(this)), bar_(new QProgressBar(this)),
      progress_(new QLabel(this)), result_(new QLabel(this)), position_(new QLabel(this)), strip_(new QListWidget(this)),
      speed_(new QSpinBox(this))
{
    solve_ = action(this, QStringLiteral("&Lösen"), QStringLiteral("Sucht im Hintergrund Züge, die das Level beenden"),
                    QKeySequence(Qt::CTRL | Qt::Key_L), QStyle::SP_DialogApplyButton);
    cancel_ = action(this, QStringLiteral("Suche a&bbrechen"), QStringLiteral("Hält die Suche an"), QKeySequence(Qt::Key_Escape),
                     QStyle::SP_MediaStop);
    save_ = action(this, QStringLiteral("Lösung spei&chern"),
                   QStringLiteral("Speichert die Lösung neben dem Level als .solution-Datei: eine Zeile aus L, R, U und D"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L), QStyle::SP_DialogSaveButton);
    first_ = action(this, QStringLiteral("Zum &Anfang"), QStringLiteral("Zeigt das Level vor dem ersten Zug"),
                    QKeySequence(Qt::CTRL | Qt::Key_Home), QStyle::SP_MediaSkipBackward);
    back_ = action(this, QStringLiteral("Zug &zurück"), QStringLiteral("Einen Zug zurück"), QKeySequence(Qt::CTRL | Qt::Key_Left),
                   QStyle::SP_MediaSeekBackward);
    play_ = action(this, QStringLiteral("Lösung a&bspielen"), QStringLiteral("Spielt die Lösung Zug um Zug ab, oder hält an"),
                   QKeySequence(Qt::CTRL | Qt::Key_Space), QStyle::SP_MediaPlay);
    forward_ = action(this, QStringLiteral("Zug &vor"), QStringLiteral("Einen Zug weiter"), QKeySequence(Qt::CTRL | Qt::Key_Right),
                      QStyle::SP_MediaSeekForward);
    last_ = action(this, QStringLiteral("Zum &Ende"), QStringLiteral("Zeigt das Level nach dem letzten Zug"),
                   QKeySequence(Qt::CTRL | Qt::Key_End), QStyle::SP_MediaSkipForward);

    seconds_->setRange(1, 3600);
    seconds_->setValue(kDefaultSeconds);
    seconds_->setSuffix(QStringLiteral(" s"));
    seconds_->setToolTip(QStringLiteral("So lange darf die Suche höchstens dauern"));
    bar_->setTextVisible(false);
    bar_->hide();
    for (QLabel* label : {progress_, result_})
        label->setWordWrap(true);
    speed_->setRange(1, kMostMovesPerSecond);
    speed_->setValue(studioSettings().value(kSpeedKey, kDefaultMovesPerSecond).toInt());
    speed_->setSuffix(QStringLiteral(" Züge/s"));
    speed_->setToolTip(QStringLiteral("So viele Züge in der Sekunde zeigt „Abspielen“"));
    // The arrows wrap in rows; the keys stay with the board and the playback shortcuts.
    strip_->setFlow(QListView::LeftToRight);
    strip_->setWrapping(true);
    strip_->setResizeMode(QListView::Adjust);
    strip_->setUniformItemSizes(true);
    strip_->setSelectionMode(QAbstractItemView::NoSelection);
    strip_->setFocusPolicy(Qt::NoFocus);
    QFont arrows = strip_->font();
    arrows.setPointSizeF(arrows.pointSizeF() * 1.4);
    strip_->setFont(arrows);
    const int cell = QFontMetrics(arrows).height() + 6;
    strip_->setGridSize(QSize(cell, cell));
    strip_->setMinimumHeight(3 * cell + 4);
    strip_->setToolTip(QStringLiteral("Die Züge als Pfeile; markiert ist der zuletzt gespielte. Ein Klick zeigt das Brett nach diesem Zug."));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Höchstens"), this), 0, 0);
    layout->addWidget(seconds_, 0, 1);
    layout->addWidget(searchButton_, 0, 2);
    layout->addWidget(bar_, 1, 0, 1, 3);
    layout->addWidget(progress_, 2, 0, 1, 3);
    layout->addWidget(result_, 3, 0, 1, 3);
    auto* controls = new QHBoxLayout;
    for (QAction* each : playbackActions()) {
        auto* button = new QToolButton(this);
        button->setDefaultAction(each);
        controls->addWidget(button);
    }
    controls->addStretch();
    controls->addWidget(speed_);
    layout->addLayout(controls, 4, 0, 1, 3);
    layout->addWidget(position_, 5, 0, 1, 3);
    layout->addWidget(strip_, 6, 0, 1, 3);
    auto* saveButton = new QToolButton(this);
    saveButton->setDefaultAction(save_);
    saveButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    layout->addWidget(saveButton, 7, 0, 1, 3);
    layout->setRowStretch(6, 1);

    connect(searchButton_, &QPushButton::clicked, this, [this] { searching() ? stopSearch() : startSearch(); });
    connect(solve_, &QAction::triggered, this, &SolutionPanel::startSearch);
    connect(cancel_, &QAction::triggered, this, &SolutionPanel::stopSearch);
    connect(save_, &QAction::triggered, this, &SolutionPanel::saveSolution);
    connect(first_, &QAction::triggered, this, [this] { seek(0); });
    connect(back_, &QAction::triggered, this, [this] { seek(playback_ && playback_->position() > 0 ? playback_->position() - 1 : 0); });
    connect(forward_, &QAction::triggered, this, [this] { seek(playback_ ? playback_->position() + 1 : 1); });
    connect(last_, &QAction::triggered, this, [this] { seek(std::string::npos); });
    connect(play_, &QAction::triggered, this, &SolutionPanel::playOrPause);
    playTimer_.setInterval(1000 / speed_->value());
    connect(speed_, &QSpinBox::valueChanged, this, [this](int movesPerSecond) {
        playTimer_.setInterval(1000 / movesPerSecond);
        studioSettings().setValue(kSpeedKey, movesPerSecond);
    });
    connect(strip_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { seek(std::size_t(strip_->row(item)) + 1); });
    connect(&playTimer_, &QTimer::timeout, this, [this] {
        seek(playback_ ? playback_->position() + 1 : 1);
        if (!playback_ || playback_->atEnd())
            playTimer_.stop();
        updateState();
    });
    connect(&document_, &LevelDocument::textChanged, this, &SolutionPanel::levelChanged);
    connect(&document_, &LevelDocument::pathChanged, this, [this] {
        loadSavedSolution();
        updateState();  // saved under a new name, the solution is no longer saved beside it
    });
    connect(&document_, &LevelDocument::replaced, this, &SolutionPanel::levelReplaced);
    updateState();
}

SolutionPanel::~SolutionPanel() = default;

QList<QAction*> SolutionPanel::playbackActions() const { return {first_, back_, play_, forward_, last_}; }

bool SolutionPanel::fits() const { return solution_ && solution_->levelText == document_.text(); }

std::string SolutionPanel::moves() const { return fitsComplete() ? solution_->moves : std::string(); }

QString SolutionPanel::summary() const { return result_->text(); }

void SolutionPanel::startSearch()
{
    if (searching())
        return;
    // As zorvik-check does: a level the checks reject is not searched, its search would say nothing.
    if (check::hasErrors(check::checkLevelText(document_.text()))) {
        note_ = QStringLiteral("Erst wenn die Prüfung keine Fehler mehr findet, lässt sich das Level lösen.");
        updateState();
        return;
    }
    runSeconds_ = seconds_->value();
    runTime_.start();
    run_ = new SolveRun(document_.text(), std::chrono::seconds(runSeconds_), this);
    connect(run_, &SolveRun::progressed, this, &SolutionPanel::progressed);
    connect(run_, &SolveRun::finished, this, &SolutionPanel::finished);
    connect(run_, &SolveRun::failed, this, [this](const QString& reason) {
        endSearch();
        note_ = QStringLiteral("Die Suche ging schief: %1").arg(reason);
        updateState();
    });
    bar_->setRange(0, seconds_->value() * 1000);
    bar_->setValue(0);
    progress_->setText(QStringLiteral("Die Suche beginnt …"));
    figuresOf_ = document_.text();
    note_.clear();
    updateState();
}

void SolutionPanel::stopSearch()
{
    if (run_)
        run_->cancel();
}

std::string SolutionPanel::endSearch()
{
    const std::string levelText = run_->levelText();
    run_->deleteLater();
    run_ = nullptr;
    return levelText;
}

void SolutionPanel::progressed(const solver::Progress& progress)
{
    bar_->setValue(int(std::min<long long>(progress.elapsed.count(), bar_->maximum())));
    QString text = QStringLiteral("Stellungen: %1 · Zeit: %2 · Speicher: %3")
                       .arg(number(progress.positions), seconds(progress.elapsed), megabytes(progress.memoryBytes));
    if (progress.bestMoves > 0)
        text += QStringLiteral(" · beste Lösung bisher: %1 Züge").arg(progress.bestMoves);
    else if (progress.lowerBound > 0)
        text += QStringLiteral(" · mindestens %1 Züge nötig").arg(number(progress.lowerBound));
    progress_->setText(text);
}

void SolutionPanel::finished(const solver::Result& result)
{
    const std::string levelText = endSearch();
    progress_->setText(QStringLiteral("%1 Stellungen, höchstens %2 Speicher")
                           .arg(number(result.positions), megabytes(result.peakMemoryBytes)));
    using Outcome = solver::Result::Outcome;
    switch (result.outcome) {
    case Outcome::Found:
        stopShowing();
        solution_ = Solution{levelText, result.moves,
                             result.provenShortest ? QStringLiteral("Kürzeste Lösung") : QStringLiteral("Gefundene Lösung"), {}, false};
        note_.clear();
        progress_->setText(progress_->text() + QStringLiteral(", gefunden nach %1").arg(seconds(result.bestFoundAfter)));
        break;
    case Outcome::NoSolution:
        note_ = QStringLiteral("Keine Lösung – bewiesen.");
        break;
    case Outcome::OutOfTime:
        note_ = QStringLiteral("Abgebrochen nach %1 s (Zeitgrenze)%2.").arg(runSeconds_).arg(lowerBound(result.lowerBound));
        break;
    case Outcome::OutOfMemory:
        note_ = QStringLiteral("Speichergrenze (%1) erreicht%2.")
                    .arg(memoryLimit(solver::Options{}.memoryLimit), lowerBound(result.lowerBound));
        break;
    case Outcome::Cancelled:
        note_ = QStringLiteral("Abgebrochen nach %1%2.")
                    .arg(seconds(std::chrono::milliseconds(runTime_.elapsed())), lowerBound(result.lowerBound));
        break;
    }
    // Where the search got furthest is where the level gets stuck: it plays back like a solution, unless
    // a solution of this very level is at hand.
    if (result.outcome != Outcome::Found && !fitsComplete()) {
        stopShowing();
        const QString about = result.furthestMoves.empty()
                                  ? QStringLiteral("Am weitesten: %1 von %2 Punkten").arg(result.furthestDots).arg(result.dots)
                                  : QStringLiteral("Am weitesten: %1 von %2 Punkten nach %3")
                                        .arg(result.furthestDots)
                                        .arg(result.dots)
                                        .arg(moveCount(result.furthestMoves.size()));
        solution_ = Solution{levelText, result.furthestMoves, about, {}, false, false};
    }
    updateState();
}

void SolutionPanel::levelChanged()
{
    if (!fits())
        stopShowing();
    note_.clear();
    updateState();
}

void SolutionPanel::levelReplaced()
{
    if (run_) {
        run_->cancel();
        disconnect(run_, nullptr, this, nullptr);
        endSearch();
    }
    stopShowing();
    solution_.reset();
    note_.clear();
    progress_->clear();
    figuresOf_.clear();
    loadSavedSolution();
    updateState();
}

QString SolutionPanel::solutionFileOfLevel() const
{
    return document_.path().isEmpty() ? QString()
                                      : fromPath(solutionFile(toPath(document_.path())));
}

void SolutionPanel::loadSavedSolution()
{
    // A level opened with its solution beside it can be played back at once, if the moves still finish it.
    if (fitsComplete() || document_.path().isEmpty())
        return;
    const auto saved = readSolution(solutionFile(toPath(document_.path())));
    if (!saved)
        return;
    if (finishes(document_.text(), *saved)) {
        solution_ = Solution{document_.text(), *saved, QStringLiteral("Gespeicherte Lösung"), solutionFileOfLevel(), true};
        note_.clear();
    } else {
        note_ = QStringLiteral("Die gespeicherte Lösung beendet das Level nicht mehr; „Lösen“ sucht eine neue.");
    }
    updateState();
}

void SolutionPanel::seek(std::size_t position)
{
    if (!fits())
        return;
    try {
        if (!playback_) {
            playback_ = std::make_unique<Playback>(view_.window(), solution_->levelText, document_.levelNr(), solution_->moves);
            emit showingChanged(true);
        }
        playback_->seek(position);
    } catch (const std::exception& failure) {
        note_ = QStringLiteral("Die Wiedergabe ging schief: %1").arg(QString::fromUtf8(failure.what()));
        stopShowing();
        updateState();
        return;
    }
    view_.present(playback_->game());
    updateState();
}

void SolutionPanel::redraw()
{
    if (!playback_)
        return;
    try {
        playback_->replay();
    } catch (const std::exception&) {
        // The same moves drew before at another size; a failure now leaves the old picture.
    }
    view_.present(playback_->game());
}

void SolutionPanel::stopShowing()
{
    playTimer_.stop();
    if (!playback_)
        return;
    playback_.reset();
    emit showingChanged(false);
}

void SolutionPanel::playOrPause()
{
    if (playTimer_.isActive()) {
        playTimer_.stop();
    } else if (fits()) {
        if (!playback_ || playback_->atEnd())
            seek(0);
        playTimer_.start();
    }
    updateState();
}

void SolutionPanel::saveSolution()
{
    if (!fitsComplete())
        return;
    const std::string moves = solution_->moves;
    if ((document_.path().isEmpty() || document_.isModified()) && !saveLevel_())
        return;
    if (!fits())
        return;  // saving changed nothing of the level, but a failure may have
    const std::filesystem::path file = solutionFile(toPath(document_.path()));
    try {
        writeSolution(file, moves);
    } catch (const FileError& failure) {
        dialogs_.message(this, QStringLiteral("Die Lösung ließ sich nicht speichern (%1).").arg(QString::fromUtf8(failure.what())));
        return;
    }
    solution_->savedAs = fromPath(file);
    updateState();
}

void SolutionPanel::updateState()
{
    const bool running = searching();
    solve_->setEnabled(!running);
    cancel_->setEnabled(running);
    seconds_->setEnabled(!running);
    searchButton_->setText(running ? QStringLiteral("Abbrechen") : QStringLiteral("Lösen"));
    searchButton_->setToolTip(running ? cancel_->toolTip() : solve_->toolTip());
    bar_->setVisible(running);
    // The figures of a search belong to the level it searched.
    progress_->setVisible(running || figuresOf_ == document_.text());

    const bool shown = fits();
    const bool complete = fitsComplete();
    const bool usable = shown && !solution_->moves.empty();
    for (QAction* each : playbackActions())
        each->setEnabled(usable);
    save_->setEnabled(complete);
    const bool playing = playTimer_.isActive();
    play_->setText(playing ? QStringLiteral("Anhalten") : complete || !shown ? QStringLiteral("Lösung a&bspielen") : QStringLiteral("Weiteste Züge a&bspielen"));
    play_->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));

    QStringList lines;
    if (!note_.isEmpty())
        lines << note_;
    if (complete) {
        const bool besideLevel = !solution_->savedAs.isEmpty() && solution_->savedAs == solutionFileOfLevel();
        const QString savedName = QFileInfo(solution_->savedAs).fileName();
        QString about = solution_->about;
        if (solution_->loaded && !besideLevel)
            about = QStringLiteral("Lösung aus „%1“").arg(savedName);
        else if (!solution_->loaded && besideLevel)
            about = QStringLiteral("Gespeichert als „%1“").arg(savedName);
        lines << QStringLiteral("%1: %2 Züge").arg(about).arg(solution_->moves.size());
    } else if (shown) {
        lines << solution_->about;
    } else if (solution_ && solution_->complete && note_.isEmpty()) {
        lines << QStringLiteral("Die Lösung gehört zu einer anderen Fassung des Levels; „Lösen“ sucht eine neue.");
    }
    result_->setText(lines.join('\n'));
    showMoves();
    position_->setText(!usable ? QString()
                               : QStringLiteral("Zug %1 von %2%3")
                                     .arg(playback_ ? playback_->position() : 0)
                                     .arg(solution_->moves.size())
                                     .arg(playback_ && playback_->game().finished() ? QStringLiteral(" – geschafft!") : QString()));
}

void SolutionPanel::showMoves()
{
    const std::string moves = fits() ? solution_->moves : std::string();
    if (moves != stripMoves_) {
        strip_->clear();
        for (std::size_t i = 0; i < moves.size(); ++i) {
            auto* item = new QListWidgetItem(arrow(moves[i]), strip_);
            item->setTextAlignment(Qt::AlignCenter);
            item->setToolTip(QStringLiteral("Zug %1: %2").arg(i + 1).arg(direction(moves[i])));
            item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
        }
        stripMoves_ = moves;
        stripPosition_ = 0;
    }
    const std::size_t position = playback_ ? playback_->position() : 0;
    // Only the arrows from the one marked before to the one marked now change: a long solution plays smoothly.
    const std::size_t low = std::min(position, stripPosition_), high = std::min(std::max(position, stripPosition_), moves.size());
    for (std::size_t i = low > 0 ? low - 1 : 0; i < high; ++i) {
        QListWidgetItem* item = strip_->item(int(i));
        const bool last = i + 1 == position;
        QFont font = item->font();
        font.setBold(last);
        item->setFont(font);
        item->setBackground(last ? palette().brush(QPalette::Active, QPalette::Highlight) : QBrush());
        item->setForeground(last ? palette().brush(QPalette::Active, QPalette::HighlightedText)
                            : i < position ? palette().brush(QPalette::Active, QPalette::Text)
                                           : palette().brush(QPalette::Disabled, QPalette::Text));
    }
    stripPosition_ = position;
    if (position > 0)
        strip_->scrollToItem(strip_->item(int(position) - 1));
}

} // namespace zorvik::studio
