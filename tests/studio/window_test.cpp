// SPDX-License-Identifier: GPL-3.0-or-later
// The studio driven as a designer would, offscreen: undo, painting and saving a level in the game's format,
// drawing tools, the selection and the clipboard, opening a grid with a problem marked, playing the level,
// solving it in the background, and the folder's levels listed, reordered, copied and opened.
#include "board_view.h"
#include "edit_tools.h"
#include "help_dialog.h"
#include "level_document.h"
#include "levels/file_access.h"
#include "model/null_window.h"
#include "pack_view.h"
#include "play_dialog.h"
#include "solution_panel.h"
#include "studio/level_play.h"
#include "studio/recovery.h"
#include "studio/solution_cache.h"
#include "studio/test_play.h"
#include "studio_dialogs.h"
#include "studio_window.h"
#include "support/test_game.h"
#include "screen/unix_signals.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace zorvik::testing {
namespace {

using studio::StudioDialogs;

struct ScriptedDialogs : StudioDialogs {
    QString file;  // what either file chooser answers
    std::optional<int> side;
    Recovery recovery = Recovery::Later;
    std::vector<QString> messages, recoveriesOffered;
    QString openFileName(QWidget*, const QString&) override { return file; }
    QString saveFileName(QWidget*, const QString&) override { return file; }
    Answer unsavedChanges(QWidget*, const QString&) override { return Answer::Cancel; }
    void message(QWidget*, const QString& text) override { messages.push_back(text); }
    std::optional<int> boardSide(QWidget*, int, int) override { return side; }
    Recovery recoveryFound(QWidget*, const QString& name, const QDateTime&) override
    {
        recoveriesOffered.push_back(name);
        return recovery;
    }
    QString folderName(QWidget*, const QString&) override { return file; }
    bool renames = false;  // the answer to a list of renames
    std::vector<QStringList> renamesAsked;
    bool confirmRenames(QWidget*, const QStringList& list) override
    {
        renamesAsked.push_back(list);
        return renames;
    }
    std::optional<QString> levelName(QWidget*, const QString&) override { return file; }
};

struct Studio : ::testing::Test {
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<studio::StudioWindow> window;

    Studio()
    {
        static int argc = 1;
        static char* argv[] = {const_cast<char*>("zorvik_studio_tests"), nullptr};
        if (QApplication::instance() == nullptr)
            new QApplication(argc, argv);
        ::setenv("XDG_STATE_HOME", folder.filePath("state").toLocal8Bit().constData(), 1);  // recovery copies stay here
        ::setenv("XDG_CACHE_HOME", folder.filePath("cache").toLocal8Bit().constData(), 1);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.filePath("config"));
        startAgain();
    }
    // The studio started afresh, as after the end of a session.
    void startAgain()
    {
        window.reset();
        window = std::make_unique<studio::StudioWindow>(dialogs);
        window->show();
    }
    std::string file(const char* name) const { return folder.filePath(name).toStdString(); }
    // Shortcuts reach the active window only; offscreen, nothing activates it again after a dialog.
    void keys(QKeySequence keys)
    {
        QApplication::setActiveWindow(window.get());
        QTest::keySequence(window.get(), keys);
    }
    QPoint centre(int cell) const { return window->board()->cellRect(cell).center().toPoint(); }
    std::string text() const { return window->document().text(); }
    void drag(int from, int to, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(window->board(), button, {}, centre(from));
        QTest::mouseMove(window->board(), centre(to));
        QTest::mouseRelease(window->board(), button, {}, centre(to));
    }
    void open(const std::string& levelText)
    {
        saveFile(file("L.ZVK"), levelText + "\r\n");
        ASSERT_TRUE(window->openFile(folder.filePath("L.ZVK")));
    }
    studio::Region selection() const { return window->editTools()->selection(); }
    std::string recoveryCopy() const
    {
        return readFileStart(studio::recoveryFile(folder.filePath("state/zorvik").toStdString(), ::getpid()), 1000);
    }
    // What the solution panel says just now, every line of it.
    QString solutionSays() const
    {
        QStringList lines;
        for (const QLabel* label : window->solution()->findChildren<QLabel*>())
            if (label->isVisibleTo(window->solution()) && !label->text().isEmpty() && label->text() != "Höchstens")
                lines << label->text();
        return lines.join('\n');
    }
};

