// SPDX-License-Identifier: GPL-3.0-or-later
// A game on a recording window with the start-up defaults, and level texts written as ASCII rows.
#pragma once

#include "model/game.h"
#include "support/recording_window.h"

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik::testing {

// Level rows are typed in UTF-8 ("ö", "ä"); the game keeps Windows-1252 bytes.
std::string toGameText(std::string_view utf8);
std::string toUtf8(std::string_view gameText);
std::string level(std::initializer_list<std::string_view> rows);
// Spielfeld cut into rows, in UTF-8.
std::vector<std::string> rows(const Game& game);

// The demo level, 7 x 7.
inline const std::string kDemoLevel = "........#####..\xF6ooo\xE4..#####.........#.#.#.-------";

// Counts the calls of the procedures that tests watch; LevelLaden can be replaced.
class CountingGame : public Game {
public:
    using Game::Game;
    std::map<std::string, int> calls;

    void Beginn() override { ++calls["Beginn"]; Game::Beginn(); }
    void Bild() override { ++calls["Bild"]; Game::Bild(); }
    void Nichts() override { ++calls["Nichts"]; Game::Nichts(); }
    void Mauer() override { ++calls["Mauer"]; Game::Mauer(); }
    void Punkt() override { ++calls["Punkt"]; Game::Punkt(); }
    void Pank() override { ++calls["Pank"]; Game::Pank(); }
    void Pix() override { ++calls["Pix"]; Game::Pix(); }
    void SBK() override { ++calls["SBK"]; Game::SBK(); }
    void Wauge() override { ++calls["Wauge"]; Game::Wauge(); }
    void Tot() override { ++calls["Tot"]; Game::Tot(); }
    void LevelLaden() override;

    // When set, LevelLaden starts this text instead of reading the level list.
    std::vector<std::string> levelTexts;
};

// Arrow keys as letters: L, R, U, D.
void play(Game& game, std::string_view moves);

struct TestGame {
    RecordingWindow window;
    CountingGame game{window, "/nonexistent-zorvik-test-folder"};

    TestGame() { game.setStartDefaults(); }
    // LevelText = text, then a level start; the recording starts afresh after it.
    void start(const std::string& text);
    void play(std::string_view moves) { testing::play(game, moves); }
};

} // namespace zorvik::testing
