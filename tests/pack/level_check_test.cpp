// zorvik-check's rules: each fault a level designer can make, reported with its position.
#include "level_check.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

using check::checkLevelText;
using check::Finding;
using check::Severity;

std::vector<std::string> errors(const std::string& text)
{
    std::vector<std::string> out;
    for (const Finding& finding : checkLevelText(text))
        if (finding.severity == Severity::Error)
            out.push_back(finding.text);
    return out;
}

std::vector<std::string> warnings(const std::string& text)
{
    std::vector<std::string> out;
    for (const Finding& finding : checkLevelText(text))
        if (finding.severity == Severity::Warning)
            out.push_back(finding.text);
    return out;
}

TEST(LevelCheck, PlayableLevelsPassWithoutAWord)
{
    EXPECT_TRUE(checkLevelText(kDemoLevel).empty());
    EXPECT_TRUE(checkLevelText(level({"ö.", "  "})).empty());
    // A head alone with its dot, and a worm that fills its whole row.
    EXPECT_TRUE(checkLevelText(level({"öooo", "....", "#..#", "...."})).empty());
}

TEST(LevelCheck, TextsThatAreNoBoard)
{
    EXPECT_EQ(errors(""), (std::vector<std::string>{"empty: the first line holds no level"}));
    const auto fifty = errors(std::string(49, '.') + "\xF6");
    ASSERT_FALSE(fifty.empty());
    EXPECT_EQ(fifty[0], "not a square: the line has 50 characters, which is no square number (49 = 7 × 7, "
                        "64 = 8 × 8): a level is n × n cells in one line");
    EXPECT_NE(errors("\xF6" "o.").at(0).find("(1 = 1 × 1, 4 = 2 × 2)"), std::string::npos);
}

TEST(LevelCheck, BoardsTooBigForTheGame)
{
    // 36 x 36 dots: 1296 cells the worm could grow into, its tables hold 1225.
    std::string text(36 * 36, '.');
    text[0] = '\xF6';
    const auto found = errors(text);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], "too big: 1296 worm and dot cells, but the worm can grow to at most 1225");

    std::string wide(182 * 182, '#');
    wide[0] = '\xF6';
    wide[1] = '.';
    EXPECT_EQ(errors(wide), (std::vector<std::string>{"too big: 182 × 182 cells, but the game takes at most 181 × 181"}));
}

TEST(LevelCheck, HeadsCountedAndPlaced)
{
    EXPECT_EQ(errors(level({"oo.", "...", "..."})),
              (std::vector<std::string>{"no head: the worm needs one \"ö\" cell (byte 0xF6) where it starts"}));
    EXPECT_EQ(errors(level({"ö..", "...", "..ö"})),
              (std::vector<std::string>{"2 heads (\"ö\"), but a worm has exactly one: row 1, column 1 (character 1); "
                                        "row 3, column 3 (character 9)"}));
}

TEST(LevelCheck, BodyMustBeARowRightOfTheHead)
{
    // Below the head, left of it, and beyond a gap: every stray segment is named.
    const auto found = errors(level({"oöo o", "  o  ", ".....", ".....", "....."}));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], "the body is not a row to the right of its head at row 1, column 2 (character 2): every \"o\" or "
                        "\"ä\" must follow the head without a gap in its row; these do not: row 1, column 1 (character 1); "
                        "row 1, column 5 (character 5); row 2, column 3 (character 8)");
    EXPECT_TRUE(errors(level({"öoä", "...", "..."})).empty());
}

TEST(LevelCheck, WormThatCannotMakeAFirstMove)
{
    // Border left, walls above and below, the body behind: every key kills or does nothing.
    EXPECT_EQ(errors(level({"###.", "öoo.", "###.", "...."})),
              (std::vector<std::string>{"the worm is stuck at the start: the head at row 2, column 1 (character 5) "
                                        "has walls on three sides and its body on the fourth"}));
    // With a body of one segment the head may swap places with it.
    EXPECT_TRUE(errors(level({"###", "öo.", "###"})).empty());
}

TEST(LevelCheck, DotsAndTheirReach)
{
    EXPECT_EQ(errors(level({"öo", "  "})), (std::vector<std::string>{"no dots: only eating the last dot finishes a level"}));
    // Worm cells are free cells for the reach; walls and the border are not.
    const auto found = errors(level({"öo#.", "..#.", "###.", "...."}));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], "7 dots the worm can never reach, walled in: row 1, column 4 (character 4); "
                        "row 2, column 4 (character 8); row 3, column 4 (character 12); row 4, column 1 (character 13); "
                        "row 4, column 2 (character 14); row 4, column 3 (character 15); row 4, column 4 (character 16)");
    EXPECT_TRUE(errors(level({".#.", ".#.", "öo."})).empty());
}

TEST(LevelCheck, LongListsOfPositionsAreCutShort)
{
    // The worm boxed into the top left corner with one dot; 94 dots outside.
    const std::string text = "\xF6.#......." "###......." + std::string(80, '.');
    const auto found = errors(text);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].substr(0, 44), "94 dots the worm can never reach, walled in:");
    EXPECT_EQ(found[0].substr(found[0].size() - 13), "; and 86 more");
}

TEST(LevelCheck, UnknownCharactersAreWarningsOnly)
{
    // "X" and "O" are no cell codes; blanks and "-" are the empty cells levels use.
    const auto text = level({"öoX", ". -", "O\t."});
    EXPECT_TRUE(errors(text).empty());
    EXPECT_EQ(warnings(text), (std::vector<std::string>{
                                  "3 characters that are no cell code and count as empty cells: \"X\" at row 1, column 3 "
                                  "(character 3); \"O\" at row 3, column 1 (character 7); byte 0x09 at row 3, column 2 "
                                  "(character 8)"}));
    // Without a square board there is no row and column, only the place in the line.
    EXPECT_NE(warnings("\xF6X.").at(0).find("\"X\" at character 2"), std::string::npos);
}

TEST(LevelCheck, EveryFaultOfOneLevelIsReportedTogether)
{
    const auto found = errors(level({"o.#", "#ö#", "###"}));
    EXPECT_EQ(found.size(), 1u);  // the stray segment; its dot is reachable over the worm's cell
    EXPECT_EQ(errors(level({"oö#", "###", "..."})).size(), 2u);  // stray segment and walled-in dots
}

} // namespace
} // namespace zorvik::testing
