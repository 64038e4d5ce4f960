// Saving and loading a level start through the file chooser, with real files.
#include "level_folder.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

struct SavedStart : LevelFolder {
    SavedStart()
    {
        writeThreeLevels();
        folder.write("Zorvik letzter Spielstand", " 1 \r\n");
        start();
        window.clear();
        game->calls.clear();
    }
    void choose(const std::string& name) { window.chosenFile = name.empty() || name[0] == '/' ? name : (folder.path / name).string(); }
};

TEST(LevelStartFiles, SavingOnTheSecondLevelWritesItsNumberAndRestartsTheLevel)
{
    SavedStart s;
    Game& game = *s.game;
    game.Spielfeld[3] = ' ';  // a dot eaten
    game.RestPunkte = 3;
    s.choose("saved start");
    game.Speichern_Click();

    EXPECT_EQ(s.window.dialogTitle, "Level-Nummer speichern");
    EXPECT_EQ(s.window.dialogsShown, std::vector<std::string>{"save"});
    EXPECT_EQ(s.folder.read("saved start"), std::string({32, 49, 32, 13, 10}));
    EXPECT_EQ(s.game->calls["Beginn"], 1);
    EXPECT_EQ(game.Spielfeld, kLevelB);
    EXPECT_EQ(game.RestPunkte, 4);
    EXPECT_TRUE(s.messages().empty());

    // A name without a folder lands in the game's folder, wherever the process runs.
    s.window.chosenFile = "relative";
    game.Speichern_Click();
    EXPECT_EQ(s.folder.read("relative"), " 1 \r\n");
}

TEST(LevelStartFiles, LoadingFourWithThreeLevelsColoursWithPairFourAndThenThePlayGoesToTheFirst)
{
    SavedStart s;
    Game& game = *s.game;
    s.folder.write("four", " 4 \r\n");
    s.choose("four");
    game.Laden_Click();

    EXPECT_EQ(s.window.dialogTitle, "Level-Nummer öffnen");
    EXPECT_EQ(s.window.dialogsShown, std::vector<std::string>{"open"});
    EXPECT_EQ(game.LevelNr, 4);
    EXPECT_EQ(game.Spielfeld, kLevelB);  // the same board restarts
    // Pair 4 runs from red (the tail) to cyan (the head).
    EXPECT_EQ(game.SegmentFarbe[game.Endlaenge], 255);
    EXPECT_EQ(game.SegmentFarbe[0], 255 * 256 + 255 * 65536);
    EXPECT_EQ(s.levelCaption(), "Level 2");

    s.finishLevel();
    EXPECT_EQ(game.LevelNr, 0);
    EXPECT_EQ(s.levelCaption(), "Level 1");
    EXPECT_EQ(game.LevelText, kLevelA);
}

TEST(LevelStartFiles, NoChoiceTouchesNoFileButRestartsTheLevel)
{
    SavedStart s;
    const auto before = s.folder.names();
    s.game->Speichern_Click();
    s.game->Laden_Click();
    EXPECT_EQ(s.folder.names(), before);
    EXPECT_EQ(s.game->LevelNr, 1);
    EXPECT_EQ(s.game->calls["Beginn"], 2);
    EXPECT_TRUE(s.messages().empty());
    EXPECT_TRUE(s.game->Spielfeld == kLevelB);
}

// Failed saves and loads used to restart the level silently, as if they had worked.
TEST(LevelStartFiles, FailuresAreToldNamingTheFileAndTheLevelStillRestarts)
{
    SavedStart s;
    Game& game = *s.game;
    const std::string folder = s.folder.path.string();

    s.choose("A.ZVK");  // a level file holds no level number
    game.Laden_Click();
    s.choose("nothing here");
    game.Laden_Click();
    s.choose("no folder/start");
    game.Speichern_Click();
    s.choose("/");
    game.Speichern_Click();

    EXPECT_EQ(s.messages(), (std::vector<std::string>{
                                "Die Level-Nummer wurde nicht geladen: In „" + folder + "/A.ZVK“ steht keine Level-Nummer von 0 bis 32767.",
                                "Die Level-Nummer wurde nicht geladen: „" + folder +
                                    "/nothing here“ lässt sich nicht lesen (Datei oder Ordner nicht gefunden).",
                                "Die Level-Nummer wurde nicht gespeichert: „" + folder +
                                    "/no folder/start“ lässt sich nicht schreiben (Datei oder Ordner nicht gefunden).",
                                "Die Level-Nummer wurde nicht gespeichert: „/“ lässt sich nicht schreiben (das ist ein Ordner).",
                            }));
    EXPECT_EQ(game.LevelNr, 1);
    EXPECT_EQ(s.game->calls["Beginn"], 4);
    EXPECT_EQ(game.Spielfeld, kLevelB);
}

} // namespace
} // namespace zorvik::testing
