// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, level loading and closing in a real folder: the last game, the order, the wrap-around, the recovery
// with the demo level, and the one-number format of the last game and the level-start files.
#include "levels/level_file.h"
#include "levels/level_number.h"
#include "level_folder.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

TEST(LevelLoading, LastGameChoosesTheLevelAfterTheLastComesTheFirstAndAFileGoneIsRetriedInTheNewList)
{
    // Negative or too big numbers and text went into LevelNr as they were.
    // The file names the level in play at every change, so an end without closing loses nothing.
    const std::pair<std::string, std::string> lastGames[] = {{" 7 \r\n", " 0 \r\n"}, {"-1", "-1"}, {"32768", "32768"}, {"zwei", "zwei"}};
    for (const auto& [content, after] : lastGames) {
        LevelFolder past;
        past.writeThreeLevels();
        past.write(kLastGameFile, content);
        EXPECT_EQ(past.start().LevelText, kLevelA) << content;
        EXPECT_EQ(past.captions(), "Level 1 A");
        EXPECT_EQ(past.read(kLastGameFile), after);
        EXPECT_TRUE(past.window.messages.empty());
    }
    LevelFolder f;
    f.writeThreeLevels();
    f.write(kLastGameFile, " 2 \r\n");
    Game& game = f.start();
    EXPECT_EQ(f.window.caption, "Zorvik programmiert von Testern / 3 Levels");
    EXPECT_EQ(std::tuple(rows(game)[0], f.captions()), std::tuple("öoä.", "Level 3 C"));
    f.finishLevel();
    EXPECT_EQ(std::tuple(int(game.LevelNr), f.captions(), game.LevelText, f.read(kLastGameFile)), std::tuple(0, "Level 1 A", kLevelA, " 0 \r\n"));
    EXPECT_TRUE(f.window.messages.empty());
    // A file gone since the list was read is retried at its position in the new list.
    std::filesystem::remove(f.path / "B.ZVK");
    f.finishLevel();
    EXPECT_EQ(f.window.messages, std::vector<std::string>{kNoLevels + "\nFehler in „B.ZVK“: Die Datei lässt sich nicht lesen "
                                                                 "(Datei oder Ordner nicht gefunden)."});
    EXPECT_EQ(game.LevelText, kLevelC);  // A, C, NeuesLevel
}

