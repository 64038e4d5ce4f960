// SPDX-License-Identifier: GPL-3.0-or-later
// The walk for the most dots: depth first along the dots, every position once.
#include "solver/furthest_dive.h"

#include "solver/key_index.h"
#include "solver/stopping.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zorvik::solver {

Furthest diveForDots(const Board& board, std::size_t mostPositions, const std::function<void()>& checkpoint)
{
    const auto words = std::size_t(board.words());
    std::vector<Word> keys(board.start());
    std::vector<std::uint32_t> parents{0};
    std::vector<std::uint8_t> steps{0};
    std::vector<int> eaten{0};
    KeyIndex index(board.words());
    auto keyAt = [&](std::uint32_t node) { return keys.data() + node * words; };
    index.findOrAdd(keys.data(), keyAt, 0);
    // By dots eaten, last in first out: the walk goes on from the newest position with the most.
    std::vector<std::vector<std::uint32_t>> open(std::size_t(board.dotCount()) + 1);
    open[0].push_back(0);
    std::uint32_t best = 0;
    Mover mover(board);
    std::vector<Word> current(words), next(words);
    std::size_t expanded = 0;
    try {
        for (int most = 0; most >= 0 && keys.size() / words < mostPositions;) {
            if (open[std::size_t(most)].empty()) {
                --most;
                continue;
            }
            const std::uint32_t node = open[std::size_t(most)].back();
            open[std::size_t(most)].pop_back();
            if (++expanded % 1024 == 0)
                checkpoint();
            // The mover keeps a pointer to the position; the keys move as they grow.
            current.assign(keyAt(node), keyAt(node) + words);
            mover.load(current.data());
            for (int step = 0; step < 4; ++step) {
                if (mover.move(step, next.data()) != MoveOutcome::Moved)
                    continue;  // a finish is not to be had here, and a death goes nowhere
                const auto fresh = static_cast<std::uint32_t>(parents.size());
                if (!index.findOrAdd(next.data(), keyAt, fresh).second)
                    continue;
                keys.insert(keys.end(), next.begin(), next.end());
                parents.push_back(node);
                steps.push_back(std::uint8_t(step));
                eaten.push_back(board.dotCount() - board.dotsLeft(next.data()));
                open[std::size_t(eaten.back())].push_back(fresh);
                most = std::max(most, eaten.back());
                if (eaten.back() > eaten[best])
                    best = fresh;
            }
        }
    } catch (const StopRequested&) {
        // Out of time or cancelled: the furthest so far stands.
    }
    Furthest furthest{eaten[best], {}, parents.size()};
    for (std::uint32_t node = best; node != 0; node = parents[node])
        furthest.moves += kStepLetters[steps[node]];
    std::reverse(furthest.moves.begin(), furthest.moves.end());
    return furthest;
}

} // namespace zorvik::solver
