// SPDX-License-Identifier: GPL-3.0-or-later
// The hidden file list of level files in the game's folder, sorted by name: part of the game's record, read
// from the folder in levels/level_list.cpp.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik {

// Regular files whose names end in ".ZVK" in any letter case; hidden files (a leading dot) are left out,
// as the file list leaves out hidden files. Sorted without regard to letter case, ties in byte order.
class LevelList {
public:
    explicit LevelList(std::filesystem::path folder);

    // A name the list takes for a level file: it ends in ".ZVK" in any letter case and is not hidden.
    static bool isLevelFileName(std::string_view name);
    // True when the file named `a` comes before the one named `b` in the list (names as stored, without folder).
    static bool inListOrder(std::string_view a, std::string_view b);

    int ListCount() const;
    // Entry i from 0, without folder, as the player sees it in UTF-8: a name that is not valid
    // UTF-8 is read as Windows-1252. Throws std::out_of_range past the end.
    std::string List(int i) const;
    // Entry i as the file system knows it, with the folder.
    std::filesystem::path filePath(int i) const;
    // Reads the folder again; a folder that cannot be read lists nothing.
    void Refresh();

    const std::filesystem::path& folder() const { return folder_; }

private:
    struct Entry {
        std::string fileName;  // bytes as stored
        std::string shown;     // UTF-8
    };
    std::filesystem::path folder_;
    std::vector<Entry> entries_;
};

} // namespace zorvik
