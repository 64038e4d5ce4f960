// SPDX-License-Identifier: GPL-3.0-or-later
// Lower bounds on the moves left: the relaxed walk of the head, the dots' rounds and spanning trees.
#include "solver/bounds.h"

#include <algorithm>

namespace zorvik::solver {

Estimator::Estimator(const LevelDistances& level)
    : level_(level), board_(level.board()), leftovers_(level)
{
    const auto cells = std::size_t(board_.cellCount());
    time_.assign(cells * 4, kNever);
    releaseStamp_.assign(cells, 0);
    release_.assign(cells, 0);
    onwardArrival_.assign(std::size_t(level.dots()), kNever);
    lastArrival_.assign(std::size_t(level.dots()), kNever);
}

std::size_t Estimator::memoryBytes() const
{
    return time_.size() * 2 + releaseStamp_.size() * 6 + (current_.capacity() + next_.capacity()) * 4 + later_.size() * 24 +
           leftovers_.memoryBytes();
}

void Estimator::reach(const Word* p)
{
    if (++stamp_ == 0) {
        std::fill(releaseStamp_.begin(), releaseStamp_.end(), 0);
        stamp_ = 1;
    }
    std::fill(onwardArrival_.begin(), onwardArrival_.end(), kNever);
    std::fill(lastArrival_.begin(), lastArrival_.end(), kNever);
    std::fill(time_.begin(), time_.end(), kNever);
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
    int dotsToReach = 0;
    for (int dot = 0; dot < level_.dots(); ++dot)
        dotsToReach += board_.left(p, level_.dotId(dot));
    const bool lastDot = dotsToReach == 1;

    // States are cell × the step that entered it, walked breadth first; a step onto the body waits in
    // `later_` until the body has left that cell. The first time a state is reached is its soonest.
    // A halving or cutting cell gives each dot an arrival through it at once; the walk ends when every
    // dot has an arrival that no later one can beat.
    int settledBy = 0;
    auto arrive = [&](int dot, int time) {
        if (time >= kNever)
            return;
        int& onward = onwardArrival_[std::size_t(dot)];
        if (onward == kNever)
            --dotsToReach;
        onward = std::min(onward, time);
        settledBy = std::max(settledBy, time);
    };
    auto freed = [&](int id, int time, int step) {
        const int halving = level_.halvingIndex(id);
        for (int dot = 0; dot < level_.dots(); ++dot) {
            if (!board_.left(p, level_.dotId(dot)))
                continue;
            if (halving < 0 || !straightOn || length < 4) {
                arrive(dot, saturated(time + level_.distance(id, board_.eatableCell(level_.dotId(dot)))));
                continue;
            }
            arrive(dot, saturated(time + level_.afterHalving(halving, step, dot, lastDot)));
            int& last = lastArrival_[std::size_t(dot)];
            last = std::min(last, saturated(time + level_.afterHalving(halving, step, dot, true)));
        }
    };
    current_.clear();
    const int startState = head * 4 + (length >= 1 ? board_.step(p, 1) : 0);
    time_[std::size_t(startState)] = 0;
    current_.push_back(startState);
    std::size_t waiting = 0;
    for (int t = 0; (dotsToReach > 0 || settledBy > t) && (!current_.empty() || waiting > 0); ++t) {
        next_.clear();
        if (std::size_t(t + 1) < later_.size() && !later_[std::size_t(t + 1)].empty()) {
            waiting -= later_[std::size_t(t + 1)].size();
            next_.swap(later_[std::size_t(t + 1)]);
        }
        for (const int state : current_) {
            const int cell = state / 4, heading = state % 4;
            const int id = board_.eatableId(cell);
            if (id >= 0 && board_.left(p, id)) {
                if (board_.kind(cell) != CellKind::Dot) {
                    freed(id, t, heading);
                    continue;  // from here the tables take over
                }
                const int dot = level_.dotIndex(id);
                if (straightOn && !lastDot && !level_.leadsOn(board_.header(p), dot, heading)) {
                    lastArrival_[std::size_t(dot)] = std::min(lastArrival_[std::size_t(dot)], t);
                    continue;
                }
                arrive(dot, t);
            }
            for (int s = 0; s < 4; ++s) {
                const int next = cell + board_.offset(s);
                const int nextState = next * 4 + s;
                if ((straightOn && s == (heading ^ 1)) || board_.kind(next) == CellKind::Wall ||
                    time_[std::size_t(nextState)] != kNever)
                    continue;
                const int free = releaseStamp_[std::size_t(next)] == stamp_ ? release_[std::size_t(next)] : 0;
                if (free <= t + 1) {
                    time_[std::size_t(nextState)] = static_cast<std::uint16_t>(t + 1);
                    next_.push_back(nextState);
                } else {
                    time_[std::size_t(nextState)] = static_cast<std::uint16_t>(free);
                    if (later_.size() <= std::size_t(free))
                        later_.resize(std::size_t(free) + 1);
                    later_[std::size_t(free)].push_back(nextState);
                    ++waiting;
                }
            }
        }
        current_.swap(next_);
    }
    for (auto& states : later_)
        states.clear();
}

int Estimator::estimate(const Word* p)
{
    reach(p);
    const int length = board_.length(p);
    // At most one dot can be the last; every other one must be eaten where the head gets on.
    int dotsLeft = 0, lastOnly = -1, latestOnward = 0, latestDot = -1, secondLatest = 0;
    for (int dot = 0; dot < level_.dots(); ++dot) {
        if (!board_.left(p, level_.dotId(dot)))
            continue;
        ++dotsLeft;
        const int onward = onwardArrival_[std::size_t(dot)];
        if (onward == kNever) {
            if (lastOnly >= 0 || lastArrival_[std::size_t(dot)] == kNever)
                return kNever;
            lastOnly = dot;
            continue;
        }
        if (onward >= latestOnward) {
            secondLatest = latestOnward;
            latestOnward = onward;
            latestDot = dot;
        } else {
            secondLatest = std::max(secondLatest, onward);
        }
    }
    int latest = 0;
    if (lastOnly >= 0)
        latest = std::max(lastArrival_[std::size_t(lastOnly)], latestOnward);
    else if (latestDot >= 0)
        latest = std::max(secondLatest, std::min(latestOnward, lastArrival_[std::size_t(latestDot)]));
    if (dotsLeft == 1)
        return latest;
    const Leftover leftover = leftovers_.of(p);
    if (leftover.pockets - 1 - (length == 0 ? 1 : 0) > leftover.shrinkers)
        return kNever;

    int best = kNever, soonest = kNever, entered = kNever;
    std::uint32_t mask = 0;
    for (int dot = 0; dot < level_.dots(); ++dot) {
        const int onward = onwardArrival_[std::size_t(dot)];
        if (!board_.left(p, level_.dotId(dot)) || onward == kNever)
            continue;
        soonest = std::min(soonest, onward);
        entered = std::min(entered, onward - leftover.entry[dot]);
        mask |= std::uint32_t(1) << (dot % 32);
    }
    if (level_.exactTours()) {
        for (int dot = 0; dot < level_.dots(); ++dot)
            if (mask >> dot & 1)
                best = std::min(best, onwardArrival_[std::size_t(dot)] + level_.tour(mask | (lastOnly >= 0 ? 1u << lastOnly : 0u), dot));
    } else {
        best = soonest + leftover.tree;
    }
    return saturated(std::max({latest, best, entered + leftover.entries}));
}

} // namespace zorvik::solver
