// SPDX-License-Identifier: GPL-3.0-or-later
// The files the studio opens and saves: level files as the game reads them, text grids for text editors,
// and the solution beside a level.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zorvik::studio {

// A level file by its name: ".ZVK" in any letter case, as the game's level list takes it.
bool isLevelFileName(const std::filesystem::path& file);

// A level text from a grid's bytes: one board row a line (LF, CR LF or CR), UTF-8 or Windows-1252.
// Editors drop trailing blanks, so short rows and missing last rows are filled with empty cells up to
// a square. A single line that is a whole level text (49 characters for 7 × 7) is taken as one.
// Throws FileError when there is no row or the board would be too big.
std::string levelFromGrid(std::string_view bytes);

// A level shared as text, in a chat or an e-mail: its one line as the game reads it, or its rows.
// Blank lines around it are dropped. Throws FileError with a reason for the designer when the text is
// no level: a line that is not n × n characters long, a board too big, control characters, no head.
std::string levelFromPastedText(std::string_view bytes);

// The rows of a level text, UTF-8, each ended by LF.
std::string gridFromLevel(std::string_view text);

// A level file or, by any other name, a grid; throws FileError with a reason for the designer.
std::string readLevelOrGrid(const std::filesystem::path& file);
void writeLevelOrGrid(const std::filesystem::path& file, std::string_view text);

// The solution file beside a level: its name with ".solution" for the extension; one line of the
// arrow keys as L, R, U, D, ended by LF.
std::filesystem::path solutionFile(const std::filesystem::path& levelFile);
// The moves, when the file exists and holds nothing but arrow-key letters (CR LF accepted).
std::optional<std::string> readSolution(const std::filesystem::path& file);
void writeSolution(const std::filesystem::path& file, std::string_view moves);

} // namespace zorvik::studio
