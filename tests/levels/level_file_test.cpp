// SPDX-License-Identifier: GPL-3.0-or-later
// Level files: the list over a folder, the first line, Windows-1252 and its UTF-8 twin, the demo file,
// and which texts can be played.
#include "levels/level_file.h"
#include "model/level_list.h"
#include "levels/text_encoding.h"
#include "level_folder.h"
#include "model/level_start_error.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

using namespace std::string_literals;

TEST(LevelList, RegularLevelFilesOfAnyCaseSortedWithoutRegardToCase)
{
    LevelFolder f;
    for (const char* name : {"b.ZVK", "a.zvk", "C.Zvk", "A.ZVK", "A1.ZVK", "notes.txt", "D.ZVK.bak", ".hidden.ZVK", "Z.ZVK", "Äpfel.ZVK", "Šb.ZVK", "ša.ZVK"})
        f.write(name, "#");
    f.write("\xD6l.ZVK", "...\xF6");  // "Öl" named on a Latin-1 system
    std::filesystem::create_directory(f.path / "folder.ZVK");
    std::filesystem::create_symlink(f.path / "A.ZVK", f.path / "link.ZVK");
    std::filesystem::create_symlink(f.path / "gone", f.path / "dangling.ZVK");
    LevelList list(f.path);
    std::string listed;
    for (int i = 0; i < list.ListCount(); ++i)
        listed += list.List(i) + " ";
    EXPECT_EQ(listed, "A.ZVK a.zvk A1.ZVK b.ZVK C.Zvk link.ZVK Z.ZVK Äpfel.ZVK Öl.ZVK ša.ZVK Šb.ZVK ");
    EXPECT_EQ(readLevelText(list.filePath(8)), "...\xF6");
    f.write("N.ZVK", "#");
    EXPECT_EQ(list.ListCount(), 11);  // until the next Refresh
    list.Refresh();
    EXPECT_EQ(list.List(6), "N.ZVK");
    EXPECT_EQ(LevelList(f.path / "missing").ListCount(), 0);
}

TEST(LevelFile, OnlyTheFirstLineCountsWhateverEndsItAndUtf8IsDecodedToTheCodePage)
{
    LevelFolder folder;
    for (const auto& bytes : {kLevelB + "\r\nnotes\r\n", kLevelB + "\n###\n", kLevelB + "\rmore", kLevelB, "\xEF\xBB\xBF" "öo....###\r\n"s}) {
        folder.write("L.ZVK", bytes);
        EXPECT_EQ(readLevelText(folder.path / "L.ZVK"), kLevelB);
    }
    EXPECT_EQ(demoLevelFile(), kDemoLevel + "\r\n");
    EXPECT_EQ(demoLevelFile().size(), 51u);  // "ö" and "ä" one byte each
    // UTF-8 is decoded to the code page, everything else is taken as it is.
    const std::pair<std::string, std::string> decoded[] = {
        {"öo....###", kLevelB},  // this source file is UTF-8
        {"\xEF\xBB\xBF" "öo....###", kLevelB},
        {"\xEF\xBB\xBF" "...#", "...#"},
        {kLevelB, kLevelB},                                // Windows-1252 is not valid UTF-8
        {"\xC0\xAF\xED\xA0\x80", "\xC0\xAF\xED\xA0\x80"},  // overlong form, surrogate
        {"\xED\xBF\xBF", "\xED\xBF\xBF"}, {"\xE0\xA0\x80", "?"},  // the last surrogate; the first three-byte form
        {"€日😀ö", "\x80??\xF6"},                           // outside the code page: "?", no cell character
        {"\u00A0\u00FF", "\xA0\xFF"},                    // the ends of the upper half that keeps its code points
    };
    for (const auto& [line, text] : decoded)
        EXPECT_EQ(decodeLevelLine(line), text) << line;
    // Names: UTF-8 as it is, others read as Windows-1252; undefined 0x81 keeps its control code point.
    EXPECT_EQ(shownName("Müll") + shownName("M\xFCll\x80\x81"), "MüllMüll€\xC2\x81");
}

// The recovery keeps a "NeuesLevel.ZVK" only if the level start would take it; what the start refuses fails
// with a reason instead of breaking the game.
TEST(LevelFile, ProblemCheckAgreesWithTheLevelStart)
{
    const std::pair<std::string, bool> texts[] = {
        {"", false}, {"12345678", false}, {std::string(5, '.'), false}, {kDemoLevel, true},
        {std::string(1225, '.') + std::string(71, ' '), true}, {std::string(1226, '.') + std::string(70, ' '), false},
        {std::string(36 * 36, '#'), true}, {std::string(181 * 181, '#'), true}, {std::string(181 * 181 + 1, ' '), false}, {std::string(182 * 182, '#'), false}};
    for (const auto& [text, playable] : texts) {
        TestGame t;
        t.game.LevelText = text;
        if (playable)
            EXPECT_NO_THROW(t.game.Beginn()) << text.size();
        else
            EXPECT_THROW(t.game.Beginn(), LevelStartError) << text.size();
        EXPECT_EQ(!levelTextProblem(text), playable) << text.size() << " cells";
    }
    // A headless worm numbered on from Endlaenge 1225 would pass index 1225 of the segment tables.
    TestGame t;
    t.game.LevelText = std::string(1225, 'o') + std::string(71, ' ');
    EXPECT_THROW(t.game.Beginn(), LevelStartError);
}

} // namespace
} // namespace zorvik::testing
