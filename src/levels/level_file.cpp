// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing level files.
#include "levels/level_file.h"

#include "levels/file_access.h"
#include "levels/text_encoding.h"
#include "model/cell_codes.h"

#include <algorithm>
#include <cmath>

namespace zorvik {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The biggest board a level start takes, and the most worm and dot cells its tables hold.
constexpr std::size_t kLongestSide = 181;
constexpr std::size_t kMostWormCells = 1225;
// The longest first line that can still hold a level: three UTF-8 bytes a cell and a byte-order mark.
constexpr std::size_t kLongestLine = kLongestSide * kLongestSide * 3 + kByteOrderMark.size();

} // namespace

std::string demoLevelFile() { return std::string(kDemoLevelText) + "\r\n"; }

std::string decodeLevelLine(std::string_view line)
{
    const bool marked = line.starts_with(kByteOrderMark);
    const std::string_view rest = marked ? line.substr(kByteOrderMark.size()) : line;
    const bool multiByte = std::any_of(rest.begin(), rest.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if ((marked || multiByte) && isValidUtf8(rest))
        return utf8ToWindows1252(rest);
    return std::string(line);
}

std::string readLevelText(const std::filesystem::path& file)
{
    // Only the first line counts, ended by CR LF, LF or CR; reading stops past the longest possible one.
    const std::string start = readFileStart(file, kLongestLine + 1);
    const auto end = start.find_first_of("\r\n");
    if (end == std::string::npos && start.size() > kLongestLine)
        throw FileError("die erste Zeile ist länger als jedes mögliche Level");
    return decodeLevelLine(std::string_view(start).substr(0, end));
}

void writeLevelFile(const std::filesystem::path& file, std::string_view text)
{
    if (text.find_first_of("\r\n") != std::string_view::npos)
        throw FileError("die Levelzeile enthält einen Zeilenumbruch");
    saveFile(file, std::string(text) + "\r\n");
}

std::optional<std::string> levelTextProblem(std::string_view text)
{
    if (text.empty())
        return "Die Levelzeile ist leer.";
    if (text.size() > kLongestSide * kLongestSide)
        return "Das Level ist zu groß: höchstens 181 × 181 Felder gehen.";
    const auto side = static_cast<std::size_t>(std::lround(std::sqrt(static_cast<double>(text.size()))));
    if (side * side != text.size())
        return "Die Levelzeile hat " + std::to_string(text.size()) + " Zeichen, das ist kein Quadrat wie 7 × 7 = 49.";
    const auto wormCells = std::count_if(text.begin(), text.end(), [](char c) { return c == kDot || isWormCell(c); });
    if (static_cast<std::size_t>(wormCells) > kMostWormCells)
        return "Das Level hat " + std::to_string(wormCells) + " Wurm- und Punktfelder, mehr als 1225 gehen nicht.";
    return std::nullopt;
}

std::string saveDemoLevel(const std::filesystem::path& folder, const std::string& name)
{
    // A name that is taken stays as it is, whatever it holds: a draft of the player's must not turn into the
    // demo level. The demo goes under the first free name of "NeuesLevel 2.ZVK", "NeuesLevel 3.ZVK", ...,
    // unless a file on the way already holds it.
    const auto dot = std::min(name.rfind('.'), name.size());
    for (int number = 1; number < 100; ++number) {
        const std::string chosen = number == 1 ? name : name.substr(0, dot) + " " + std::to_string(number) + name.substr(dot);
        const std::string moved = number == 1 ? "" : "„" + shownName(name) + "“ gibt es schon und bleibt, wie es ist; "
                                                     "das Demo-Level steht in „" + shownName(chosen) + "“.";
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(folder / chosen, error))) {
            try {
                writeLevelFile(folder / chosen, kDemoLevelText);
            } catch (const FileError& e) {
                return "Das Demo-Level ließ sich nicht als „" + shownName(chosen) + "“ speichern (" + e.what() + ").";
            }
            return moved;
        }
        try {
            if (readLevelText(folder / chosen) == kDemoLevelText)
                return moved;
        } catch (const FileError&) {
            // a folder, a dangling link, a file we may not read: taken all the same
        }
    }
    return "„" + shownName(name) + "“ gibt es schon und bleibt, wie es ist; das Demo-Level wird ohne Datei gespielt.";
}

} // namespace zorvik