TEST_F(Studio, APaintedLevelIsSavedInTheGamesOwnFormat)
{
    dialogs.side = 3;
    keys(Qt::CTRL | Qt::Key_G);
    keys(Qt::Key_2);  // dots: a drag along the top row, the cell between filled in
    QTest::mousePress(window->board(), Qt::LeftButton, {}, centre(0));
    QTest::mouseMove(window->board(), centre(2));
    QTest::mouseRelease(window->board(), Qt::LeftButton, {}, centre(2));
    // The drag is one step to undo, and the new size the step before it.
    keys(QKeySequence::Undo);
    EXPECT_EQ(toUtf8(text()), "    ö    ");
    keys(QKeySequence::Undo);
    EXPECT_EQ(window->document().side(), 9);
    // Redo answered neither Ctrl+Y nor Ctrl+Shift+Z where the desktop's redo binding is Ctrl+Y.
    keys(Qt::CTRL | Qt::Key_Y);
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(toUtf8(text()), "... ö    ");
    keys(Qt::Key_5);  // the head moves
    QTest::mouseClick(window->board(), Qt::LeftButton, {}, centre(3));
    dialogs.file = folder.filePath("A");
    keys(QKeySequence::Save);
    EXPECT_EQ(readFileStart(file("A.ZVK"), 100), "...\xF6     \r\n");
    EXPECT_FALSE(window->isWindowModified());
    // A file that cannot be read leaves the level and where it is saved as they were.
    dialogs.file = folder.filePath("none.ZVK");
    keys(QKeySequence::Open);
    EXPECT_EQ(std::tuple(dialogs.messages.size(), window->document().path()), std::tuple(1u, folder.filePath("A.ZVK")));

    // The game plays the saved level: up, along the dots, and on to the next level without a death.
    saveFile(file("B.ZVK"), "\xF6.\r\n");
    NullWindow screen;
    CountingGame game(screen, folder.path().toStdString());
    game.Form_load();
    play(game, "URR");
    EXPECT_EQ(std::tuple(game.LevelNr, game.calls["Tot"]), std::tuple(1, 0));
}

TEST_F(Studio, ToolsDrawTheirShapesEachOneStepToUndo)
{
    open(level({"     ", "     ", "  ö  ", "     ", "     "}));
    keys(Qt::Key_R);  // a rectangle of walls round the board
    drag(0, 24);
    EXPECT_EQ(text(), level({"#####", "#   #", "# ö #", "#   #", "#####"}));
    keys(Qt::Key_L);  // a line of dots, then the right button draws empty cells
    keys(Qt::Key_2);
    drag(6, 8);
    drag(1, 3, Qt::RightButton);
    EXPECT_EQ(text(), level({"#   #", "#...#", "# ö #", "#   #", "#####"}));
    keys(Qt::Key_F);  // a click fills the empty cells that touch, not the worm
    keys(Qt::Key_3);
    drag(16, 16);
    EXPECT_EQ(text(), level({"#   #", "#...#", "#,ö,#", "#,,,#", "#####"}));
    keys(QKeySequence::Undo);
    keys(QKeySequence::Undo);
    EXPECT_EQ(text(), level({"#####", "#...#", "# ö #", "#   #", "#####"}));
    keys(Qt::Key_G);  // a filled rectangle, the pen tool painting cell by cell as before
    drag(16, 18);
    keys(Qt::Key_S);
    drag(11, 11);
    EXPECT_EQ(text(), level({"#####", "#...#", "#,ö #", "#,,,#", "#####"}));
}

