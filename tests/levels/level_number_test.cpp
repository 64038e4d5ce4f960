// The one-number format: what the reader takes, what it refuses, and the bytes the writer puts down.
#include "levels/level_number.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(LevelNumber, ReadsTheWrittenFormAndWhatPeopleType)
{
    const std::pair<std::string, int> cases[] = {
        {" 4 \r\n", 4}, {" 12 \r\n", 12}, {"7", 7}, {"3\n9", 3}, {"   5,8", 5},
        {"0", 0}, {"007 ", 7}, {"32767", 32767}, {" 1 trailing words", 1},
    };
    for (const auto& [bytes, number] : cases)
        EXPECT_EQ(readLevelNumber(bytes), number) << '"' << bytes << '"';
}

TEST(LevelNumber, RefusesWhatIsNoLevelNumber)
{
    const std::string refused[] = {"", "   ", "\r\n 4", ",4", "-1", "-0", "+3", "32768", "99999999999999999999999",
                                   "4.5", "4x", "abc", "\t4", std::string("4\0", 2), "\xEF\xBB\xBF" "4"};
    for (const auto& bytes : refused)
        EXPECT_EQ(readLevelNumber(bytes), std::nullopt) << '"' << bytes << '"';
}

TEST(LevelNumber, WritesBlankDigitsBlankCrLf)
{
    EXPECT_EQ(levelNumberLine(1), std::string("\x20\x31\x20\x0D\x0A"));
    EXPECT_EQ(levelNumberLine(12), " 12 \r\n");
    EXPECT_EQ(readLevelNumber(levelNumberLine(32767)), 32767);
}

} // namespace
} // namespace zorvik
