// The level list over a real folder: which files, in which order, under which names.
#include "levels/level_file.h"
#include "levels/level_list.h"
#include "temp_folder.h"

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

TEST(LevelList, LevelFilesOfAnyLetterCaseInNameOrderWithoutRegardToCase)
{
    TempFolder folder;
    for (const char* name : {"b.ZVK", "a.zvk", "C.Zvk", "A.ZVK", "A1.ZVK", "notes.txt", "D.ZVK.bak", "ZVK", ".hidden.ZVK"})
        folder.write(name, "#");
    std::filesystem::create_directory(folder.path / "folder.ZVK");  // not a level
    std::filesystem::create_symlink(folder.path / "A.ZVK", folder.path / "link.ZVK");
    std::filesystem::create_symlink(folder.path / "gone", folder.path / "dangling.ZVK");

    const LevelList list(folder.path);
    EXPECT_EQ(listed(list), (std::vector<std::string>{"A.ZVK", "a.zvk", "A1.ZVK", "b.ZVK", "C.Zvk", "link.ZVK"}));
    EXPECT_EQ(list.filePath(3), folder.path / "b.ZVK");
    EXPECT_THROW(list.List(6), std::out_of_range);
}

TEST(LevelList, NameThatIsNotUtf8IsShownAsWindows1252AndStillOpens)
{
    TempFolder folder;
    folder.write("\xD6l.ZVK", "...\xF6");  // "Öl" written by a Latin-1 system
    folder.write("Äpfel.ZVK", "#");
    folder.write("Z.ZVK", "#");

    const LevelList list(folder.path);
    // Letters of the code page sort by their lower-case form: z, ä, ö.
    EXPECT_EQ(listed(list), (std::vector<std::string>{"Z.ZVK", "Äpfel.ZVK", "Öl.ZVK"}));
    EXPECT_EQ(readLevelText(list.filePath(2)), "...\xF6");
}

TEST(LevelList, RefreshSeesNewFilesAndAMissingFolderListsNothing)
{
    TempFolder folder;
    LevelList list(folder.path);
    EXPECT_EQ(list.ListCount(), 0);
    folder.write("N.ZVK", "#");
    EXPECT_EQ(list.ListCount(), 0);
    list.Refresh();
    EXPECT_EQ(listed(list), std::vector<std::string>{"N.ZVK"});
    EXPECT_EQ(LevelList(folder.path / "missing").ListCount(), 0);
}

} // namespace
} // namespace zorvik::testing
