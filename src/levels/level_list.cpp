// SPDX-License-Identifier: GPL-3.0-or-later
// The level list: the level files of one folder, in name order.
#include "model/level_list.h"

#include "levels/text_encoding.h"

#include <algorithm>
#include <utility>

namespace zorvik {

bool LevelList::isLevelFileName(std::string_view name)
{
    if (name.starts_with('.') || name.size() < 4)
        return false;
    const std::string_view ending = name.substr(name.size() - 4);
    return std::equal(ending.begin(), ending.end(), ".zvk", [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? a + ('a' - 'A') : a) == b;
    });
}

namespace {

// The name's characters with the letters of the game's code page in lower case; others compare by code.
std::u32string foldedCase(std::string_view utf8)
{
    std::u32string out;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int i = 1; i <= extra && at + i < utf8.size(); ++i)
            c = (c << 6) | (static_cast<unsigned char>(utf8[at + i]) & 0x3F);
        at += extra + 1;
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            c += 0x20;
        else if (c == 0x160 || c == 0x152 || c == 0x17D)  // Š Œ Ž
            c += 1;
        else if (c == 0x178)  // Ÿ
            c = 0xFF;
        out += c;
    }
    return out;
}

} // namespace

bool LevelList::inListOrder(std::string_view a, std::string_view b)
{
    const std::u32string keyA = foldedCase(shownName(a)), keyB = foldedCase(shownName(b));
    return keyA != keyB ? keyA < keyB : a < b;
}

LevelList::LevelList(std::filesystem::path folder) : folder_(std::move(folder)) { Refresh(); }

int LevelList::ListCount() const { return static_cast<int>(entries_.size()); }

std::string LevelList::List(int i) const { return entries_.at(static_cast<std::size_t>(i)).shown; }

std::filesystem::path LevelList::filePath(int i) const
{
    return folder_ / entries_.at(static_cast<std::size_t>(i)).fileName;
}

void LevelList::Refresh()
{
    entries_.clear();
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        std::error_code statError;
        if (!isLevelFileName(name) || !it->is_regular_file(statError))
            continue;
        std::string shown = shownName(name);
        entries_.push_back({std::move(name), std::move(shown)});
    }
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return inListOrder(a.fileName, b.fileName); });
}

} // namespace zorvik
