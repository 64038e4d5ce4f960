// SPDX-License-Identifier: GPL-3.0-or-later
// What the searches found for levels, kept in a file by the level text's hash, so that a folder's list
// shows its solutions at once and a level is searched again only when its text has changed.
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace zorvik::studio {

struct KnownSolution {
    // Shortest and Found carry `moves`; None: proven that nothing finishes the level; Open: a search
    // ended at its limit without finding one.
    enum class State { Shortest, Found, None, Open } state = State::Open;
    std::size_t moves = 0;
    bool operator==(const KnownSolution&) const = default;
};

// What is known once a saved solution of `savedMoves` moves (which finishes the level) is added to what
// a search found.
std::optional<KnownSolution> withSaved(std::optional<KnownSolution> searched, std::optional<std::size_t> savedMoves);

class SolutionCache {
public:
    // Reads the file; one that is missing or broken reads as empty, a broken line as missing.
    explicit SolutionCache(std::filesystem::path file);

    std::optional<KnownSolution> find(const std::string& levelText) const;
    void put(const std::string& levelText, const KnownSolution& known);
    // Throws FileError; the folder is made when it is missing.
    void save() const;

private:
    std::filesystem::path file_;
    std::map<std::string, KnownSolution> known_;
};

} // namespace zorvik::studio