TEST_F(Studio, ASelectionIsCopiedMovedCutAndPasted)
{
    open(level({"ab   ", "cd   ", "     ", "     ", "  öoo"}));
    keys(Qt::Key_A);
    drag(0, 6);
    EXPECT_EQ(selection(), (studio::Region{0, 0, 2, 2}));
    keys(Qt::CTRL | Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), "ab\ncd\n");
    // Dragged from inside, the selection moves, held on the board, and stays selected.
    drag(0, 9);
    EXPECT_EQ(text(), level({"     ", "   ab", "   cd", "     ", "  öoo"}));
    EXPECT_EQ(selection(), (studio::Region{3, 1, 2, 2}));
    keys(Qt::CTRL | Qt::Key_X);
    EXPECT_EQ(text(), level({"     ", "     ", "     ", "     ", "  öoo"}));
    keys(QKeySequence::Undo);
    EXPECT_EQ(text(), level({"     ", "   ab", "   cd", "     ", "  öoo"}));
    // A click lets go of the selection; a paste goes under the pointer and is selected.
    drag(10, 10);
    EXPECT_TRUE(selection().empty());
    QTest::mouseMove(window->board(), centre(10));
    keys(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(text(), level({"     ", "   ab", "ab cd", "cd   ", "  öoo"}));
    EXPECT_EQ(selection(), (studio::Region{0, 2, 2, 2}));
}

TEST_F(Studio, MirroringAndRotatingKeepTheWormOrSayWhyNot)
{
    open(level({"öoo", "#.#", "..."}));
    keys(Qt::CTRL | Qt::Key_R);
    EXPECT_EQ(text(), level({".#.", "öoo", ".#."}));
    // A selection turns alone; one that cuts the worm in two changes nothing and says why.
    keys(Qt::Key_A);
    drag(3, 4);
    keys(Qt::CTRL | Qt::Key_M);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Der Wurm liegt nur zum Teil in der Auswahl")) << dialogs.messages[0].toStdString();
    drag(6, 7);
    keys(Qt::CTRL | Qt::Key_M);
    EXPECT_EQ(text(), level({".#.", "öoo", "#.."}));
    keys(QKeySequence::Undo);
    keys(QKeySequence::Undo);
    EXPECT_TRUE(text() == level({"öoo", "#.#", "..."}) && !window->isWindowModified());
}

TEST_F(Studio, TheLevelGoesToTheClipboardAsOneLineAndComesBackFromIt)
{
    open(kDemoLevel);
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), toUtf8(kDemoLevel));
    keys(Qt::CTRL | Qt::Key_V);  // not pasted as a row of 49 cells
    EXPECT_EQ(text(), kDemoLevel);
    // Text that is no level says why and changes nothing.
    QApplication::clipboard()->setText("Hallo, hier ist mein Level:");
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(std::tuple(text(), window->document().path()), std::tuple(kDemoLevel, folder.filePath("L.ZVK")));
    // Rows as a chat shows them, the "ö" in decomposed form, open as a new level not yet saved.
    QApplication::clipboard()->setText(QString::fromUtf8("\n o\xCC\x88o\n...\n"));
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    EXPECT_EQ(std::tuple(text(), window->document().path()), std::tuple(level({" öo", "...", "   "}), QString()));
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(Studio, OpensAGridAndMarksTheCellsOfTheProblemChosen)
{
    saveFile(file("grid.txt"), "\xC3\xB6o#.\n..#.\n###.\n...#\n");
    dialogs.file = folder.filePath("grid.txt");
    keys(QKeySequence::Open);
    EXPECT_EQ(text(), level({"öo#.", "..#.", "###.", "...#"}));
    ASSERT_EQ(window->problems()->count(), 1);
    EXPECT_TRUE(window->problems()->item(0)->text().startsWith("6 Punkte, die der Wurm nie erreicht, eingemauert: Zeile 1, Spalte 4"));
    window->problems()->setCurrentRow(0);
    EXPECT_EQ(window->board()->markedCells(), (std::vector<int>{3, 7, 11, 12, 13, 14}));
    const QImage shown = window->board()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(window->board()->cellRect(3).topLeft().toPoint() + QPoint(2, 2)), QColor(255, 40, 200));
    // An unsaved change stays when the designer cancels the question about it.
    window->document().resize(5);
    keys(QKeySequence::Open);
    EXPECT_TRUE(window->document().side() == 5 && !window->close());
}

