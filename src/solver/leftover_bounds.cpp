// SPDX-License-Identifier: GPL-3.0-or-later
// The leftover's demands: a spanning tree of the dots, the pockets and each dot's cheapest way in.
#include "solver/leftover_bounds.h"

#include <algorithm>

namespace zorvik::solver {

namespace {

constexpr Word kLeftBits = ~((Word(1) << 48) - 1);

} // namespace

LeftoverBounds::LeftoverBounds(const LevelTables& level, std::size_t bytes, StopFlags stop)
    : level_(level), board_(level.board()), stride_(4 + level.dots()), budget_(bytes), stop_(stop), index_(level.board().headerWords())
{
    index_.watch(stop);
    // A set takes its facts, its key and two index slots; the vectors may hold twice what they use.
    const std::size_t perSet = 2 * (std::size_t(stride_) * 2 + std::size_t(board_.headerWords()) * sizeof(Word)) + 2 * sizeof(Word);
    mostSets_ = std::max<std::size_t>(bytes / perSet, 64);
}

Leftover LeftoverBounds::of(const Word* p)
{
    const auto words = std::size_t(board_.headerWords());
    auto fresh = static_cast<std::uint32_t>(facts_.size() / std::size_t(stride_));
    if (fresh >= mostSets_) {
        keys_.clear();
        facts_.clear();
        index_.clear();
        fresh = 0;
    }
    const std::size_t at = keys_.size();
    keys_.insert(keys_.end(), board_.header(p), board_.header(p) + words);
    keys_[at] &= kLeftBits;
    const auto [index, added] =
        index_.findOrAdd(&keys_[at], [&](std::uint32_t i) { return keys_.data() + i * words; }, fresh);
    if (added) {
        facts_.resize(facts_.size() + std::size_t(stride_));
        workOut(p, &facts_[std::size_t(fresh) * std::size_t(stride_)]);
    } else {
        keys_.resize(at);
    }
    const std::uint16_t* facts = &facts_[std::size_t(index) * std::size_t(stride_)];
    return {facts[0], facts[1], facts[2], facts[3], facts + 4};
}

void LeftoverBounds::workOut(const Word* p, std::uint16_t* facts) const
{
    std::vector<int> dots, shrinkers;
    for (int dot = 0; dot < level_.dots(); ++dot)
        if (board_.left(p, level_.dotId(dot)))
            dots.push_back(dot);
    for (int id = 0; id < board_.eatableCount(); ++id)
        if (board_.left(p, id) && board_.kind(board_.eatableCell(id)) != CellKind::Dot)
            shrinkers.push_back(id);

    // Prim's tree over the dots left.
    int tree = 0;
    if (!level_.exactTours() && !dots.empty()) {
        std::vector<int> nearest(dots.size(), kNever);
        std::vector<bool> inTree(dots.size(), false);
        std::size_t current = 0;
        for (std::size_t added = 1; added < dots.size(); ++added) {
            if (added % 64 == 0)
                stop_.check();
            inTree[current] = true;
            std::size_t closest = 0;
            for (std::size_t j = 0; j < dots.size(); ++j) {
                if (inTree[j])
                    continue;
                nearest[j] = std::min(nearest[j], level_.dotDistance(dots[current], dots[j]));
                if (inTree[closest] || nearest[j] < nearest[closest])
                    closest = j;
            }
            tree = saturated(tree + nearest[closest]);
            current = closest;
        }
    }

    // The two dots nearest to each halving or cutting cell: a way in through it starts at another dot.
    std::vector<std::pair<int, int>> nearestDots;  // distance to the nearest, to the second nearest
    std::vector<int> nearestDot;
    for (const int id : shrinkers) {
        std::pair<int, int> best{kNever, kNever};
        int bestDot = -1;
        for (const int dot : dots) {
            const int d = level_.distance(id, board_.eatableCell(level_.dotId(dot)));
            if (d < best.first) {
                best = {d, best.first};
                bestDot = dot;
            } else {
                best.second = std::min(best.second, d);
            }
        }
        nearestDots.push_back(best);
        nearestDot.push_back(bestDot);
    }
    int pockets = 0, total = 0, largestSaving = 0;
    std::fill(facts + 4, facts + stride_, kNever);
    for (const int dot : dots) {
        if (dot % 64 == 0)
            stop_.check();
        int way = kNever;
        for (const int other : dots)
            if (other != dot)
                way = std::min(way, level_.dotDistance(other, dot));
        bool pocket = board_.standardBody() && dots.size() > 1;
        for (int step = 0; step < 4 && pocket; ++step)
            pocket = !level_.leadsOn(board_.header(p), dot, step);
        if (pocket) {
            ++pockets;
            int through = kNever;
            for (std::size_t s = 0; s < shrinkers.size(); ++s)
                through = std::min(through, level_.distance(shrinkers[s], board_.eatableCell(level_.dotId(dot))) +
                                                (nearestDot[s] == dot ? nearestDots[s].second : nearestDots[s].first));
            through = saturated(through);
            largestSaving = std::max(largestSaving, through - way);
            way = through;
        }
        facts[4 + dot] = static_cast<std::uint16_t>(way);
        total += way;
    }
    facts[0] = static_cast<std::uint16_t>(tree);
    facts[1] = static_cast<std::uint16_t>(pockets);
    facts[2] = static_cast<std::uint16_t>(shrinkers.size());
    facts[3] = static_cast<std::uint16_t>(std::clamp(total - largestSaving, 0, kNever));
}

} // namespace zorvik::solver
