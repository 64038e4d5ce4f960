// SPDX-License-Identifier: GPL-3.0-or-later
// One best-first search over packed positions, A* or weighted, and what the searches running side by side share.
#pragma once

#include "solver/bounds.h"
#include "solver/key_index.h"
#include "solver/worm_model.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace zorvik::solver {

struct SearchShared {
    std::atomic<int> best{kNever};  // moves of the best solution so far
    std::atomic<int> lowerBound{0};  // no solution has fewer moves
    std::atomic<bool> stop{false};
    std::atomic<bool> stopSlot[2] = {false, false};  // ends only the search in that slot
    std::atomic<std::size_t> positions{0};
    // Checks a solution in the game and keeps it when it is the shortest yet; true when kept.
    std::function<bool(const std::string& moves)> offer;
    // How many bytes the search in `slot` may hold, given what the other one has set aside.
    std::function<std::size_t(int slot, std::size_t otherSetAside)> allowance;
    std::atomic<std::size_t> holding[2] = {0, 0};  // what each search holds
    std::atomic<std::size_t> peakMemory{0};        // the most both held at once

    // Each search hands in, when it ends, the position with the most dots eaten that it reached and the
    // moves to it; the most dots are kept, in the fewest moves.
    void offerFurthest(int dots, std::string moves)
    {
        std::lock_guard lock(furthestMutex_);
        if (dots > furthestDots || (dots == furthestDots && moves.size() < furthestMoves.size())) {
            furthestDots = dots;
            furthestMoves = std::move(moves);
        }
    }
    int furthestDots = 0;  // read once the searches have ended
    std::string furthestMoves;

    // A search that holds `held` bytes and has set aside `setAside` (held included) says so, and with
    // `more` asks for that many bytes more; false, and nothing changes, when they do not fit.
    bool take(int slot, std::size_t setAside, std::size_t held, std::size_t more = 0)
    {
        std::lock_guard lock(memoryMutex_);
        if (more > 0 && setAside + more > allowance(slot, setAside_[1 - slot]))
            return false;
        setAside_[slot] = setAside + more;
        holding[slot] = held + more;
        peakMemory = std::max<std::size_t>(peakMemory, holding[0] + holding[1]);
        return true;
    }
    bool fits(int slot, std::size_t setAside)
    {
        std::lock_guard lock(memoryMutex_);
        return setAside <= allowance(slot, setAside_[1 - slot]);
    }

private:
    std::mutex furthestMutex_;
    std::mutex memoryMutex_;
    std::size_t setAside_[2] = {0, 0};
};

enum class SearchEnd {
    Exhausted,   // no position left that could lead to a solution shorter than the best: the best is the shortest
    Stopped,     // told to stop
    OutOfMemory,
};

// Positions are ranked by moves made plus `weight` quarters of the estimate; weight 4 is A*, which
// expands nothing an estimate shows to be longer than the shortest solution. A heavier weight finds
// solutions sooner and, going on, shorter ones: it drops every position that cannot beat the best so
// far, and a position reached again by fewer moves is searched again, so when it runs out of positions
// it has proved its best solution too.
class Search {
public:
    Search(const LevelTables& level, SearchShared& shared, int slot, int weight, std::size_t cacheBytes);

    // With a `quickLook`, the search stops (Stopped) after that many positions or its first solution.
    // The stop flags of `shared` end it within an expansion, or sooner inside a costly estimate.
    SearchEnd run(std::size_t quickLook = 0);
    // The most dots eaten in a position this search has reached, and the moves to it.
    std::pair<int, std::string> furthest() const { return {furthestDots_, pathTo(furthest_)}; }

private:
    // Each node's key words are followed by one word: its parent, the moves to it and its estimate.
    Word* key(std::uint32_t node) const;
    std::uint32_t parent(std::uint32_t node) const { return static_cast<std::uint32_t>(key(node)[words_]); }
    int moves(std::uint32_t node) const { return static_cast<int>(key(node)[words_] >> 32 & 0xFFFF); }
    int estimate(std::uint32_t node) const { return static_cast<int>(key(node)[words_] >> 48); }
    void setRecord(std::uint32_t node, std::uint32_t parent, int moves, int estimate) const
    {
        key(node)[words_] = Word(parent) | Word(moves) << 32 | Word(estimate) << 48;
    }
    bool grow(std::size_t more);
    bool roomForOneMore();
    std::size_t push(std::uint32_t node);  // returns its rank, or kNoRoom
    SearchEnd explore(std::size_t quickLook);
    std::string pathTo(std::uint32_t node) const;
    void noteFurthest(std::uint32_t node);
    std::size_t memoryBytes() const;

    const LevelTables& level_;
    const Board& board_;
    SearchShared& shared_;
    int slot_;
    int weight_;
    int words_;
    StopFlags stop_;
    Estimator estimator_;
    Mover mover_;
    KeyIndex index_;
    std::vector<std::unique_ptr<Word[]>> chunks_;  // nodes: key words, then the record
    std::uint32_t nodes_ = 0;
    std::vector<std::vector<std::uint32_t>> open_;  // by rank, last in first out
    std::size_t openBytes_ = 0;
    std::uint32_t furthest_ = 0;  // the start, until a dot is eaten
    int furthestDots_ = 0;
    int furthestMoves_ = 0;
};

} // namespace zorvik::solver