TEST_F(Studio, SolvesTheLevelInTheBackgroundAndPlaysTheSolutionBack)
{
    saveFile(file("A.ZVK"), "...\xF6     \r\n");
    ASSERT_TRUE(window->openFile(folder.filePath("A.ZVK")));
    keys(Qt::CTRL | Qt::Key_L);
    studio::SolutionPanel& solution = *window->solution();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !solution.searching(); }, 30000));
    ASSERT_TRUE(studio::finishes(text(), solution.moves()));
    keys(Qt::CTRL | Qt::Key_Right);
    ASSERT_NE(solution.playback(), nullptr);
    EXPECT_EQ(solution.playback()->position(), 1u);
    // One arrow a move; a click on one shows the board after it.
    QListWidget& strip = *solution.moveStrip();
    ASSERT_EQ(std::size_t(strip.count()), solution.moves().size());
    QTest::mouseClick(strip.viewport(), Qt::LeftButton, {}, strip.visualItemRect(strip.item(2)).center());
    EXPECT_EQ(solution.playback()->position(), 3u);
    keys(Qt::CTRL | Qt::Key_Home);
    EXPECT_EQ(solution.playback()->position(), 0u);
    keys(Qt::CTRL | Qt::Key_End);
    EXPECT_TRUE(solution.playback()->game().finished());
    // A new size draws the same move afresh at the new cell size.
    const double cell = solution.playback()->game().Zellgroesse;
    window->resize(window->width() - 200, window->height() - 200);
    EXPECT_TRUE(QTest::qWaitFor([&] { return solution.playback()->game().Zellgroesse != cell; }));
    EXPECT_TRUE(solution.playback()->game().finished());
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_L);
    EXPECT_EQ(readFileStart(file("A.solution"), 100), solution.moves() + "\n");

    // The pace of "Abspielen" is the designer's, and kept for the next session.
    solution.speedControl()->setValue(20);
    EXPECT_EQ(solution.playTimer().interval(), 50);
    startAgain();
    EXPECT_EQ(std::pair(window->solution()->speedControl()->value(), window->solution()->playTimer().interval()), std::pair(20, 50));
}

// A search that finds nothing says why and plays back the furthest it got, which is no solution to save.
TEST_F(Studio, AFailedSearchSaysWhyAndPlaysBackTheFurthestItGot)
{
    // Two dots each way along a corridor: once the left ones are eaten, the worm cannot turn back.
    saveFile(file("A.ZVK"), std::string(9 * 4, '#') + ".. \xF6oo .." + std::string(9 * 4, '#') + "\r\n");
    ASSERT_TRUE(window->openFile(folder.filePath("A.ZVK")));
    studio::SolutionPanel& solution = *window->solution();
    keys(Qt::CTRL | Qt::Key_L);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !solution.searching(); }, 30000));
    EXPECT_EQ(solution.summary(), "Keine Lösung – bewiesen.\nAm weitesten: 2 von 4 Punkten nach 3 Zügen");
    EXPECT_TRUE(solution.moves().empty() && !solution.saveAction()->isEnabled() && solution.moveStrip()->count() == 3);
    keys(Qt::CTRL | Qt::Key_End);
    ASSERT_NE(solution.playback(), nullptr);
    const auto& game = solution.playback()->game();
    EXPECT_EQ(std::tuple(solution.playback()->position(), int(game.RestPunkte), game.finished(), game.Laenge),
              std::tuple(std::size_t(3), 2, false, Whole(4)));

    // Cancelled at once on a board of 330 dots: it says so, and how far it got.
    std::string dense(400, '.');
    for (std::size_t i = 0; i < dense.size(); i += 6)
        dense[i] = ' ';
    saveFile(file("B.ZVK"), dense.replace(190, 3, "\xF6oo") + "\r\n");
    ASSERT_TRUE(window->openFile(folder.filePath("B.ZVK")));
    keys(Qt::CTRL | Qt::Key_L);
    keys(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !solution.searching(); }, 30000));
    EXPECT_TRUE(solution.summary().startsWith("Abgebrochen nach ") && solution.summary().contains("\nAm weitesten: ") &&
                solution.summary().contains(" von 331 Punkten"))
        << solution.summary().toStdString();
}

