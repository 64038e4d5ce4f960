// Loading levels in a real folder: start-up, the order, the wrap-around and the recovery with the demo level.
#include "levels/level_file.h"
#include "level_folder.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

TEST(LevelLoading, LastGameTwoPlaysTheThirdLevelAndFinishingItPlaysTheFirst)
{
    LevelFolder f;
    f.writeThreeLevels();
    f.folder.write("Zorvik letzter Spielstand", " 2 \r\n");
    Game& game = f.start();

    EXPECT_EQ(f.window.caption, "Zorvik programmiert von Testern / 3 Levels");
    EXPECT_EQ(f.levelCaption(), "Level 3");
    EXPECT_EQ(f.nameCaption(), "C");
    EXPECT_EQ(rows(game), (std::vector<std::string>{"öoä.", "....", "....", "#..#"}));
    EXPECT_TRUE(f.messages().empty());

    f.finishLevel();
    EXPECT_EQ(game.LevelNr, 0);
    EXPECT_EQ(f.levelCaption(), "Level 1");
    EXPECT_EQ(f.nameCaption(), "A");
    EXPECT_EQ(game.LevelText, kLevelA);
}

TEST(LevelLoading, StartUpSetsTheDefaultsAndALastGamePastTheEndPlaysTheFirstLevel)
{
    LevelFolder f;
    f.writeThreeLevels();
    f.folder.write("Zorvik letzter Spielstand", " 7 \r\n");
    Game& game = f.start();

    EXPECT_EQ(game.LevelNr, 0);
    EXPECT_EQ(f.levelCaption(), "Level 1");
    EXPECT_EQ(game.LevelText, kLevelA);
    EXPECT_EQ(game.Weiss, 16777215);
    EXPECT_EQ(game.Endung, ".ZVK");
    EXPECT_EQ(game.Pinsel, " ");
    EXPECT_EQ(game.MauerVersatz, 7);
    EXPECT_EQ(game.PunktVersatz, 2);
    EXPECT_EQ(game.StartRot[41], 1);  // white to cyan: the tables are built
    EXPECT_EQ(game.ZielRot[41], 0);
}

TEST(LevelLoading, EmptyFolderGetsTheDemoLevelFileOneMessageAndPlaysItAsLevelOne)
{
    LevelFolder f;
    Game& game = f.start();

    EXPECT_EQ(f.folder.read("NeuesLevel.ZVK"), demoLevelFile());
    EXPECT_EQ(f.messages(), std::vector<std::string>{kNoLevels});
    EXPECT_EQ(f.levelCaption(), "Level 1");
    EXPECT_EQ(f.nameCaption(), "NeuesLevel");
    EXPECT_EQ(game.LevelText, kDemoLevel);
    EXPECT_EQ(game.AlleLevel.ListCount(), 1);
    EXPECT_EQ(f.window.caption, "Zorvik programmiert von Testern / 0 Levels");
    EXPECT_EQ(f.folder.names(), (std::set<std::string>{"NeuesLevel.ZVK"}));  // no temporary file left
}

TEST(LevelLoading, LowerCaseLfOnlyAndUtf8FilesLoadTheSameLevelAsTheOriginal)
{
    LevelFolder f;
    f.folder.write("a.ZVK", kLevelC + "\r\n" + "the designer's notes\r\n");
    f.folder.write("b.zvk", kLevelC + "\n");
    f.folder.write("c.Zvk", "\xEF\xBB\xBF" "öoä.........#..#\r\n");
    f.folder.write("d.zvk", "öoä.........#..#");
    Game& game = f.start();
    for (int i = 0; i < 4; ++i) {
        game.LevelNr = i;
        game.LevelLaden();
        EXPECT_EQ(game.LevelText, kLevelC) << i;
        EXPECT_EQ(game.RestPunkte, 11) << i;
    }
    EXPECT_EQ(f.nameCaption(), "d");
    EXPECT_TRUE(f.messages().empty());
}

