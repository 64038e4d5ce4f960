// Level files: the first line, Windows-1252 and its UTF-8 twin, names, the demo file, and which texts can be played.
#include "levels/level_file.h"
#include "levels/text_encoding.h"
#include "level_folder.h"
#include "model/level_start_error.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

TEST(LevelFile, OnlyTheFirstLineCountsWhateverEndsIt)
{
    LevelFolder folder;
    for (const auto& bytes : {kLevelB + "\r\nnotes\r\n", kLevelB + "\n###\n", kLevelB + "\rmore", kLevelB}) {
        folder.write("L.ZVK", bytes);
        EXPECT_EQ(readLevelText(folder.path / "L.ZVK"), kLevelB);
    }
}

TEST(LevelFile, Utf8IsDecodedToTheCodePageAndEverythingElseIsTakenAsItIs)
{
    EXPECT_EQ(decodeLevelLine("öo....###"), kLevelB);  // this source file is UTF-8
    EXPECT_EQ(decodeLevelLine("\xEF\xBB\xBF" "öo....###"), kLevelB);
    EXPECT_EQ(decodeLevelLine("\xEF\xBB\xBF" "...#"), "...#");
    EXPECT_EQ(decodeLevelLine(kLevelB), kLevelB);       // Windows-1252 is not valid UTF-8
    EXPECT_EQ(decodeLevelLine("\xC0\xAF\xED\xA0\x80"), "\xC0\xAF\xED\xA0\x80");  // overlong form, surrogate
    // Outside the code page: one "?" a character, which is no cell character.
    EXPECT_EQ(decodeLevelLine("€日😀ö"), "\x80??\xF6");
    // Names: UTF-8 as it is, others read as Windows-1252; undefined 0x81 keeps its control code point.
    EXPECT_EQ(shownName("Müll"), "Müll");
    EXPECT_EQ(shownName("M\xFCll\x80\x81"), "Müll€\xC2\x81");
}

TEST(LevelFile, DemoFileIsTheLevelTextAndCrLfInFiftyOneBytes)
{
    EXPECT_EQ(demoLevelFile(), kDemoLevel + "\r\n");
    EXPECT_EQ(demoLevelFile().size(), 51u);
    EXPECT_EQ(static_cast<unsigned char>(demoLevelFile()[15]), 246);
    EXPECT_EQ(static_cast<unsigned char>(demoLevelFile()[19]), 228);
}

// The recovery keeps a "NeuesLevel.ZVK" only if the level start would take it.
TEST(LevelFile, ProblemCheckAgreesWithTheLevelStart)
{
    for (const auto& text : {std::string(), std::string(5, '.'), kDemoLevel, std::string(35 * 35, '.'),
                             std::string(36 * 36, '.'), std::string(36 * 36, '#'), std::string(182 * 182, '#')}) {
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
