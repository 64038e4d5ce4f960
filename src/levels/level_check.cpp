// SPDX-License-Identifier: GPL-3.0-or-later
// The level checker's rules, each a small pass over the level text.
#include "levels/level_check.h"

#include "model/cell_codes.h"
#include "model/game.h"
#include "model/null_window.h"

#include <cmath>
#include <exception>
#include <queue>

namespace zorvik::check {

namespace {

// Long lists of positions are cut short; the first few show where to look.
constexpr std::size_t kPositionsShown = 8;

struct Board {
    const std::string& text;
    int side;

    char at(int x, int y) const { return text[static_cast<std::size_t>(y * side + x)]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < side && y < side; }
};

std::string n(std::size_t number) { return std::to_string(number); }

std::string more(std::size_t count) { return count > kPositionsShown ? "; and " + n(count - kPositionsShown) + " more" : ""; }

std::string positionList(const std::vector<int>& cells, int side)
{
    std::string out;
    for (std::size_t i = 0; i < cells.size() && i < kPositionsShown; ++i)
        out += (i == 0 ? "" : "; ") + cellPosition(cells[i], side);
    return out + more(cells.size());
}

std::string shownCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x21 && byte < 0x7F)
        return "\"" + std::string(1, c) + "\"";
    static const char* digits = "0123456789ABCDEF";
    return std::string("byte 0x") + digits[byte >> 4] + digits[byte & 15];
}

bool isCellCode(char c)
{
    // " " and "-" are the two spellings of an empty cell that levels use.
    return c == kWall || c == kDot || c == kHalving || c == kCutting || isWormCell(c) || c == kBlank ||
           c == '-';
}

std::string squareHint(std::size_t length)
{
    const auto below = static_cast<std::size_t>(std::floor(std::sqrt(static_cast<double>(length))));
    const std::size_t above = below + 1;
    std::string hint = "the line has " + n(length) + " characters, which is no square number";
    hint += below > 0 ? " (" + n(below * below) + " = " + n(below) + " × " + n(below) + ", " : " (";
    return hint + n(above * above) + " = " + n(above) + " × " + n(above) + "): a level is n × n cells in one line";
}

void checkCharacters(const std::string& text, int side, std::vector<Finding>& findings)
{
    std::vector<int> strange;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!isCellCode(text[i]))
            strange.push_back(static_cast<int>(i));
    if (strange.empty())
        return;
    std::string message = n(strange.size()) + (strange.size() == 1 ? " character" : " characters") +
                          " that are no cell code and count as empty cells: ";
    for (std::size_t i = 0; i < strange.size() && i < kPositionsShown; ++i) {
        const int at = strange[i];
        message += (i == 0 ? "" : "; ") + shownCharacter(text[static_cast<std::size_t>(at)]) + " at " +
                   (side > 0 ? cellPosition(at, side) : "character " + n(at + 1));
    }
    findings.push_back({Severity::Warning, Kind::UnknownCharacters, message + more(strange.size()), strange});
}

// The worm must lie as "ö" followed by its "o"/"ä" cells to the right in the same row: every segment
// starts with the step to the left, so any other layout pulls apart on the first moves.
void checkWorm(const Board& board, std::vector<Finding>& findings, int& head)
{
    std::vector<int> heads;
    for (int i = 0; i < board.side * board.side; ++i)
        if (board.text[static_cast<std::size_t>(i)] == kHead)
            heads.push_back(i);
    head = -1;
    if (heads.empty()) {
        findings.push_back({Severity::Error, Kind::NoHead, "no head: the worm needs one \"ö\" cell (byte 0xF6) where it starts"});
        return;
    }
    if (heads.size() > 1) {
        findings.push_back({Severity::Error, Kind::SeveralHeads,
                            n(heads.size()) + " heads (\"ö\"), but a worm has exactly one: " + positionList(heads, board.side),
                            heads});
        return;
    }
    head = heads.front();
    const int hx = head % board.side, hy = head / board.side;
    int x = hx + 1;
    while (x < board.side && (board.at(x, hy) == kSegment || board.at(x, hy) == kSegmentAlt))
        ++x;
    std::vector<int> stray;
    for (int i = 0; i < board.side * board.side; ++i) {
        const char c = board.text[static_cast<std::size_t>(i)];
        const bool inRow = i / board.side == hy && i % board.side > hx && i % board.side < x;
        if ((c == kSegment || c == kSegmentAlt) && !inRow)
            stray.push_back(i);
    }
    const std::string headAt = cellPosition(head, board.side);
    if (!stray.empty()) {
        Finding body{Severity::Error, Kind::BodyNotInRow,
                     "the body is not a row to the right of its head at " + headAt +
                         ": every \"o\" or \"ä\" must follow the head without a gap in its row; these do not: " +
                         positionList(stray, board.side),
                     stray};
        body.head = head;
        findings.push_back(std::move(body));
    }

    // Walls or the border on the other three sides and a body behind: the first move can only kill.
    const bool bodyLongerThanOne = x - hx - 1 >= 2;
    auto blocked = [&](int px, int py) { return !board.inside(px, py) || board.at(px, py) == kWall; };
    if (stray.empty() && bodyLongerThanOne && blocked(hx - 1, hy) && blocked(hx, hy - 1) && blocked(hx, hy + 1)) {
        Finding stuck{Severity::Error, Kind::StuckAtStart,
                      "the worm is stuck at the start: the head at " + headAt + " has walls on three sides and its body on the fourth",
                      {head}};
        stuck.head = head;
        findings.push_back(std::move(stuck));
    }
}

