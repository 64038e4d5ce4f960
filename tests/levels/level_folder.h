// A game started in a real temporary folder of level files, as the window starts it.
#pragma once

#include "support/test_game.h"
#include "temp_folder.h"

#include <memory>

namespace zorvik::testing {

// Three small levels that tell themselves apart.
inline const std::string kLevelA = level({"ö.", ".."});
inline const std::string kLevelB = level({"öo.", "...", "###"});
inline const std::string kLevelC = level({"öoä.", "....", "....", "#..#"});

struct LevelFolder {
    TempFolder folder;
    RecordingWindow window;
    std::unique_ptr<CountingGame> game;

    void writeThreeLevels() const
    {
        folder.write("A.ZVK", kLevelA + "\r\n");
        folder.write("B.ZVK", kLevelB + "\r\n");
        folder.write("C.ZVK", kLevelC + "\r\n");
    }
    // The window is created over the folder, then its load event runs.
    CountingGame& start()
    {
        game = std::make_unique<CountingGame>(window, folder.path);
        game->Form_load();
        return *game;
    }
    // What the move does after eating the last dot.
    void finishLevel()
    {
        game->LevelNr = game->LevelNr + 1;
        game->LevelLaden();
    }
    std::string levelCaption() { return window.captions[Control::LevelFrame]; }
    std::string nameCaption() { return window.captions[Control::LevelName]; }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const auto& call : window.only(Call::MsgBox))
            out.push_back(call.text);
        return out;
    }
};

inline const std::string kNoLevels = "Es sind keine Level vorhanden! Ich werde ein Demo-Level speichern.";

} // namespace zorvik::testing
