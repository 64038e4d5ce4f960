// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing a level number.
#include "levels/level_number.h"

namespace zorvik {

std::optional<int> readLevelNumber(std::string_view bytes)
{
    std::size_t at = 0;
    while (at < bytes.size() && bytes[at] == ' ')
        ++at;
    const std::size_t start = at;
    long value = 0;
    for (; at < bytes.size(); ++at) {
        const char c = bytes[at];
        if (c == ' ' || c == ',' || c == '\r' || c == '\n')
            break;
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 32767)
            return std::nullopt;
    }
    if (at == start)
        return std::nullopt;
    return static_cast<int>(value);
}

std::string levelNumberLine(int number) { return " " + std::to_string(number) + " \r\n"; }

} // namespace zorvik
