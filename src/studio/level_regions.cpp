// SPDX-License-Identifier: GPL-3.0-or-later
// Copying, pasting, moving and turning rectangles of a level.
#include "studio/level_regions.h"

#include "levels/level_file.h"
#include "levels/text_encoding.h"
#include "model/cell_codes.h"
#include "studio/level_edits.h"
#include "studio/worm_layout.h"

#include <algorithm>
#include <utility>

namespace zorvik::studio {

namespace {

std::size_t at(int side, int x, int y) { return static_cast<std::size_t>(y * side + x); }

// Where the cell (i, j) of a width × height region goes, relative to the turned region's corner.
std::pair<int, int> turned(Turn turn, int width, int height, int i, int j)
{
    switch (turn) {
    case Turn::MirrorLeftRight: return {width - 1 - i, j};
    case Turn::MirrorTopBottom: return {i, height - 1 - j};
    case Turn::RotateClockwise: return {height - 1 - j, i};
    case Turn::RotateCounterClockwise: return {j, width - 1 - i};
    }
    return {i, j};
}

bool rotates(Turn turn) { return turn == Turn::RotateClockwise || turn == Turn::RotateCounterClockwise; }

} // namespace

Region regionBetween(int side, int from, int to)
{
    if (side <= 0 || from < 0 || to < 0 || from >= side * side || to >= side * side)
        return {};
    const int left = std::min(from % side, to % side), top = std::min(from / side, to / side);
    return {left, top, std::max(from % side, to % side) - left + 1, std::max(from / side, to / side) - top + 1};
}

Region onBoard(Region region, int side)
{
    const int left = std::max(region.x, 0), top = std::max(region.y, 0);
    const int right = std::min(region.x + region.width, side), bottom = std::min(region.y + region.height, side);
    if (right <= left || bottom <= top)
        return {};
    return {left, top, right - left, bottom - top};
}

Clip copyRegion(std::string_view text, Region region)
{
    const int side = levelSide(text);
    region = onBoard(region, side);
    Clip clip{region.width, region.height, {}};
    for (int y = region.y; y < region.y + region.height; ++y)
        clip.cells += text.substr(at(side, region.x, y), static_cast<std::size_t>(region.width));
    return clip;
}

std::string clearRegion(std::string_view text, Region region)
{
    const int side = levelSide(text);
    region = onBoard(region, side);
    std::string cleared(text);
    for (int y = region.y; y < region.y + region.height; ++y)
        std::fill_n(cleared.begin() + static_cast<std::ptrdiff_t>(at(side, region.x, y)), region.width, kBlank);
    return cleared;
}

std::string pasteClip(std::string_view text, const Clip& clip, int x, int y)
{
    const int side = levelSide(text);
    const Region target = onBoard({x, y, clip.width, clip.height}, side);
    std::string pasted(text);
    bool headComes = false;
    for (int row = target.y; row < target.y + target.height; ++row)
        for (int column = target.x; column < target.x + target.width; ++column)
            headComes |= clip.cells[at(clip.width, column - x, row - y)] == kHead;
    if (headComes)
        std::replace(pasted.begin(), pasted.end(), kHead, kBlank);
    for (int row = target.y; row < target.y + target.height; ++row)
        for (int column = target.x; column < target.x + target.width; ++column)
            pasted[at(side, column, row)] = clip.cells[at(clip.width, column - x, row - y)];
    return pasted;
}

std::string moveRegion(std::string_view text, Region region, int dx, int dy, Region* moved)
{
    const int side = levelSide(text);
    region = onBoard(region, side);
    Region to = region;
    to.x = std::clamp(region.x + dx, 0, side - region.width);
    to.y = std::clamp(region.y + dy, 0, side - region.height);
    if (moved)
        *moved = to;
    if (region.empty())
        return std::string(text);
    return pasteClip(clearRegion(text, region), copyRegion(text, region), to.x, to.y);
}

std::string rowsFromClip(const Clip& clip)
{
    std::string rows;
    for (int y = 0; y < clip.height; ++y)
        rows += windows1252ToUtf8(std::string_view(clip.cells).substr(at(clip.width, 0, y), static_cast<std::size_t>(clip.width))) + "\n";
    return rows;
}

Clip clipFromRows(std::string_view bytes)
{
    const std::string text = decodeLevelLine(bytes);
    std::vector<std::string> rows;
    for (std::size_t start = 0; start < text.size() && rows.size() < kLargestSide;) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        rows.push_back(text.substr(start, std::min<std::size_t>(end - start, kLargestSide)));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    while (!rows.empty() && rows.back().empty())
        rows.pop_back();
    Clip clip;
    for (const auto& row : rows)
        clip.width = std::max(clip.width, static_cast<int>(row.size()));
    if (clip.width == 0)
        return {};
    clip.height = static_cast<int>(rows.size());
    for (const auto& row : rows)
        clip.cells += row + std::string(static_cast<std::size_t>(clip.width) - row.size(), kBlank);
    return clip;
}

TurnResult turnRegion(std::string_view text, Region region, Turn turn)
{
    const int side = levelSide(text);
    region = onBoard(region, side);
    TurnResult result{std::string(text), region, {}};
    if (region.empty())
        return result;
    const Region target = rotates(turn) ? Region{region.x, region.y, region.height, region.width} : region;
    const bool mirror = !rotates(turn);
    if (onBoard(target, side) != target) {
        result.problem = "Gedreht wäre die Auswahl " + std::to_string(target.width) + " × " + std::to_string(target.height) +
                         " Felder groß und ragte über den Rand des Bretts; das Level bleibt, wie es war.";
        return result;
    }

    std::string out = clearRegion(text, region);
    auto place = [&](int index) {
        const int x = index % side - region.x, y = index / side - region.y;
        const auto [i, j] = turned(turn, region.width, region.height, x, y);
        return (target.y + j) * side + target.x + i;
    };
    for (int y = 0; y < region.height; ++y)
        for (int x = 0; x < region.width; ++x) {
            const int from = (region.y + y) * side + region.x + x;
            out[static_cast<std::size_t>(place(from))] = text[static_cast<std::size_t>(from)];
        }

    // A worm the game could start stays one. Cells it would keep in part, or lose under the turned
    // region, would break it.
    if (const auto worm = startableWorm(text)) {
        auto inside = [side](const Region& r, int i) { return r.contains(i % side, i / side); };
        const auto turnedCount = std::count_if(worm->begin(), worm->end(), [&](int i) { return inside(region, i); });
        const auto hit = std::count_if(worm->begin(), worm->end(), [&](int i) { return inside(region, i) || inside(target, i); });
        if (hit > 0 && turnedCount < static_cast<long>(worm->size())) {
            result.problem = "Der Wurm liegt nur zum Teil in der Auswahl. Damit Kopf und Körper ein Wurm bleiben, muss er ganz "
                             "hinein oder ganz draußen bleiben; das Level bleibt, wie es war.";
            return result;
        }
        if (hit > 0) {
            std::string cells;
            std::vector<int> wanted;
            for (const int i : *worm) {
                cells += text[static_cast<std::size_t>(i)];
                wanted.push_back(place(i));
                out[static_cast<std::size_t>(place(i))] = kBlank;
            }
            const std::string plain = std::exchange(out, std::string());
            const auto laid = layWorm(plain, cells, wanted);
            if (!laid) {
                result.problem = std::string(mirror ? "Gespiegelt" : "Gedreht") + " findet der Wurm keinen Platz: Kopf und Körper brauchen " +
                                 std::to_string(cells.size()) +
                                 " Felder ohne Mauer nebeneinander in einer Zeile, den Kopf links. Das Level bleibt, wie es war.";
                return result;
            }
            out = *laid;
            for (std::size_t i = 0; i < cells.size(); ++i)
                result.wormRelaid |= out[static_cast<std::size_t>(wanted[i])] != cells[i];
        }
    }
    result.text = std::move(out);
    result.region = target;
    return result;
}

} // namespace zorvik::studio
