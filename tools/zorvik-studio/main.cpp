// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-studio: draw a level as the game shows it, check it while drawing, solve it and play it.
#include "studio_dialogs.h"
#include "studio_window.h"
#include "window/icon.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorvik-studio"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zorvik-Studio"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zorvik.Zorvik.Studio"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(zorvik::zorvikIcon())));
    // The toolkit's own dialogs in German too, where its translations are installed.
    QTranslator toolkit;
    if (toolkit.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkit);

    zorvik::studio::QtStudioDialogs dialogs;
    zorvik::studio::StudioWindow window(dialogs);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.openFile(arguments.at(1));
    window.show();
    return QApplication::exec();
}