// Dots walled off from the head can never be eaten. Worm cells are free cells for this.
void checkReach(const Board& board, int head, std::vector<Finding>& findings)
{
    std::vector<bool> seen(board.text.size(), false);
    std::queue<int> open;
    open.push(head);
    seen[static_cast<std::size_t>(head)] = true;
    while (!open.empty()) {
        const int at = open.front();
        open.pop();
        const int x = at % board.side, y = at / board.side;
        const int steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (const auto& step : steps) {
            const int nx = x + step[0], ny = y + step[1];
            if (!board.inside(nx, ny) || board.at(nx, ny) == kWall)
                continue;
            const auto next = static_cast<std::size_t>(ny * board.side + nx);
            if (!seen[next]) {
                seen[next] = true;
                open.push(static_cast<int>(next));
            }
        }
    }
    std::vector<int> walledIn;
    for (std::size_t i = 0; i < board.text.size(); ++i)
        if (board.text[i] == kDot && !seen[i])
            walledIn.push_back(static_cast<int>(i));
    if (!walledIn.empty())
        findings.push_back({Severity::Error, Kind::WalledIn,
                            n(walledIn.size()) +
                                (walledIn.size() == 1 ? " dot the worm can never reach, walled in: "
                                                      : " dots the worm can never reach, walled in: ") +
                                positionList(walledIn, board.side),
                            walledIn});
}

// Whatever else the game's own level start refuses.
void checkGameStart(const std::string& text, std::vector<Finding>& findings)
{
    NullWindow window;
    Game game(window, "/nonexistent-zorvik-check-folder");
    game.setStartDefaults();
    game.LevelText = text;
    try {
        game.Beginn();
    } catch (const std::exception& failure) {
        Finding refused{Severity::Error, Kind::GameRefuses, std::string("the game cannot start this level: ") + failure.what()};
        refused.detail = failure.what();
        findings.push_back(std::move(refused));
    }
}

} // namespace

std::string cellPosition(int index, int side)
{
    return "row " + std::to_string(index / side + 1) + ", column " + std::to_string(index % side + 1) + " (character " +
           std::to_string(index + 1) + ")";
}

bool hasErrors(const std::vector<Finding>& findings)
{
    for (const auto& finding : findings)
        if (finding.severity == Severity::Error)
            return true;
    return false;
}

std::vector<Finding> checkLevelText(const std::string& text)
{
    std::vector<Finding> findings;
    if (text.empty()) {
        findings.push_back({Severity::Error, Kind::Empty, "empty: the first line holds no level"});
        return findings;
    }

    const auto side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(text.size()))));
    const bool square = static_cast<std::size_t>(side) * static_cast<std::size_t>(side) == text.size();
    if (!square)
        findings.push_back({Severity::Error, Kind::NotSquare, "not a square: " + squareHint(text.size()), {}, text.size()});

    std::size_t wormAndDots = 0, dots = 0;
    for (char c : text) {
        wormAndDots += c == kDot || isWormCell(c);
        dots += c == kDot;
    }
    if (wormAndDots > kMostWormAndDotCells)
        findings.push_back({Severity::Error, Kind::TooManyWormAndDots,
                            "too big: " + n(wormAndDots) + " worm and dot cells, but the worm can grow to at most " +
                                n(kMostWormAndDotCells),
                            {}, wormAndDots});
    if (dots == 0)
        findings.push_back({Severity::Error, Kind::NoDots, "no dots: only eating the last dot finishes a level"});

    if (square && side > kWidestSide)
        findings.push_back({Severity::Error, Kind::TooWide,
                            "too big: " + n(side) + " × " + n(side) + " cells, but the game takes at most " + n(kWidestSide) +
                                " × " + n(kWidestSide),
                            {}, std::size_t(side)});

    if (square) {
        const Board board{text, side};
        int head = -1;
        checkWorm(board, findings, head);
        if (head >= 0 && dots > 0)
            checkReach(board, head, findings);
    }
    checkCharacters(text, square ? side : 0, findings);
    if (!hasErrors(findings))
        checkGameStart(text, findings);
    return findings;
}

} // namespace zorvik::check
