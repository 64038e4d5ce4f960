// SPDX-License-Identifier: GPL-3.0-or-later
// The move rules on packed positions, step for step as the game's move makes them.
#include "solver/worm_model.h"

#include "model/cell_codes.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace zorvik::solver {

namespace {

constexpr int kHeaderBits = 48;

int stepOf(int x, int y)
{
    for (int s = 0; s < 4; ++s)
        if (kStepX[s] == x && kStepY[s] == y)
            return s;
    throw std::logic_error("a segment without a step after the level start");
}

CellKind kindOf(char c)
{
    switch (c) {
    case kWall: return CellKind::Wall;
    case kDot: return CellKind::Dot;
    case kHalving: return CellKind::Halving;
    case kCutting: return CellKind::Cutting;
    default: return CellKind::Free;  // blanks, unknown characters and the worm's start markers
    }
}

} // namespace

Board::Board(const GameState& started)
{
    const int n = static_cast<int>(started.Seitenzellen) - 2;
    side_ = n + 2;
    const int offsets[4] = {-1, 1, -side_, side_};
    std::copy(offsets, offsets + 4, offsets_);
    kinds_.assign(static_cast<std::size_t>(cellCount()), CellKind::Wall);
    eatableIds_.assign(static_cast<std::size_t>(cellCount()), -1);
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x <= n; ++x) {
            const int cell = y * side_ + x;
            const CellKind kind = kindOf(started.Spielfeld[static_cast<std::size_t>((y - 1) * n + x - 1)]);
            kinds_[static_cast<std::size_t>(cell)] = kind;
            if (kind == CellKind::Dot || kind == CellKind::Halving || kind == CellKind::Cutting) {
                eatableIds_[static_cast<std::size_t>(cell)] = static_cast<int>(eatable_.size());
                eatable_.push_back(cell);
                dots_ += kind == CellKind::Dot;
            }
        }

    const int headX = started.WurmX[0], headY = started.WurmY[0];
    // Without a head cell the head stays on the border, where no key moves it.
    stuck_ = headX < 1 || headY < 1 || headX > n || headY > n;
    const int length = stuck_ ? 0 : int(started.Laenge);
    longest_ = std::min(kLastSegment, length + dots_);
    stepWords_ = (2 * longest_ + 63) / 64;
    headerWords_ = (kHeaderBits + eatableCount() + 63) / 64;
    start_.assign(static_cast<std::size_t>(words()), 0);

    // Each segment's offset from the path its head came along, as the steps of the start tell it.
    std::vector<std::pair<int, int>> gaps{{0, 0}};
    int x = headX, y = headY;
    bool anyGap = false;
    for (int k = 1; k <= length; ++k) {
        const int s = stepOf(started.RichtungX[static_cast<std::size_t>(k)], started.RichtungY[static_cast<std::size_t>(k)]);
        const int bit = 2 * (k - 1);
        start_[static_cast<std::size_t>(bit / 64)] |= Word(s) << (bit % 64);
        x -= kStepX[s];
        y -= kStepY[s];
        gaps.emplace_back(started.WurmX[static_cast<std::size_t>(k)] - x, started.WurmY[static_cast<std::size_t>(k)] - y);
        anyGap = anyGap || gaps.back() != std::pair{0, 0};
    }
    canonical_.assign(static_cast<std::size_t>(length) + 1, 0);
    if (anyGap) {
        gaps_ = gaps;
        for (int q = 1; q <= length; ++q)
            canonical_[static_cast<std::size_t>(q)] =
                gaps[static_cast<std::size_t>(q)] == gaps[static_cast<std::size_t>(q) - 1] ? canonical_[static_cast<std::size_t>(q) - 1] : q;
    }

    setHeader(start_.data(), stuck_ ? 0 : headY * side_ + headX, length, canonical_.back());
    dotMask_.assign(static_cast<std::size_t>(headerWords_), 0);
    for (int id = 0; id < eatableCount(); ++id) {
        const int bit = kHeaderBits + id;
        start_[static_cast<std::size_t>(stepWords_ + bit / 64)] |= Word(1) << (bit % 64);
        if (kind(eatable_[static_cast<std::size_t>(id)]) == CellKind::Dot)
            dotMask_[static_cast<std::size_t>(bit / 64)] |= Word(1) << (bit % 64);
    }
}

void Board::setHeader(Word* p, int head, int length, int profile) const
{
    Word& header = p[stepWords_];
    header = (header & ~((Word(1) << kHeaderBits) - 1)) | Word(head) | Word(length) << 16 | Word(profile) << 32;
}

