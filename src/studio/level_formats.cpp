// SPDX-License-Identifier: GPL-3.0-or-later
// Level files, text grids and solution files.
#include "studio/level_formats.h"

#include "levels/file_access.h"
#include "levels/level_file.h"
#include "levels/text_encoding.h"
#include "model/cell_codes.h"
#include "studio/level_edits.h"

#include <algorithm>
#include <vector>

namespace zorvik::studio {

namespace {

// The biggest grid: every cell three UTF-8 bytes, a line end each row, and a byte-order mark.
constexpr std::size_t kLargestGrid = kLargestSide * (kLargestSide * 3 + 2) + 3;
constexpr std::size_t kLongestSolution = 1 << 20;

std::string tooBig() { return "das Level wäre größer als " + std::to_string(kLargestSide) + " × " + std::to_string(kLargestSide) + " Felder"; }

} // namespace

bool isLevelFileName(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::toupper(c); });
    return extension == ".ZVK";
}

std::string levelFromGrid(std::string_view bytes)
{
    const std::string text = decodeLevelLine(bytes);
    std::vector<std::string> rows;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        rows.push_back(text.substr(at, end - at));
        at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    while (!rows.empty() && rows.back().empty())
        rows.pop_back();
    if (rows.empty())
        throw FileError("die Datei enthält keine Zeile eines Levels");
    if (rows.size() == 1 && rows[0].size() > 1 && levelSide(rows[0]) > 0 && levelSide(rows[0]) <= kLargestSide)
        return rows[0];
    std::size_t side = rows.size();
    for (const auto& row : rows)
        side = std::max(side, row.size());
    if (side > kLargestSide)
        throw FileError(tooBig());
    std::string level;
    for (std::size_t y = 0; y < side; ++y) {
        const std::string row = y < rows.size() ? rows[y] : std::string();
        level += row + std::string(side - row.size(), kBlank);
    }
    return level;
}

std::string levelFromPastedText(std::string_view bytes)
{
    const auto first = bytes.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        throw FileError("der Text ist leer");
    // From the start of the first line that holds something, so that blank cells that begin it stay.
    const auto lineStart = bytes.find_last_of("\r\n", first);
    bytes.remove_prefix(lineStart == std::string_view::npos ? 0 : lineStart + 1);
    const auto last = bytes.find_last_not_of(" \t\r\n");
    const auto lineEnd = bytes.find_first_of("\r\n", last);
    bytes = bytes.substr(0, lineEnd == std::string_view::npos ? bytes.size() : lineEnd);
    if (std::any_of(bytes.begin(), bytes.end(), [](char c) { return (static_cast<unsigned char>(c) < 0x20 && c != '\r' && c != '\n') || c == 0x7F; }))
        throw FileError("der Text enthält Tabulatoren oder Steuerzeichen, die in keinem Level stehen");
    if (bytes.size() > kLargestGrid)
        throw FileError(tooBig());
    std::string text;
    if (bytes.find_first_of("\r\n") == std::string_view::npos) {
        text = decodeLevelLine(bytes);
        const int side = levelSide(text);
        if (side == 0)
            throw FileError("die Zeile hat " + std::to_string(text.size()) +
                            " Zeichen, ein Level aber n × n, etwa 49 für 7 × 7; vielleicht hat das Chatprogramm Leerzeichen am Ende weggenommen");
        if (side > kLargestSide)
            throw FileError(tooBig());
    } else {
        text = levelFromGrid(bytes);
    }
    if (text.find(kHead) == std::string::npos)
        throw FileError("im Text steht kein Kopf „ö“, ohne den kein Level beginnt");
    return text;
}

std::string gridFromLevel(std::string_view text)
{
    const auto side = static_cast<std::size_t>(levelSide(text));
    std::string grid;
    for (std::size_t y = 0; y < side; ++y)
        grid += windows1252ToUtf8(text.substr(y * side, side)) + "\n";
    return grid;
}

std::string readLevelOrGrid(const std::filesystem::path& file)
{
    if (!isLevelFileName(file)) {
        const std::string bytes = readFileStart(file, kLargestGrid + 1);
        if (bytes.size() > kLargestGrid)
            throw FileError(tooBig());
        return levelFromGrid(bytes);
    }
    const std::string text = readLevelText(file);
    // The studio shows any square board, also one the game would refuse for its worm and dots.
    if (levelSide(text) == 0 || levelSide(text) > kLargestSide) {
        std::string reason = levelTextProblem(text).value_or("");
        if (!reason.empty())
            reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
        throw FileError(reason);
    }
    return text;
}

void writeLevelOrGrid(const std::filesystem::path& file, std::string_view text)
{
    if (isLevelFileName(file))
        writeLevelFile(file, text);
    else
        saveFile(file, gridFromLevel(text));
}

std::filesystem::path solutionFile(const std::filesystem::path& levelFile)
{
    return std::filesystem::path(levelFile).replace_extension(".solution");
}

std::optional<std::string> readSolution(const std::filesystem::path& file)
{
    std::string moves;
    try {
        moves = readFileStart(file, kLongestSolution);
    } catch (const FileError&) {
        return std::nullopt;
    }
    moves.erase(moves.find_last_not_of("\r\n") + 1);
    if (moves.empty() || moves.find_first_not_of("LRUD") != std::string::npos)
        return std::nullopt;
    return moves;
}

void writeSolution(const std::filesystem::path& file, std::string_view moves)
{
    saveFile(file, std::string(moves) + "\n");
}

} // namespace zorvik::studio
