// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-studio: draw a level as the game shows it, check it while drawing, solve it and play it.
#include "studio_dialogs.h"
#include "studio_window.h"
#include "screen/icon.h"
#include "screen/program_texts.h"
#include "screen/start_conditions.h"
#include "screen/translations.h"
#include "screen/unix_signals.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QPixmap>

#include <cstring>
#include <iostream>

int main(int argc, char** argv)
{
    // Before the toolkit, which needs a display: these answer without one.
    zorvik::useGermanTexts(zorvik::environmentWantsGerman());
    const char* level = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << zorvik::fill(zorvik::translate(
                "zorvik-studio",
                "usage: zorvik-studio [LEVEL]\n"
                "Draws, checks, solves and plays Zorvik levels. LEVEL is a level file (.ZVK) or a text grid to open.\n"
                "  -h, --help     this text\n"
                "      --version  the version\n"));
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "zorvik-studio " ZORVIK_VERSION "\n";
            return 0;
        }
        if ((argv[i][0] == '-' && std::strcmp(argv[i], "-") != 0) || level != nullptr) {
            // One line, as the game and the checker say it.
            const QString text =
                argv[i][0] == '-'
                    ? zorvik::translate("zorvik-studio",
                                        "zorvik-studio: unknown option \"%1\" (zorvik-studio --help lists the options)\n")
                    : zorvik::translate("zorvik-studio", "zorvik-studio: one level at a time, not also \"%1\" "
                                                         "(zorvik-studio --help lists the options)\n");
            std::cerr << zorvik::fill(text, {argv[i]});
            return 2;
        }
        level = argv[i];
    }

    // As the game says it: the toolkit would abort without a word a person can use.
    if (!zorvik::displayAvailable()) {
        std::cerr << zorvik::fill(zorvik::translate("zorvik-studio", "zorvik-studio: no screen found. The studio runs only in "
                                                                     "a graphical session (X11 or Wayland)."))
                  << std::endl;
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorvik-studio"));
    QApplication::setApplicationVersion(QStringLiteral(ZORVIK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zorvik.Zorvik.Studio"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(zorvik::zorvikIcon())));
    // The toolkit's own dialogs and formats in German too.
    zorvik::installGermanTranslations(app);

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
