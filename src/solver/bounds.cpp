// SPDX-License-Identifier: GPL-3.0-or-later
// Lower bounds on the moves left: the relaxed walk of the head, the dots' rounds and spanning trees.
#include "solver/bounds.h"

#include <algorithm>
#include <deque>

namespace zorvik::solver {

namespace {

// Exact rounds over up to this many dots: 2^18 × 18 entries of two bytes, worked out in a tenth of a second.
constexpr int kExactTourDots = 18;
// The spanning trees kept before the store starts afresh.
constexpr std::size_t kMostTrees = std::size_t(1) << 20;

int saturated(int moves) { return std::min(moves, kNever); }

} // namespace

LevelDistances::LevelDistances(const Board& board) : board_(board)
{
    const auto cells = std::size_t(board.cellCount());
    distances_.assign(std::size_t(board.eatableCount()) * cells, kNever);
    std::deque<int> queue;
    for (int id = 0; id < board.eatableCount(); ++id) {
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
    const int k = dots();
    dotDistances_.resize(std::size_t(k * k));
    for (int a = 0; a < k; ++a)
        for (int b = 0; b < k; ++b)
            dotDistances_[std::size_t(a * k + b)] = static_cast<std::uint16_t>(distance(dotIds_[std::size_t(a)], board.eatableCell(dotIds_[std::size_t(b)])));
    if (k == 0 || k > kExactTourDots)
        return;
    // tour(mask, d): d first, then the best order of the rest of mask.
    tours_.assign((std::size_t(1) << k) * std::size_t(k), kNever);
    for (std::uint32_t mask = 1; mask < (std::uint32_t(1) << k); ++mask)
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

Estimator::Estimator(const LevelDistances& level)
    : level_(level), board_(level.board()), trees_((level.dots() + 63) / 64)
{
    const auto cells = std::size_t(board_.cellCount());
    seen_.assign(cells * 4, 0);
    time_.assign(cells * 4, 0);
    releaseStamp_.assign(cells, 0);
    release_.assign(cells, 0);
    bucketHead_.assign(cells * 4 + std::size_t(kLastSegment) + 4, -1);
    arrival_.assign(std::size_t(board_.eatableCount()), kNever);
    scratchKey_.assign(std::size_t((level.dots() + 63) / 64), 0);
}

std::size_t Estimator::memoryBytes() const
{
    return seen_.size() * 6 + releaseStamp_.size() * 6 + bucketHead_.size() * 4 + bucketNext_.capacity() * 4 +
           treeKeys_.capacity() * 8 + treeLengths_.capacity() * 2 + trees_.memoryBytes();
}

void Estimator::reach(const Word* p)
{
    if (++stamp_ == 0) {
        std::fill(seen_.begin(), seen_.end(), 0);
        std::fill(releaseStamp_.begin(), releaseStamp_.end(), 0);
        stamp_ = 1;
    }
    std::fill(arrival_.begin(), arrival_.end(), kNever);
    const int head = board_.head(p), length = board_.length(p);
    // The body's cells, each free from the move on that the tail has left it. A body off its head's
    // path is left out altogether.
    const bool standard = board_.standardBody();
    if (standard) {
        int cell = head;
        for (int k = 1; k <= length; ++k) {
            cell -= board_.offset(board_.step(p, k));
            releaseStamp_[std::size_t(cell)] = stamp_;
            release_[std::size_t(cell)] = static_cast<std::uint16_t>(length - k + 1);
        }
    }
    // Turning back kills a worm of three segments or more: its second segment steps onto the head.
    const bool straightOn = standard && length >= 2;
    int dotsToReach = level_.dots();
    for (int dot = 0; dot < level_.dots(); ++dot)
        dotsToReach -= !board_.left(p, level_.dotId(dot));

    // Buckets by time, each a list threaded through bucketNext_ (pairs of state and next).
    bucketNext_.clear();
    int latest = 0;
    auto push = [&](int state, int time) {
        bucketNext_.push_back(state);
        bucketNext_.push_back(bucketHead_[std::size_t(time)]);
        bucketHead_[std::size_t(time)] = static_cast<int>(bucketNext_.size()) - 2;
        latest = std::max(latest, time);
    };
    const int startState = head * 4 + (length >= 1 ? board_.step(p, 1) : 0);
    seen_[std::size_t(startState)] = stamp_;
    time_[std::size_t(startState)] = 0;
    push(startState, 0);
    for (int t = 0; t <= latest && dotsToReach > 0; ++t) {
        for (int entry = bucketHead_[std::size_t(t)]; entry >= 0 && dotsToReach > 0; entry = bucketNext_[std::size_t(entry) + 1]) {
            const int state = bucketNext_[std::size_t(entry)];
            if (time_[std::size_t(state)] != t)
                continue;  // reached sooner since
            const int cell = state / 4, heading = state % 4;
            const int id = board_.eatableId(cell);
            if (id >= 0 && board_.left(p, id) && cell != head) {
                if (arrival_[std::size_t(id)] == kNever) {
                    arrival_[std::size_t(id)] = t;
                    if (board_.kind(cell) == CellKind::Dot)
                        --dotsToReach;
                }
                if (board_.kind(cell) != CellKind::Dot)
                    continue;  // beyond a halving or cutting cell the distances take over
            }
            for (int s = 0; s < 4; ++s) {
                if (straightOn && s == (heading ^ 1))
                    continue;
                const int next = cell + board_.offset(s);
                if (board_.kind(next) == CellKind::Wall)
                    continue;
                const int free = releaseStamp_[std::size_t(next)] == stamp_ ? release_[std::size_t(next)] : 0;
                const int when = std::max(t + 1, free);
                const int nextState = next * 4 + s;
                if (seen_[std::size_t(nextState)] != stamp_ || when < time_[std::size_t(nextState)]) {
                    seen_[std::size_t(nextState)] = stamp_;
                    time_[std::size_t(nextState)] = static_cast<std::uint16_t>(when);
                    push(nextState, when);
                }
            }
        }
    }
    for (int t = 0; t <= latest; ++t)
        bucketHead_[std::size_t(t)] = -1;

    for (int id = 0; id < board_.eatableCount(); ++id) {
        if (arrival_[std::size_t(id)] == kNever || board_.kind(board_.eatableCell(id)) == CellKind::Dot)
            continue;
        for (int dot = 0; dot < level_.dots(); ++dot) {
            int& arrival = arrival_[std::size_t(level_.dotId(dot))];
            arrival = std::min(arrival, saturated(arrival_[std::size_t(id)] + level_.distance(id, board_.eatableCell(level_.dotId(dot)))));
        }
    }
}

int Estimator::spanningTree(const Word* p)
{
    const int k = level_.dots();
    std::fill(scratchKey_.begin(), scratchKey_.end(), 0);
    for (int dot = 0; dot < k; ++dot)
        if (board_.left(p, level_.dotId(dot)))
            scratchKey_[std::size_t(dot / 64)] |= Word(1) << (dot % 64);
    const auto fresh = static_cast<std::uint32_t>(treeLengths_.size());
    if (fresh >= kMostTrees) {
        trees_.clear();
        treeKeys_.clear();
        treeLengths_.clear();
        return spanningTree(p);
    }
    treeKeys_.insert(treeKeys_.end(), scratchKey_.begin(), scratchKey_.end());
    const std::size_t words = scratchKey_.size();
    const auto [index, added] =
        trees_.findOrAdd(scratchKey_.data(), [&](std::uint32_t i) { return treeKeys_.data() + i * words; }, fresh);
    if (!added) {
        treeKeys_.resize(treeKeys_.size() - scratchKey_.size());
        return treeLengths_[index];
    }
    // Prim's tree over the dots left.
    std::vector<int> members, nearest;
    for (int dot = 0; dot < k; ++dot)
        if (scratchKey_[std::size_t(dot / 64)] >> (dot % 64) & 1)
            members.push_back(dot);
    int total = 0;
    nearest.assign(members.size(), kNever);
    std::vector<bool> inTree(members.size(), false);
    std::size_t current = 0;
    for (std::size_t added = 1; added < members.size(); ++added) {
        inTree[current] = true;
        std::size_t closest = 0;
        int closestDistance = kNever + 1;
        for (std::size_t j = 0; j < members.size(); ++j) {
            if (inTree[j])
                continue;
            nearest[j] = std::min(nearest[j], level_.dotDistance(members[current], members[j]));
            if (nearest[j] < closestDistance) {
                closestDistance = nearest[j];
                closest = j;
            }
        }
        total = saturated(total + closestDistance);
        current = closest;
    }
    treeLengths_.push_back(static_cast<std::uint16_t>(total));
    return total;
}

int Estimator::estimate(const Word* p)
{
    reach(p);
    int latest = 0, soonest = kNever;
    std::uint32_t mask = 0;
    int best = kNever;
    for (int dot = 0; dot < level_.dots(); ++dot) {
        if (!board_.left(p, level_.dotId(dot)))
            continue;
        const int arrival = arrival_[std::size_t(level_.dotId(dot))];
        if (arrival == kNever)
            return kNever;
        latest = std::max(latest, arrival);
        soonest = std::min(soonest, arrival);
        mask |= std::uint32_t(1) << (dot % 32);
    }
    if (level_.exactTours()) {
        for (int dot = 0; dot < level_.dots(); ++dot)
            if (mask >> dot & 1)
                best = std::min(best, arrival_[std::size_t(level_.dotId(dot))] + level_.tour(mask, dot));
    } else {
        best = soonest + spanningTree(p);
    }
    return saturated(std::max(latest, best));
}

} // namespace zorvik::solver
