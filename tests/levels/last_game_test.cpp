// The last-game file: what starts where, the bytes written at closing, and a folder that takes no file.
#include "level_folder.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

const std::string kLastGame = "Zorvik letzter Spielstand";

TEST(LastGame, ClosingOnTheSecondLevelWritesBlankOneBlankCrLfOverTheOldFile)
{
    LevelFolder f;
    f.writeThreeLevels();
    f.folder.write(kLastGame, " 1 \r\n" + std::string(100, 'x'));
    f.start();
    EXPECT_EQ(f.levelCaption(), "Level 2");

    f.game->Form_Unload();
    EXPECT_EQ(f.folder.read(kLastGame), std::string({32, 49, 32, 13, 10}));
    EXPECT_EQ(f.folder.names(), (std::set<std::string>{"A.ZVK", "B.ZVK", "C.ZVK", kLastGame}));
    EXPECT_EQ(f.window.count(Call::Warning), 0);
}

// Negative or too big numbers and text used to go into LevelNr as they were.
TEST(LastGame, WhatIsNoLevelNumberStartsTheFirstLevel)
{
    for (const std::string content : {"-1", "32768", "zwei", "1.5", "", "\r\n 2"}) {
        LevelFolder f;
        f.writeThreeLevels();
        f.folder.write(kLastGame, content);
        Game& game = f.start();
        EXPECT_EQ(game.LevelNr, 0) << content;
        EXPECT_EQ(f.levelCaption(), "Level 1") << content;
    }
}

// Closing in a folder that takes no file used to fail without a word.
TEST(LastGame, FolderThatTakesNoFileGivesAOneLineWarningAndTheGameStillCloses)
{
    LevelFolder f;
    f.writeThreeLevels();
    std::filesystem::create_directory(f.folder.path / kLastGame);  // also unreadable as a last game
    Game& game = f.start();
    EXPECT_EQ(game.LevelNr, 0);

    game.LevelNr = 2;
    EXPECT_NO_THROW(game.Form_Unload());
    const auto warnings = f.window.only(Call::Warning);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].text, "Zorvik: Der letzte Spielstand ließ sich nicht in „" + (f.folder.path / kLastGame).string() +
                                    "“ speichern (das ist ein Ordner).");
    EXPECT_EQ(f.folder.names().size(), 4u);  // no temporary file left behind

    RecordingWindow window;
    CountingGame nowhere(window, f.folder.path / "missing");
    nowhere.Form_Unload();
    EXPECT_NE(window.only(Call::Warning).at(0).text.find("(Datei oder Ordner nicht gefunden)"), std::string::npos);
}

} // namespace
} // namespace zorvik::testing