// Guards against a held key moving the worm on after its release, and presses lost while a move is shown.
TEST_F(Studio, PlayTakesKeysAsTheGameDoesWhileAMoveIsShown)
{
    saveFile(file("A.ZVK"), level({".    ", "     ", "   \xF6o", "     ", "     "}) + "\r\n");
    ASSERT_TRUE(window->openFile(folder.filePath("A.ZVK")));
    ::setenv("ZORVIK_NO_PACING", "0", 1);
    keys(Qt::Key_F5);
    ::setenv("ZORVIK_NO_PACING", "1", 1);
    auto* play = window->findChild<studio::PlayDialog*>();
    ASSERT_TRUE(play);
    auto left = [&](QEvent::Type type, bool repeated) {
        QKeyEvent key(type, Qt::Key_Left, Qt::NoModifier, QString(), repeated);
        QCoreApplication::sendEvent(play, &key);
        return play->game().WurmX[0];
    };
    std::vector<Whole> x{left(QEvent::KeyPress, false), left(QEvent::KeyPress, true), left(QEvent::KeyRelease, false)};
    EXPECT_TRUE(QTest::qWaitFor([&] { return !play->view()->screen().frameShow().active(); }));
    x.push_back(left(QEvent::KeyPress, false));
    x.push_back(left(QEvent::KeyPress, false));
    EXPECT_EQ(x, (std::vector<Whole>{3, 3, 3, 2, 1}));
    // Escape ends the play; playing leaves the level as it was.
    QTest::keyClick(play, Qt::Key_Escape);
    EXPECT_FALSE(play->isVisible() || window->isWindowModified());
}

// Test play counts the moves the game makes, stays on the finished board, takes moves back and keeps its size.
TEST_F(Studio, TestPlayCountsMovesAndStaysOnTheFinishedBoardAtItsSize)
{
    open(level({"#..", "ö  ", "   "}));
    keys(Qt::CTRL | Qt::Key_L);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->solution()->searching(); }, 30000));
    auto playing = [&] {
        keys(Qt::Key_F5);
        for (auto* dialog : window->findChildren<studio::PlayDialog*>())
            if (dialog->isVisible())
                return dialog;
        return static_cast<studio::PlayDialog*>(nullptr);
    };
    studio::PlayDialog* play = playing();
    ASSERT_TRUE(play);
    play->resize(520, 400);
    for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Right, Qt::Key_Up, Qt::Key_Right, Qt::Key_Right})  // a wall first
        QTest::keyClick(play, key);
    EXPECT_EQ(std::tuple(play->play().moves(), play->game().finished(), play->state().toStdString(), play->size()),
              std::tuple(std::size_t(3), true, std::string("Geschafft in 3 Zügen (kürzeste bekannte Lösung: 3)"), QSize(520, 400)));
    // A new size draws the same moves afresh: the designer's play is not lost.
    const double cell = play->game().Zellgroesse;
    play->resize(600, 560);
    EXPECT_TRUE(QTest::qWaitFor([&] { return play->game().Zellgroesse != cell; }));
    EXPECT_EQ(std::tuple(play->play().moves(), play->game().finished()), std::tuple(std::size_t(3), true));
    QTest::keyClick(play, Qt::Key_Backspace);
    EXPECT_EQ(std::tuple(play->play().moves(), play->game().finished(), int(play->game().RestPunkte)), std::tuple(std::size_t(2), false, 1));
    QTest::keyClick(play, Qt::Key_F5);
    EXPECT_EQ(std::tuple(play->play().moves(), int(play->game().RestPunkte)), std::tuple(std::size_t(0), 2));
    QTest::keyClick(play, Qt::Key_Escape);
    play = playing();
    ASSERT_TRUE(play);
    EXPECT_EQ(play->size(), QSize(600, 560));
}

