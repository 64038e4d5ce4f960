// SPDX-License-Identifier: GPL-3.0-or-later
// The random player: folders of levels and random boards, and a seeded mix of every action the window delivers.
#include "soak/soak.h"

#include "levels/last_game.h"
#include "model/cell_codes.h"
#include "soak/session.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace zorvik::reliability {

namespace {

using Random = std::mt19937_64;

int uniform(Random& random, int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
double chance(Random& random) { return std::uniform_real_distribution<double>(0, 1)(random); }
template <class T>
const T& pick(Random& random, const std::vector<T>& items) { return items[static_cast<std::size_t>(uniform(random, 0, int(items.size()) - 1))]; }

void writeBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

// How a random board is made.
enum class BoardKind { Room, Noise, FullOfDots, WormBeforeHead, NoHead, NoDots, TooMany };

// A level text of n x n cells; side is the one the kind asks for.
std::string randomBoard(Random& random, BoardKind kind)
{
    const int n = kind == BoardKind::FullOfDots || kind == BoardKind::WormBeforeHead ? 35
                  : kind == BoardKind::TooMany                                       ? uniform(random, 36, 40)
                  : chance(random) < 0.5                                             ? uniform(random, 1, 8)
                                                                                     : uniform(random, 9, 35);
    std::string cells(static_cast<std::size_t>(n * n), kBlank);
    auto at = [&](int x, int y) -> char& { return cells[static_cast<std::size_t>(y * n + x)]; };

    switch (kind) {
    case BoardKind::Room:
    case BoardKind::NoDots: {
        const double walls = chance(random) * 0.3, dots = kind == BoardKind::NoDots ? 0 : chance(random) * 0.6;
        const double halving = chance(random) * 0.05, cutting = chance(random) * 0.03;
        for (char& c : cells) {
            const double r = chance(random);
            c = r < walls ? kWall : r < walls + dots ? kDot : r < walls + dots + halving ? kHalving
                : r < walls + dots + halving + cutting ? kCutting : pick(random, std::vector<char>{' ', ' ', '-', 'O', 'X'});
        }
        // The worm in one row, head at its left end, as levels lay it out.
        const int y = uniform(random, 0, n - 1), x = uniform(random, 0, n - 1);
        const int length = uniform(random, 1, std::min(n - x, 12));
        for (int i = 0; i < length; ++i)
            at(x + i, y) = i == 0 ? kHead : i == length - 1 && chance(random) < 0.5 ? kSegmentAlt : kSegment;
        break;
    }
    case BoardKind::Noise: {
        const std::vector<char> alphabet{kWall, kDot, kDot, kHalving, kCutting, kHead, kSegment, kSegmentAlt, kBlank, '-', 'O', 'X'};
        for (char& c : cells) {
            c = pick(random, alphabet);
            if (chance(random) < 0.05)
                do c = static_cast<char>(uniform(random, 0, 255)); while (c == '\r' || c == '\n');
        }
        break;
    }
    case BoardKind::FullOfDots:
        // 1225 cells of dots and worm: the longest worm the segment tables hold.
        std::fill(cells.begin(), cells.end(), kDot);
        at(0, 0) = kHead;
        break;
    case BoardKind::WormBeforeHead:
        // Worm cells before the head are numbered on from the level's length: past the tables' end.
        std::fill(cells.begin(), cells.end(), kSegment);
        at(uniform(random, 0, n - 1), n - 1) = kHead;
        break;
    case BoardKind::NoHead:
        for (char& c : cells)
            c = pick(random, std::vector<char>{kBlank, kDot, kWall, kSegment, kSegmentAlt});
        break;
    case BoardKind::TooMany:
        std::fill(cells.begin(), cells.end(), kDot);
        at(n / 2, n / 2) = kHead;
        break;
    }
    return cells;
}

// A level file around a level text: mostly as the game writes them, sometimes as other editors do.
std::string levelFile(Random& random, const std::string& text)
{
    const double r = chance(random);
    if (r < 0.7)
        return text + "\r\n";
    if (r < 0.8)
        return text + "\n" + "notes of the designer\n";
    if (r < 0.9) {  // UTF-8 with a byte-order mark
        std::string utf8 = "\xEF\xBB\xBF";
        for (char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x80) {
                utf8 += static_cast<char>(0xC0 | (byte >> 6));
                utf8 += static_cast<char>(0x80 | (byte & 0x3F));
            } else {
                utf8 += c;
            }
        }
        return utf8;
    }
    return text;  // no line end at all
}

// Files that no level can be made of.
std::string brokenLevelFile(Random& random)
{
    switch (uniform(random, 0, 4)) {
    case 0: return "";
    case 1: return "\r\n" + std::string(49, '.') + "\r\n";  // the level on line 2
    case 2: return std::string(static_cast<std::size_t>(uniform(random, 2, 50)), '#') + "\r\n";  // not a square
    case 3: return std::string(200000, '.');  // a line longer than any level
    default: {
        std::string bytes(static_cast<std::size_t>(uniform(random, 1, 300)), '\0');
        for (char& c : bytes)
            c = static_cast<char>(uniform(random, 0, 255));
        return bytes;
    }
    }
}

class Player {
public:
    Player(const SoakOptions& options, SoakReport& report) : options_(options), report_(report), random_(options.seed)
    {
        std::error_code error;
        for (std::filesystem::directory_iterator it(options.levelFolder, error), end; !error && it != end; it.increment(error)) {
            std::string ending = it->path().extension().string();
            std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::toupper(c); });
            if (ending == ".ZVK" && it->is_regular_file(error))
                pack_.push_back(it->path());
        }
        std::sort(pack_.begin(), pack_.end());
        report_.packLevels = static_cast<std::int64_t>(pack_.size());
        work_ = makeWorkFolder("zorvik-soak");
        // A private full device: writes to it fail as on a full disk, and nothing outside this folder is touched.
        fullDevice_ = work_ / "full";
        if (::mknod(fullDevice_.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
            fullDevice_.clear();
    }
    ~Player()
    {
        std::error_code error;
        std::filesystem::remove_all(work_, error);
    }

    void run()
    {
        // First every level of the game once, if asked; then the mix until the count is reached.
        for (std::size_t i = 0; options_.actionsPerPackLevel > 0 && i < pack_.size(); ++i)
            playFolder([&](const std::filesystem::path& folder) { fillWithPack(folder); }, options_.actionsPerPackLevel);
        while (report_.actions < options_.actions)
            playFolder([&](const std::filesystem::path& folder) { fillFolder(folder); },
                       std::min<std::int64_t>(options_.actions - report_.actions, uniform(random_, 200, 4000)));
    }

private:
    template <class Fill>
    void playFolder(Fill fill, std::int64_t budget)
    {
        const auto folder = work_ / ("folder-" + std::to_string(report_.folders++));
        std::filesystem::create_directory(folder);
        fill(folder);
        Session session(folder);
        play(session, budget);
        if (session.running())
            session.close();
        report_.actions += session.actions();
        report_.levelsFinished += session.levelsFinished();
        report_.deaths += session.deaths();
        report_.messages += session.window().messageCount;
        std::filesystem::remove_all(folder);
    }

    // The game's levels, each such folder starting at the next of them, so every level gets played.
    void fillWithPack(const std::filesystem::path& folder)
    {
        for (const auto& file : pack_)
            std::filesystem::copy_file(file, folder / file.filename());
        writeBytes(folder / kLastGameFile, " " + std::to_string(report_.packStarts++ % static_cast<std::int64_t>(pack_.size())) + " \r\n");
    }

    void fillFolder(const std::filesystem::path& folder)
    {
        const double r = chance(random_);
        if (r < 0.3 && !pack_.empty()) {
            fillWithPack(folder);
            return;
        }
        if (r < 0.35) {
            // No level at all: the demo level is written and played.
        } else {
            const int count = uniform(random_, 1, 4);
            for (int i = 0; i < count; ++i) {
                const double k = chance(random_);
                const BoardKind kind = k < 0.45 ? BoardKind::Room : k < 0.6 ? BoardKind::Noise : k < 0.7 ? BoardKind::FullOfDots
                                       : k < 0.75 ? BoardKind::WormBeforeHead : k < 0.85 ? BoardKind::NoHead
                                       : k < 0.95 ? BoardKind::NoDots : BoardKind::TooMany;
                // Names as other systems write them too: lower-case endings, Latin-1 and UTF-8 letters.
                const std::string name = pick(random_, std::vector<std::string>{"", "", "", "\xD6" "de ", "Über "}) +
                                         std::string(1, char('A' + i)) + pick(random_, std::vector<std::string>{".ZVK", ".ZVK", ".zvk"});
                writeBytes(folder / name, levelFile(random_, randomBoard(random_, kind)));
                ++report_.randomBoards;
            }
            if (chance(random_) < 0.15)
                writeBytes(folder / "Kaputt.ZVK", brokenLevelFile(random_));
        }
        if (chance(random_) < 0.3)
            writeBytes(folder / kLastGameFile, " " + std::to_string(uniform(random_, 0, 6)) + " \r\n");
    }

    void play(Session& session, std::int64_t budget)
    {
        session.start();
        ++report_.windows;
        while (session.actions() < budget) {
            if (!session.running()) {
                session.start();
                ++report_.windows;
                continue;
            }
            act(session);
            if (session.running())
                report_.longestWorm = std::max<std::int64_t>(report_.longestWorm, session.game().Laenge);
        }
    }

    void act(Session& session)
    {
        const double r = chance(random_);
        WatchedGame& g = session.game();
        if (r < 0.62) {
            session.key(steer(g), chance(random_) < 0.9 ? 0 : uniform(random_, 1, 7));
        } else if (r < 0.65) {
            const int code = chance(random_) < 0.9 ? uniform(random_, 0, 255) : uniform(random_, -40000, 40000);
            session.key(code >= 37 && code <= 40 ? 0 : code, uniform(random_, 0, 7));
        } else if (r < 0.77) {
            session.mouseMove(pointer(g.Seitenzellen * g.Zellgroesse), pointer(g.Seitenzellen * g.Zellgroesse));
        } else if (r < 0.81) {
            session.click();
        } else if (r < 0.83) {
            session.toggleSpeed();
        } else if (r < 0.86) {
            const double c = chance(random_);
            session.chooseColour(c >= 0.25, c < 0.45 ? 0 : c < 0.65 ? 16777215 : uniform(random_, 1, 16777214));
        } else if (r < 0.88) {
            session.save(fileName(session, true));
        } else if (r < 0.90) {
            session.load(fileName(session, false));
        } else if (r < 0.95) {
            resize(session);
        } else if (r < 0.995) {
            // Quick presses, as of a key held down: long sweeps over boards full of dots.
            for (int i = 0; i < 20 && session.running(); ++i)
                session.key(steer(g), 0);
        } else if (r < 0.998) {
            session.close();
        } else {
            harmFolder(session);
        }
    }

    // Mostly towards food or along a sweep, so levels get finished and worms long; sometimes anywhere.
    int steer(const WatchedGame& g)
    {
        const int n = static_cast<int>(g.Seitenzellen) - 2;
        const int x = g.WurmX[0], y = g.WurmY[0];
        const double r = chance(random_);
        if (r < 0.2 || n < 1 || x < 1 || y < 1 || x > n || y > n)
            return uniform(random_, kKeyLeft, kKeyDown);
        if (r < 0.6) {
            // The sweep: right along odd rows, left along even ones, one row down at each end.
            if (y % 2 == 1)
                return x < n ? kKeyRight : kKeyDown;
            return x > 1 ? kKeyLeft : kKeyDown;
        }
        // Towards the nearest dot, ignoring walls.
        int best = -1, bestX = 0, bestY = 0;
        for (int i = 0; i < static_cast<int>(g.Spielfeld.size()); ++i) {
            if (g.Spielfeld[static_cast<std::size_t>(i)] != kDot)
                continue;
            const int dx = i % n + 1, dy = i / n + 1;
            const int distance = std::abs(dx - x) + std::abs(dy - y);
            if (best < 0 || distance < best)
                best = distance, bestX = dx, bestY = dy;
        }
        if (best < 0)
            return uniform(random_, kKeyLeft, kKeyDown);
        if (bestX != x && (bestY == y || chance(random_) < 0.5))
            return bestX < x ? kKeyLeft : kKeyRight;
        return bestY < y ? kKeyUp : kKeyDown;
    }

    // Over the board mostly, beyond it sometimes, far outside now and then (a drag that leaves the window).
    float pointer(double boardSize)
    {
        const double r = chance(random_);
        if (r < 0.8)
            return static_cast<float>(chance(random_) * boardSize);
        if (r < 0.95)
            return static_cast<float>((chance(random_) * 3 - 1) * boardSize);
        return static_cast<float>(uniform(random_, -150000, 150000));
    }

    std::string fileName(Session& session, bool saving)
    {
        const std::string folder = session.folder().string();
        std::vector<std::string> names{"", "", "Spielstand", folder + "/Spielstand", "A.ZVK", "no folder/start", folder,
                                       kLastGameFile, std::string(300, 'n'), "\xF6\xE4 Stand"};
        if (!fullDevice_.empty())
            names.push_back(fullDevice_.string());
        if (!saving)
            names.push_back("/dev/null");
        return pick(random_, names);
    }

    void resize(Session& session)
    {
        const double r = chance(random_);
        if (r < 0.15) {
            session.resize(session.window().scaleWidth, session.window().scaleHeight, 1);  // minimised, as it was
        } else if (r < 0.3) {
            // Too small; now and then on a screen where the window cannot grow back.
            session.resize(static_cast<float>(uniform(random_, 0, 6000)), static_cast<float>(uniform(random_, 0, 4000)), 0,
                           chance(random_) < 0.3);
        } else if (r < 0.4) {
            session.resize(28800, 16200, 2);  // maximised on a large screen
        } else if (r < 0.42) {
            session.resize(115200, 115200, 2);  // a wall of screens: cells of thousands of twips on small boards
        } else {
            session.resize(static_cast<float>(uniform(random_, 5895, 30000)), static_cast<float>(uniform(random_, 3495, 17000)), 0);
        }
    }

    // The folder changes under the running game: a level file goes, becomes a folder, or is overwritten.
    void harmFolder(Session& session)
    {
        std::vector<std::filesystem::path> levels;
        for (const auto& entry : std::filesystem::directory_iterator(session.folder()))
            if (entry.path().extension() == ".ZVK")
                levels.push_back(entry.path());
        if (levels.empty())
            return;
        std::sort(levels.begin(), levels.end());
        const auto& victim = pick(random_, levels);
        std::filesystem::remove_all(victim);
        const double r = chance(random_);
        if (r < 0.3)
            std::filesystem::create_directory(victim);
        else if (r < 0.6)
            writeBytes(victim, brokenLevelFile(random_));
        // Nothing to check here: the game must notice only when it next reads the folder.
    }

    const SoakOptions& options_;
    SoakReport& report_;
    Random random_;
    std::vector<std::filesystem::path> pack_;
    std::filesystem::path work_;
    std::filesystem::path fullDevice_;
};

} // namespace

std::string SoakReport::summary() const
{
    std::ostringstream out;
    out << actions << " actions in " << windows << " start-ups over " << folders << " folders (" << packStarts
        << " starting at a level of the game's " << packLevels << ", " << randomBoards << " random boards); " << levelsFinished << " levels finished, "
        << deaths << " deaths, " << messages << " messages, longest worm " << longestWorm + 1 << " segments";
    return out.str();
}

std::filesystem::path makeWorkFolder(const std::string& prefix)
{
    std::error_code error;
    const std::filesystem::path memory = "/dev/shm";
    const auto base = std::filesystem::is_directory(memory, error) && ::access(memory.c_str(), W_OK) == 0
                          ? memory
                          : std::filesystem::temp_directory_path();
    std::string pattern = (base / (prefix + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a folder in " + base.string());
    return pattern;
}

SoakReport runSoak(const SoakOptions& options)
{
    SoakReport report;
    Player player(options, report);
    try {
        player.run();
    } catch (const BrokenInvariant& e) {
        throw BrokenInvariant("soak with seed " + std::to_string(options.seed) + ": " + e.what());
    }
    return report;
}

} // namespace zorvik::reliability
