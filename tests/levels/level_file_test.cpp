// SPDX-License-Identifier: GPL-3.0-or-later
// Level files: the list over a folder, the first line, Windows-1252 and its UTF-8 twin, the demo file,
// and which texts can be played.
#include "levels/level_file.h"
#include "levels/level_list.h"
#include "levels/text_encoding.h"
#include "level_folder.h"
#include "model/level_start_error.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

TEST(LevelList, RegularLevelFilesOfAnyCaseSortedWithoutRegardToCase)
{
    LevelFolder f;
    for (const char* name : {"b.ZVK", "a.zvk", "C.Zvk", "A.ZVK", "A1.ZVK", "notes.txt", "D.ZVK.bak", ".hidden.ZVK", "Z.ZVK", "Äpfel.ZVK"})
        f.write(name, "#");
    f.write("\xD6l.ZVK", "...\xF6");  // "Öl" named on a Latin-1 system
    std::filesystem::create_directory(f.path / "folder.ZVK");
    std::filesystem::create_symlink(f.path / "A.ZVK", f.path / "link.ZVK");
    std::filesystem::create_symlink(f.path / "gone", f.path / "dangling.ZVK");
    LevelList list(f.path);
    auto listed = [&list] {
        std::string out;
        for (int i = 0; i < list.ListCount(); ++i)
            out += list.List(i) + " ";
        return out;
    };
    EXPECT_EQ(listed(), "A.ZVK a.zvk A1.ZVK b.ZVK C.Zvk link.ZVK Z.ZVK Äpfel.ZVK Öl.ZVK ");
    EXPECT_EQ(readLevelText(list.filePath(8)), "...\xF6");
    f.write("N.ZVK", "#");
    EXPECT_EQ(list.ListCount(), 9);  // until the next Refresh
    list.Refresh();
    EXPECT_EQ(list.List(6), "N.ZVK");
    EXPECT_EQ(LevelList(f.path / "missing").ListCount(), 0);
}

TEST(LevelFile, OnlyTheFirstLineCountsWhateverEndsIt)
{
    LevelFolder folder;
    for (const auto& bytes : {kLevelB + "\r\nnotes\r\n", kLevelB + "\n###\n", kLevelB + "\rmore", kLevelB}) {
        folder.write("L.ZVK", bytes);
        EXPECT_EQ(readLevelText(folder.path / "L.ZVK"), kLevelB);
    }
    EXPECT_EQ(demoLevelFile(), kDemoLevel + "\r\n");
    EXPECT_EQ(demoLevelFile().size(), 51u);  // "ö" and "ä" one byte each
}

TEST(LevelFile, Utf8IsDecodedToTheCodePageAndEverythingElseIsTakenAsItIs)
{
    const std::pair<std::string, std::string> decoded[] = {
        {"öo....###", kLevelB},  // this source file is UTF-8
        {"\xEF\xBB\xBF" "öo....###", kLevelB},
        {"\xEF\xBB\xBF" "...#", "...#"},
        {kLevelB, kLevelB},                                // Windows-1252 is not valid UTF-8
        {"\xC0\xAF\xED\xA0\x80", "\xC0\xAF\xED\xA0\x80"},  // overlong form, surrogate
        {"€日😀ö", "\x80??\xF6"},                           // outside the code page: "?", no cell character
    };
    for (const auto& [line, text] : decoded)
        EXPECT_EQ(decodeLevelLine(line), text) << line;
    // Names: UTF-8 as it is, others read as Windows-1252; undefined 0x81 keeps its control code point.
    EXPECT_EQ(shownName("Müll") + shownName("M\xFCll\x80\x81"), "MüllMüll€\xC2\x81");
}

// The recovery keeps a "NeuesLevel.ZVK" only if the level start would take it.
TEST(LevelFile, ProblemCheckAgreesWithTheLevelStart)
{
    for (const auto& text : {std::string(), std::string(5, '.'), kDemoLevel, std::string(1225, '.') + std::string(71, ' '),
                             std::string(1226, '.') + std::string(70, ' '), std::string(36 * 36, '#'), std::string(182 * 182, '#')}) {
        TestGame t;
        t.game.LevelText = text;
        bool started = true;
        try {
            t.game.Beginn();
        } catch (const LevelStartError&) {
            started = false;
        }
        EXPECT_EQ(!levelTextProblem(text), started) << text.size() << " cells";
    }
}

} // namespace
} // namespace zorvik::testing
