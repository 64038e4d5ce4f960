// The game window driven as a player would: start-up, resizing, keys, clicks, options, choosers and closing.
#include "gui_support.h"

#include "support/test_game.h"
#include "window/icon.h"
#include "window/image_window.h"
#include "window/unix_signals.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zorvik::testing {
namespace {

const char* const kDemoRows[] = {".......", ".#####.", ".öoooä.", ".#####.", ".......", ".#.#.#.", "-------"};

std::string demoText()
{
    std::string text;
    for (const char* row : kDemoRows)
        text += row;
    return text;
}

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

QString caption(GameWindow& window, Control control) { return window.control(control)->caption(); }

// A folder with the demo level in A.ZVK and a second level in B.ZVK.
struct StartedGame : ::testing::Test {
    GuiGame g;
    StartedGame()
    {
        g.writeLevel("A.ZVK", demoText());
        g.writeLevel("B.ZVK", "ö.......#");
        g.start();
    }
};

TEST(GameWindowStart, FirstStartInAnEmptyFolderWritesTheDemoLevelAndSaysSo)
{
    GuiGame g;
    bool shownBeforeMessage = true;
    g.dialogs.whileOpen = [&] { shownBeforeMessage = g.window->isVisible(); };
    g.start();
    ASSERT_EQ(g.dialogs.messages.size(), 1u);
    EXPECT_EQ(g.dialogs.messages[0].toStdString(), "Es sind keine Level vorhanden! Ich werde ein Demo-Level speichern.");
    EXPECT_FALSE(shownBeforeMessage);
    EXPECT_EQ(std::filesystem::file_size(g.folderFile("NeuesLevel.ZVK")), 51u);
    EXPECT_EQ(g.window->windowTitle().toStdString(), std::string(GameWindow::kTitle) + " / 0 Levels");
    EXPECT_EQ(caption(*g.window, Control::LevelFrame), "Level 1");
    EXPECT_EQ(caption(*g.window, Control::LevelName), "NeuesLevel");
    EXPECT_EQ(caption(*g.window, Control::SchnellFlüssig), " schnell");
    EXPECT_EQ(rows(g.game())[2], ".öoooä.");
}

TEST_F(StartedGame, CaptionCountsTheLevelsAndTheBoardIsDrawn)
{
    EXPECT_TRUE(g.dialogs.messages.empty());
    EXPECT_EQ(g.window->windowTitle().toStdString(), std::string(GameWindow::kTitle) + " / 2 Levels");
    EXPECT_EQ(caption(*g.window, Control::LevelName), "A");
    // The head's cell shows the head's colour, a wall cell is not background.
    EXPECT_EQ(g.colourAt(g.cellCentre(2, 3)), g.game().SegmentFarbe[0]);
    EXPECT_NE(g.colourAt(g.cellCentre(0, 0)), kBackground);
}

TEST_F(StartedGame, FramesStayAtTheRightEdgeAndTheWindowKeepsItsMinimumSize)
{
    GameWindow& w = *g.window;
    auto expectFramesAtRightEdge = [&] {
        for (Control frame : {Control::WurmFrame, Control::LevelFrame})
            EXPECT_EQ(w.control(frame)->geometry().right(), w.width() - 1);
        EXPECT_EQ(w.control(Control::WurmFrame)->geometry(), QRect(w.width() - 153, 0, 153, 97));
        EXPECT_EQ(w.control(Control::LevelFrame)->geometry(), QRect(w.width() - 153, 96, 153, 145));
    };
    expectFramesAtRightEdge();

    w.resize(900, 500);
    w.runPendingResize();
    expectFramesAtRightEdge();
    EXPECT_EQ(g.game().Zellgroesse, 833);  // Int(500 * 15 / 9): the height limits the board now

    w.resize(100, 100);
    w.runPendingResize();
    // The minimum is the outer size, frame included.
    EXPECT_GE(w.frameGeometry().width() * 15, 6015);
    EXPECT_GE(w.frameGeometry().height() * 15, 4020);
    EXPECT_EQ(w.minimumSize() + (w.frameGeometry().size() - w.size()), QSize(401, 268));
    expectFramesAtRightEdge();
}

TEST_F(StartedGame, DraggedBorderRestartsTheLevelOnceAtTheFinalSize)
{
    QTest::mouseClick(g.window.get(), Qt::LeftButton, {}, g.cellCentre(2, 2));  // an edit a restart would undo
    for (int step = 0; step < 20; ++step)
        g.window->resize(500 + 10 * step, 320 + 5 * step);
    QCoreApplication::processEvents();
    EXPECT_NE(g.game().Spielfeld, g.game().LevelText);
    g.window->runPendingResize();
    EXPECT_EQ(g.game().Spielfeld, g.game().LevelText);
    EXPECT_EQ(g.game().Zellgroesse, 691);  // Int(415 * 15 / 9): the last size, whose height limits the board
}

TEST_F(StartedGame, ArrowKeyMovesTheHeadOnThePicture)
{
    const QPoint ahead = g.cellCentre(1, 3);
    const Colour head = g.game().SegmentFarbe[0];
    ASSERT_NE(g.colourAt(ahead), head);
    QTest::keyClick(g.window.get(), Qt::Key_Left);
    EXPECT_EQ(g.game().WurmX[0], 1);
    EXPECT_EQ(g.colourAt(ahead), head);
    // A key whose own number is an arrow's does nothing.
    QTest::keyClick(g.window.get(), Qt::Key_Percent);
    EXPECT_EQ(g.game().WurmX[0], 1);
}

TEST_F(StartedGame, ClickBlanksTheCellUnderThePointer)
{
    const QPoint wall = g.cellCentre(2, 2);
    ASSERT_NE(g.colourAt(wall), 0);
    QTest::mouseClick(g.window.get(), Qt::LeftButton, {}, wall);
    EXPECT_EQ(rows(g.game())[1], ". ####.");
    EXPECT_EQ(g.colourAt(wall), 0);

    // Moves and clicks over the panels are not the board's.
    const int cellX = g.game().ZelleX;
    QMouseEvent over(QEvent::MouseMove, QPointF(5, 5), g.window->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(g.window->control(Control::LevelFrame), &over);
    EXPECT_EQ(g.game().ZelleX, cellX);
    const std::string before = g.game().Spielfeld;
    QTest::mouseClick(g.window->control(Control::LevelName), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(g.window->control(Control::LevelFrame), Qt::LeftButton, {}, QPoint(5, 140));
    EXPECT_EQ(g.game().Spielfeld, before);
}

TEST_F(StartedGame, DoubleClickIsOneClick)
{
    g.game().Pinsel = ".";  // a brush that counts what it paints
    const int dots = g.game().RestPunkte;
    // What the toolkit delivers for a double click: a click, then a press, the double click and a release.
    const QPoint at = g.cellCentre(2, 2);
    QTest::mouseClick(g.window.get(), Qt::LeftButton, {}, at);
    QTest::mousePress(g.window.get(), Qt::LeftButton, {}, at);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, g.window->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(g.window.get(), &twice);
    QTest::mouseRelease(g.window.get(), Qt::LeftButton, {}, at);
    EXPECT_EQ(g.game().RestPunkte, dots + 1);
}

TEST_F(StartedGame, AnimationLabelTogglesWithoutOpeningTheColourChooser)
{
    CaptionedControl* label = g.window->control(Control::SchnellFlüssig);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(label->caption(), " flüssig");
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(label->caption(), " schnell");
    EXPECT_EQ(g.dialogs.colourRequests, 0);
}

TEST_F(StartedGame, ColourChooserRestartsWithTheChosenColourOrChangesNothing)
{
    CaptionedControl* frame = g.window->control(Control::WurmFrame);
    QTest::mouseClick(g.window.get(), Qt::LeftButton, {}, g.cellCentre(2, 2));  // an edit a restart would undo
    const std::string edited = g.game().Spielfeld;

    g.dialogs.colourAnswer.reset();
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(5, 90));
    EXPECT_EQ(g.dialogs.colourRequests, 1);
    EXPECT_EQ(g.game().WurmFarbe, 0);
    EXPECT_EQ(g.game().Spielfeld, edited);

    g.dialogs.colourAnswer = QColor(255, 0, 0);
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(5, 90));
    EXPECT_EQ(g.game().WurmFarbe, 255);
    EXPECT_EQ(g.game().Spielfeld, g.game().LevelText);
    EXPECT_EQ(g.colourAt(g.cellCentre(2, 3)), 255);
}

TEST_F(StartedGame, FileChoosersSaveAndLoadTheLevelNumber)
{
    const std::string saved = g.folderFile("start.txt");
    g.dialogs.fileAnswer = QString::fromStdString(saved);
    QTest::mouseClick(g.window->button("Speichern"), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(g.dialogs.fileKinds.size(), 1u);
    EXPECT_EQ(g.dialogs.fileKinds[0], "save");
    EXPECT_EQ(g.dialogs.fileTitles[0], "Level-Nummer speichern");
    EXPECT_EQ(readFile(saved), " 0 \r\n");

    std::ofstream(g.folderFile("four.txt"), std::ios::binary) << " 4 \r\n";
    g.dialogs.fileAnswer = QString::fromStdString(g.folderFile("four.txt"));
    QTest::mouseClick(g.window->button("Laden"), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(g.dialogs.fileKinds[1], "open");
    EXPECT_EQ(g.dialogs.fileTitles[1], "Level-Nummer öffnen");
    EXPECT_EQ(g.game().LevelNr, 4);

    g.dialogs.fileAnswer.clear();  // closed without a choice
    QTest::mouseClick(g.window->button("Laden"), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(g.game().LevelNr, 4);
}

TEST_F(StartedGame, ClosingWritesTheLastGame)
{
    g.window->close();
    EXPECT_TRUE(g.window->unloaded());
    EXPECT_EQ(readFile(g.folderFile("Zorvik letzter Spielstand")), " 0 \r\n");
}

// Guards against Form_Unload running in the middle of the handler whose chooser was open.
TEST_F(StartedGame, CloseRequestedWhileAChooserIsOpenWaitsForTheHandler)
{
    bool unloadedDuringChooser = true;
    g.dialogs.whileOpen = [&] {
        g.window->requestClose();
        unloadedDuringChooser = g.window->unloaded();
    };
    QTest::mouseClick(g.window->button("Laden"), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(unloadedDuringChooser);
    EXPECT_TRUE(g.window->unloaded());
    EXPECT_FALSE(g.window->isVisible());
}

TEST_F(StartedGame, TerminationSignalSavesTheLevelNumber)
{
    UnixSignals endSignals;
    QObject::connect(&endSignals, &UnixSignals::received, g.window.get(), &GameWindow::requestClose);
    g.game().LevelNr = 1;
    std::raise(SIGTERM);
    QElapsedTimer waited;
    waited.start();
    while (!g.window->unloaded() && waited.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(g.window->unloaded());
    EXPECT_EQ(readFile(g.folderFile("Zorvik letzter Spielstand")), " 1 \r\n");
}

TEST_F(StartedGame, FailureInAHandlerIsReportedOnceAndTheGameGoesOn)
{
    g.game().LevelText = "abc";  // no square: the restart of the next resize fails
    ::testing::internal::CaptureStderr();
    g.window->resize(500, 300);
    g.window->runPendingResize();
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(report.rfind("zorvik: Form_Resize: ", 0), 0u) << report;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1);
    EXPECT_TRUE(g.window->isVisible());
    QTest::mouseClick(g.window->control(Control::SchnellFlüssig), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(caption(*g.window, Control::SchnellFlüssig), " flüssig");
}

TEST_F(StartedGame, NothingTicksWhileIdle)
{
    for (const QTimer* timer : g.window->findChildren<QTimer*>())
        EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(QAbstractEventDispatcher::instance()->registeredTimers(g.window.get()).isEmpty());
}

TEST(GameWindowPacing, MovesLastTheirSetTimeWhenPacingIsOn)
{
    GuiGame g;
    g.writeLevel("A.ZVK", demoText());
    const std::string before = std::getenv("ZORVIK_NO_PACING") ? std::getenv("ZORVIK_NO_PACING") : "";
    ::setenv("ZORVIK_NO_PACING", "0", 1);
    g.start();
    ::setenv("ZORVIK_NO_PACING", before.c_str(), 1);

    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(g.window.get(), Qt::Key_Left);
    const qint64 fast = clock.elapsed();
    QTest::mouseClick(g.window->control(Control::SchnellFlüssig), Qt::LeftButton, {}, QPoint(10, 10));
    clock.restart();
    QTest::keyClick(g.window.get(), Qt::Key_Down);
    const qint64 smooth = clock.elapsed();
    EXPECT_EQ(g.game().WurmY[0], 4);
    EXPECT_GE(fast, 59);
    EXPECT_LT(fast, 1000);
    EXPECT_GE(smooth, 159);
    EXPECT_LT(smooth, 2000);
}

TEST(Icon, KeptPictureIsTheOneTheGameDraws)
{
    ensureApplication();
    const auto kept = std::filesystem::path(__FILE__).parent_path() / "../../data/zorvik.png";
    QImage picture(QString::fromStdString(kept.string()));
    ASSERT_FALSE(picture.isNull()) << kept;
    EXPECT_EQ(picture.size(), QSize(48, 48));
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), zorvikIcon().convertToFormat(QImage::Format_RGB32));
}

} // namespace
} // namespace zorvik::testing