// A session that ended (SIGTERM, SIGHUP) closed the studio without a question and the edits were lost.
TEST_F(Studio, EditsLeftUnsavedWhenTheSessionEndsAreKeptAndOfferedAtTheNextStart)
{
    saveFile(file("A.ZVK"), "...\xF6     \r\n");
    ASSERT_TRUE(window->openFile(folder.filePath("A.ZVK")));
    window->document().resize(5);
    const std::string edited = text();
    {
        UnixSignals endSignals;
        QObject::connect(&endSignals, &UnixSignals::received, window.get(), &studio::StudioWindow::endSession);
        ::raise(SIGTERM);
        // The scripted question would cancel the close: the window goes without asking.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }));
    }
    EXPECT_EQ(recoveryCopy(), edited + "\r\n" + file("A.ZVK") + "\r\n");

    // Offered at each start until the designer decides.
    startAgain();
    window->offerRecovery();
    dialogs.recovery = StudioDialogs::Recovery::Restore;
    startAgain();
    window->offerRecovery();
    EXPECT_EQ(dialogs.recoveriesOffered, (std::vector<QString>{"A.ZVK", "A.ZVK"}));
    EXPECT_TRUE(text() == edited && window->isWindowModified() && window->document().path() == folder.filePath("A.ZVK"));
    keys(QKeySequence::Undo);  // back to the file as it is saved
    EXPECT_EQ(window->document().side(), 3);
    keys(QKeySequence::Redo);
    keys(QKeySequence::Save);
    EXPECT_THROW(recoveryCopy(), FileError);

    // A copy written a few seconds after an edit of a level never saved; declined, it goes.
    window->document().resize(4);
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(studio::recoveryFile(folder.filePath("state/zorvik").toStdString(), ::getpid())); }, 10000));
    dialogs.recovery = StudioDialogs::Recovery::Discard;
    startAgain();
    window->offerRecovery();
    EXPECT_EQ(dialogs.recoveriesOffered.size(), 3u);
    EXPECT_THROW(recoveryCopy(), FileError);
    EXPECT_FALSE(window->isWindowModified());
}

// After Neu, Öffnen or Speichern unter, the solution panel still showed the last level's figures, verdict and file.
TEST_F(Studio, TheSolutionPanelShowsTheLevelInTheWindowAndNothingElse)
{
    saveFile(file("A.ZVK"), "...\xF6     \r\n");
    saveFile(file("C.ZVK"), level({"\xF6  ", "   ", "   "}) + "\r\n");  // no dots: never searched
    ASSERT_TRUE(window->openFile(folder.filePath("A.ZVK")));
    studio::SolutionPanel& solution = *window->solution();
    keys(Qt::CTRL | Qt::Key_L);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !solution.searching(); }, 30000));
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_L);
    EXPECT_TRUE(solutionSays().contains("Gespeichert als „A.solution“")) << solutionSays().toStdString();
    dialogs.file = folder.filePath("B.ZVK");
    window->saveAs();
    EXPECT_TRUE(solutionSays().contains("Kürzeste Lösung") && !solutionSays().contains("A.solution")) << solutionSays().toStdString();
    EXPECT_FALSE(solution.moves().empty());  // the same level still

    ASSERT_TRUE(window->openFile(folder.filePath("C.ZVK")));
    EXPECT_EQ(solutionSays(), "");
    ASSERT_TRUE(window->openFile(folder.filePath("A.ZVK")));
    EXPECT_TRUE(solutionSays().startsWith("Gespeicherte Lösung")) << solutionSays().toStdString();
    // A search still running for the level that was in the window is dropped.
    keys(Qt::CTRL | Qt::Key_L);
    keys(QKeySequence::New);
    EXPECT_FALSE(solution.searching());
    QTest::qWait(100);
    EXPECT_EQ(solutionSays(), "");
}

