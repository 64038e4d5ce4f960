// SPDX-License-Identifier: GPL-3.0-or-later
// A game on a recording window with the start-up defaults, level texts written as ASCII rows, and what tests
// read back from a game.
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
// Segments 0 to Laenge as "x,y x,y ...", head first.
std::string segments(const GameState& game);

// The demo level, 7 x 7.
inline const std::string kDemoLevel = "........#####..\xF6ooo\xE4..#####.........#.#.#.-------";

// Counts the calls of the procedures that tests watch; LevelLaden can be replaced.
class CountingGame : public Game {
public:
    using Game::Game;
    std::map<std::string, int> calls;
    // When set, LevelLaden starts this text instead of reading the level list.
    std::vector<std::string> levelTexts;

#define ZORVIK_COUNTED(name) void name() override { ++calls[#name]; Game::name(); }
    ZORVIK_COUNTED(Beginn) ZORVIK_COUNTED(Bild) ZORVIK_COUNTED(Nichts) ZORVIK_COUNTED(Mauer) ZORVIK_COUNTED(Punkt)
    ZORVIK_COUNTED(Pank) ZORVIK_COUNTED(Pix) ZORVIK_COUNTED(SBK) ZORVIK_COUNTED(Wauge) ZORVIK_COUNTED(Tot)
#undef ZORVIK_COUNTED
    void LevelLaden() override;
};

// Arrow keys as letters: L, R, U, D.
void play(Game& game, std::string_view moves);

struct TestGame {
    RecordingWindow window;
    CountingGame game{window, "/nonexistent-zorvik-test-folder"};

    TestGame() { game.setStartDefaults(); }
    // LevelText = text, then a level start; the recording starts afresh after it.
    void start(const std::string& text) { game.LevelText = text, game.Beginn(), window.clear(), game.calls.clear(); }
    void play(std::string_view moves) { testing::play(game, moves); }
};

} // namespace zorvik::testing
