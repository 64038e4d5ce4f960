// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading a level start through the file chooser, with real files.
#include "level_folder.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

// On the second of three levels, with a dot eaten. Failed saves and loads restarted the level silently, as if
// they had worked: no choice is silent, failures are told, and the level always restarts.
TEST(LevelStartFiles, FailuresAreToldSavingWritesTheNumberAndLoadingFourOfThreeLevelsColoursWithPairFourAndAllRestart)
{
    LevelFolder s;
    s.writeThreeLevels();
    s.write(kLastGameFile, " 1 \r\n");
    s.start();
    s.game->Spielfeld[3] = ' ';
    s.game->calls.clear();
    auto choose = [&s](const std::string& name) { s.window.chosenFile = name.empty() ? name : (s.path / name).string(); };
    const auto before = s.names();
    const std::string folder = s.path.string();
    const std::pair<const char*, void (Game::*)()> clicks[] = {{"", &Game::Speichern_Click}, {"", &Game::Laden_Click},
                                                                {"A.ZVK", &Game::Laden_Click}, {"nothing here", &Game::Laden_Click},
                                                                {"no folder/start", &Game::Speichern_Click},
                                                                {"A.ZVK", &Game::Speichern_Click}};
    for (const auto& [name, click] : clicks) {
        choose(name);
        (s.game.get()->*click)();
    }
    EXPECT_EQ(s.names(), before);
    EXPECT_EQ(s.window.messages, (std::vector<std::string>{
                                "Die Level-Nummer wurde nicht geladen: In „" + folder + "/A.ZVK“ steht keine Level-Nummer von 0 bis 32767.",
                                "Die Level-Nummer wurde nicht geladen: „" + folder +
                                    "/nothing here“ lässt sich nicht lesen (Datei oder Ordner nicht gefunden).",
                                "Die Level-Nummer wurde nicht gespeichert: „" + folder +
                                    "/no folder/start“ lässt sich nicht schreiben (Datei oder Ordner nicht gefunden).",
                                // A double click in the chooser turned a level into " 1 \r\n".
                                "Die Level-Nummer wurde nicht gespeichert: „" + folder + "/A.ZVK“ ist ein spielbares Level und "
                                                                                         "bleibt, wie es ist.",
                            }));
    EXPECT_EQ(s.read("A.ZVK"), kLevelA + "\r\n");
    EXPECT_EQ(std::tuple(int(s.game->LevelNr), s.game->calls["Beginn"], s.game->Spielfeld), std::tuple(1, 6, kLevelB));

    s.game->Spielfeld[3] = ' ';
    choose("saved start");
    s.game->Speichern_Click();
    EXPECT_EQ(s.read("saved start"), std::string({32, 49, 32, 13, 10}));
    EXPECT_EQ(std::tuple(s.game->Spielfeld, s.game->calls["Beginn"]), std::tuple(kLevelB, 7));
    s.window.chosenFile = "relative";  // lands in the game's folder, wherever the process runs
    s.write("relative", "7");          // a level-start file, though it would make a 1 x 1 level too
    s.game->Speichern_Click();
    EXPECT_EQ(s.read("relative"), " 1 \r\n");
    // Notes, a picture, a letter, a sign: each starts as a level, but the game never plays them, and they were
    // kept as "playable levels". Only a level file (or a link to one) that starts is refused.
    for (const std::string bytes : {"TODO\r\nmore", "\x89PNG\r\n\x1A\n", "a", " -1 "}) {
        s.write("notes", bytes);
        choose("notes");
        s.game->Speichern_Click();
        EXPECT_EQ(s.read("notes"), " 1 \r\n") << bytes;
    }
    std::filesystem::create_symlink("A.ZVK", s.path / "link");
    choose("link");
    s.game->Speichern_Click();
    EXPECT_EQ(std::pair(s.read("A.ZVK"), s.window.messages.back()),
              std::pair(kLevelA + "\r\n", "Die Level-Nummer wurde nicht gespeichert: „" + folder + "/link“ ist ein spielbares Level und bleibt, wie es ist."));

    s.write("four", " 4 \r\n");
    choose("four");
    s.game->Laden_Click();
    // Still the second level, and its caption, in pair 4: red at the tail to cyan at the head.
    EXPECT_EQ(std::pair(s.game->SegmentFarbe[s.game->Endlaenge], s.game->SegmentFarbe[0]), std::pair(255, 255 * 256 + 255 * 65536));
    EXPECT_EQ(std::tuple(s.game->Spielfeld, s.captions(), s.read(kLastGameFile)), std::tuple(kLevelB, "Level 2 B", " 4 \r\n"));
    s.finishLevel();
    EXPECT_EQ(std::tuple(s.captions(), s.game->LevelText), std::tuple("Level 1 A", kLevelA));
    EXPECT_EQ(s.window.messages.size(), 5u);
}

} // namespace
} // namespace zorvik::testing
