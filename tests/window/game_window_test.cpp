// SPDX-License-Identifier: GPL-3.0-or-later
// The game window driven as a player would: start-up, resizing, keys, clicks, options, choosers, pacing and closing.
#include "game_window.h"
#include "levels/file_access.h"
#include "model/game.h"
#include "screen/file_chooser.h"
#include "screen/icon.h"
#include "screen/start_conditions.h"
#include "screen/translations.h"
#include "screen/unix_signals.h"
#include "support/test_game.h"

#include <QAbstractEventDispatcher>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

namespace zorvik::testing {
namespace {

// Dialogs that record what was asked and answer as told; `whileOpen` runs as if during the dialog.
struct ScriptedDialogs : Dialogs {
    std::vector<QString> requests;  // "open: title", "save: title", "colour", or the message
    QString fileAnswer;
    std::optional<QColor> colourAnswer;
    std::function<void()> whileOpen;

    QString ask(const QString& request)
    {
        requests.push_back(request);
        if (whileOpen)
            whileOpen();
        return fileAnswer;
    }
    QString openFileName(QWidget*, const QString& title) override { return ask("open: " + title); }
    QString saveFileName(QWidget*, const QString& title) override { return ask("save: " + title); }
    std::optional<QColor> colour(QWidget*, const QColor&) override { return ask("colour"), colourAnswer; }
    void message(QWidget*, const QString& text) override { ask(text); }
};

void click(QWidget* widget, QPoint at = QPoint(10, 10)) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }

// A game window in a folder of its own; the window reads its level list when it is made.
struct GuiGame {
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<GameWindow> window;

