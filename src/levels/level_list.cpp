// The level list: the level files of one folder, in name order.
#include "levels/level_list.h"

#include <algorithm>
#include <utility>

namespace zorvik {

LevelList::LevelList(std::filesystem::path folder) : folder_(std::move(folder)) { Refresh(); }

int LevelList::ListCount() const { return static_cast<int>(names_.size()); }

std::string LevelList::List(int i) const { return names_.at(static_cast<std::size_t>(i)); }

void LevelList::Refresh()
{
    names_.clear();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 4 && name.substr(name.size() - 4) == ".ZVK")
            names_.push_back(name);
    }
    std::sort(names_.begin(), names_.end());
}

} // namespace zorvik
