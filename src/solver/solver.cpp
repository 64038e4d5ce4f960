// SPDX-License-Identifier: GPL-3.0-or-later
// The level search: best-first over worm positions, each move made by the game's own key handler.
#include "solver/solver.h"

#include "model/cell_codes.h"
#include "model/game.h"
#include "model/null_window.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <queue>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace zorvik::solver {

namespace {

constexpr int kKeys[4] = {kKeyLeft, kKeyRight, kKeyUp, kKeyDown};
constexpr char kKeyLetters[4] = {'L', 'R', 'U', 'D'};

struct WindowHolder {
    NullWindow window;
};

// The game with the level end and the death caught instead of played: the search restores positions itself.
class SearchGame : private WindowHolder, public Game {
public:
    SearchGame() : Game(WindowHolder::window, "/nonexistent-zorvik-search-folder") {}

    bool died = false;
    bool finished = false;

    void LevelLaden() override { finished = true; }
    void Tot() override { died = true; }
    void Beginn() override
    {
        if (!died)
            Game::Beginn();
    }
};

// A position as compact bytes: which eatable cells are left, then every segment's cell and, behind
// the head, its step. The head's step is left out: every key sets it before the move.
class PositionCoder {
public:
    PositionCoder(const GameState& start)
    {
        for (std::size_t i = 0; i < start.Spielfeld.size(); ++i) {
            const char c = start.Spielfeld[i];
            if (c == kDot || c == kHalving || c == kCutting)
                eatable_.push_back({i, c});
        }
    }

    std::string encode(const GameState& game) const
    {
        std::string out((eatable_.size() + 7) / 8, '\0');
        for (std::size_t j = 0; j < eatable_.size(); ++j)
            if (game.Spielfeld[eatable_[j].first] == eatable_[j].second)
                out[j / 8] = static_cast<char>(out[j / 8] | (1 << (j % 8)));
        const int last = game.Laenge;
        out += static_cast<char>(last & 0xFF);
        out += static_cast<char>(last >> 8);
        for (int i = 0; i <= last; ++i) {
            out += static_cast<char>(game.WurmX[i]);
            out += static_cast<char>(game.WurmY[i]);
            if (i > 0)
                out += static_cast<char>((game.RichtungX[i] + 1) * 3 + game.RichtungY[i] + 1);
        }
        return out;
    }

    // Writes the position into a copy of the level start.
    void decode(const std::string& code, const GameState& start, GameState& game) const
    {
        game = start;
        int dotsLeft = 0;
        for (std::size_t j = 0; j < eatable_.size(); ++j) {
            const bool left = (code[j / 8] >> (j % 8)) & 1;
            if (!left)
                game.Spielfeld[eatable_[j].first] = kBlank;
            else if (eatable_[j].second == kDot)
                ++dotsLeft;
        }
        game.RestPunkte = dotsLeft;
        std::size_t at = (eatable_.size() + 7) / 8;
        const int last = static_cast<unsigned char>(code[at]) | static_cast<unsigned char>(code[at + 1]) << 8;
        at += 2;
        game.Laenge = last;
        for (int i = 0; i <= last; ++i) {
            game.WurmX[i] = static_cast<unsigned char>(code[at++]);
            game.WurmY[i] = static_cast<unsigned char>(code[at++]);
            if (i > 0) {
                const int step = static_cast<unsigned char>(code[at++]);
                game.RichtungX[i] = step / 3 - 1;
                game.RichtungY[i] = step % 3 - 1;
            }
        }
    }

private:
    std::vector<std::pair<std::size_t, char>> eatable_;
};

struct Node {
    const std::string* code;
    std::uint32_t parent;
    char key;
};

// Why a search stops early, checked every few positions.
class Limits {
public:
    Limits(const Options& options, std::chrono::steady_clock::time_point begin) : options_(options), begin_(begin) {}