// Folders where no level can be played at first: the demo level is played, and the player learns why.
TEST(LevelLoading, RecoveryPlaysTheDemoTellsWhyAndNeverDestroysALevel)
{
    const std::string demo = demoLevelFile(), broken = kNoLevels + "\nFehler in „A.ZVK“: ", none = "||";
    const std::string moved = "„NeuesLevel.ZVK“ gibt es schon und bleibt, wie es ist; das Demo-Level steht in „NeuesLevel 2.ZVK“.";
    struct Case {
        std::vector<std::pair<std::string, std::string>> files;  // a name ending in "/" is a folder
        std::string message;
        std::string demoFiles;  // "NeuesLevel.ZVK", "NeuesLevel 2.ZVK" and "NeuesLevel 3.ZVK" afterwards, joined by "|"
        const char* captions;   // at the start, then after finishing the level
    };
    const Case cases[] = {
        {{}, kNoLevels, demo + none, "Level 1 NeuesLevel, Level 1 NeuesLevel"},
        // A broken file was reported as "no levels" only, and a second failure in the same load ended the program:
        // now the demo from memory takes its place under its captions, and finishing it plays the demo file.
        {{{"A.ZVK", "\r\n"}}, broken + "Die Levelzeile ist leer.", demo + none, "Level 1 A, Level 2 NeuesLevel"},
        {{{"A.ZVK", ".....\r\n"}}, broken + "Die Levelzeile hat 5 Zeichen, das ist kein Quadrat wie 7 × 7 = 49.", demo + none,
         "Level 1 A, Level 2 NeuesLevel"},
        {{{"A.ZVK", std::string(1296, '.')}}, broken + "Das Level hat 1296 Wurm- und Punktfelder, mehr als 1225 gehen nicht.",
         demo + none, "Level 1 A, Level 2 NeuesLevel"},
        // The recovery overwrote a "NeuesLevel.ZVK" that no level start took, a player's unfinished draft: a taken name
        // stays, the demo goes under a free one, and a file on the way that holds the demo already is played.
        {{{"A.ZVK", ""}, {"NeuesLevel.ZVK", "#####"}}, broken + "Die Levelzeile ist leer.\n" + moved, "#####|" + demo + "|",
         "Level 1 A, Level 2 NeuesLevel 2"},
        {{{"NeuesLevel.ZVK", "##"}}, kNoLevels + "\nFehler in „NeuesLevel.ZVK“: Die Levelzeile hat 2 Zeichen, das ist kein "
                                                 "Quadrat wie 7 × 7 = 49.\n" + moved, "##|" + demo + "|",
         "Level 1 NeuesLevel 2, Level 2 NeuesLevel"},
        {{{"A.ZVK", ""}, {"NeuesLevel.ZVK", kDemoLevel + "\n"}}, broken + "Die Levelzeile ist leer.", kDemoLevel + "\n" + none,
         "Level 1 A, Level 2 NeuesLevel"},
        {{{"A.ZVK", ""}, {"NeuesLevel.ZVK", kLevelA}, {"NeuesLevel 2.ZVK", kDemoLevel}}, broken + "Die Levelzeile ist leer.\n" + moved,
         kLevelA + "|" + kDemoLevel + "|", "Level 1 A, Level 2 NeuesLevel 2"},
        // A folder of that name made the recovery itself fail and end the program.
        {{{"NeuesLevel.ZVK/", ""}}, kNoLevels + "\n" + moved, "|" + demo + "|", "Level 1 NeuesLevel 2, Level 1 NeuesLevel 2"},
        {{{"NeuesLevel.ZVK/", ""}, {"NeuesLevel 2.ZVK", "##"}},
         kNoLevels + "\nFehler in „NeuesLevel 2.ZVK“: Die Levelzeile hat 2 Zeichen, das ist kein Quadrat wie 7 × 7 = 49.\n"
                     "„NeuesLevel.ZVK“ gibt es schon und bleibt, wie es ist; das Demo-Level steht in „NeuesLevel 3.ZVK“.",
         "|##|" + demo, "Level 1 NeuesLevel 2, Level 2 NeuesLevel 3"},
    };
    for (const Case& c : cases) {
        LevelFolder f;
        for (const auto& [name, bytes] : c.files)
            name.ends_with('/') ? void(std::filesystem::create_directory(f.path / name)) : f.write(name, bytes);
        EXPECT_EQ(f.start().LevelText, kDemoLevel) << c.message;
        EXPECT_EQ(f.window.messages, std::vector{c.message});
        EXPECT_EQ(f.read("NeuesLevel.ZVK") + "|" + f.read("NeuesLevel 2.ZVK") + "|" + f.read("NeuesLevel 3.ZVK"), c.demoFiles) << c.message;
        EXPECT_FALSE(f.names().begin()->starts_with('.'));  // no temporary file left behind (hidden names come first)
        const std::string first = f.captions();
        f.finishLevel();
        EXPECT_EQ(first + ", " + f.captions(), c.captions) << c.message;
    }
    // Ninety-nine taken names are the end: the demo plays from memory, and no hundredth name is made.
    LevelFolder f;
    for (int number = 1; number < 100; ++number)
        std::filesystem::create_directory(f.path / (number == 1 ? "NeuesLevel.ZVK" : "NeuesLevel " + std::to_string(number) + ".ZVK"));
    EXPECT_EQ(f.start().LevelText, kDemoLevel);
    EXPECT_EQ(f.window.messages, std::vector<std::string>{kNoLevels + "\n„NeuesLevel.ZVK“ gibt es schon und bleibt, wie es ist; "
                                                                      "das Demo-Level wird ohne Datei gespielt."});
    EXPECT_FALSE(std::filesystem::exists(f.path / "NeuesLevel 100.ZVK"));
    // The window test checks the title's "0 Levels" of an empty folder.
}

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

// A close that cannot write is in the file-system fault tests.
TEST(LastGame, ClosingWritesBlankOneBlankCrLfOverTheOldFile)
{
    LevelFolder f;
    f.writeThreeLevels();
    f.write(kLastGameFile, " 1 \r\n" + std::string(100, 'x'));
    f.start().Form_Unload();
    EXPECT_EQ(std::tuple(f.read(kLastGameFile), f.window.count(Call::Warning)), std::tuple(std::string({32, 49, 32, 13, 10}), 0));
    EXPECT_EQ(f.names().size(), 4u);  // no temporary file left behind
}

} // namespace
} // namespace zorvik::testing
