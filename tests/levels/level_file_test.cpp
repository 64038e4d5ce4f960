// Level files: the first line, Windows-1252 and its UTF-8 twin, the demo file, and which texts can be played.
#include "levels/level_file.h"
#include "levels/text_encoding.h"
#include "model/level_start_error.h"
#include "support/test_game.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

const std::string kSmall = level({"ö..", ".#.", "ä,x"});  // Windows-1252 bytes

TEST(LevelFile, OnlyTheFirstLineCountsWhateverEndsIt)
{
    TempFolder folder;
    const std::string files[] = {kSmall + "\r\n" + "second line\r\n", kSmall + "\n#########\n", kSmall + "\rmore", kSmall};
    for (const auto& bytes : files) {
        folder.write("L.ZVK", bytes);
        EXPECT_EQ(readLevelText(folder.path / "L.ZVK"), kSmall);
    }
}

TEST(LevelFile, Utf8TwinReadsAsTheSameLevelAsItsWindows1252Original)
{
    const std::string utf8 = "ö...#.äoo";  // this source file is UTF-8
    EXPECT_EQ(decodeLevelLine(utf8), level({"ö..", ".#.", "äoo"}));
    EXPECT_EQ(decodeLevelLine("\xEF\xBB\xBF" + utf8), decodeLevelLine(utf8));
    EXPECT_EQ(decodeLevelLine("\xEF\xBB\xBF" "...#"), "...#");  // a mark before plain ASCII goes too
    // Windows-1252 that is not valid UTF-8 is left alone, the lone lead byte 0xC3 ("Ã") included.
    EXPECT_EQ(decodeLevelLine(kSmall), kSmall);
    EXPECT_EQ(decodeLevelLine("\xC3..."), "\xC3...");
}

TEST(LevelFile, CharactersOutsideTheCodePageBecomeOneEmptyCellEach)
{
    // "€" is in the code page (0x80); CJK and emoji are not, and "?" is no cell character.
    EXPECT_EQ(decodeLevelLine("€日😀ö"), "\x80??\xF6");
    // Overlong forms and encoded surrogates are not UTF-8: the line is Windows-1252 as it stands.
    EXPECT_EQ(decodeLevelLine("\xC0\xAF."), "\xC0\xAF.");
    EXPECT_EQ(decodeLevelLine("\xED\xA0\x80."), "\xED\xA0\x80.");
}

TEST(LevelFile, NamesAreShownInUtf8AndThoseThatAreNotUtf8AsWindows1252)
{
    EXPECT_EQ(shownName("Müll.ZVK"), "Müll.ZVK");
    EXPECT_EQ(shownName("M\xFCll.ZVK"), "Müll.ZVK");
    EXPECT_EQ(shownName("\x80\x81.ZVK"), "€\xC2\x81.ZVK");  // undefined 0x81 keeps its control code point
    EXPECT_EQ(windows1252ToUtf8(utf8ToWindows1252("Ÿ€‰ß")), "Ÿ€‰ß");
}

TEST(LevelFile, DemoFileIsTheLevelTextAndCrLfInFiftyOneBytes)
{
    const std::string file = demoLevelFile();
    ASSERT_EQ(file.size(), 51u);
    EXPECT_EQ(file.substr(0, 49), kDemoLevel);
    EXPECT_EQ(static_cast<unsigned char>(file[15]), 246);
    EXPECT_EQ(static_cast<unsigned char>(file[19]), 228);
    EXPECT_EQ(file.substr(49), "\r\n");
}

// The recovery keeps a "NeuesLevel.ZVK" only if the level start would take it.
TEST(LevelFile, ProblemCheckAgreesWithTheLevelStart)
{
    const std::string texts[] = {"", ".", "....", ".....", kDemoLevel, std::string(35 * 35, '.'),
                                 std::string(36 * 36, '.'), std::string(36 * 36, '#'), std::string(182 * 182, '#')};
    for (const auto& text : texts) {
        TestGame t;
        t.game.LevelText = text;
        bool started = true;
        try {
            t.game.Beginn();
        } catch (const LevelStartError&) {
            started = false;
        }
        EXPECT_EQ(!levelTextProblem(text).has_value(), started) << text.size() << " cells";
    }
}

} // namespace
} // namespace zorvik::testing
