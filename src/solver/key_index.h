// SPDX-License-Identifier: GPL-3.0-or-later
// A flat hash index over keys of a fixed number of words that are kept one after another elsewhere.
#pragma once

#include "solver/stopping.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace zorvik::solver {

class KeyIndex {
public:
    using Word = std::uint64_t;

    explicit KeyIndex(int words = 1) : words_(words) {}

    // Growing a large index takes long: these flags stop it half done (StopRequested), which leaves the
    // index unusable; the search it belongs to ends there.
    void watch(StopFlags stop) { stop_ = stop; }

    static Word hash(const Word* key, int words)
    {
        Word h = 0x9E3779B97F4A7C15ull;
        for (int i = 0; i < words; ++i) {
            h = (h ^ key[i]) * 0xFF51AFD7ED558CCDull;
            h ^= h >> 32;
        }
        return h * 0xC4CEB9FE1A85EC53ull;
    }

    // The index of the key equal to `key` (keyAt(i) gives key i), or, when there is none, `fresh`
    // is recorded for it (the caller stores the key there) and returned with true.
    template <typename KeyAt>
    std::pair<std::uint32_t, bool> findOrAdd(const Word* key, const KeyAt& keyAt, std::uint32_t fresh)
    {
        if (full())
            grow(keyAt);
        const Word h = hash(key, words_);
        const Word tag = h & ~Word(0xFFFFFFFF);
        for (std::size_t at = h & mask_;; at = (at + 1) & mask_) {
            const Word slot = slots_[at];
            if (slot == 0) {
                slots_[at] = tag | (Word(fresh) + 1);
                ++count_;
                return {fresh, true};
            }
            const auto index = static_cast<std::uint32_t>(slot & 0xFFFFFFFF) - 1;
            if ((slot & ~Word(0xFFFFFFFF)) == tag && std::equal(key, key + words_, keyAt(index)))
                return {index, false};
        }
    }

    // Whether the next key added makes the index grow, by growthBytes().
    bool full() const { return (count_ + 1) * 4 > slots_.size() * 3; }
    void clear()
    {
        slots_.clear();
        slots_.shrink_to_fit();
        count_ = 0;
        mask_ = 0;
    }
    std::size_t memoryBytes() const { return slots_.capacity() * sizeof(Word); }
    // What the next growth would add.
    std::size_t growthBytes() const { return std::max<std::size_t>(slots_.size(), 1024) * 2 * sizeof(Word); }

private:
    template <typename KeyAt>
    void grow(const KeyAt& keyAt)
    {
        std::vector<Word> old = std::move(slots_);
        slots_.assign(std::max<std::size_t>(old.size() * 2, 1024), 0);
        mask_ = slots_.size() - 1;
        for (std::size_t i = 0; i < old.size(); ++i) {
            if (i % 65536 == 0)
                stop_.check();
            const Word slot = old[i];
            if (slot == 0)
                continue;
            const auto index = static_cast<std::uint32_t>(slot & 0xFFFFFFFF) - 1;
            std::size_t at = hash(keyAt(index), words_) & mask_;
            while (slots_[at] != 0)
                at = (at + 1) & mask_;
            slots_[at] = slot;
        }
    }

    int words_;
    StopFlags stop_;
    std::vector<Word> slots_;
    std::size_t count_ = 0;
    std::size_t mask_ = 0;
};

} // namespace zorvik::solver
