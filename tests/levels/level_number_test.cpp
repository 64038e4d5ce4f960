// The one-number format: what the reader takes, what it refuses, and the bytes the writer puts down.
#include "levels/level_number.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(LevelNumber, ReadsTheWrittenFormAndWhatPeopleTypeAndRefusesTheRest)
{
    const std::pair<std::string, int> taken[] = {{" 12 \r\n", 12}, {"7", 7}, {"3\n9", 3}, {"   5,8", 5}, {"007 x", 7}, {"32767", 32767}};
    for (const auto& [bytes, number] : taken)
        EXPECT_EQ(readLevelNumber(bytes), number) << '"' << bytes << '"';
    const std::string refused[] = {"", "   ", "\r\n 4", ",4", "-1", "-0", "+3", "32768", "99999999999999999999999",
                                   "4.5", "4x", "\t4", std::string("4\0", 2), "\xEF\xBB\xBF" "4"};
    for (const auto& bytes : refused)
        EXPECT_EQ(readLevelNumber(bytes), std::nullopt) << '"' << bytes << '"';
}

TEST(LevelNumber, WritesBlankDigitsBlankCrLf)
{
    EXPECT_EQ(levelNumberLine(4), std::string({32, 52, 32, 13, 10}));
    EXPECT_EQ(levelNumberLine(12), " 12 \r\n");
}

} // namespace
} // namespace zorvik
