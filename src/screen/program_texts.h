// SPDX-License-Identifier: GPL-3.0-or-later
// What the programs say on the command line: German under a German locale, else English, the language the texts
// are written in. The game's window speaks German whatever the locale; this is only for the terminal.
#pragma once

#include <QString>

#include <initializer_list>
#include <string>
#include <string_view>

namespace zorvik {

// Whether the environment asks for German, read as the toolkit reads its system locale: LC_ALL, else
// LC_MESSAGES, else LANG, unless that is C or POSIX, with the first language of LANGUAGE before it. The
// variables alone decide, so no locale needs to be generated on the machine.
bool environmentWantsGerman();

// Loads the programs' German texts when `german`, else goes back to English, which is also where it starts.
void useGermanTexts(bool german);

// One text in the language chosen; `context` is the program that says it. lupdate finds the texts by this name.
QString translate(const char* context, const char* sourceText);

// `text` in UTF-8 with %1 to %9 replaced by `values` byte for byte, so that a file name that is no UTF-8 is
// written as it was given.
std::string fill(const QString& text, std::initializer_list<std::string_view> values = {});

} // namespace zorvik
