// SPDX-License-Identifier: GPL-3.0-or-later
// Loading Qt's German translations.
#include "screen/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zorvik {

void installGermanTranslations(QCoreApplication& application)
{
    auto* german = new QTranslator(&application);
    if (german->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(german);
    else
        delete german;
}

} // namespace zorvik
