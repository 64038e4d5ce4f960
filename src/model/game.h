// SPDX-License-Identifier: GPL-3.0-or-later
// The game: the record of its state and every procedure that works on it.
#pragma once

#include "model/game_state.h"
#include "model/level_list.h"
#include "model/window_operations.h"

#include <filesystem>
#include <optional>
#include <random>
#include <vector>

namespace zorvik {

// Virtual-key codes of the arrow keys.
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

// The procedures take no arguments and hand their work to each other through the record,
// loop counters included. Files are named relative to `folder`, the game's working folder.
class Game : public GameState {
public:
    explicit Game(WindowOperations& window, std::filesystem::path folder = ".");
    virtual ~Game() = default;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Start-up and shutdown (levels/).
    void Form_load();
    // A level chosen from outside (the command line), counted from 0: start-up plays it instead of the last game's.
    std::optional<int> startLevelNr;
    // The option defaults and colour tables that start-up sets before it reads any file.
    void setStartDefaults();
    void Form_Unload();
    void LetztesLevelLaden();
    // Writes the last-game file when LevelNr is not the number it holds, so that it always names the level in
    // play, even when the program is ended without Form_Unload.
    void keepLastGame();
    virtual void LevelLaden();
    void Speichern_Click();
    void Laden_Click();

    // The level start (model/).
    virtual void Beginn();

    // The player's actions (engine/).
    void Form_KeyDown(int KeyCode, int Shift);
    void Los();
    virtual void Tot();
    void Form_Resize();
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void Form_Click();
    void SchnellFlüssig_Click();
    void WurmFrame_Click();

    // The board's pictures (drawing/).
    void buildColourTables();
    Colour Verlaufsfarbe(int p, double k, double n) const;
    virtual void Bild();
    virtual void Nichts();
    virtual void Mauer();
    virtual void Punkt();
    virtual void Pank();
    virtual void Pix();
    virtual void SBK();
    virtual void Wauge();

    WindowOperations& window() { return window_; }
    const std::filesystem::path& folder() const { return folder_; }

    LevelList AlleLevel;

protected:
    // The character of board cell (x, y): the border is wall, inner cells come from Spielfeld.
    char boardCell(int x, int y) const;
    // Paints board cell (ZelleX, ZelleY) as character c, counting a dot and placing a worm cell.
    void paintCell(char c);
    // A uniform draw from [0, 1) of a generator that is never seeded.
    double Rnd();

    // The steps of drawing a move.
    void slide();
    void drawHead();
    void blankVacatedCell();
    void removeSegments(int first);

private:
    void paintRings(double ringCount, int offset, bool inverted, bool setFill, void (Game::*ring)(double));
    std::vector<Colour>& ringColours(int p, bool inverted);
    void wallRing(double k);
    void dotRing(double k);
    void halvingRing(double k);
    void cuttingRing(double k);
    Colour randomColour();

    void saveLastGame();

    WindowOperations& window_;
    std::filesystem::path folder_;
    int lastGameNumber_ = 0;  // what the last-game file holds, as far as the game knows
    std::minstd_rand random_;
    // The pointer's level cell from the last mouse move, kept apart from the shared ZelleX/ZelleY.
    int pointerX_ = 0;
    int pointerY_ = 0;
    bool pointerKnown_ = false;
    // Ring colours as the painters worked them out: every cell of a kind on a board repeats them.
    struct RingColours {
        int pair = -1;
        double rings = 0;
        Colour white = 0;
        bool inverted = false;
        std::vector<Colour> colours;
    };
    std::array<RingColours, 4> ringColours_;
    std::size_t nextRingColours_ = 0;
};

} // namespace zorvik
