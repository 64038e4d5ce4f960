// SPDX-License-Identifier: GPL-3.0-or-later
// The level's tables for the lower bounds, each worked out once by a walk over the board.
#include "solver/level_tables.h"

#include <algorithm>
#include <bit>
#include <deque>

namespace zorvik::solver {

namespace {

// Exact rounds over up to this many dots: 2^18 × 18 entries of two bytes, worked out in a tenth of a second.
constexpr int kExactTourDots = 18;
// Finding the doors walks the board once for every corridor cell, the dead ends and the ways on after
// a halving cell once for every dot or halving cell; on the largest boards that is too slow.
constexpr int kMostCellsForRooms = 100 * 100;
constexpr std::size_t kMostWalkedCells = 4'000'000;

} // namespace

LevelTables::LevelTables(const Board& board, std::function<void()> check) : board_(board), checkpoint_(std::move(check))
{
    const auto cells = std::size_t(board.cellCount());
    openSteps_.assign(cells, 0);
    for (int cell = 0; cell < board.cellCount(); ++cell)
        for (int s = 0; s < 4 && board.kind(cell) != CellKind::Wall; ++s)
            if (board.kind(cell + board.offset(s)) != CellKind::Wall)
                openSteps_[std::size_t(cell)] |= std::uint8_t(1 << s);
    distances_.assign(std::size_t(board.eatableCount()) * cells, kNever);
    std::deque<int> queue;
    for (int id = 0; id < board.eatableCount(); ++id) {
        checkpoint();
        std::uint16_t* from = &distances_[std::size_t(id) * cells];
        from[board.eatableCell(id)] = 0;
        queue.push_back(board.eatableCell(id));
        while (!queue.empty()) {
            const int cell = queue.front();
            queue.pop_front();
            for (int s = 0; s < 4; ++s) {
                const int next = cell + board.offset(s);
                if (board.kind(next) != CellKind::Wall && from[next] == kNever) {
                    from[next] = static_cast<std::uint16_t>(from[cell] + 1);
                    queue.push_back(next);
                }
            }
        }
        if (board.kind(board.eatableCell(id)) == CellKind::Dot)
            dotIds_.push_back(id);
    }
    dotBits_.assign(std::size_t(board.headerWords()), 0);
    shrinkerBits_.assign(std::size_t(board.headerWords()), 0);
    cuttingBits_.assign(std::size_t(board.headerWords()), 0);
    for (int id = 0; id < board.eatableCount(); ++id) {
        const CellKind kind = board.kind(board.eatableCell(id));
        const Word bit = Word(1) << ((48 + id) % 64);
        (kind == CellKind::Dot ? dotBits_ : shrinkerBits_)[std::size_t((48 + id) / 64)] |= bit;
        if (kind == CellKind::Cutting)
            cuttingBits_[std::size_t((48 + id) / 64)] |= bit;
    }
    dotIndices_.assign(std::size_t(board.eatableCount()), -1);
    for (int dot = 0; dot < dots(); ++dot)
        dotIndices_[std::size_t(dotIds_[std::size_t(dot)])] = dot;
    findOnwards();
    findAfterHalving();
    findRooms();
    findSmallestRooms();
    findTours();
    checkpoint_ = nullptr;  // the caller's check lives no longer than the construction
}

// The dots' distances, and tour(mask, d): d first, then the best order of the rest of mask.
void LevelTables::findTours()
{
    const int k = dots();
    dotDistances_.resize(std::size_t(k * k));
    for (int a = 0; a < k; ++a)
        for (int b = 0; b < k; ++b)
            dotDistances_[std::size_t(a * k + b)] =
                static_cast<std::uint16_t>(distance(dotIds_[std::size_t(a)], board_.eatableCell(dotIds_[std::size_t(b)])));
    if (k == 0 || k > kExactTourDots)
        return;
    tours_.assign((std::size_t(1) << k) * std::size_t(k), kNever);
    for (std::uint32_t mask = 1; mask < (std::uint32_t(1) << k); ++mask) {
        if (mask % 4096 == 0)
            checkpoint();
        for (int d = 0; d < k; ++d) {
            if (!(mask >> d & 1))
                continue;
            const std::uint32_t rest = mask & ~(std::uint32_t(1) << d);
            int best = rest == 0 ? 0 : kNever;
            for (int e = 0; e < k; ++e)
                if (rest >> e & 1)
                    best = std::min(best, dotDistance(d, e) + tour(rest, e));
            tours_[std::size_t(mask) * std::size_t(k) + std::size_t(d)] = static_cast<std::uint16_t>(saturated(best));
        }
    }
}

void LevelTables::findOnwards()
{
    const int words = board_.headerWords();
    if (std::size_t(dots()) * std::size_t(board_.cellCount()) > kMostWalkedCells) {
        onwards_.assign(std::size_t(dots() * 4 * words), ~Word(0));  // as if every dot led on
        return;
    }
    onwards_.assign(std::size_t(dots() * 4 * words), 0);
    std::vector<char> seen;
    std::vector<int> queue;
    for (int dot = 0; dot < dots(); ++dot)
        for (int step = 0; step < 4; ++step) {
            checkpoint();
            Word* found = &onwards_[std::size_t((dot * 4 + step) * words)];
            if (board_.kind(board_.eatableCell(dotId(dot)) - board_.offset(step)) == CellKind::Wall)
                continue;  // no way in by this step
            seen.assign(std::size_t(board_.cellCount()) * 4, 0);
            queue.assign(1, board_.eatableCell(dotId(dot)) * 4 + step);
            seen[std::size_t(queue[0])] = 1;
            for (std::size_t at = 0; at < queue.size(); ++at) {
                const int cell = queue[at] / 4, heading = queue[at] % 4;
                const int id = board_.eatableId(cell);
                if (id >= 0 && id != dotId(dot))
                    found[(48 + id) / 64] |= Word(1) << ((48 + id) % 64);
                for (int s = 0; s < 4; ++s) {
                    const int next = (cell + board_.offset(s)) * 4 + s;
                    if (s != (heading ^ 1) && board_.kind(next / 4) != CellKind::Wall && !seen[std::size_t(next)]) {
                        seen[std::size_t(next)] = 1;
                        queue.push_back(next);
                    }
                }
            }
        }
}

// A halving cell that leaves the worm three segments or more: the head is free of the body but still
// cannot turn back, until the next halving or cutting cell.
void LevelTables::findAfterHalving()
{
    halvingIndices_.assign(std::size_t(board_.eatableCount()), -1);
    if (std::size_t(board_.eatableCount()) * std::size_t(board_.cellCount()) > kMostWalkedCells)
        return;  // the distances stand in
    std::vector<std::uint16_t> time;
    std::vector<int> queue;
    for (int id = 0; id < board_.eatableCount(); ++id) {
        if (board_.kind(board_.eatableCell(id)) != CellKind::Halving)
            continue;
        checkpoint();
        halvingIndices_[std::size_t(id)] = static_cast<int>(afterHalving_.size() / std::size_t(8 * std::max(dots(), 1)));
        for (int step = 0; step < 4; ++step) {
            // By dot: the soonest to eat it and go on, then the soonest to eat it at all.
            std::vector<int> arrival(std::size_t(2 * dots()), kNever);
            time.assign(std::size_t(board_.cellCount()) * 4, kNever);
            queue.assign(1, board_.eatableCell(id) * 4 + step);
            time[std::size_t(queue[0])] = 0;
            for (std::size_t at = 0; at < queue.size(); ++at) {
                const int cell = queue[at] / 4, heading = queue[at] % 4, t = time[std::size_t(queue[at])];
                const int other = board_.eatableId(cell);
                if (other >= 0 && other != id && board_.kind(cell) != CellKind::Dot) {
                    for (int dot = 0; dot < 2 * dots(); ++dot)
                        arrival[std::size_t(dot)] = std::min(
                            arrival[std::size_t(dot)], saturated(t + distance(other, board_.eatableCell(dotId(dot % dots())))));
                    continue;
                }
                if (other >= 0 && board_.kind(cell) == CellKind::Dot) {
                    const int dot = dotIndex(other);
                    const Word* on = onwards(dot, heading);
                    // A dot where the head gets no further can only be the last one.
                    if (std::any_of(on, on + board_.headerWords(), [](Word w) { return w != 0; }))
                        arrival[std::size_t(dot)] = std::min(arrival[std::size_t(dot)], t);
                    arrival[std::size_t(dots() + dot)] = std::min(arrival[std::size_t(dots() + dot)], t);
                }
                for (int s = 0; s < 4; ++s) {
                    const int next = (cell + board_.offset(s)) * 4 + s;
                    if (s != (heading ^ 1) && board_.kind(next / 4) != CellKind::Wall && time[std::size_t(next)] == kNever) {
                        time[std::size_t(next)] = static_cast<std::uint16_t>(t + 1);
                        queue.push_back(next);
                    }
                }
            }
            afterHalving_.insert(afterHalving_.end(), arrival.begin(), arrival.end());
        }
    }
}

// A door is a cell with two open sides whose taking away cuts the board in two; the room behind each
// side is what the head reaches from there without the door.
void LevelTables::findRooms()
{
    const int cells = board_.cellCount();
    if (cells > kMostCellsForRooms)
        return;
    const int words = board_.headerWords();
    roomIndex_.assign(std::size_t(cells) * 4, -1);
    std::vector<int> seen(std::size_t(cells), -1), queue;
    for (int door = 0; door < cells; ++door) {
        if (std::popcount(unsigned(openSteps_[std::size_t(door)])) != 2)
            continue;
        checkpoint();
        const int sides[2] = {std::countr_zero(unsigned(openSteps_[std::size_t(door)])),
                              31 - std::countl_zero(unsigned(openSteps_[std::size_t(door)]))};
        std::vector<Word> bits[2];
        int size[2] = {0, 0};
        for (int side = 0; side < 2; ++side) {
            const int first = door + board_.offset(sides[side]);
            if (side == 1 && seen[std::size_t(first)] == door)
                break;  // the two sides meet: no door
            bits[side].assign(std::size_t(words), 0);
            queue.assign(1, first);
            seen[std::size_t(first)] = door;
            for (std::size_t at = 0; at < queue.size(); ++at) {
                const int cell = queue[at];
                ++size[side];
                if (const int id = board_.eatableId(cell); id >= 0)
                    bits[side][std::size_t((48 + id) / 64)] |= Word(1) << ((48 + id) % 64);
                for (int s = 0; s < 4; ++s) {
                    const int next = cell + board_.offset(s);
                    if (next != door && board_.kind(next) != CellKind::Wall && seen[std::size_t(next)] != door) {
                        seen[std::size_t(next)] = door;
                        queue.push_back(next);
                    }
                }
            }
            if (side == 1) {
                for (int k = 0; k < 2; ++k) {
                    roomIndex_[std::size_t(door * 4 + sides[k])] = static_cast<int>(roomSizes_.size());
                    roomSizes_.push_back(size[k]);
                    roomBits_.insert(roomBits_.end(), bits[k].begin(), bits[k].end());
                }
            }
        }
    }
}

// Of rooms with the same cells to eat, the smallest tells most; a room with no dot tells nothing.
void LevelTables::findSmallestRooms()
{
    const auto words = std::size_t(board_.headerWords());
    std::vector<int> order(roomSizes_.size());
    for (std::size_t r = 0; r < order.size(); ++r)
        order[r] = static_cast<int>(r);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return roomSizes_[std::size_t(a)] < roomSizes_[std::size_t(b)]; });
    for (const int room : order) {
        checkpoint();
        const Word* cells = roomCells(room);
        bool dot = false;
        for (std::size_t i = 0; i < words; ++i)
            dot = dot || (cells[i] & dotBits_[i]);
        bool known = !dot;
        for (const int other : smallestRooms_)
            known = known || std::equal(cells, cells + words, roomCells(other));
        if (!known)
            smallestRooms_.push_back(room);
    }
}

std::size_t LevelTables::memoryBytes() const
{
    return (distances_.size() + dotDistances_.size() + tours_.size() + afterHalving_.size()) * 2 +
           (onwards_.size() + roomBits_.size()) * sizeof(Word) +
           (roomIndex_.size() + roomSizes_.size() + smallestRooms_.size() + dotIds_.size() + dotIndices_.size() +
            halvingIndices_.size()) * sizeof(int);
}

} // namespace zorvik::solver
