// SPDX-License-Identifier: GPL-3.0-or-later
// The test game's helpers and the recording window's log.
#include "support/test_game.h"

#include <sstream>

namespace zorvik::testing {

std::string toGameText(std::string_view utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i)  // only the two-byte forms of U+00C0 to U+00FF
        out += static_cast<unsigned char>(utf8[i]) == 0xC3 && i + 1 < utf8.size() ? char(utf8[++i] + 0x40) : utf8[i];
    return out;
}

std::string toUtf8(std::string_view gameText)
{
    std::string out;
    for (const char ch : gameText) {
        const auto c = static_cast<unsigned char>(ch);
        out += c < 0x80 ? std::string(1, ch) : std::string{char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
    }
    return out;
}

std::string level(std::initializer_list<std::string_view> rows)
{
    std::string text;
    for (auto row : rows)
        text += toGameText(row);
    return text;
}

std::vector<std::string> rows(const Game& game)
{
    const auto n = static_cast<std::size_t>(game.Seitenzellen) - 2;
    std::vector<std::string> out;
    for (std::size_t i = 0; n > 0 && i + n <= game.Spielfeld.size(); i += n)
        out.push_back(toUtf8(game.Spielfeld.substr(i, n)));
    return out;
}

std::string segments(const GameState& game)
{
    std::string out;
    for (int i = 0; i <= game.Laenge; ++i)
        out += (i > 0 ? " " : "") + std::to_string(game.WurmX[i]) + "," + std::to_string(game.WurmY[i]);
    return out;
}

std::string describe(const std::vector<Call>& calls)
{
    static const char* const names[] = {"cls", "box", "line", "fill", "circle", "msgbox", "warning", "frame"};
    std::ostringstream out;
    for (const Call& c : calls) {
        out << (&c == calls.data() ? "" : "; ") << names[c.kind];
        if (c.kind == Call::Box || c.kind == Call::Line)
            out << ' ' << c.x1 << ' ' << c.y1 << ' ' << c.x2 << ' ' << c.y2 << ' ' << c.colour;
        else if (c.kind == Call::Circle)
            out << ' ' << c.x1 << ' ' << c.y1 << ' ' << c.x2 << ' ' << c.colour;
        else if (c.kind == Call::Fill)
            out << ' ' << c.colour;
        else if (c.kind == Call::Frame)
            out << ' ' << c.x1 << '/' << c.y1;
        else if (c.kind != Call::Cls)
            out << ' ' << c.text;
    }
    return out.str();
}

void CountingGame::LevelLaden()
{
    ++calls["LevelLaden"];
    if (levelTexts.empty())
        return Game::LevelLaden();
    if (LevelNr > static_cast<int>(levelTexts.size()) - 1)
        LevelNr = 0;
    LevelText = levelTexts.at(static_cast<std::size_t>(LevelNr));
    Beginn();
}

void play(Game& game, std::string_view moves)
{
    static const std::map<char, int> keys{{'L', kKeyLeft}, {'R', kKeyRight}, {'U', kKeyUp}, {'D', kKeyDown}};
    for (const char move : moves)
        game.Form_KeyDown(keys.at(move), 0);
}

} // namespace zorvik::testing
