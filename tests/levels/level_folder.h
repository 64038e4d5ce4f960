// SPDX-License-Identifier: GPL-3.0-or-later
// A real temporary folder of level files (the soak's work folder), removed afterwards, and a game started over it as the window starts it.
#pragma once

#include "levels/last_game.h"
#include "soak/session.h"
#include "support/test_game.h"

#include <filesystem>
#include <memory>
#include <set>

namespace zorvik::testing {

inline const std::string kLevelA = level({"ö.", ".."});
inline const std::string kLevelB = level({"öo.", "...", "###"});
inline const std::string kLevelC = level({"öoä.", "....", "....", "#..#"});
inline const std::string kNoLevels = "Es sind keine Level vorhanden! Ich werde ein Demo-Level speichern.";

struct LevelFolder : reliability::WorkFolder {
    RecordingWindow window;
    std::unique_ptr<CountingGame> game;

    LevelFolder() : WorkFolder("zorvik-levels") {}
    void write(const std::string& name, const std::string& bytes) const { reliability::writeFile(path / name, bytes); }
    // The file's bytes; nothing for a folder or no file.
    std::string read(const std::string& name) const { return reliability::readFile(path / name); }
    std::set<std::string> names() const { return reliability::fileNames(path); }
    void writeThreeLevels() const { write("A.ZVK", kLevelA + "\r\n"), write("B.ZVK", kLevelB + "\r\n"), write("C.ZVK", kLevelC + "\r\n"); }
    // The window is created over the folder, then its load event runs.
    CountingGame& start() { game = std::make_unique<CountingGame>(window, path); game->Form_load(); return *game; }
    // What the move does after the last dot.
    void finishLevel() { game->LevelNr = game->LevelNr + 1, game->LevelLaden(); }
    // "Level n" and the level's name, as the level frame shows them.
    std::string captions() { return window.captions[Control::LevelFrame] + " " + window.captions[Control::LevelName]; }
};

} // namespace zorvik::testing
