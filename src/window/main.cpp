// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik: the game in its window, playing the levels of the working folder.
#include "window/game_window.h"
#include "window/icon.h"
#include "window/start_conditions.h"
#include "window/unix_signals.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char** argv)
{
    if (!zorvik::canStart())
        return 1;  // before anything is written
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorvik"));
    QApplication::setDesktopFileName(QStringLiteral("zorvik"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(zorvik::zorvikIcon())));

    zorvik::UnixSignals endSignals;
    zorvik::QtDialogs dialogs;
    zorvik::GameWindow window(".", dialogs);
    // A session ending or a terminal closing saves the level number like the close box does.
    QObject::connect(&endSignals, &zorvik::UnixSignals::received, &window, &zorvik::GameWindow::requestClose);

    window.load();
    if (window.unloaded())
        return 0;  // asked to end while the start-up message was showing
    window.show();
    return QApplication::exec();
}
