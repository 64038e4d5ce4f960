// The one-number format of the last game and the level-start files, and the last-game file itself.
#include "level_folder.h"
#include "levels/level_number.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

TEST(LevelNumber, ReadsTheWrittenFormAndWhatPeopleTypeAndRefusesTheRest)
{
    const std::pair<std::string, int> taken[] = {{" 12 \r\n", 12}, {"7", 7}, {"3\n9", 3}, {"   5,8", 5}, {"007 x", 7}, {"32767", 32767}};
    for (const auto& [bytes, number] : taken)
        EXPECT_EQ(readLevelNumber(bytes), number) << '"' << bytes << '"';
    for (const std::string bytes : {"", "   ", "\r\n 4", ",4", "-1", "-0", "+3", "32768", "99999999999999999999999", "4.5",
                                    "4x", "\t4", "\xEF\xBB\xBF" "4"})
        EXPECT_EQ(readLevelNumber(bytes), std::nullopt) << '"' << bytes << '"';
    EXPECT_EQ(readLevelNumber(std::string("4\0", 2)), std::nullopt);
}

TEST(LastGame, ClosingOnTheSecondLevelWritesBlankOneBlankCrLfOverTheOldFile)
{
    LevelFolder f;
    f.writeThreeLevels();
    f.write(kLastGame, " 1 \r\n" + std::string(100, 'x'));
    f.start().Form_Unload();
    EXPECT_EQ(f.read(kLastGame), std::string({32, 49, 32, 13, 10}));
    EXPECT_EQ(f.names().size(), 4u);  // no temporary file left behind
    EXPECT_EQ(f.window.count(Call::Warning), 0);
}

// Negative or too big numbers and text went into LevelNr as they were.
TEST(LastGame, WhatIsNoLevelNumberStartsTheFirstLevel)
{
    for (const std::string content : {"-1", "32768", "zwei"}) {
        LevelFolder f;
        f.writeThreeLevels();
        f.write(kLastGame, content);
        EXPECT_EQ(f.start().LevelNr, 0) << content;
    }
}

// Closing in a folder that takes no file failed without a word.
TEST(LastGame, FolderThatTakesNoFileGivesAOneLineWarningAndTheGameStillCloses)
{
    LevelFolder f;
    f.writeThreeLevels();
    std::filesystem::create_directory(f.path / kLastGame);
    EXPECT_NO_THROW(f.start().Form_Unload());
    EXPECT_EQ(describe(f.window.only(Call::Warning)), "warning Zorvik: Der letzte Spielstand ließ sich nicht in „" +
                                                          (f.path / kLastGame).string() + "“ speichern (das ist ein Ordner).");
    EXPECT_EQ(f.names().size(), 4u);
}

} // namespace
} // namespace zorvik::testing
