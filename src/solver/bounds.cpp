// SPDX-License-Identifier: GPL-3.0-or-later
// Lower bounds on the moves left: the relaxed walk of the head, the dots' rounds and spanning trees.
#include "solver/bounds.h"

#include <algorithm>
#include <bit>

namespace zorvik::solver {

Estimator::Estimator(const LevelTables& level, std::size_t cacheBytes, StopFlags stop)
    : level_(level), board_(level.board()), stop_(stop), leftovers_(level, cacheBytes, stop)
{
    const auto cells = std::size_t(board_.cellCount());
    time_.assign(cells * 4, kNever);
    release_.assign(cells, 0);
    leftHere_.assign(cells, 0);
    tooSmall_.assign(std::size_t(board_.headerWords()), 0);
    onwardArrival_.assign(std::size_t(level.dots()), kNever);
    lastArrival_.assign(std::size_t(level.dots()), kNever);
}

std::size_t Estimator::memoryBytes() const
{
    return time_.size() * 2 + release_.size() * 3 + (current_.capacity() + next_.capacity()) * 4 + later_.size() * 24 +
           leftovers_.memoryBytes();
}

void Estimator::reach(const Word* p)
{
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
            release_[std::size_t(cell)] = static_cast<std::uint16_t>(length - k + 1);
        }
    }
    for (int id = 0; id < board_.eatableCount(); ++id)
        if (board_.left(p, id))
            leftHere_[std::size_t(board_.eatableCell(id))] = 1;
    // Turning back kills a worm of three segments or more: its second segment steps onto the head.
    const bool straightOn = standard && length >= 2;
    int dotsToReach = 0;
    for (int dot = 0; dot < level_.dots(); ++dot)
        dotsToReach += board_.left(p, level_.dotId(dot));
    const bool lastDot = dotsToReach == 1;

    // States are cell × the step that entered it, walked breadth first; a step onto the body waits in
    // `later_` until the body has left that cell. The first time a state is reached is its soonest.
    // A halving or cutting cell gives each dot an arrival through it at once. The walk ends when every
    // dot has an arrival: one that lies beyond the walk is then only known not to come sooner.
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
    int t = 0;
    for (; dotsToReach > 0 && (!current_.empty() || waiting > 0); ++t) {
        if (t % 16 == 0)
            stop_.check();
        next_.clear();
        if (std::size_t(t + 1) < later_.size() && !later_[std::size_t(t + 1)].empty()) {
            waiting -= later_[std::size_t(t + 1)].size();
            next_.swap(later_[std::size_t(t + 1)]);
        }
        for (const int state : current_) {
            const int cell = state / 4, heading = state % 4;
            if (leftHere_[std::size_t(cell)]) {
                const int id = board_.eatableId(cell);
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
            unsigned exits = level_.openSteps(cell) & ~(straightOn ? 1u << (heading ^ 1) : 0u);
            for (; exits != 0; exits &= exits - 1) {
                const int s = std::countr_zero(exits);
                const int next = cell + board_.offset(s);
                const int nextState = next * 4 + s;
                if (time_[std::size_t(nextState)] != kNever)
                    continue;
                const int free = release_[std::size_t(next)];
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
    const bool cutShort = !current_.empty() || waiting > 0;
    for (auto& states : later_)
        states.clear();
    for (int dot = 0; dot < level_.dots() && cutShort && settledBy > t; ++dot)
        if (onwardArrival_[std::size_t(dot)] != kNever && onwardArrival_[std::size_t(dot)] > t)
            onwardArrival_[std::size_t(dot)] = std::max(t, level_.distance(level_.dotId(dot), head));
    for (int id = 0; id < board_.eatableCount(); ++id)
        leftHere_[std::size_t(board_.eatableCell(id))] = 0;
    if (standard) {
        int cell = head;
        for (int k = 1; k <= length; ++k) {
            cell -= board_.offset(board_.step(p, k));
            release_[std::size_t(cell)] = 0;
        }
    }
}

// A worm that went through a door into a room can only come out again if the room holds all its
// segments: the head's way back to the door may not cross itself within the worm's length.
bool Estimator::stuckInRoom(const Word* p)
{
    const int length = board_.length(p);
    if (!board_.standardBody())
        return false;
    const Word* left = board_.header(p);
    int cell = board_.head(p);
    for (int k = 1; k <= length; ++k) {
        const int step = board_.step(p, k);
        cell -= board_.offset(step);
        const int room = level_.room(cell, step);
        if (room < 0 || level_.roomSize(room) >= length)
            continue;
        const Word* inside = level_.roomCells(room);
        bool shrinks = false, dotOutside = false;
        for (int i = 0; i < board_.headerWords(); ++i) {
            shrinks = shrinks || (inside[i] & left[i] & level_.shrinkingCells()[i]);
            dotOutside = dotOutside || (~inside[i] & left[i] & level_.dotCells()[i]);
        }
        if (!shrinks && dotOutside)
            return true;
    }
    // A room too small for the worm, even as short as the halving and cutting cells left could make
    // it, that the worm has yet to enter it can only leave no more: all the dots left in such rooms
    // must lie in one of them, the one it enters last.
    int shortest = length;
    for (int w = 0; w < board_.headerWords(); ++w) {
        if (left[w] & level_.cuttingCells()[w])
            return false;
        const int halvings = std::popcount(left[w] & level_.shrinkingCells()[w]);
        shortest = halvings > 15 ? 0 : shortest >> halvings;
    }
    std::fill(tooSmall_.begin(), tooSmall_.end(), 0);
    qualifying_.clear();
    const auto& rooms = level_.smallestRooms();
    for (std::size_t i = 0; i < rooms.size() && level_.roomSize(rooms[i]) < shortest; ++i) {
        const Word* inside = level_.roomCells(rooms[i]);
        bool shrinks = false, dotInside = false, dotOutside = false;
        for (int w = 0; w < board_.headerWords(); ++w) {
            shrinks = shrinks || (inside[w] & left[w] & level_.shrinkingCells()[w]);
            dotInside = dotInside || (inside[w] & left[w] & level_.dotCells()[w]);
            dotOutside = dotOutside || (~inside[w] & left[w] & level_.dotCells()[w]);
        }
        // A head inside such a room came through its door, which the check above has found.
        if (shrinks || !dotInside || !dotOutside)
            continue;
        qualifying_.push_back(rooms[i]);
        for (int w = 0; w < board_.headerWords(); ++w)
            tooSmall_[std::size_t(w)] |= inside[w] & left[w] & level_.dotCells()[w];
    }
    if (qualifying_.empty())
        return false;
    for (const int room : qualifying_) {
        const Word* inside = level_.roomCells(room);
        bool holdsAll = true;
        for (int w = 0; w < board_.headerWords(); ++w)
            holdsAll = holdsAll && (tooSmall_[std::size_t(w)] & ~inside[w]) == 0;
        if (holdsAll)
            return false;
    }
    return true;
}

int Estimator::estimate(const Word* p)
{
    if (stuckInRoom(p))
        return kNever;
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
