// SPDX-License-Identifier: GPL-3.0-or-later
// The session's actions and the checks after each of them.
#include "soak/session.h"

#include "levels/file_access.h"
#include "levels/last_game.h"
#include "levels/level_file.h"
#include "levels/level_number.h"
#include "model/cell_codes.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>

namespace zorvik::reliability {

namespace {

// The first bytes of a file as the game reads them; nothing when it cannot be read.
std::optional<std::string> bytesOf(const std::filesystem::path& file)
{
    try {
        return readFileStart(file, kNumberFileStart);
    } catch (const FileError&) {
        return std::nullopt;
    }
}

std::optional<int> numberIn(const std::filesystem::path& file)
{
    const auto bytes = bytesOf(file);
    return bytes ? readLevelNumber(*bytes) : std::nullopt;
}

bool isRegularFile(const std::filesystem::path& file) { std::error_code error; return std::filesystem::is_regular_file(file, error); }

} // namespace

WatchedGame& Session::game() const { return game_ ? *game_ : throw BrokenInvariant("no window is open"); }

void Session::fail(const std::string& what) const
{
    std::ostringstream out;
    out << what << "\n  after " << actions_ << " actions; the last ones:";
    for (const auto& action : recent_)
        out << "\n    " << action;
    throw BrokenInvariant(out.str());
}

void Session::act(const std::string& what, const std::function<void()>& handler)
{
    recent_.push_back(what);
    if (recent_.size() > 16)
        recent_.pop_front();
    ++actions_;
    try {
        handler();
    } catch (const BrokenInvariant&) {
        throw;
    } catch (const std::exception& e) {
        fail(what + " let an exception out of its handler: " + e.what());
    }
    check();
}

// The resize events that the game's own size changes raise, until the window settles.
void Session::settle()
{
    game().Form_Resize();
    for (int events = 0; window_.resizeRaised; ++events) {
        if (events == 8)
            fail("the window keeps resizing itself");
        window_.resizeRaised = false;
        game().Form_Resize();
    }
}

void Session::start()
{
    const int remembered = numberIn(folder_ / kLastGameFile).value_or(0);
    const long messagesBefore = window_.messageCount;
    game_ = std::make_unique<WatchedGame>(window_, folder_);
    const int expected = remembered < game_->AlleLevel.ListCount() ? remembered : 0;
    act("start", [&] { game_->Form_load(); });
    if (window_.messageCount == messagesBefore && game_->LevelNr != expected)
        fail("start-up with " + std::to_string(remembered) + " remembered plays level number " + std::to_string(game_->LevelNr));
    act("first showing", [&] { settle(); });
}

void Session::close()
{
    const int number = game().LevelNr;
    const long warningsBefore = window_.warningCount;
    const auto file = folder_ / kLastGameFile;
    const auto before = bytesOf(file);
    act("close", [&] { game_->Form_Unload(); });
    game_.reset();
    const auto bytes = bytesOf(file);
    if (window_.warningCount == warningsBefore && bytes != levelNumberLine(number))
        fail("a close without a warning left \"" + bytes.value_or("(unreadable)") + "\" for level " + std::to_string(number));
    // A failed close leaves the file as it was or with a number, never spoilt.
    if (window_.warningCount != warningsBefore && isRegularFile(file) && !numberIn(file) && bytes != before)
        fail("a failed close left a last-game file without a number");
}

void Session::key(int keyCode, int shift)
{
    act("key " + std::to_string(keyCode) + " shift " + std::to_string(shift), [&] { game().Form_KeyDown(keyCode, shift); });
}

void Session::click()
{
    WatchedGame& g = game();
    const std::string before = g.Spielfeld;
    const auto starts = g.levelStarts;
    act("click", [&] {
        g.Form_Click();
        // A click that blanks a dot keeps it in RestPunkte until the next level start.
        for (std::size_t i = 0; g.levelStarts == starts && i < before.size() && i < g.Spielfeld.size(); ++i)
            g.blankedDots += before[i] == kDot && g.Spielfeld[i] != kDot;
    });
}

void Session::save(const std::string& name)
{
    WatchedGame& g = game();
    window_.chosenFile = name;
    const long messagesBefore = window_.messageCount;
    act("save to \"" + name + "\"", [&] { g.Speichern_Click(); });
    const auto file = folder_ / name;  // a relative name is taken in the game's folder
    if (!name.empty() && window_.messageCount == messagesBefore && isRegularFile(file) && numberIn(file) != g.LevelNr)
        fail("a save without a message left no level number in the file");
}

void Session::load(const std::string& name)
{
    WatchedGame& g = game();
    window_.chosenFile = name;
    const int before = g.LevelNr;
    const auto expected = name.empty() ? std::optional<int>(before) : numberIn(folder_ / name);
    const long messagesBefore = window_.messageCount;
    act("load from \"" + name + "\"", [&] { g.Laden_Click(); });
    const bool told = window_.messageCount != messagesBefore;
    if (expected && (told || g.LevelNr != *expected))
        fail("loading a file that holds " + std::to_string(*expected) + " gave level " + std::to_string(g.LevelNr));
    if (!expected && (!told || g.LevelNr != before))
        fail("loading a file without a number changed the level number or said nothing");
}

void Session::resize(float scaleWidth, float scaleHeight, int state, bool fixed)
{
    window_.scaleWidth = scaleWidth, window_.scaleHeight = scaleHeight;
    window_.windowState = state, window_.sizeFixed = fixed;
    act("resize to " + std::to_string(scaleWidth) + " x " + std::to_string(scaleHeight) + ", state " +
               std::to_string(state) + (fixed ? ", fixed" : ""), [&] { settle(); });
}

void Session::check()
{
    if (!game_)
        return;
    const WatchedGame& g = *game_;
    const std::string &text = g.LevelText, &board = g.Spielfeld;

    if (const auto problem = levelTextProblem(text))
        fail("the level in play cannot be played: " + *problem);
    if (board.size() != text.size())
        fail("Spielfeld and the level text differ in size");
    const double side = std::sqrt(static_cast<double>(text.size()));
    if (g.Seitenzellen != side + 2)
        fail("Seitenzellen does not fit the level text");

    // Moves and clicks only blank cells; a level without food and worm gets a dot in its first cell.
    const bool fed = std::none_of(text.begin(), text.end(), [](char c) { return c == kDot || isWormCell(c); });
    for (std::size_t i = 0; i < board.size(); ++i)
        if (board[i] != text[i] && board[i] != kBlank && !(i == 0 && fed && board[0] == kDot))
            fail("cell " + std::to_string(i) + " holds a byte that is neither the level's nor blank");

    if (g.Laenge < 0 || g.Laenge > kLastSegment)
        fail("Laenge is " + std::to_string(g.Laenge));
    const auto dots = std::count(board.begin(), board.end(), kDot);
    if (g.RestPunkte != dots + g.blankedDots)
        fail("RestPunkte is " + std::to_string(g.RestPunkte) + " with " + std::to_string(dots) + " dots on the board");

    // A level with a head keeps it on the inner cells; without one the head keeps whatever cell it had.
    const int last = static_cast<int>(side);
    if (text.find(kHead) != std::string::npos && (g.WurmX[0] < 1 || g.WurmX[0] > last || g.WurmY[0] < 1 || g.WurmY[0] > last))
        fail("the head stands off the inner cells");
}

} // namespace zorvik::reliability
