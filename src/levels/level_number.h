// SPDX-License-Identifier: GPL-3.0-or-later
// The one-number format of the last-game file and the level-start files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvik {

// Skips leading blanks and takes the item up to the next blank, comma, CR, LF or the end.
// Nothing unless the item is a whole number from 0 to 32767 in decimal digits (no sign).
std::optional<int> readLevelNumber(std::string_view bytes);

// A blank, the digits, a blank and CR LF: " 4 \r\n".
std::string levelNumberLine(int number);

} // namespace zorvik
