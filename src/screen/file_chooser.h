// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's file chooser with its size and date columns in the default locale's words, as the game speaks.
#pragma once

#include <QFileDialog>
#include <QString>

namespace zorvik {

// Shows sizes and dates in the default locale (German, as the choosers are): the toolkit formats them in the
// system's locale, which may be English while the chooser's words are German.
void formatColumnsInDefaultLocale(QFileDialog& chooser);

// A modal chooser to open an existing file or to name one to save; empty when closed without a choice. An empty
// folder starts where the last chooser ended, or in the working folder.
QString chooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title, const QString& folder = {},
                   const QString& filters = {}, QFileDialog::Options options = {});

} // namespace zorvik
