// The last-game file: where the game starts, the bytes written at closing, and a folder that takes no file.
#include "level_folder.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

const std::string kLastGame = "Zorvik letzter Spielstand";

TEST(LastGame, ClosingOnTheSecondLevelWritesBlankOneBlankCrLfOverTheOldFile)
{
    LevelFolder f;
    f.writeThreeLevels();
    f.write(kLastGame, " 1 \r\n" + std::string(100, 'x'));
    f.start();
    f.game->Form_Unload();
    EXPECT_EQ(f.read(kLastGame), std::string({32, 49, 32, 13, 10}));
    EXPECT_EQ(f.names(), (std::set<std::string>{"A.ZVK", "B.ZVK", "C.ZVK", kLastGame}));
    EXPECT_EQ(f.window.count(Call::Warning), 0);
}

// Negative or too big numbers and text went into LevelNr as they were.
TEST(LastGame, WhatIsNoLevelNumberStartsTheFirstLevel)
{
    for (const std::string content : {"-1", "32768", "zwei", "1.5", "", "\r\n 2"}) {
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
    Game& game = f.start();
    game.LevelNr = 2;
    EXPECT_NO_THROW(game.Form_Unload());
    ASSERT_EQ(f.window.count(Call::Warning), 1);
    EXPECT_EQ(f.window.only(Call::Warning)[0].text, "Zorvik: Der letzte Spielstand ließ sich nicht in „" +
                                                        (f.path / kLastGame).string() + "“ speichern (das ist ein Ordner).");
    EXPECT_EQ(f.names().size(), 4u);  // no temporary file left behind
}

} // namespace
} // namespace zorvik::testing
