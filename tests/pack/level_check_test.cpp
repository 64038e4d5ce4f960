// zorvik-check's rules: each fault a level designer can make, reported with its position.
#include "level_check.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

using Texts = std::vector<std::string>;

Texts found(const std::string& text, check::Severity severity = check::Severity::Error)
{
    Texts out;
    for (const auto& finding : check::checkLevelText(text))
        if (finding.severity == severity)
            out.push_back(finding.text);
    return out;
}

TEST(LevelCheck, PlayableLevelsPassWithoutAWord)
{
    EXPECT_TRUE(check::checkLevelText(kDemoLevel).empty());
    EXPECT_TRUE(check::checkLevelText(level({"öooo", "....", "#..#", "...."})).empty());
    // A body of one segment may swap places with the head, so walls on three sides do not trap it.
    EXPECT_TRUE(check::checkLevelText(level({"###", "öo.", "###"})).empty());
}

TEST(LevelCheck, TextsThatAreNoBoardOrTooBig)
{
    EXPECT_EQ(found(""), Texts{"empty: the first line holds no level"});
    EXPECT_EQ(found(std::string(49, '.') + "\xF6").at(0),
              "not a square: the line has 50 characters, which is no square number (49 = 7 × 7, 64 = 8 × 8): "
              "a level is n × n cells in one line");
    std::string dots(36 * 36, '.');
    dots[0] = '\xF6';
    EXPECT_EQ(found(dots), Texts{"too big: 1296 worm and dot cells, but the worm can grow to at most 1225"});
    std::string walls(182 * 182, '#');
    walls.replace(0, 2, "\xF6.");
    EXPECT_EQ(found(walls), Texts{"too big: 182 × 182 cells, but the game takes at most 181 × 181"});
}

TEST(LevelCheck, WormFaultsNamePositions)
{
    EXPECT_EQ(found(level({"oo.", "...", "..."})), Texts{"no head: the worm needs one \"ö\" cell (byte 0xF6) where it starts"});
    EXPECT_EQ(found(level({"ö..", "...", "..ö"})), Texts{"2 heads (\"ö\"), but a worm has exactly one: row 1, column 1 "
                                                         "(character 1); row 3, column 3 (character 9)"});
    // Left of the head, beyond a gap and below it.
    EXPECT_EQ(found(level({"oöo o", "  o  ", ".....", ".....", "....."})),
              Texts{"the body is not a row to the right of its head at row 1, column 2 (character 2): every \"o\" or "
                    "\"ä\" must follow the head without a gap in its row; these do not: row 1, column 1 (character 1); "
                    "row 1, column 5 (character 5); row 2, column 3 (character 8)"});
    EXPECT_EQ(found(level({"###.", "öoo.", "###.", "...."})),
              Texts{"the worm is stuck at the start: the head at row 2, column 1 (character 5) has walls on three "
                    "sides and its body on the fourth"});
}

TEST(LevelCheck, DotsMissingOrWalledIn)
{
    EXPECT_EQ(found(level({"öo", "  "})), Texts{"no dots: only eating the last dot finishes a level"});
    // The worm's own cells are free to cross; walls and the border are not.
    EXPECT_TRUE(found(level({".#.", ".#.", "öo."})).empty());
    EXPECT_EQ(found(level({"öo#.", "..#.", "###.", "...#"})),
              Texts{"6 dots the worm can never reach, walled in: row 1, column 4 (character 4); row 2, column 4 "
                    "(character 8); row 3, column 4 (character 12); row 4, column 1 (character 13); row 4, column 2 "
                    "(character 14); row 4, column 3 (character 15)"});
}

TEST(LevelCheck, UnknownCharactersAreOnlyWarnings)
{
    // "X" and "O" are no cell codes; blanks and "-" are the empty cells levels use.
    const auto text = level({"öoX", ". -", "O\t."});
    EXPECT_TRUE(found(text).empty());
    EXPECT_EQ(found(text, check::Severity::Warning),
              Texts{"3 characters that are no cell code and count as empty cells: \"X\" at row 1, column 3 (character 3); "
                    "\"O\" at row 3, column 1 (character 7); byte 0x09 at row 3, column 2 (character 8)"});
}

} // namespace
} // namespace zorvik::testing