    GuiGame()
    {
        static int argc = 1;
        static char* argv[] = {const_cast<char*>("zorvik_window_tests"), nullptr};
        if (QApplication::instance() == nullptr)
            new QApplication(argc, argv);
        ::setenv("ZORVIK_NO_PACING", "1", 1);  // moves at once, unless a test paces them on its own clock
    }
    std::string file(const std::string& name) const { return folder.filePath(QString::fromStdString(name)).toStdString(); }
    std::string read(const std::string& name) const { return readFileStart(file(name), 1000); }
    void writeLevel(const std::string& name, const std::string& text) { saveFile(file(name), text + "\r\n"); }
    // Form_load, the first showing and its resize.
    void start(double scale = 1, Qt::WindowFlags flags = {})
    {
        window = std::make_unique<GameWindow>(folder.path().toStdString(), dialogs, scale);
        window->setWindowFlags(window->windowFlags() | flags);
        window->load();
        window->show();
        window->runPendingResize();
    }
    Game& game() { return window->game(); }
    std::string caption(Control c) { return window->control(c)->caption().toStdString(); }
    QPoint cellCentre(int x, int y)
    {
        const double z = game().Zellgroesse, r = game().Radius, tpl = window->twipsPerLogicalPixel();
        return QPoint(int((x * z + r) / tpl), int((y * z + r) / tpl));
    }
    // The backing image's colour at a logical pixel, as a game colour.
    Colour colourAt(QPoint at)
    {
        const double ratio = window->devicePixelRatioF();
        const QRgb rgb = window->backingImage().pixel(int(at.x() * ratio), int(at.y() * ratio));
        return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
    }
};

// The half scale guards against a window drawn at full size in half the room when the desktop asks for it.
TEST(GameWindowStart, FirstStartWritesTheDemoLevelSaysSoBeforeShowingAndHalfTheScaleIsTheLayoutAtHalfItsSize)
{
    GuiGame g;
    bool shownBeforeMessage = true;
    g.dialogs.whileOpen = [&] { shownBeforeMessage = g.window->isVisible(); };
    g.start(0.5);
    EXPECT_EQ(g.dialogs.requests, std::vector<QString>{"Es sind keine Level vorhanden! Ich werde ein Demo-Level speichern."});
    EXPECT_FALSE(shownBeforeMessage);
    EXPECT_EQ(g.window->windowTitle().toStdString(), std::string(GameWindow::kTitle) + " / 0 Levels");
    EXPECT_EQ(std::tuple(g.caption(Control::LevelName), g.game().Spielfeld), std::tuple("NeuesLevel", kDemoLevel));
    GameWindow& w = *g.window;
    EXPECT_EQ(std::tuple(w.frameGeometry().size(), w.control(Control::WurmFrame)->geometry(), g.game().Zellgroesse),
              std::tuple(QSize(201, 134), QRect(w.width() - 77, 0, 77, 49), 400));  // the designed cells
    EXPECT_EQ(w.control(Control::LevelName)->font().pointSizeF(), 6);
}

// Guards against a window that a window manager framed after its first resize keeping the size it had unframed.
TEST(GameWindowStart, WindowFramedLateTakesItsOpeningSizeUnlessThePlayerHasSizedIt)
{
    for (const QSize sized : {QSize(), QSize(500, 300)}) {
        GuiGame g;
        g.start(1, Qt::FramelessWindowHint);
        GameWindow& w = *g.window;
        ASSERT_EQ(w.size(), QSize(401, 268));
        if (sized.isValid()) {
            w.resize(sized);
            w.runPendingResize();
        }
        // The frame arrives: the window system gives the window its margins (2 pixels a side) when it next moves.
        w.windowHandle()->setFlags(w.windowHandle()->flags() & ~Qt::FramelessWindowHint);
        w.move(w.pos() + QPoint(20, 20));
        w.runPendingResize();
        EXPECT_EQ(w.size(), sized.isValid() ? sized : QSize(397, 264));
        EXPECT_EQ(g.game().Zellgroesse, sized.isValid() ? 500 : 406);  // the level restarted at that size
    }
}

TEST(GameWindowStart, ChoosersSpeakGerman)
{
    GuiGame g;
    installGermanTranslations(*QCoreApplication::instance());
    // Guards the file chooser's columns against the system's English ("27 bytes", "12/7/26 8:51 PM"), in which
    // the toolkit writes them whatever the default locale says.
    g.writeLevel("A.ZVK", std::string(25, '.'));
    QFileDialog files(nullptr, QString(), g.folder.path());
    formatColumnsInDefaultLocale(files);
    const auto* model = qobject_cast<const QFileSystemModel*>(files.proxyModel()->sourceModel());
    const QModelIndex a = files.proxyModel()->mapFromSource(model->index(QString::fromStdString(g.file("A.ZVK"))));
    const QString size = a.siblingAtColumn(1).data().toString(), date = a.siblingAtColumn(3).data().toString();
    EXPECT_EQ(size.toStdString(), "27 Bytes");
    EXPECT_TRUE(QRegularExpression(R"(^\d\d\.\d\d\.\d\d \d\d:\d\d$)").match(date).hasMatch()) << date.toStdString();

    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(translations + "/qtbase_de.qm"))
        GTEST_SKIP() << "no qtbase_de.qm in " << translations.toStdString();
    installGermanTranslations(*QCoreApplication::instance());
    // Both choosers take their words from the same catalogue.
    QColorDialog colour;
    QStringList texts;
    for (const QWidget* shown : colour.findChildren<QWidget*>())  // labels and buttons
        texts << shown->property("text").toString();
    const QString all = texts.join('|').remove('&');
    EXPECT_TRUE(all.contains("Grundfarben") && all.contains("Abbrechen")) << all.toStdString();
}

// The demo level in A.ZVK and a second level in B.ZVK.
struct StartedGame : ::testing::Test {
    GuiGame g;
    StartedGame()
    {
        g.writeLevel("A.ZVK", kDemoLevel);
        g.writeLevel("B.ZVK", toGameText("ö.......#"));
        g.start();
    }
};

