// SPDX-License-Identifier: GPL-3.0-or-later
// Between UTF-8 and Windows-1252, the game's code page, for level lines and file names.
#pragma once

#include <string>
#include <string_view>

namespace zorvik {

// Stands for a character that Windows-1252 lacks; it is no cell character, so it reads as an empty cell.
inline constexpr char kNotInCodePage = '?';

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// Valid UTF-8 to Windows-1252, one byte per character; characters outside the code page become kNotInCodePage.
std::string utf8ToWindows1252(std::string_view utf8);

// Windows-1252 bytes to UTF-8; the five bytes the code page leaves undefined keep their C1 code points.
std::string windows1252ToUtf8(std::string_view text);

// A file or folder name as the player sees it, in UTF-8: valid UTF-8 as it is, anything else read as Windows-1252.
std::string shownName(std::string_view bytes);

} // namespace zorvik
