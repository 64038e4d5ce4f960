// SPDX-License-Identifier: GPL-3.0-or-later
// The checks' findings in the designer's words: cells named as the palette names them, places as row and column.
#pragma once

#include "levels/level_check.h"

#include <string>

namespace zorvik::studio {

// "Zeile 3, Spalte 5"
std::string rowAndColumn(int index, int side);

// The finding as the studio shows it, German, UTF-8; `side` is the board's cells a side.
std::string designerText(const check::Finding& finding, int side);

} // namespace zorvik::studio