TEST_F(StartedGame, FramesStayAtTheRightEdgeAndTheWindowKeepsItsMinimumSize)
{
    GameWindow& w = *g.window;
    // A dragged border: the level restarts once, at the final size.
    click(&w, g.cellCentre(2, 2));  // an edit that a restart undoes
    for (int step = 1; step <= 20; ++step)
        w.resize(500 + 20 * step, 300 + 10 * step);
    QCoreApplication::processEvents();
    EXPECT_NE(g.game().Spielfeld, g.game().LevelText);
    w.runPendingResize();
    EXPECT_EQ(g.game().Spielfeld, g.game().LevelText);
    EXPECT_EQ(g.game().Zellgroesse, 833);  // Int(500 * 15 / 9): the height limits the board now
    EXPECT_EQ(w.control(Control::WurmFrame)->geometry(), QRect(w.width() - 153, 0, 153, 97));
    EXPECT_EQ(w.control(Control::LevelFrame)->geometry(), QRect(w.width() - 153, 96, 153, 145));
    // The minimum is the outer size, frame included.
    w.resize(100, 100);
    w.runPendingResize();
    EXPECT_EQ(w.minimumSize() + (w.frameGeometry().size() - w.size()), QSize(401, 268));
}

TEST_F(StartedGame, ArrowKeyMovesTheHeadOnThePictureAndAClickBlanksTheCellUnderThePointer)
{
    const QPoint ahead = g.cellCentre(1, 3), wall = g.cellCentre(2, 2);
    const Colour head = g.game().SegmentFarbe[0];
    ASSERT_NE(g.colourAt(ahead), head);
    QTest::keyClick(g.window.get(), Qt::Key_Left);
    EXPECT_EQ(g.colourAt(ahead), head);

    ASSERT_NE(g.colourAt(wall), 0);
    click(g.window.get(), wall);
    EXPECT_EQ(rows(g.game())[1], ". ####.");
    EXPECT_EQ(g.colourAt(wall), 0);
    // Over the panels the pointer is not over the board.
    const auto cellX = g.game().ZelleX;
    QMouseEvent over(QEvent::MouseMove, QPointF(5, 5), g.window->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(g.window->control(Control::LevelFrame), &over);
    click(g.window->control(Control::LevelName));
    click(g.window->control(Control::LevelFrame), QPoint(5, 140));
    EXPECT_EQ(std::tuple(g.game().ZelleX, rows(g.game())[1]), std::tuple(cellX, ". ####."));
    // A double click is one click. What the toolkit delivers: a click, a press, the double click and a release.
    g.game().Pinsel = ".";  // a brush that counts what it paints
    const int dots = g.game().RestPunkte;
    click(g.window.get(), wall);
    QTest::mousePress(g.window.get(), Qt::LeftButton, {}, wall);
    QMouseEvent twice(QEvent::MouseButtonDblClick, wall, g.window->mapToGlobal(wall), Qt::LeftButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(g.window.get(), &twice);
    QTest::mouseRelease(g.window.get(), Qt::LeftButton, {}, wall);
    EXPECT_EQ(g.game().RestPunkte, dots + 1);
}

TEST_F(StartedGame, OptionsAndChoosersWorkThroughTheDialogs)
{
    g.dialogs.colourAnswer = QColor(255, 0, 0);
    click(g.window->control(Control::WurmFrame), QPoint(5, 90));  // below the label
    EXPECT_EQ(g.colourAt(g.cellCentre(2, 3)), 255);

    g.dialogs.fileAnswer = QString::fromStdString(g.file("start.txt"));
    click(g.window->button("Speichern"));
    EXPECT_EQ(g.read("start.txt"), " 0 \r\n");
    saveFile(g.file("four.txt"), " 4 \r\n");
    g.dialogs.fileAnswer = QString::fromStdString(g.file("four.txt"));
    click(g.window->button("Laden"));
    EXPECT_EQ(g.game().LevelNr, 4);
    EXPECT_EQ(g.dialogs.requests, (std::vector<QString>{"colour", "save: Level-Nummer speichern", "open: Level-Nummer öffnen"}));
}

// The frames' etched border: its top line runs through the middle of the caption, with a gap around the caption.
TEST_F(StartedGame, FrameBorderRunsThroughTheMiddleOfTheCaption)
{
    CaptionedControl* frame = g.window->control(Control::LevelFrame);
    const QImage image = frame->grab().toImage();
    const QFontMetrics metrics(frame->font());
    const int w = image.width(), h = image.height(), line = metrics.height() / 2;
    const int gapEnd = metrics.averageCharWidth() / 2 + 2 + metrics.horizontalAdvance(frame->caption()) + 2;
    const QColor background = image.pixelColor(w - 1, 0);
    const QRgb plain = background.rgb(), dark = background.darker(170).rgb(), light = background.lighter(150).rgb();
    EXPECT_EQ((std::vector{image.pixel(gapEnd - 1, line), image.pixel(gapEnd, line), image.pixel(gapEnd, line + 1),
                           image.pixel(gapEnd, line - 1), image.pixel(w - 2, h / 2), image.pixel(w - 1, h / 2),
                           image.pixel(w / 2, h - 2), image.pixel(w / 2, h - 1)}),
              (std::vector{plain, dark, light, plain, dark, light, dark, light}));
}

// Guards against pack level names that wrapped onto a second line, out of sight, leaving only their numbers.
TEST_F(StartedGame, EveryPackLevelNameShowsInFullOnOneLine)
{
    const CaptionedControl* label = g.window->control(Control::LevelName);
    const QFontMetrics metrics(label->font());
    for (const auto& file : std::filesystem::directory_iterator(ZORVIK_LEVELS_DIR))
        if (file.path().extension() == ".ZVK")
            EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(file.path().stem().string())), label->width()) << file.path();
}

