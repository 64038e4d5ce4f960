// SPDX-License-Identifier: GPL-3.0-or-later
// The best-first search: nodes in chunks that never move, a flat index of the positions seen, buckets by rank.
#include "solver/search.h"

#include <algorithm>

namespace zorvik::solver {

namespace {

constexpr int kChunkBits = 16;
constexpr std::uint32_t kChunk = std::uint32_t(1) << kChunkBits;
// Moves are counted in 16 bits; kNever stands for none.
constexpr int kMostMoves = kNever - 1;
constexpr int kAStar = 4;
constexpr std::size_t kNoRoom = ~std::size_t(0);

} // namespace

Search::Search(const LevelTables& level, SearchShared& shared, int slot, int weight, std::size_t cacheBytes)
    : level_(level), board_(level.board()), shared_(shared), slot_(slot), weight_(weight), words_(board_.words()),
      stop_(&shared.stop, &shared.stopSlot[slot]), estimator_(level, cacheBytes, stop_), mover_(board_), index_(words_)
{
    index_.watch(stop_);
}

Word* Search::key(std::uint32_t node) const
{
    return chunks_[node >> kChunkBits].get() + std::size_t(node & (kChunk - 1)) * std::size_t(words_ + 1);
}

std::size_t Search::memoryBytes() const
{
    return chunks_.size() * std::size_t(kChunk) * std::size_t(words_ + 1) * sizeof(Word) + index_.memoryBytes() +
           openBytes_ + open_.capacity() * sizeof(open_[0]) + estimator_.memoryBytes();
}

// Whether `more` bytes fit in this search's allowance beside what it holds and what its estimator may
// still take.
// Asks for `more` bytes beside what this search holds and what its estimator may still take; every
// growth asks first, so that both searches together keep to the limit.
bool Search::grow(std::size_t more)
{
    const std::size_t held = memoryBytes();
    return shared_.take(slot_, held + estimator_.headroomBytes(), held, more);
}

bool Search::roomForOneMore()
{
    // A node found again adds nothing, so the next node may already have its chunk.
    const bool newChunk = nodes_ == chunks_.size() * kChunk;
    std::size_t more = 0;
    if (newChunk)
        more += std::size_t(kChunk) * std::size_t(words_ + 1) * sizeof(Word);
    if (index_.full())
        more += index_.growthBytes();
    if (more == 0)
        return true;
    if (!grow(more))
        return false;
    if (newChunk)
        chunks_.emplace_back(new Word[std::size_t(kChunk) * std::size_t(words_ + 1)]);
    return true;
}

std::size_t Search::push(std::uint32_t node)
{
    const auto rank = std::size_t(kAStar * moves(node) + weight_ * estimate(node));
    // A vector that grows holds its old and its new storage for a moment.
    if (rank >= open_.size()) {
        if (rank >= open_.capacity() && !grow(std::max(2 * open_.capacity(), rank + 1) * sizeof(open_[0])))
            return kNoRoom;
        open_.resize(rank + 1);
    }
    auto& bucket = open_[rank];
    const std::size_t before = bucket.capacity();
    if (bucket.size() == before && !grow(std::max<std::size_t>(2 * before, 1) * sizeof(std::uint32_t)))
        return kNoRoom;
    bucket.push_back(node);
    openBytes_ += (bucket.capacity() - before) * sizeof(std::uint32_t);
    return rank;
}

std::string Search::pathTo(std::uint32_t node) const
{
    // Parents always have fewer moves than their children, the start none.
    std::string moves;
    for (std::uint32_t child = node; child != 0; child = parent(child)) {
        const int difference = board_.head(key(child)) - board_.head(key(parent(child)));
        for (int s = 0; s < 4; ++s)
            if (board_.offset(s) == difference)
                moves += kStepLetters[s];
    }
    std::reverse(moves.begin(), moves.end());
    return moves;
}

void Search::noteFurthest(std::uint32_t node)
{
    // Its moves are kept here: reading the furthest node's record would cost a cache miss a position.
    const int eaten = board_.dotCount() - board_.dotsLeft(key(node));
    if (eaten > furthestDots_ || (eaten == furthestDots_ && moves(node) < furthestMoves_)) {
        furthestDots_ = eaten;
        furthestMoves_ = moves(node);
        furthest_ = node;
    }
}

SearchEnd Search::run(std::size_t quickLook)
{
    try {
        return explore(quickLook);
    } catch (const StopRequested&) {
        return SearchEnd::Stopped;  // told to stop inside an estimate or a growing index
    }
}

SearchEnd Search::explore(std::size_t quickLook)
{
    auto keyAt = [this](std::uint32_t node) { return key(node); };
    std::vector<Word> next(std::size_t(words_), 0);
    if (!roomForOneMore())
        return SearchEnd::OutOfMemory;
    index_.findOrAdd(board_.start().data(), keyAt, nodes_);
    std::copy(board_.start().begin(), board_.start().end(), key(nodes_));
    setRecord(nodes_, nodes_, 0, estimator_.estimate(key(nodes_)));
    if (estimate(nodes_) == kNever)
        return SearchEnd::Exhausted;
    if (push(nodes_++) == kNoRoom)
        return SearchEnd::OutOfMemory;
    ++shared_.positions;

    std::size_t expanded = 0;
    for (std::size_t rank = 0; rank < open_.size();) {
        auto& bucket = open_[rank];
        if (bucket.empty()) {
            ++rank;
            continue;
        }
        const std::uint32_t node = bucket.back();
        bucket.pop_back();
        // On a board of a thousand dots one expansion takes milliseconds: the flags are read every time.
        if (stop_.raised() || (quickLook > 0 && nodes_ > quickLook))
            return SearchEnd::Stopped;
        if (++expanded % 256 == 0) {
            const std::size_t held = memoryBytes();
            shared_.take(slot_, held + estimator_.headroomBytes(), held);
            if (!shared_.fits(slot_, held + estimator_.headroomBytes()))
                return SearchEnd::OutOfMemory;  // the other search may have taken more
        }
        const int moves = this->moves(node), estimate = this->estimate(node);
        if (std::size_t(kAStar * moves + weight_ * estimate) != rank)
            continue;  // reached by fewer moves since, and ranked anew
        if (moves + estimate >= shared_.best) {
            if (weight_ == kAStar)
                return SearchEnd::Exhausted;  // every position left is ranked as high
            continue;
        }
        // A* takes the lowest rank first, and a position of the shortest solution always waits among them.
        if (weight_ == kAStar && moves + estimate > shared_.lowerBound)
            shared_.lowerBound = moves + estimate;
        mover_.load(key(node));
        for (int step = 0; step < 4; ++step) {
            const MoveOutcome outcome = mover_.move(step, next.data());
            if (outcome == MoveOutcome::Blocked || outcome == MoveOutcome::Dies)
                continue;
            if (outcome == MoveOutcome::Finished) {
                if (moves + 1 < shared_.best && shared_.offer(pathTo(node) + kStepLetters[step]) && quickLook > 0)
                    return SearchEnd::Stopped;
                continue;
            }
            // The position after this move is not the end: the level needs one move more at least.
            const int reached = moves + 1;
            if (reached + 1 >= shared_.best)
                continue;
            if (reached >= kMostMoves || !roomForOneMore())
                return SearchEnd::OutOfMemory;
            const auto [found, added] = index_.findOrAdd(next.data(), keyAt, nodes_);
            if (added) {
                std::copy(next.begin(), next.end(), key(found));
                setRecord(found, node, reached, estimator_.estimate(next.data()));
                ++nodes_;
                ++shared_.positions;
                noteFurthest(found);
            } else if (reached < this->moves(found)) {
                setRecord(found, node, reached, this->estimate(found));
                noteFurthest(found);
            } else {
                continue;
            }
            // A weighted rank may well fall below the one being expanded.
            if (this->estimate(found) != kNever && reached + this->estimate(found) < shared_.best) {
                const std::size_t pushed = push(found);
                if (pushed == kNoRoom)
                    return SearchEnd::OutOfMemory;
                rank = std::min(rank, pushed);
            }
        }
    }
    return SearchEnd::Exhausted;
}

} // namespace zorvik::solver
