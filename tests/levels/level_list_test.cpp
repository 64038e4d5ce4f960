// The level list over a real folder: which files, in which order, under which names.
#include "levels/level_file.h"
#include "levels/level_list.h"
#include "level_folder.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

std::vector<std::string> listed(const LevelList& list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list.ListCount(); ++i)
        out.push_back(list.List(i));
    return out;
}

TEST(LevelList, RegularLevelFilesOfAnyCaseSortedWithoutRegardToCase)
{
    LevelFolder f;
    for (const char* name : {"b.ZVK", "a.zvk", "C.Zvk", "A.ZVK", "A1.ZVK", "notes.txt", "D.ZVK.bak", ".hidden.ZVK", "Z.ZVK"})
        f.write(name, "#");
    f.write("\xD6l.ZVK", "...\xF6");  // "Öl" named on a Latin-1 system
    f.write("Äpfel.ZVK", "#");
    std::filesystem::create_directory(f.path / "folder.ZVK");
    std::filesystem::create_symlink(f.path / "A.ZVK", f.path / "link.ZVK");
    std::filesystem::create_symlink(f.path / "gone", f.path / "dangling.ZVK");

    LevelList list(f.path);
    EXPECT_EQ(listed(list), (std::vector<std::string>{"A.ZVK", "a.zvk", "A1.ZVK", "b.ZVK", "C.Zvk", "link.ZVK", "Z.ZVK",
                                                      "Äpfel.ZVK", "Öl.ZVK"}));
    EXPECT_EQ(readLevelText(list.filePath(8)), "...\xF6");
    EXPECT_THROW(list.List(9), std::out_of_range);

    f.write("N.ZVK", "#");
    EXPECT_EQ(list.ListCount(), 9);
    list.Refresh();
    EXPECT_EQ(list.List(6), "N.ZVK");
    EXPECT_EQ(LevelList(f.path / "missing").ListCount(), 0);
}

} // namespace
} // namespace zorvik::testing