// Guards against Form_Unload running in the middle of the handler whose chooser was open.
TEST_F(StartedGame, CloseBoxClickedWhileAChooserIsOpenWaitsForTheHandler)
{
    bool unloadedDuringChooser = true;
    g.dialogs.whileOpen = [&] {
        g.window->close();
        unloadedDuringChooser = g.window->unloaded();
    };
    click(g.window->button("Laden"));
    EXPECT_FALSE(unloadedDuringChooser);
    EXPECT_TRUE(g.window->unloaded() && !g.window->isVisible());
}

// Keys waiting when SIGTERM came were each played as a paced move first: over a minute for 1000 keys.
TEST_F(StartedGame, TerminationSignalDropsWaitingKeysClosesTheWindowAndSavesTheLevelNumber)
{
    UnixSignals endSignals;
    QObject::connect(&endSignals, &UnixSignals::received, g.window.get(), &GameWindow::requestClose);
    g.game().LevelNr = 1;
    for (int i = 0; i < 1000; ++i)
        QCoreApplication::postEvent(g.window.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier));
    std::raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return g.window->unloaded(); }, 3000));
    EXPECT_EQ(std::pair(int(g.game().WurmX[0]), g.window->isVisible()), std::pair(2, false));
    EXPECT_EQ(g.read("Zorvik letzter Spielstand"), " 1 \r\n");
}

// With a question open over a file chooser, SIGTERM closed only the question and the game ran on.
TEST_F(StartedGame, TerminationSignalClosesNestedDialogs)
{
    UnixSignals endSignals;
    QObject::connect(&endSignals, &UnixSignals::received, g.window.get(), &GameWindow::requestClose);
    bool stillOpen = false;
    g.dialogs.whileOpen = [&] {
        QFileDialog chooser(g.window.get());
        QTimer::singleShot(0, &chooser, [&] {
            QMessageBox question(QMessageBox::Question, "Zorvik", "Ersetzen?", QMessageBox::Yes | QMessageBox::No, &chooser);
            QTimer::singleShot(0, [] { std::raise(SIGTERM); });
            question.exec();
        });
        QTimer::singleShot(3000, &chooser, [&] { stillOpen = true, chooser.reject(); });
        chooser.exec();
    };
    click(g.window->button("Speichern"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return g.window->unloaded(); }, 5000));
    EXPECT_FALSE(stillOpen);
}

