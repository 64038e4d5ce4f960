// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-studio: draw a level as the game shows it, check it while drawing, solve it and play it.
#include "studio_dialogs.h"
#include "studio_window.h"
#include "screen/icon.h"
#include "screen/start_conditions.h"
#include "screen/unix_signals.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

#include <cstring>
#include <iostream>

namespace {

const char* kUsage =
    "usage: zorvik-studio [LEVEL]\n"
    "Draws, checks, solves and plays Zorvik levels. LEVEL is a level file (.ZVK) or a text grid to open.\n"
    "  -h, --help     this text\n"
    "      --version  the version\n";

} // namespace

int main(int argc, char** argv)
{
    // Before the toolkit, which needs a display: these answer without one.
    const char* level = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kUsage;
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "zorvik-studio " ZORVIK_VERSION "\n";
            return 0;
        }
        if ((argv[i][0] == '-' && std::strcmp(argv[i], "-") != 0) || level != nullptr) {
            // One line, as the game and the checker say it.
            std::cerr << "zorvik-studio: " << (argv[i][0] == '-' ? "unknown option \"" : "one level at a time, not also \"")
                      << argv[i] << "\" (zorvik-studio --help lists the options)\n";
            return 2;
        }
        level = argv[i];
    }

    // As the game says it: the toolkit would abort without a word a person can use.
    if (!zorvik::displayAvailable()) {
        std::cerr << "zorvik-studio: Kein Bildschirm gefunden. Das Studio läuft nur in einer grafischen Sitzung (X11 oder Wayland)."
                  << std::endl;
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorvik-studio"));
    QApplication::setApplicationVersion(QStringLiteral(ZORVIK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zorvik.Zorvik.Studio"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(zorvik::zorvikIcon())));
    // The toolkit's own dialogs in German too, where its translations are installed.
    QTranslator toolkit;
    if (toolkit.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkit);

    zorvik::UnixSignals endSignals;
    zorvik::studio::QtStudioDialogs dialogs;
    zorvik::studio::StudioWindow window(dialogs);
    QObject::connect(&endSignals, &zorvik::UnixSignals::received, &window, &zorvik::studio::StudioWindow::endSession);
    if (level != nullptr)
        window.openFile(QFile::decodeName(level));
    window.show();
    window.offerRecovery();
    return QApplication::exec();
}
