// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own German for the choosers and the message box, whose labels and buttons the game does not write.
#pragma once

class QCoreApplication;

namespace zorvik {

// Loads Qt's German translations where they are installed; without them the dialogs stay English.
void installGermanTranslations(QCoreApplication& application);

} // namespace zorvik