TEST_F(StartedGame, FailureInAHandlerIsReportedOnceAndTheGameGoesOnWithoutTimers)
{
    g.game().LevelText = "abc";  // no square: the restart of the next resize fails
    ::testing::internal::CaptureStderr();
    g.window->resize(500, 300);
    g.window->runPendingResize();
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(report.rfind("zorvik: Form_Resize: ", 0), 0u) << report;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1);
    click(g.window->control(Control::SchnellFlüssig));
    EXPECT_EQ(g.caption(Control::SchnellFlüssig), " flüssig");
    // Idle, nothing ticks.
    for (const QTimer* timer : g.window->findChildren<QTimer*>())
        EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(QAbstractEventDispatcher::instance()->registeredTimers(g.window.get()).isEmpty());
}

// A game whose moves are shown at their pace on a clock of the test's own; keys come with the flags and
// timestamps that the platform gives them.
struct PacedGame {
    GuiGame g;
    FrameShow::Clock::time_point now{};

    explicit PacedGame(std::initializer_list<std::string> levels)
    {
        char name = 'A';
        for (const std::string& text : levels)
            g.writeLevel(std::string(1, name++) + ".ZVK", text);
        ::setenv("ZORVIK_NO_PACING", "0", 1);
        g.start();
        ::setenv("ZORVIK_NO_PACING", "1", 1);
        g.window->frameShow().setClock([this] { return now; });
    }
    void key(QEvent::Type type, bool repeated, quint64 timestamp = 0, int which = Qt::Key_Left)
    {
        QKeyEvent key(type, which, Qt::NoModifier, QString(), repeated);
        key.setTimestamp(timestamp);
        QCoreApplication::sendEvent(g.window.get(), &key);
    }
    // The head's column once the clock has moved on.
    Whole later(int ms)
    {
        now += std::chrono::milliseconds(ms);
        g.window->showDueFrames();
        return g.game().WurmX[0];
    }
    bool showing() { return g.window->frameShow().active(); }
};

const std::string kRowOfEight = level({".       ", "      \xF6o", "        ", "        ", "        ", "        ", "        ", "        "});

// Guards against key repeats piling up while moves are shown, so that a released key went on moving the worm.
TEST(GameWindowPacing, HeldKeyStopsWhenReleasedAndEveryPressMovesOnceInOrder)
{
    PacedGame p{kRowOfEight};
    GuiGame& g = p.g;
    // Held: the repeats that come while a move is shown make one move, right after it; the release ends that.
    // A release and a press at the same moment are a repeat that Qt did not tell apart.
    p.key(QEvent::KeyPress, false, 1);
    p.key(QEvent::KeyPress, true, 40);
    p.key(QEvent::KeyRelease, false, 80);
    p.key(QEvent::KeyPress, false, 80);
    EXPECT_EQ((std::vector{g.game().WurmX[0], p.later(59), p.later(1), p.later(59)}), (std::vector<Whole>{6, 6, 5, 5}));
    p.key(QEvent::KeyRelease, false, 100);
    EXPECT_EQ((std::vector{p.later(1), p.later(100)}), (std::vector<Whole>{5, 5}));
    EXPECT_FALSE(p.showing());
    // Presses faster than the moves each move once, cutting the moves before them short.
    p.key(QEvent::KeyPress, false, 300);
    p.key(QEvent::KeyPress, false, 301);
    EXPECT_EQ(std::tuple(g.game().WurmX[0], p.showing()), std::tuple(3, true));
    p.later(60);
    // What reached the screen is the picture itself (the panels lie over its right edge).
    const QRect board(0, 0, g.window->width() - 153, g.window->height());
    const QImage screen = g.window->screen()->grabWindow(g.window->winId()).toImage().copy(board);
    EXPECT_EQ(screen.convertToFormat(QImage::Format_RGB32), g.window->backingImage().copy(board).convertToFormat(QImage::Format_RGB32));
    // A close request in the middle of a move ends it and closes.
    p.key(QEvent::KeyPress, false);
    g.window->requestClose();
    EXPECT_TRUE(g.window->unloaded() && !p.showing());
}

