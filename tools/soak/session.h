// SPDX-License-Identifier: GPL-3.0-or-later
// A player's session over a real level folder: every kind of action the window can deliver, and the checks after each.
#pragma once

#include "model/game.h"
#include "model/null_window.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace zorvik::reliability {

// A check after an action failed, or a handler let an exception out; what() names the action and the recent ones.
class BrokenInvariant : public std::runtime_error {
public:
    explicit BrokenInvariant(const std::string& what) : std::runtime_error(what) {}
};

// A window without a screen that answers the choosers as told and keeps what the game told the player.
class SessionWindow : public NullWindow {
public:
    std::string chosenFile;
    bool colourChosen = false;
    Colour chosenColour = 0;
    int windowState = 0;
    bool resizeRaised = false;  // the game set Width or Height, so the window owes it a resize event
    bool sizeFixed = false;     // a screen too small or a window manager that refuses: sizes set are ignored
    long messageCount = 0;
    std::string lastMessage;
    long warningCount = 0;
    std::string lastWarning;

    int WindowState() const override { return windowState; }
    void SetWidth(float twips) override;
    void SetHeight(float twips) override;
    std::string FileName() const override { return chosenFile; }
    bool ShowColor() override { return colourChosen; }
    Colour Color() const override { return chosenColour; }
    void MsgBox(const std::string& text) override;
    void Warning(const std::string& text) override;
};

// The game with a watch on its level starts (which take back every dot that clicks have blanked),
// its deaths and its level loads.
class WatchedGame : public Game {
public:
    using Game::Game;
    std::int64_t levelStarts = 0;
    std::int64_t deaths = 0;
    std::int64_t levelLoads = 0;
    int blankedDots = 0;

    void Beginn() override;
    void Tot() override;
    void LevelLaden() override;
};

// Runs the game as its window does, one event at a time, and checks the state after every event.
class Session {
public:
    explicit Session(std::filesystem::path folder);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The window is created over the folder, its load event runs, then its first showing resizes it.
    void start();
    // The window closes: the last-game file must then hold the level in play.
    void close();
    bool running() const { return game_ != nullptr; }

    void key(int keyCode, int shift);
    void mouseMove(float x, float y);
    void click();
    void toggleSpeed();
    // chosen = false: the chooser was closed without a choice.
    void chooseColour(bool chosen, Colour colour);
    // An empty name: the chooser was closed without a choice. Relative names are taken in the game's folder.
    void save(const std::string& name);
    void load(const std::string& name);
    // The player sets the client area (or minimises: state 1); the window then raises resize events until it
    // settles. fixed: the window keeps this size whatever the game sets.
    void resize(float scaleWidth, float scaleHeight, int state, bool fixed = false);

    // Every invariant of the game state; throws BrokenInvariant.
    void check();

    WatchedGame& game() const;
    SessionWindow& window() { return window_; }
    const std::filesystem::path& folder() const { return folder_; }
    std::int64_t actions() const { return actions_; }
    // Totals over every window this session has opened.
    std::int64_t levelsFinished() const { return levelsFinished_; }
    std::int64_t deaths() const { return deaths_; }

private:
    template <class Handler>
    void handle(const std::string& action, Handler handler);
    [[noreturn]] void fail(const std::string& what) const;
    std::filesystem::path chosenPath(const std::string& name) const;

    std::filesystem::path folder_;
    SessionWindow window_;
    std::unique_ptr<WatchedGame> game_;
    std::int64_t actions_ = 0;
    std::int64_t levelsFinished_ = 0;
    std::int64_t deaths_ = 0;
    std::deque<std::string> recent_;
};

} // namespace zorvik::reliability
