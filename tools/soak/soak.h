// SPDX-License-Identifier: GPL-3.0-or-later
// The player's actions spelt as bytes, and the soak: a seeded random player that spells them over the game's
// levels and random boards, checked after every action.
#pragma once

#include "soak/session.h"

#include <climits>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zorvik::reliability {

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

// Files that no level can be made of, chosen by the byte.
std::string brokenLevelFile(unsigned char kind);

// A full device like /dev/full in the folder, named "voll"; nothing when the system does not let us make one.
void makeFullDevice(const std::filesystem::path& folder);

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
    std::int64_t actions = 0, startUps = 0, packLevels = 0, levelsFinished = 0, deaths = 0, messages = 0;
    int longestWorm = 0;  // the highest Laenge seen
    std::string summary() const;
};

// Throws BrokenInvariant with the seed, the action and the recent actions when a check fails.
SoakReport runSoak(const SoakOptions& options);

} // namespace zorvik::reliability
