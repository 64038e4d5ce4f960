// SPDX-License-Identifier: GPL-3.0-or-later
// Loading Qt's German translations and German formats.
#include "screen/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zorvik {

void installGermanTranslations(QCoreApplication& application)
{
    // The game's words are German whatever the desktop's language, so the toolkit's formats are German too.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* german = new QTranslator(&application);
    if (german->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(german);
    else
        delete german;
}

} // namespace zorvik
