// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik: the game in its window, playing the levels of the working folder or of the folder given.
#include "command_line.h"
#include "game_window.h"
#include "model/game.h"
#include "screen/desktop_scale.h"
#include "screen/icon.h"
#include "screen/start_conditions.h"
#include "screen/translations.h"
#include "screen/unix_signals.h"

#include <QApplication>
#include <QScreen>

#include <iostream>

int main(int argc, char** argv)
{
    const zorvik::CommandLine command = zorvik::readCommandLine(argc, argv, std::cout, std::cerr);
    if (command.exitStatus)
        return *command.exitStatus;
    if (!zorvik::canStart())
        return 1;  // before anything is written

    // Before the toolkit reads it: a scale it cannot show would leave no window.
    zorvik::DesktopScale scale = zorvik::takeDesktopScale();
    if (!scale.warning.empty())
        std::cerr << scale.warning << std::endl;
    int toolkitArgc = 1;  // the toolkit's own options are not the game's
    QApplication app(toolkitArgc, argv);
    QApplication::setApplicationName(QStringLiteral("zorvik"));
    QApplication::setApplicationVersion(QStringLiteral(ZORVIK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zorvik.Zorvik"));
    QApplication::setWindowIcon(zorvik::zorvikIconSet());
    zorvik::keepDialogSettingsInOwnFolder();
    zorvik::installGermanTranslations(app);
    // The window's smallest outer size, as the game window keeps it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        zorvik::DesktopScale fitted = scale;
        fitted.warning.clear();
        zorvik::fitScaleToScreen(fitted, screen->devicePixelRatio(), screen->logicalDotsPerInchX(), 6015, 4020,
                                 screen->availableGeometry().width(), screen->availableGeometry().height());
        if (!fitted.warning.empty())
            std::cerr << fitted.warning << std::endl;
        scale = fitted;
    }

    zorvik::UnixSignals endSignals;
    zorvik::QtDialogs dialogs;
    zorvik::GameWindow window(".", dialogs, scale.own);
    // A session ending or a terminal closing saves the level number like the close box does.
    QObject::connect(&endSignals, &zorvik::UnixSignals::received, &window, &zorvik::GameWindow::requestClose);

    if (command.level) {
        if (!zorvik::levelExists(*command.level, window.game().AlleLevel.ListCount(), std::cerr))
            return 2;
        window.game().startLevelNr = *command.level - 1;
    }
    window.load();
    if (window.unloaded())
        return 0;  // asked to end while the start-up message was showing
    window.show();
    return QApplication::exec();
}
