// Start-up and level loading in a real folder: the order, the wrap-around and the recovery with the demo level.
#include "levels/level_file.h"
#include "level_folder.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

TEST(LevelLoading, LastGameChoosesTheLevelAndAfterTheLastComesTheFirst)
{
    LevelFolder past;
    past.writeThreeLevels();
    past.write("Zorvik letzter Spielstand", " 7 \r\n");
    EXPECT_EQ(past.start().LevelText, kLevelA);
    EXPECT_EQ(past.caption(Control::LevelFrame), "Level 1");

    LevelFolder f;
    f.writeThreeLevels();
    f.write("Zorvik letzter Spielstand", " 2 \r\n");
    Game& game = f.start();
    EXPECT_EQ(f.window.caption, "Zorvik programmiert von Testern / 3 Levels");
    EXPECT_EQ(f.caption(Control::LevelFrame), "Level 3");
    EXPECT_EQ(f.caption(Control::LevelName), "C");
    EXPECT_EQ(rows(game), (std::vector<std::string>{"öoä.", "....", "....", "#..#"}));

    f.finishLevel();
    EXPECT_EQ(game.LevelNr, 0);
    EXPECT_EQ(f.caption(Control::LevelFrame), "Level 1");
    EXPECT_EQ(f.caption(Control::LevelName), "A");
    EXPECT_EQ(game.LevelText, kLevelA);
    EXPECT_TRUE(f.messages().empty() && past.messages().empty());
}

TEST(LevelLoading, EmptyFolderGetsTheDemoLevelFileOneMessageAndPlaysItAsLevelOne)
{
    LevelFolder f;
    Game& game = f.start();
    EXPECT_EQ(f.read("NeuesLevel.ZVK"), demoLevelFile());
    EXPECT_EQ(f.names(), (std::set<std::string>{"NeuesLevel.ZVK"}));  // no temporary file left
    EXPECT_EQ(f.messages(), std::vector<std::string>{kNoLevels});
    EXPECT_EQ(f.caption(Control::LevelFrame), "Level 1");
    EXPECT_EQ(f.caption(Control::LevelName), "NeuesLevel");
    EXPECT_EQ(game.LevelText, kDemoLevel);
    EXPECT_EQ(f.window.caption, "Zorvik programmiert von Testern / 0 Levels");
}

TEST(LevelLoading, LowerCaseLfOnlyAndUtf8FilesLoadTheSameLevelAsTheOriginal)
{
    LevelFolder f;
    f.write("a.ZVK", kLevelC + "\r\nthe designer's notes\r\n");
    f.write("b.zvk", kLevelC + "\n");
    f.write("c.Zvk", "\xEF\xBB\xBF" "öoä.........#..#\r\n");
    f.write("d.zvk", "öoä.........#..#");
    Game& game = f.start();
    for (int i = 0; i < 4; ++i, f.finishLevel())
        EXPECT_EQ(game.LevelText, kLevelC) << i;
    EXPECT_TRUE(f.messages().empty());
}

// A broken file was reported as "no levels" only, and a second failure in the same load ended the program.
TEST(LevelLoading, BrokenFileIsNamedAndTheDemoFromMemoryTakesItsPlaceUnderItsCaptions)
{
    for (const auto& [text, reason] : {std::pair<std::string, std::string>{"", "Die Levelzeile ist leer."},
                                       {".....", "Die Levelzeile hat 5 Zeichen, das ist kein Quadrat wie 7 × 7 = 49."},
                                       {std::string(1296, '.'), "Das Level hat 1296 Wurm- und Punktfelder, mehr als 1225 gehen nicht."}}) {
        LevelFolder f;
        f.write("A.ZVK", text + "\r\n");
        Game& game = f.start();
        EXPECT_EQ(f.messages(), std::vector<std::string>{kNoLevels + "\nFehler in „A.ZVK“: " + reason});
        EXPECT_EQ(f.read("NeuesLevel.ZVK"), demoLevelFile());
        EXPECT_EQ(game.LevelText, kDemoLevel);
        EXPECT_EQ(f.caption(Control::LevelName), "A");

        f.finishLevel();  // on to the demo level that was written
        EXPECT_EQ(f.caption(Control::LevelFrame), "Level 2");
        EXPECT_EQ(f.caption(Control::LevelName), "NeuesLevel");
        EXPECT_EQ(f.messages().size(), 1u);
    }
}

TEST(LevelLoading, FileGoneSinceTheListWasReadIsRetriedAtItsPositionInTheNewList)
{
    LevelFolder f;
    f.writeThreeLevels();
    Game& game = f.start();
    std::filesystem::remove(f.path / "B.ZVK");
    f.finishLevel();
    EXPECT_EQ(f.messages(), std::vector<std::string>{kNoLevels + "\nFehler in „B.ZVK“: Die Datei lässt sich nicht lesen "
                                                                 "(Datei oder Ordner nicht gefunden)."});
    EXPECT_EQ(game.LevelText, kLevelC);  // A, C, NeuesLevel
}

// The recovery overwrote "NeuesLevel.ZVK" whatever it held.
TEST(LevelLoading, UsableNeuesLevelIsKeptAndAnUnusableOneReplaced)
{
    LevelFolder f;
    f.write("B.ZVK", "");
    f.write("NeuesLevel.ZVK", kLevelA);
    f.start();
    EXPECT_EQ(f.read("NeuesLevel.ZVK"), kLevelA);
    EXPECT_EQ(f.messages().at(0), kNoLevels + "\nFehler in „B.ZVK“: Die Levelzeile ist leer.\n"
                                              "„NeuesLevel.ZVK“ ist schon ein spielbares Level und bleibt, wie es ist.");

    LevelFolder g;
    g.write("NeuesLevel.ZVK", "##\r\n");
    EXPECT_EQ(g.start().LevelText, kDemoLevel);
    EXPECT_EQ(g.read("NeuesLevel.ZVK"), demoLevelFile());
}

// A folder that takes no demo file made the recovery itself fail and end the program.
TEST(LevelLoading, FolderWhereTheDemoCannotBeWrittenStillPlaysTheDemo)
{
    LevelFolder f;
    std::filesystem::create_directory(f.path / "NeuesLevel.ZVK");
    EXPECT_EQ(f.start().LevelText, kDemoLevel);
    EXPECT_EQ(f.messages(), std::vector<std::string>{kNoLevels + "\nDas Demo-Level ließ sich nicht als „NeuesLevel.ZVK“ "
                                                                 "speichern (das ist ein Ordner)."});
    EXPECT_EQ(f.names(), (std::set<std::string>{"NeuesLevel.ZVK"}));
    EXPECT_EQ(f.caption(Control::LevelFrame), "Level 1");
}

} // namespace
} // namespace zorvik::testing