TEST_F(Studio, TheHelpMenuHasTheRulesEveryKeyTheActionsHaveAndWhatTheStudioIs)
{
    keys(QKeySequence::HelpContents);
    auto* help = window->findChild<studio::HelpDialog*>();
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_EQ(help->pages()->tabText(help->pages()->currentIndex()), "Regeln");
    const QString rules = help->findChild<QTextBrowser*>()->toPlainText();
    for (const char* topic : {"Mauer", "Punkt", "Halbierer", "Schere", "Wachsen", "Halbieren", "Schneiden", "Umkehren", "Tod"})
        EXPECT_TRUE(rules.contains(QString::fromUtf8(topic))) << topic;

    QMenu* menu = nullptr;
    for (QAction* each : window->menuBar()->actions())
        if (each->text() == "&Hilfe")
            menu = each->menu();
    ASSERT_TRUE(menu);
    QStringList pages;
    for (QAction* each : menu->actions()) {
        each->trigger();
        pages << help->pages()->tabText(help->pages()->currentIndex());
    }
    EXPECT_EQ(pages, QStringList({"Regeln", "Tastenkürzel", "Über"}));
    const QString about = qobject_cast<QLabel*>(help->pages()->currentWidget())->text();
    EXPECT_TRUE(about.contains(ZORVIK_VERSION) && about.contains("GPL-3.0-or-later"));

    // Every action of the window that has keys, with those keys, and nothing else.
    QMultiMap<QString, QString> bound, listed;
    for (const QAction* action : window->findChildren<QAction*>())
        for (const QKeySequence& keys : action->shortcuts())
            bound.insert(keys.toString(QKeySequence::NativeText), action->iconText().remove(QString::fromUtf8(" …")));
    const QTableWidget* table = help->keys();
    for (int row = 0; row < table->rowCount(); ++row)
        for (const QString& keys : table->item(row, 1)->text().split(", "))
            listed.insert(keys, table->item(row, 0)->text());
    EXPECT_EQ(listed, bound);
    EXPECT_GT(table->rowCount(), 20);
}

// The studio over a folder of three levels: "b" and "C" unsolved, "A" with a search's result kept.
struct PackStudio : Studio {
    const std::string a = level({"öo.", "...", "..."}), b = level({"ö..", "...", "..."}), c = level({"ö..", "...", ".#."});
    PackStudio()
    {
        QDir(folder.path()).mkdir("pack");
        saveFile(file("pack/b.ZVK"), b + "\r\n");
        saveFile(file("pack/A.ZVK"), a + "\r\n");
        saveFile(file("pack/C.zvk"), level({"ö.", "o."}) + "\r\n");  // the body out of the row: an error
        ::setenv("ZORVIK_LEVEL_FOLDER", folder.filePath("pack").toLocal8Bit().constData(), 1);
        QDir(folder.path()).mkdir("data");
        ::setenv("XDG_DATA_HOME", folder.filePath("data").toLocal8Bit().constData(), 1);  // its trash
        studio::SolutionCache cache(QStandardPaths::writableLocation(QStandardPaths::CacheLocation).toStdString() + "/solutions");
        cache.put(a, {studio::KnownSolution::State::Shortest, 3});
        cache.save();
        startAgain();
    }
    ~PackStudio() override { ::unsetenv("ZORVIK_LEVEL_FOLDER"); }
    QListWidget* list() const { return window->pack()->list(); }
    QStringList rows() const
    {
        QStringList out;
        for (int row = 0; row < list()->count(); ++row)
            out << list()->item(row)->text().replace('\n', " | ");
        return out;
    }
    QStringList files() const { return QDir(folder.filePath("pack")).entryList(QDir::Files, QDir::Name); }
};

TEST_F(PackStudio, ListsTheFolderInTheGamesOrderWithItsChecksAndTheLengthsKnownAtOnce)
{
    EXPECT_EQ(rows(), QStringList({"1. A | 3 Züge, kürzeste", "2. b | …", "3. C | keine Suche: Fehler"}));
    EXPECT_EQ(list()->item(2)->data(studio::PackView::CheckRole), 2);
    EXPECT_TRUE(list()->item(2)->toolTip().startsWith("Fehler: ")) << list()->item(2)->toolTip().toStdString();

    // The background search takes the one level without a result, and keeps what it found.
    QSignalSpy searched(window->pack(), &studio::PackView::searched);
    window->pack()->setSearchDelay(0);
    window->pack()->refresh();
    ASSERT_TRUE(searched.wait(20000));
    EXPECT_TRUE(rows()[1].contains("Züge, kürzeste")) << rows()[1].toStdString();
    const studio::SolutionCache kept(QStandardPaths::writableLocation(QStandardPaths::CacheLocation).toStdString() + "/solutions");
    EXPECT_EQ(kept.find(b)->state, studio::KnownSolution::State::Shortest);

    // The editor shows a level in the colours of any place without changing it.
    ASSERT_TRUE(window->openFile(folder.filePath("pack/A.ZVK")));
    const QImage own = window->board()->grab().toImage();
    window->colourPlace()->setValue(2);
    EXPECT_NE(window->board()->grab().toImage(), own);
    EXPECT_FALSE(window->document().isModified());
    window->colourPlace()->setValue(1);  // A's own place
    EXPECT_EQ(window->board()->grab().toImage(), own);
}

