// SPDX-License-Identifier: GPL-3.0-or-later
// The solution cache's file: a first line naming it, then one level a line: "KEY STATE [MOVES]".
#include "studio/solution_cache.h"

#include "levels/file_access.h"

#include <cstdint>
#include <cstdio>
#include <sstream>

namespace zorvik::studio {

namespace {

constexpr const char* kHeader = "zorvik-studio solutions 1";
// Far more than any folder's levels take; a bigger file is not ours.
constexpr std::size_t kLargestFile = 8 << 20;
const char* const kStates[] = {"shortest", "found", "none", "open"};

// 64-bit FNV-1a and the length: a different text gives a different key but for a vanishing chance.
std::string keyOf(const std::string& text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char key[40];
    std::snprintf(key, sizeof key, "%016llx-%zu", static_cast<unsigned long long>(hash), text.size());
    return key;
}

} // namespace

std::optional<KnownSolution> withSaved(std::optional<KnownSolution> searched, std::optional<std::size_t> savedMoves)
{
    using State = KnownSolution::State;
    if (!savedMoves)
        return searched;
    if (searched && searched->state == State::Shortest)
        return searched;
    if (searched && searched->state == State::Found && searched->moves <= *savedMoves)
        return searched;
    return KnownSolution{State::Found, *savedMoves};
}

SolutionCache::SolutionCache(std::filesystem::path file) : file_(std::move(file))
{
    std::string bytes;
    try {
        bytes = readFileStart(file_, kLargestFile + 1);
    } catch (const FileError&) {
        return;
    }
    std::istringstream lines(bytes);
    std::string line;
    if (bytes.size() > kLargestFile || !std::getline(lines, line) || line != kHeader)
        return;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string key, state;
        long long moves = 0;
        fields >> key >> state;
        for (int s = 0; s < 4; ++s) {
            if (state != kStates[s])
                continue;
            const bool withMoves = s < 2;
            if (withMoves && (!(fields >> moves) || moves <= 0))
                break;
            std::string more;
            if (fields >> more)
                break;
            known_[key] = KnownSolution{KnownSolution::State(s), withMoves ? std::size_t(moves) : 0};
        }
    }
}

std::optional<KnownSolution> SolutionCache::find(const std::string& levelText) const
{
    const auto found = known_.find(keyOf(levelText));
    return found == known_.end() ? std::nullopt : std::optional(found->second);
}

void SolutionCache::put(const std::string& levelText, const KnownSolution& known) { known_[keyOf(levelText)] = known; }

void SolutionCache::save() const
{
    std::string bytes = std::string(kHeader) + "\n";
    for (const auto& [key, known] : known_) {
        bytes += key + " " + kStates[int(known.state)];
        if (known.state == KnownSolution::State::Shortest || known.state == KnownSolution::State::Found)
            bytes += " " + std::to_string(known.moves);
        bytes += "\n";
    }
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    saveFile(file_, bytes);
}

} // namespace zorvik::studio
