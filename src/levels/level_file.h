// SPDX-License-Identifier: GPL-3.0-or-later
// Level files: the first line as a level text, writing one, the check that a text can be played, and the demo level.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zorvik {

// The demo level, 7 x 7, in Windows-1252: a row of dots, a wall, the worm "öoooä", a wall, dots, posts, blanks.
inline constexpr std::string_view kDemoLevelText = "........#####..\xF6ooo\xE4..#####.........#.#.#.-------";

// The demo level file: the level text and CR LF, 51 bytes.
std::string demoLevelFile();

// A first line as the game keeps it: UTF-8 with multi-byte sequences (or a byte-order mark) is
// turned into Windows-1252, anything else is taken as Windows-1252 already.
std::string decodeLevelLine(std::string_view line);

// Reads the first line of a level file into a level text; throws FileError.
std::string readLevelText(const std::filesystem::path& file);

// Writes a level file as the game writes its own: the level text (Windows-1252) and CR LF, replacing the
// old file in one step. Throws FileError, also for a text with a line break, which would cut the level.
void writeLevelFile(const std::filesystem::path& file, std::string_view text);

// Writes the demo level file into the folder under `name`, or where that is taken by any file, under the
// first free name with a number ("NeuesLevel 2.ZVK"); a file on the way that holds the demo level already is
// taken as it is. Nothing existing is ever overwritten. Empty when the demo is under `name`; otherwise a
// German sentence saying where it went or why it could not be written.
std::string saveDemoLevel(const std::filesystem::path& folder, const std::string& name);

// Why a level text cannot be started, in the words the level start uses; nothing when it can.
std::optional<std::string> levelTextProblem(std::string_view text);

} // namespace zorvik