TEST_F(PackStudio, ALevelDroppedElsewhereRenamesTheFolderAfterAYesAndTheEditorFollows)
{
    ASSERT_TRUE(window->openFile(folder.filePath("pack/A.ZVK")));
    saveFile(file("pack/A.solution"), "LL\n");
    // C dropped on the upper half of the first row goes first; on the lower half of the first row, second.
    const QRect first = window->pack()->list()->visualItemRect(list()->item(0));
    EXPECT_EQ(window->pack()->list()->rowAfterDrop(2, first.center() - QPoint(0, 5)), 0);
    EXPECT_EQ(window->pack()->list()->rowAfterDrop(2, first.center() + QPoint(0, 5)), 1);
    EXPECT_EQ(window->pack()->list()->rowAfterDrop(0, first.center() + QPoint(0, 500)), 2);
    window->pack()->moveLevel(2, 0);
    ASSERT_EQ(dialogs.renamesAsked.size(), 1u);
    EXPECT_EQ(dialogs.renamesAsked[0], QStringList({"C.zvk → 01 C.zvk", "A.ZVK → 02 A.ZVK", "A.solution → 02 A.solution", "b.ZVK → 03 b.ZVK"}));
    EXPECT_EQ(files(), QStringList({"A.ZVK", "A.solution", "C.zvk", "b.ZVK"}));  // no: all stays

    dialogs.renames = true;
    window->pack()->moveLevel(2, 0);
    EXPECT_EQ(files(), QStringList({"01 C.zvk", "02 A.ZVK", "02 A.solution", "03 b.ZVK"}));
    EXPECT_EQ(rows()[0], "1. 01 C | keine Suche: Fehler");
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(window->document().path(), folder.filePath("pack/02 A.ZVK"));
    EXPECT_EQ(window->document().levelNr(), 1);
}

TEST_F(PackStudio, CopiesRenamesTrashesAndOpensLevels)
{
    window->pack()->duplicateLevel(0);
    EXPECT_EQ(files(), QStringList({"A.ZVK", "A2.ZVK", "C.zvk", "b.ZVK"}));
    EXPECT_EQ(list()->currentRow(), 1);
    EXPECT_EQ(rows()[1], "2. A2 | 3 Züge, kürzeste");  // the same level, known by its text

    dialogs.file = "Zwilling";
    window->pack()->renameLevel(1);
    // Without a trash, the file stays where it is and the designer is told so.
    // (The toolkit moved the file into "files" below the working folder and called that the trash.)
    ::setenv("XDG_DATA_HOME", folder.filePath("none").toLocal8Bit().constData(), 1);
    window->pack()->trashLevel(list()->count() - 1);
    EXPECT_EQ(files(), QStringList({"A.ZVK", "C.zvk", "Zwilling.ZVK", "b.ZVK"}));
    EXPECT_TRUE(dialogs.messages.back().contains("keinen Papierkorb"));
    EXPECT_FALSE(QFileInfo::exists("files") || QFileInfo::exists("info"));
    ::setenv("XDG_DATA_HOME", folder.filePath("data").toLocal8Bit().constData(), 1);
    window->pack()->trashLevel(list()->count() - 1);
    EXPECT_EQ(files(), QStringList({"A.ZVK", "C.zvk", "b.ZVK"}));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("data/Trash/files/Zwilling.ZVK")));

    // A double click opens, after asking about unsaved changes: kept here, so nothing opens.
    auto doubleClick = [&](int row) {
        const QPoint at = list()->visualItemRect(list()->item(row)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
    };
    doubleClick(1);
    EXPECT_EQ(window->document().path(), folder.filePath("pack/b.ZVK"));
    window->document().resize(4);
    doubleClick(0);
    EXPECT_EQ(window->document().path(), folder.filePath("pack/b.ZVK"));
    EXPECT_TRUE(list()->item(1)->font().bold());
}

} // namespace
} // namespace zorvik::testing
