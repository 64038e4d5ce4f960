// SPDX-License-Identifier: GPL-3.0-or-later
// The solution panel: the search on its thread, the playback on the board and the solution file.
#include "solution_panel.h"

#include "board_view.h"
#include "board_window.h"
#include "level_document.h"
#include "levels/file_access.h"
#include "levels/level_check.h"
#include "solve_run.h"
#include "studio/level_formats.h"
#include "studio/level_play.h"
#include "studio_dialogs.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>

namespace zorvik::studio {

namespace {

// Long enough to follow each move, short enough to watch a few hundred.
constexpr int kPlaybackStepMs = 140;
constexpr int kDefaultSeconds = 60;

QString number(std::size_t value) { return QLocale(QLocale::German).toString(qulonglong(value)); }

QString seconds(std::chrono::milliseconds time) { return QLocale(QLocale::German).toString(time.count() / 1000.0, 'f', 1) + " s"; }

QString megabytes(std::size_t bytes) { return QLocale(QLocale::German).toString(bytes / 1048576.0, 'f', 1) + " MB"; }

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
      progress_(new QLabel(this)), result_(new QLabel(this)), position_(new QLabel(this))
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
    layout->addLayout(controls, 4, 0, 1, 3);
    layout->addWidget(position_, 5, 0, 1, 3);
    auto* saveButton = new QToolButton(this);
    saveButton->setDefaultAction(save_);
    saveButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    layout->addWidget(saveButton, 6, 0, 1, 3);
    layout->setRowStretch(7, 1);

    connect(searchButton_, &QPushButton::clicked, this, [this] { searching() ? stopSearch() : startSearch(); });
    connect(solve_, &QAction::triggered, this, &SolutionPanel::startSearch);
    connect(cancel_, &QAction::triggered, this, &SolutionPanel::stopSearch);
    connect(save_, &QAction::triggered, this, &SolutionPanel::saveSolution);
    connect(first_, &QAction::triggered, this, [this] { seek(0); });
    connect(back_, &QAction::triggered, this, [this] { seek(playback_ && playback_->position() > 0 ? playback_->position() - 1 : 0); });
    connect(forward_, &QAction::triggered, this, [this] { seek(playback_ ? playback_->position() + 1 : 1); });
    connect(last_, &QAction::triggered, this, [this] { seek(std::string::npos); });
    connect(play_, &QAction::triggered, this, &SolutionPanel::playOrPause);
    playTimer_.setInterval(kPlaybackStepMs);
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

std::string SolutionPanel::moves() const { return fits() ? solution_->moves : std::string(); }

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
    run_ = new SolveRun(document_.text(), std::chrono::seconds(seconds_->value()), this);
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
        note_ = QStringLiteral("Keine Lösung: keine der %1 Stellungen, die der Wurm erreichen kann, beendet das Level.")
                    .arg(number(result.positions));
        break;
    case Outcome::OutOfTime:
        note_ = QStringLiteral("In der Zeit wurde keine Lösung gefunden.");
        break;
    case Outcome::OutOfMemory:
        note_ = QStringLiteral("Der Speicher war voll, bevor eine Lösung gefunden wurde.");
        break;
    case Outcome::Cancelled:
        note_ = QStringLiteral("Die Suche wurde abgebrochen.");
        break;
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
                                      : QFile::decodeName(solutionFile(QFile::encodeName(document_.path()).toStdString()).c_str());
}

void SolutionPanel::loadSavedSolution()
{
    // A level opened with its solution beside it can be played back at once, if the moves still finish it.
    if (fits() || document_.path().isEmpty())
        return;
    const auto saved = readSolution(solutionFile(QFile::encodeName(document_.path()).toStdString()));
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
    if (!fits())
        return;
    const std::string moves = solution_->moves;
    if ((document_.path().isEmpty() || document_.isModified()) && !saveLevel_())
        return;
    if (!fits())
        return;  // saving changed nothing of the level, but a failure may have
    const std::filesystem::path file = solutionFile(QFile::encodeName(document_.path()).toStdString());
    try {
        writeSolution(file, moves);
    } catch (const FileError& failure) {
        dialogs_.message(this, QStringLiteral("Die Lösung ließ sich nicht speichern (%1).").arg(QString::fromUtf8(failure.what())));
        return;
    }
    solution_->savedAs = QFile::decodeName(file.c_str());
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

    const bool usable = fits();
    for (QAction* each : playbackActions())
        each->setEnabled(usable);
    save_->setEnabled(usable);
    const bool playing = playTimer_.isActive();
    play_->setText(playing ? QStringLiteral("Anhalten") : QStringLiteral("Lösung a&bspielen"));
    play_->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));

    if (usable) {
        const bool besideLevel = !solution_->savedAs.isEmpty() && solution_->savedAs == solutionFileOfLevel();
        const QString savedName = QFileInfo(solution_->savedAs).fileName();
        QString about = solution_->about;
        if (solution_->loaded && !besideLevel)
            about = QStringLiteral("Lösung aus „%1“").arg(savedName);
        else if (!solution_->loaded && besideLevel)
            about = QStringLiteral("Gespeichert als „%1“").arg(savedName);
        result_->setText(QStringLiteral("%1: %2 Züge").arg(about).arg(solution_->moves.size()));
    } else if (!note_.isEmpty() || !solution_) {
        result_->setText(note_);
    } else {
        result_->setText(QStringLiteral("Die Lösung gehört zu einer anderen Fassung des Levels; „Lösen“ sucht eine neue."));
    }
    position_->setText(!usable ? QString()
                               : QStringLiteral("Zug %1 von %2%3")
                                     .arg(playback_ ? playback_->position() : 0)
                                     .arg(solution_->moves.size())
                                     .arg(playback_ && playback_->game().finished() ? QStringLiteral(" – geschafft!") : QString()));
}

} // namespace zorvik::studio
