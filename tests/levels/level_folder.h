// SPDX-License-Identifier: GPL-3.0-or-later
// A real temporary folder of level files, removed afterwards, and a game started over it as the window starts it.
#pragma once

#include "support/test_game.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>

namespace zorvik::testing {

inline const std::string kLevelA = level({"ö.", ".."});
inline const std::string kLevelB = level({"öo.", "...", "###"});
inline const std::string kLevelC = level({"öoä.", "....", "....", "#..#"});
inline const std::string kNoLevels = "Es sind keine Level vorhanden! Ich werde ein Demo-Level speichern.";
inline const std::string kLastGame = "Zorvik letzter Spielstand";

struct LevelFolder {
    std::filesystem::path path;
    RecordingWindow window;
    std::unique_ptr<CountingGame> game;

    LevelFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zorvik-levels-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("no temporary folder");
        path = pattern;
    }
    ~LevelFolder() { std::filesystem::remove_all(path); }

    void write(const std::string& name, const std::string& bytes) const { std::ofstream(path / name, std::ios::binary) << bytes; }
    // The file's bytes; nothing for a folder or no file.
    std::string read(const std::string& name) const { return (std::ostringstream() << std::ifstream(path / name, std::ios::binary).rdbuf()).str(); }
    std::set<std::string> names() const
    {
        std::set<std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(path))
            out.insert(entry.path().filename().string());
        return out;
    }
    void writeThreeLevels() const
    {
        write("A.ZVK", kLevelA + "\r\n");
        write("B.ZVK", kLevelB + "\r\n");
        write("C.ZVK", kLevelC + "\r\n");
    }
    // The window is created over the folder, then its load event runs.
    CountingGame& start()
    {
        game = std::make_unique<CountingGame>(window, path);
        game->Form_load();
        return *game;
    }
    // What the move does after the last dot.
    void finishLevel()
    {
        game->LevelNr = game->LevelNr + 1;
        game->LevelLaden();
    }
    // "Level n" and the level's name, as the level frame shows them.
    std::string captions() { return window.captions[Control::LevelFrame] + " " + window.captions[Control::LevelName]; }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const auto& call : only(Call::MsgBox, window.calls))
            out.push_back(call.text);
        return out;
    }
};

} // namespace zorvik::testing
