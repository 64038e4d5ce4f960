// Saving and loading a level start through the file chooser, with real files.
#include "level_folder.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

// On the second of three levels, with a dot eaten.
struct SecondLevel : LevelFolder {
    SecondLevel()
    {
        writeThreeLevels();
        write("Zorvik letzter Spielstand", " 1 \r\n");
        start();
        game->Spielfeld[3] = ' ';
        game->calls.clear();
    }
    void choose(const std::string& name) { window.chosenFile = (path / name).string(); }
};

TEST(LevelStartFiles, SavingOnTheSecondLevelWritesItsNumberAndRestartsTheLevel)
{
    SecondLevel s;
    s.choose("saved start");
    s.game->Speichern_Click();
    EXPECT_EQ(s.window.dialogTitle, "Level-Nummer speichern");
    EXPECT_EQ(s.window.dialogsShown, std::vector<std::string>{"save"});
    EXPECT_EQ(s.read("saved start"), std::string({32, 49, 32, 13, 10}));
    EXPECT_EQ(s.game->Spielfeld, kLevelB);
    EXPECT_EQ(s.game->calls["Beginn"], 1);

    s.window.chosenFile = "relative";  // lands in the game's folder, wherever the process runs
    s.game->Speichern_Click();
    EXPECT_EQ(s.read("relative"), " 1 \r\n");
    EXPECT_TRUE(s.messages().empty());
}

TEST(LevelStartFiles, LoadingFourWithThreeLevelsColoursWithPairFourAndThenTheFirstLevelFollows)
{
    SecondLevel s;
    s.write("four", " 4 \r\n");
    s.choose("four");
    s.game->Laden_Click();
    EXPECT_EQ(s.window.dialogTitle, "Level-Nummer öffnen");
    EXPECT_EQ(s.window.dialogsShown, std::vector<std::string>{"open"});
    EXPECT_EQ(s.game->Spielfeld, kLevelB);
    // Pair 4 runs from red at the tail to cyan at the head.
    EXPECT_EQ(s.game->SegmentFarbe[s.game->Endlaenge], 255);
    EXPECT_EQ(s.game->SegmentFarbe[0], 255 * 256 + 255 * 65536);
    EXPECT_EQ(s.caption(Control::LevelFrame), "Level 2");

    s.finishLevel();
    EXPECT_EQ(s.caption(Control::LevelFrame), "Level 1");
    EXPECT_EQ(s.game->LevelText, kLevelA);
}

// Failed saves and loads restarted the level silently, as if they had worked.
TEST(LevelStartFiles, NoChoiceIsSilentFailuresAreToldAndTheLevelAlwaysRestarts)
{
    SecondLevel s;
    const std::string folder = s.path.string();
    const auto before = s.names();
    s.window.chosenFile = "";  // no choice: nothing to tell, no file touched
    s.game->Speichern_Click();
    s.game->Laden_Click();
    EXPECT_EQ(s.names(), before);
    s.choose("A.ZVK");  // a level file holds no level number
    s.game->Laden_Click();
    s.choose("nothing here");
    s.game->Laden_Click();
    s.choose("no folder/start");
    s.game->Speichern_Click();
    EXPECT_EQ(s.messages(), (std::vector<std::string>{
                                "Die Level-Nummer wurde nicht geladen: In „" + folder + "/A.ZVK“ steht keine Level-Nummer von 0 bis 32767.",
                                "Die Level-Nummer wurde nicht geladen: „" + folder +
                                    "/nothing here“ lässt sich nicht lesen (Datei oder Ordner nicht gefunden).",
                                "Die Level-Nummer wurde nicht gespeichert: „" + folder +
                                    "/no folder/start“ lässt sich nicht schreiben (Datei oder Ordner nicht gefunden).",
                            }));
    EXPECT_EQ(s.game->LevelNr, 1);
    EXPECT_EQ(s.game->calls["Beginn"], 5);
    EXPECT_EQ(s.game->Spielfeld, kLevelB);
}

} // namespace
} // namespace zorvik::testing