    // The outcome that ends the search now, or Found while it may go on.
    Result::Outcome check(std::chrono::steady_clock::time_point deadline, std::size_t positions, std::size_t bytes)
    {
        const auto now = std::chrono::steady_clock::now();
        peak_ = std::max(peak_, bytes);
        if (options_.progress && now - lastReport_ > std::chrono::milliseconds(200)) {
            lastReport_ = now;
            options_.progress({positions, elapsed(now), bytes, 0});
        }
        if (options_.cancel && options_.cancel->load())
            return Result::Outcome::Cancelled;
        if (bytes > options_.memoryLimit)
            return Result::Outcome::OutOfMemory;
        if (now > deadline)
            return Result::Outcome::OutOfTime;
        return Result::Outcome::Found;
    }
    std::chrono::milliseconds elapsed(std::chrono::steady_clock::time_point now = std::chrono::steady_clock::now()) const
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(now - begin_);
    }
    std::size_t peak() const { return peak_; }

private:
    const Options& options_;
    std::chrono::steady_clock::time_point begin_;
    std::chrono::steady_clock::time_point lastReport_{};
    std::size_t peak_ = 0;
};

// One best-first search: positions ranked by dots left times `weight` plus moves made. A heavy weight
// eats greedily and backs up when stuck; a light one looks wider for the short way round.
Result search(SearchGame& game, const GameState& start, const PositionCoder& coder, int weight,
              std::chrono::steady_clock::time_point deadline, Limits& limits)
{
    Result result;
    std::unordered_map<std::string, std::uint32_t> seen;
    std::vector<Node> nodes;
    using Entry = std::tuple<long, std::uint32_t, std::uint32_t>;  // rank, moves, node
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    std::size_t bytes = 0;

    auto add = [&](std::string code, std::uint32_t parent, char key, int dotsLeft, std::uint32_t moves) {
        const std::size_t size = code.size();
        auto [entry, fresh] = seen.emplace(std::move(code), static_cast<std::uint32_t>(nodes.size()));
        if (!fresh)
            return;
        // The key, the node, the queue entry and the hash table's own bookkeeping.
        bytes += size + sizeof(Node) + sizeof(Entry) + 64;
        nodes.push_back({&entry->first, parent, key});
        open.emplace(static_cast<long>(dotsLeft) * weight + moves, moves, entry->second);
    };
    auto pathTo = [&](std::uint32_t node, char lastKey) {
        std::string moves(1, lastKey);
        for (; node != 0; node = nodes[node].parent)
            moves += nodes[node].key;
        std::reverse(moves.begin(), moves.end());
        return moves;
    };

    static_cast<GameState&>(game) = start;
    add(coder.encode(game), 0, 0, game.RestPunkte, 0);
    std::size_t expanded = 0;
    while (!open.empty()) {
        const auto [ignoredRank, moves, node] = open.top();
        open.pop();
        if (++expanded % 64 == 0) {
            if (const auto stop = limits.check(deadline, seen.size(), bytes); stop != Result::Outcome::Found) {
                result.outcome = stop;
                break;
            }
        }
        for (int k = 0; k < 4; ++k) {
            coder.decode(*nodes[node].code, start, game);
            game.died = game.finished = false;
            try {
                game.Form_KeyDown(kKeys[k], 0);
            } catch (const std::exception&) {
                continue;  // a move the game cannot make is no way forward
            }
            if (game.died)
                continue;
            if (game.finished) {
                result.outcome = Result::Outcome::Found;
                result.moves = pathTo(node, kKeyLetters[k]);
                result.positions = seen.size();
                return result;
            }
            add(coder.encode(game), node, kKeyLetters[k], game.RestPunkte, moves + 1);
        }
    }
    result.positions = seen.size();
    return result;
}

} // namespace

Result solve(const std::string& levelText, const Options& options)
{
    const auto begin = std::chrono::steady_clock::now();
    Limits limits(options, begin);

    SearchGame game;
    game.setStartDefaults();
    game.LevelText = levelText;
    game.Beginn();
    const GameState start = game;
    const PositionCoder coder(start);

    // A greedy third of the time first, then a wider search; either one that runs out of positions
    // has tried them all.
    auto result = search(game, start, coder, 1000, begin + options.timeLimit / 3, limits);
    if (result.outcome == Result::Outcome::OutOfTime) {
        const std::size_t greedyPositions = result.positions;
        result = search(game, start, coder, 4, begin + options.timeLimit, limits);
        result.positions = std::max(result.positions, greedyPositions);
    }
    result.peakMemoryBytes = limits.peak();
    if (result.outcome == Result::Outcome::Found)
        result.firstFoundAfter = result.bestFoundAfter = limits.elapsed();
    return result;
}

} // namespace zorvik::solver