int Board::dotsLeft(const Word* p) const
{
    int count = 0;
    for (int i = 0; i < headerWords_; ++i)
        count += std::popcount(p[stepWords_ + i] & dotMask_[static_cast<std::size_t>(i)]);
    return count;
}

std::vector<std::pair<int, int>> Board::segments(const Word* p) const
{
    if (stuck_)
        return {};
    int x = head(p) % side_, y = head(p) / side_;
    std::vector<std::pair<int, int>> out{{x, y}};
    for (int k = 1; k <= length(p); ++k) {
        x -= kStepX[step(p, k)];
        y -= kStepY[step(p, k)];
        const auto [gx, gy] = gap(profile(p), k);
        out.emplace_back(x + gx, y + gy);
    }
    return out;
}

Mover::Mover(const Board& board)
    : board_(board), always_(static_cast<std::size_t>(board.cellCount())), growing_(static_cast<std::size_t>(board.cellCount()))
{
}

void Mover::mark(std::vector<std::uint32_t>& stamps, int x, int y) const
{
    if (x >= 0 && y >= 0 && x < board_.side_ && y < board_.side_)
        stamps[static_cast<std::size_t>(y * board_.side_ + x)] = stamp_;
}

void Mover::load(const Word* position)
{
    position_ = position;
    if (++stamp_ == 0) {
        std::fill(always_.begin(), always_.end(), 0);
        std::fill(growing_.begin(), growing_.end(), 0);
        stamp_ = 1;
    }
    if (board_.stuck_)
        return;
    // After a move, segment k stands where segment k - 1 stood (plus its offset); a new tail would
    // stay on the old tail's cell.
    const int length = board_.length(position);
    int cell = board_.head(position);
    if (board_.standardBody()) {
        for (int k = 1; k <= length; ++k) {
            always_[static_cast<std::size_t>(cell)] = stamp_;
            cell -= board_.offset(board_.step(position, k));
        }
        growing_[static_cast<std::size_t>(cell)] = stamp_;
        return;
    }
    const int profile = board_.profile(position);
    int x = cell % board_.side_, y = cell / board_.side_;
    for (int k = 1; k <= length; ++k) {
        const auto [gx, gy] = board_.gap(profile, k);
        mark(always_, x + gx, y + gy);
        x -= kStepX[board_.step(position, k)];
        y -= kStepY[board_.step(position, k)];
    }
    const auto [gx, gy] = board_.gap(profile, length);
    mark(growing_, x + gx, y + gy);
}

MoveOutcome Mover::move(int step, Word* out) const
{
    const Word* p = position_;
    if (board_.stuck_)
        return MoveOutcome::Blocked;
    const int target = board_.head(p) + board_.offset(step);
    CellKind kind = board_.kind(target);
    if (kind == CellKind::Wall)
        return MoveOutcome::Blocked;
    const int id = board_.eatableId(target);
    if (id >= 0 && !board_.left(p, id))
        kind = CellKind::Free;
    const int length = board_.length(p);
    // A worm that fills the segment tables eats without growing.
    const bool grows = kind == CellKind::Dot && length < kLastSegment;
    if (always_[static_cast<std::size_t>(target)] == stamp_ || (grows && growing_[static_cast<std::size_t>(target)] == stamp_))
        return MoveOutcome::Dies;
    if (kind == CellKind::Dot && board_.dotsLeft(p) == 1)
        return MoveOutcome::Finished;

    int newLength = length + (grows ? 1 : 0);
    if (kind == CellKind::Halving)
        newLength = length / 2;
    else if (kind == CellKind::Cutting)
        newLength = 0;
    const int words = board_.words();
    std::copy(p, p + words, out);
    // Every segment takes over the step of the one ahead; the first takes the head's.
    for (int i = board_.stepWords_ - 1; i >= 0; --i)
        out[i] = out[i] << 2 | (i > 0 ? out[i - 1] >> 62 : Word(step));
    for (int i = 0; i < board_.stepWords_; ++i) {
        const int bits = 2 * newLength - 64 * i;
        if (bits <= 0)
            out[i] = 0;
        else if (bits < 64)
            out[i] &= (Word(1) << bits) - 1;
    }
    if (id >= 0) {
        const int bit = kHeaderBits + id;
        out[board_.stepWords_ + bit / 64] &= ~(Word(1) << (bit % 64));
    }
    const int profile = board_.canonical_[static_cast<std::size_t>(std::min(board_.profile(p), newLength))];
    board_.setHeader(out, target, newLength, profile);
    return MoveOutcome::Moved;
}

} // namespace zorvik::solver
