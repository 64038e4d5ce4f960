// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own German for the choosers and the message box, whose labels and buttons the game does not write, and
// German formats for what the toolkit writes in them (sizes, dates, numbers, type names).
#pragma once

class QCoreApplication;

namespace zorvik {

// Makes German the default locale and loads Qt's German translations where they are installed; without them the
// dialogs' labels stay English.
void installGermanTranslations(QCoreApplication& application);

} // namespace zorvik