// A broken file used to be reported as "no levels" only, and a second failure ended the program.
TEST(LevelLoading, BrokenFileIsNamedAndTheDemoFromMemoryTakesItsPlaceUnderItsCaptions)
{
    const std::pair<std::string, std::string> broken[] = {
        {"", "Die Levelzeile ist leer."},
        {".....", "Die Levelzeile hat 5 Zeichen, das ist kein Quadrat wie 7 × 7 = 49."},
        {std::string(36 * 36, '.'), "Das Level hat 1296 Wurm- und Punktfelder, mehr als 1225 gehen nicht."},
    };
    for (const auto& [text, reason] : broken) {
        LevelFolder f;
        f.folder.write("A.ZVK", text + "\r\n");
        Game& game = f.start();

        EXPECT_EQ(f.messages(), std::vector<std::string>{kNoLevels + "\nFehler in „A.ZVK“: " + reason});
        EXPECT_EQ(f.folder.read("NeuesLevel.ZVK"), demoLevelFile());
        EXPECT_EQ(game.LevelText, kDemoLevel);
        EXPECT_EQ(f.levelCaption(), "Level 1");
        EXPECT_EQ(f.nameCaption(), "A");

        f.finishLevel();  // on to the demo level that was written
        EXPECT_EQ(f.levelCaption(), "Level 2");
        EXPECT_EQ(f.nameCaption(), "NeuesLevel");
        EXPECT_EQ(f.messages().size(), 1u);
    }
}

TEST(LevelLoading, FileGoneSinceTheListWasReadIsRetriedAtTheSamePosition)
{
    LevelFolder f;
    f.writeThreeLevels();
    Game& game = f.start();
    std::filesystem::remove(f.folder.path / "B.ZVK");
    f.finishLevel();

    EXPECT_EQ(f.messages(), std::vector<std::string>{
                                kNoLevels + "\nFehler in „B.ZVK“: Die Datei lässt sich nicht lesen (Datei oder Ordner nicht gefunden)."});
    // The refreshed list is A, C, NeuesLevel: position 1 is now C.
    EXPECT_EQ(f.nameCaption(), "C");
    EXPECT_EQ(game.LevelText, kLevelC);
}

// The recovery used to overwrite "NeuesLevel.ZVK" whatever it held.
TEST(LevelLoading, UsableNeuesLevelIsKeptAndAnUnusableOneReplaced)
{
    LevelFolder f;
    f.folder.write("B.ZVK", "");
    f.folder.write("NeuesLevel.ZVK", kLevelA);
    f.start();
    EXPECT_EQ(f.folder.read("NeuesLevel.ZVK"), kLevelA);
    EXPECT_EQ(f.messages().at(0), kNoLevels + "\nFehler in „B.ZVK“: Die Levelzeile ist leer.\n"
                                              "„NeuesLevel.ZVK“ ist schon ein spielbares Level und bleibt, wie es ist.");

    LevelFolder g;
    g.folder.write("NeuesLevel.ZVK", "##\r\n");
    Game& game = g.start();
    EXPECT_EQ(g.folder.read("NeuesLevel.ZVK"), demoLevelFile());
    EXPECT_EQ(game.LevelText, kDemoLevel);
    EXPECT_EQ(g.nameCaption(), "NeuesLevel");
}

// Writing the demo level into a folder that takes no files used to end the program.
TEST(LevelLoading, FolderWhereTheDemoCannotBeWrittenStillPlaysTheDemo)
{
    LevelFolder f;
    std::filesystem::create_directory(f.folder.path / "NeuesLevel.ZVK");
    Game& game = f.start();
    EXPECT_EQ(f.messages(), std::vector<std::string>{kNoLevels + "\nDas Demo-Level ließ sich nicht als „NeuesLevel.ZVK“ "
                                                                 "speichern (das ist ein Ordner)."});
    EXPECT_EQ(game.LevelText, kDemoLevel);
    EXPECT_EQ(f.levelCaption(), "Level 1");
    EXPECT_EQ(f.folder.names(), (std::set<std::string>{"NeuesLevel.ZVK"}));

    RecordingWindow window;
    CountingGame nowhere(window, f.folder.path / "missing");
    nowhere.Form_load();
    EXPECT_EQ(nowhere.LevelText, kDemoLevel);
    EXPECT_EQ(window.count(Call::MsgBox), 1);
}

} // namespace
} // namespace zorvik::testing
