// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-check's rules, each fault a level designer can make reported with its position.
#include "levels/level_check.h"
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

TEST(LevelCheck, PlayableLevelsPassWithoutAWordAndUnknownCharactersAreOnlyWarnings)
{
    // A body of one segment may swap places with the head, so walls on three sides do not trap it;
    // the worm's own cells are free to cross.
    for (const auto& text : {kDemoLevel, level({"###", "öo.", "###"}), level({".#.", ".#.", "öo."})})
        EXPECT_TRUE(check::checkLevelText(text).empty()) << toUtf8(text);
    // "X" and "O" are no cell codes; blanks and "-" are the empty cells levels use.
    const auto text = level({"öoX", ". -", "O\t."});
    EXPECT_TRUE(found(text).empty());
    EXPECT_EQ(found(text, check::Severity::Warning),
              Texts{"3 characters that are no cell code and count as empty cells: \"X\" at row 1, column 3 (character 3); "
                    "\"O\" at row 3, column 1 (character 7); byte 0x09 at row 3, column 2 (character 8)"});
    // Guards the singular: one such character was "1 character that are no cell code".
    EXPECT_EQ(found(level({"öX", ". "}), check::Severity::Warning),
              Texts{"1 character that is no cell code and counts as an empty cell: \"X\" at row 1, column 2 (character 2)"});
}

TEST(LevelCheck, EachFaultIsNamedWithItsPositions)
{
    std::string dots(36 * 36, '.'), walls(182 * 182, '#');
    dots[0] = '\xF6';
    walls.replace(0, 2, "\xF6.");
    const std::pair<std::string, std::string> faults[] = {
        {"", "empty: the first line holds no level"},
        {std::string(49, '.') + "\xF6", "not a square: the line has 50 characters, which is no square number (49 = 7 × 7, "
                                        "64 = 8 × 8): a level is n × n cells in one line"},
        {dots, "too big: 1296 worm and dot cells, but the worm can grow to at most 1225"},
        {walls, "too big: 182 × 182 cells, but the game takes at most 181 × 181"},
        {level({"oo.", "...", "..."}), "no head: the worm needs one \"ö\" cell (byte 0xF6) where it starts"},
        {level({"ö..", "...", "..ö"}), "2 heads (\"ö\"), but a worm has exactly one: row 1, column 1 (character 1); row 3, "
                                       "column 3 (character 9)"},
        // Left of the head, beyond a gap and below it.
        {level({"oöo o", "  o  ", ".....", ".....", "....."}),
         "the body is not a row to the right of its head at row 1, column 2 (character 2): every \"o\" or \"ä\" must follow "
         "the head without a gap in its row; these do not: row 1, column 1 (character 1); row 1, column 5 (character 5); "
         "row 2, column 3 (character 8)"},
        {level({"###.", "öoo.", "###.", "...."}), "the worm is stuck at the start: the head at row 2, column 1 (character 5) "
                                                  "has walls on three sides and its body on the fourth"},
        {level({"öo", "  "}), "no dots: only eating the last dot finishes a level"},
        {level({"öo#.", "..#.", "###.", "...#"}),
         "6 dots the worm can never reach, walled in: row 1, column 4 (character 4); row 2, column 4 (character 8); row 3, "
         "column 4 (character 12); row 4, column 1 (character 13); row 4, column 2 (character 14); row 4, column 3 "
         "(character 15)"},
    };
    for (const auto& [text, error] : faults)
        EXPECT_EQ(found(text), Texts{error}) << toUtf8(text.substr(0, 30));
    // Every cell of a finding is listed: the studio test marks those of this last one on the board.
}
} // namespace
} // namespace zorvik::testing