// Guards against Shift, any other key or a click cutting a slide short and dropping a held arrow key's next move.
TEST(GameWindowPacing, OnlyAFreshArrowPressCutsASlideShort)
{
    PacedGame p{kRowOfEight};
    GuiGame& g = p.g;
    p.key(QEvent::KeyPress, false, 1);
    p.key(QEvent::KeyPress, true, 30);  // held: one more move follows
    p.key(QEvent::KeyPress, false, 40, Qt::Key_Shift);
    p.key(QEvent::KeyPress, false, 45, Qt::Key_Space);
    click(g.window.get(), g.cellCentre(1, 1));  // on the dot
    // Braces: the clock moves before the rest is read.
    EXPECT_EQ((std::tuple{p.later(59), p.showing(), rows(g.game())[0][0]}), std::tuple(6, true, '.'));
    // At the slide's end the click is handled, then the held key's move follows.
    EXPECT_EQ((std::tuple{p.later(1), p.showing(), rows(g.game())[0][0]}), std::tuple(5, true, ' '));
    p.key(QEvent::KeyPress, false, 100);
    EXPECT_EQ(std::tuple(g.game().WurmX[0], p.showing()), std::tuple(4, true));
}

// Guards against a key held over a level's last dot moving the next level's worm before the player has seen it.
TEST(GameWindowPacing, KeyHeldOverTheLastDotLeavesTheNextLevelToAFreshPress)
{
    PacedGame p{level({"   ", ".\xF6o", "   "}), level({"    ", "  \xF6o", "    ", "    "})};
    GuiGame& g = p.g;
    p.key(QEvent::KeyPress, false, 1);
    ASSERT_EQ(std::tuple(g.game().LevelNr, g.game().WurmX[0]), std::tuple(1, 3));
    // Repeats during the slide and the finished board, flagged or as a release and a press at one moment.
    p.key(QEvent::KeyPress, true, 40);
    p.key(QEvent::KeyRelease, false, 300);
    p.key(QEvent::KeyPress, false, 300);
    EXPECT_EQ((std::tuple{p.later(500), p.showing()}), std::tuple(3, false));
    p.key(QEvent::KeyPress, true, 600);
    EXPECT_EQ(g.game().WurmX[0], 3);
    // A fresh press moves, and its own repeats move on.
    p.key(QEvent::KeyPress, false, 700);
    p.key(QEvent::KeyPress, true, 730);
    EXPECT_EQ((std::vector{g.game().WurmX[0], p.later(60)}), (std::vector<Whole>{2, 1}));
}

TEST(Icon, KeptPictureIsTheOneTheGameDraws)
{
    const auto kept = std::filesystem::path(__FILE__).parent_path() / "../../data/zorvik.png";
    const QImage picture(QString::fromStdString(kept.string()));
    ASSERT_EQ(picture.size(), QSize(48, 48)) << kept;
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), zorvikIcon().convertToFormat(QImage::Format_RGB32));
}

// Qt's file chooser kept its memory in the toolkit's shared ~/.config/QtProject.conf, and a relative
// XDG_CONFIG_HOME put it inside the level folder (relcfg/zorvik/QtProject.conf).
TEST(DialogSettings, FileChooserMemoryStaysInTheGamesOwnFolderNeverARelativeOne)
{
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    const bool configSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("HOME", "/home/spieler");
    const std::pair<const char*, QString> settings[] = {
        {"relcfg", "/home/spieler/.config"}, {"", "/home/spieler/.config"}, {"/tmp/konfig", "/tmp/konfig"}};
    for (const auto& [value, folder] : settings) {
        qputenv("XDG_CONFIG_HOME", value);
        ignoreRelativeBaseFolders();
        keepDialogSettingsInOwnFolder();
        EXPECT_EQ(QSettings(QSettings::UserScope, "QtProject").fileName(), folder + "/zorvik/QtProject.conf") << value;
    }
    qputenv("HOME", home);
    configSet ? void(qputenv("XDG_CONFIG_HOME", config)) : void(qunsetenv("XDG_CONFIG_HOME"));
    keepDialogSettingsInOwnFolder();
}

} // namespace
} // namespace zorvik::testing
