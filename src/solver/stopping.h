// SPDX-License-Identifier: GPL-3.0-or-later
// How a search is told to stop, even in the middle of one of its costly steps.
#pragma once

#include <atomic>

namespace zorvik::solver {

// Thrown out of a step that was told to stop; whoever runs the search ends it there.
struct StopRequested {};

// The flags that end a search, raised from another thread. Reading them costs next to nothing, so
// the steps that can take long on a large board (a lower bound over a thousand dots, an index that
// grows) look at them between their pieces and a search ends within a few milliseconds.
class StopFlags {
public:
    StopFlags() = default;
    StopFlags(const std::atomic<bool>* all, const std::atomic<bool>* mine) : all_(all), mine_(mine) {}

    bool raised() const
    {
        return (all_ != nullptr && all_->load(std::memory_order_relaxed)) ||
               (mine_ != nullptr && mine_->load(std::memory_order_relaxed));
    }
    void check() const
    {
        if (raised())
            throw StopRequested{};
    }

private:
    const std::atomic<bool>* all_ = nullptr;
    const std::atomic<bool>* mine_ = nullptr;
};

} // namespace zorvik::solver
