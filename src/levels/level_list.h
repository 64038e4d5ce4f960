// The hidden file list of level files in the game's folder, sorted by name.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zorvik {

class LevelList {
public:
    explicit LevelList(std::filesystem::path folder);

    int ListCount() const;
    // Entry i from 0, the bare file name as the file system spells it.
    std::string List(int i) const;
    // Reads the folder again.
    void Refresh();

    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    std::vector<std::string> names_;
};

} // namespace zorvik
