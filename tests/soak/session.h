// SPDX-License-Identifier: GPL-3.0-or-later
// A player's session over a real level folder: every kind of action the window can deliver, and the checks after
// each; the actions spelt as bytes; and the soak, a seeded random player that spells them over the game's levels
// and random boards.
#pragma once

#include "model/game.h"
#include "model/null_window.h"

#include <climits>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zorvik::reliability {

// A check after an action failed, or a handler let an exception out; what() names the action and the recent ones.
struct BrokenInvariant : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A window without a screen that answers the choosers as told and keeps what the game told the player.
struct SessionWindow : NullWindow {
    std::string chosenFile;
    bool colourChosen = false;
    Colour chosenColour = 0;
    int windowState = 0;
    bool resizeRaised = false;  // the game set Width or Height, so the window owes it a resize event
    bool sizeFixed = false;     // a screen too small or a window manager that refuses: sizes set are ignored
    long messageCount = 0, warningCount = 0;
    std::string lastMessage, lastWarning;

    int WindowState() const override { return windowState; }
    void SetWidth(float twips) override { if (!sizeFixed) NullWindow::SetWidth(twips), resizeRaised = true; }
    void SetHeight(float twips) override { if (!sizeFixed) NullWindow::SetHeight(twips), resizeRaised = true; }
    std::string FileName() const override { return chosenFile; }
    bool ShowColor() override { return colourChosen; }
    Colour Color() const override { return chosenColour; }
    void MsgBox(const std::string& text) override { ++messageCount, lastMessage = text; }
    void Warning(const std::string& text) override { ++warningCount, lastWarning = text; }
};

// The game, counting level starts: a start takes back every dot that clicks have blanked.
struct WatchedGame : Game {
    using Game::Game;
    std::int64_t levelStarts = 0;
    int blankedDots = 0;  // since the last level start

    void Beginn() override { ++levelStarts, blankedDots = 0, Game::Beginn(); }
};

// Runs the game as its window does, one event at a time, and checks the state after every event.
class Session {
public:
    explicit Session(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // The window is created over the folder, its load event runs, then its first showing resizes it.
    void start();
    // The window closes: the last-game file must then hold the level in play.
    void close();
    bool running() const { return game_ != nullptr; }

    // Any event: the handler runs, then the checks; `what` names it in a failure.
    void act(const std::string& what, const std::function<void()>& handler);
    void key(int keyCode, int shift);
    void click();
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

private:
    [[noreturn]] void fail(const std::string& what) const;
    void settle();

    std::filesystem::path folder_;
    SessionWindow window_;
    std::unique_ptr<WatchedGame> game_;
    std::int64_t actions_ = 0;
    std::deque<std::string> recent_;
};

// Plays at most `most` actions that the bytes spell, one byte each with argument bytes after it (missing
// ones read as 0); a closed window starts again first, which counts as an action. Returns the bytes taken.
//   L R U D  arrow keys              T h      an arrow key that steers: h < 51 any, h < 153 a sweep of the
//   K a b s  key code a + 256 b as a 16-bit number, shift s & 7         board, else towards the nearest dot
//   M x y    mouse move; a byte below 192 is that many 128ths of the board, one above is (b - 224) x 4700 twips
//   C        click                   S        the speed label
//   W c      colour chooser: c = 0 closed, 1 black, 2 white, else closed when c % 4 = 0, or a colour of c
//   s n, l n save or load under name number n (the names are in soak.cpp; "voll" is a full device if it can be made)
//   Z w h f  resize to w x 125 by h x 125 twips (b >= 240: 115,200), the window kept at that size when f is odd
//   N        minimise                Q        close the window (and start again)
//   H v k    level file number v of the folder goes: k % 3 = 0 a folder takes its place, 1 a broken file, 2 nothing
//   any other byte: that key code
std::size_t play(Session& session, std::string_view bytes, int most = INT_MAX);

// A full device like /dev/full in the folder, named "voll"; nothing when the system does not let us make one.
void makeFullDevice(const std::filesystem::path& folder);

// A file's bytes written as given; the bytes of a file, empty for a folder or no file; the names in a folder,
// sorted (hidden ones, such as temporary files, first). Shared by the soak and the file tests.
void writeFile(const std::filesystem::path& file, const std::string& bytes);
std::string readFile(const std::filesystem::path& file);
std::set<std::string> fileNames(const std::filesystem::path& folder);

// A new empty folder, on a memory file system when there is one; removed with everything in it.
struct WorkFolder {
    explicit WorkFolder(const std::string& prefix);
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    std::filesystem::path path;
};

struct SoakOptions {
    std::uint64_t seed = 1;
    std::int64_t actions = 10000;
    // The game's own level folder: every level file in it is played as well (there may be none).
    std::filesystem::path levelFolder;
    // When above 0: before the mix, a game of this many actions starting at each level of that folder.
    std::int64_t actionsPerPackLevel = 0;
};

struct SoakReport {
    std::int64_t actions = 0, packLevels = 0;
    int longestWorm = 0;  // the highest Laenge seen
};

// Throws BrokenInvariant with the seed, the action and the recent actions when a check fails.
SoakReport runSoak(const SoakOptions& options);

} // namespace zorvik::reliability
