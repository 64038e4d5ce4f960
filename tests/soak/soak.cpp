// SPDX-License-Identifier: GPL-3.0-or-later
// The actions spelt as bytes, and the random player: folders of levels and random boards, and a seeded mix of
// every action the window delivers.
#include "soak/session.h"

#include "levels/last_game.h"
#include "levels/text_encoding.h"
#include "model/cell_codes.h"
#include "model/level_list.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace zorvik::reliability {

namespace {

int steer(const Game& g, unsigned char how)
{
    const int n = static_cast<int>(g.Seitenzellen) - 2, x = g.WurmX[0], y = g.WurmY[0];
    if (how < 51 || x < 1 || y < 1 || x > n || y > n)
        return kKeyLeft + how % 4;
    // The sweep: right along odd rows, left along even ones, one row down at each end.
    if (how < 153)
        return y % 2 == 1 ? (x < n ? kKeyRight : kKeyDown) : (x > 1 ? kKeyLeft : kKeyDown);
    // Towards the nearest dot, walls or not.
    int best = -1, towardsX = 0, towardsY = 0;
    for (int i = 0; i < static_cast<int>(g.Spielfeld.size()); ++i) {
        const int dx = i % n + 1 - x, dy = i / n + 1 - y;
        if (g.Spielfeld[static_cast<std::size_t>(i)] == kDot && (best < 0 || std::abs(dx) + std::abs(dy) < best))
            best = std::abs(dx) + std::abs(dy), towardsX = dx, towardsY = dy;
    }
    if (best < 0)
        return kKeyLeft + how % 4;
    if (towardsX != 0 && (towardsY == 0 || how % 2 == 1))
        return towardsX < 0 ? kKeyLeft : kKeyRight;
    return towardsY < 0 ? kKeyUp : kKeyDown;
}

// Over the board mostly, beyond it sometimes, far outside now and then (a drag that leaves the window).
float pointer(unsigned char b, float boardTwips) { return b < 192 ? b * boardTwips / 128 : (b - 224) * 4700.0f; }

float size(unsigned char b) { return b < 240 ? b * 125.0f : 115200.0f; }

// Names as the chooser returns them: closed, plain, a level file, in a missing folder, the folder itself, the
// last-game file, absolute, longer than the system takes, in Latin-1, a full device; for loads /dev/null too.
std::string fileName(const Session& session, unsigned char n, bool saving)
{
    const std::string names[] = {"", "Stand", "A.ZVK", "fehlt/Stand", ".", kLastGameFile, (session.folder() / "Stand").string(),
                                 std::string(300, 'n'), "\xF6\xE4 Stand", "voll", "/dev/null"};
    return names[n % (std::size(names) - saving)];
}

// Files that no level can be made of, chosen by the byte.
std::string brokenLevelFile(unsigned char kind)
{
    switch (kind % 5) {
    case 0: return "";
    case 1: return "\r\n" + std::string(49, '.') + "\r\n";  // the level on line 2
    case 2: return std::string(kind % 48 + 2, '#') + "\r\n";  // mostly not a square
    case 3: return std::string(200000, '.');                   // a line longer than any level
    default: {
        std::string bytes(kind + 1u, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(i * 167 + kind);
        return bytes;
    }
    }
}

// The folder changes under the running game: a level file goes, becomes a folder, or is overwritten.
void harm(const std::filesystem::path& folder, unsigned char victim, unsigned char how)
{
    const LevelList levels(folder);
    if (levels.ListCount() == 0)
        return;
    const auto file = levels.filePath(victim % levels.ListCount());
    std::filesystem::remove_all(file);
    if (how % 3 == 0)
        std::filesystem::create_directory(file);
    else if (how % 3 == 1)
        writeFile(file, brokenLevelFile(how));
}

} // namespace

std::size_t play(Session& session, std::string_view bytes, int most)
{
    std::size_t at = 0;
    auto next = [&]() -> unsigned char { return at < bytes.size() ? static_cast<unsigned char>(bytes[at++]) : 0; };
    for (int done = 0; done < most && at < bytes.size(); ++done) {
        if (!session.running()) {
            session.start();
            continue;
        }
        WatchedGame& g = session.game();
        SessionWindow& window = session.window();
        switch (const unsigned char action = next()) {
        // The arrow keys' codes run Left, Up, Right, Down.
        case 'L': case 'U': case 'R': case 'D': session.key(kKeyLeft + int(std::string_view("LURD").find(char(action))), 0); break;
        case 'T': session.key(steer(g, next()), 0); break;
        case 'K': {
            const int low = next(), code = static_cast<std::int16_t>(low + 256 * next());
            session.key(code, next() & 7);
            break;
        }
        case 'M': {
            const float board = static_cast<float>(g.Seitenzellen * g.Zellgroesse), x = pointer(next(), board), y = pointer(next(), board);
            session.act("mouse move to " + std::to_string(x) + ", " + std::to_string(y), [&] { g.Form_MouseMove(0, 0, x, y); });
            break;
        }
        case 'C': session.click(); break;
        case 'S': session.act("speed label", [&] { g.SchnellFlüssig_Click(); }); break;
        case 'W': {
            const unsigned c = next();
            window.colourChosen = c == 1 || c == 2 || (c > 2 && c % 4 != 0);
            window.chosenColour = c == 1 ? 0 : c == 2 ? 0xFFFFFF : c * 2654435761u >> 8;
            session.act("colour chooser, " + std::to_string(c), [&] { g.WurmFrame_Click(); });
            break;
        }
        case 's': session.save(fileName(session, next(), true)); break;
        case 'l': session.load(fileName(session, next(), false)); break;
        case 'Z': {
            const float width = size(next()), height = size(next());
            session.resize(width, height, 0, next() % 2 == 1);
            break;
        }
        case 'N': session.resize(window.scaleWidth, window.scaleHeight, 1); break;
        case 'Q': session.close(); break;
        case 'H': {
            // Nothing to check here: the game must notice only when it next reads the folder.
            const unsigned char victim = next();
            harm(session.folder(), victim, next());
            break;
        }
        default: session.key(action, 0); break;
        }
    }
    return at;
}

void writeFile(const std::filesystem::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

std::string readFile(const std::filesystem::path& file)
{
    return (std::ostringstream() << std::ifstream(file, std::ios::binary).rdbuf()).str();
}

std::set<std::string> fileNames(const std::filesystem::path& folder)
{
    std::set<std::string> sorted;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        sorted.insert(entry.path().filename().string());
    return sorted;
}

void makeFullDevice(const std::filesystem::path& folder) { ::mknod((folder / "voll").c_str(), S_IFCHR | 0666, makedev(1, 7)); }

// On a memory file system when there is one: the soak writes files all the time.
WorkFolder::WorkFolder(const std::string& prefix)
{
    const auto base = ::access("/dev/shm", W_OK) == 0 ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
    std::string pattern = (base / (prefix + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make " + pattern);
    path = pattern;
}

WorkFolder::~WorkFolder() { std::error_code ignored; std::filesystem::remove_all(path, ignored); }

namespace {

using Random = std::mt19937_64;

int uniform(Random& random, int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
double chance(Random& random) { return std::uniform_real_distribution<double>(0, 1)(random); }

// A level text of n x n cells.
std::string randomBoard(Random& random)
{
    const int kind = uniform(random, 0, 19);
    // 35 x 35 of dots, the longest worm the segment tables hold; of worm cells before the head, numbered on from
    // the level's length past the tables' end; 36 x 36 to 40 x 40 of dots, more than they hold.
    if (kind < 4) {
        const int n = kind < 3 ? 35 : uniform(random, 36, 40);
        std::string cells(static_cast<std::size_t>(n * n), kind == 1 ? kSegment : kDot);
        cells[static_cast<std::size_t>(kind == 1 ? n * (n - 1) + uniform(random, 0, n - 1) : kind == 3 ? n * n / 2 : 0)] = kHead;
        return cells;
    }
    const int n = chance(random) < 0.5 ? uniform(random, 1, 8) : uniform(random, 9, 35);
    // A mix of its own for each board: crowded or open, with or without dots, sometimes worm cells or
    // bytes that are no cell code.
    std::string mix = std::string(static_cast<std::size_t>(uniform(random, 1, 6)), kBlank) +
                      std::string(static_cast<std::size_t>(uniform(random, 0, 3)), kWall) +
                      std::string(static_cast<std::size_t>(uniform(random, 0, 6)), kDot);
    for (char c : {kHalving, kCutting, '-', 'O', 'X', kHead, kSegment, kSegmentAlt})
        if (chance(random) < 0.2)
            mix += c;
    std::string cells(static_cast<std::size_t>(n * n), kBlank);
    for (char& c : cells) {
        c = mix[static_cast<std::size_t>(uniform(random, 0, static_cast<int>(mix.size()) - 1))];
        if (chance(random) < 0.01)
            c = static_cast<char>(uniform(random, 0, 255));
        if (c == '\r' || c == '\n')
            c = kBlank;
    }
    // Mostly a worm in one row, head at its left end, as levels lay it out; sometimes no head at all.
    const int y = uniform(random, 0, n - 1), x = uniform(random, 0, n - 1), length = uniform(random, 1, std::min(n - x, 12));
    for (int i = 0; kind < 17 && i < length; ++i)
        cells[static_cast<std::size_t>(y * n + x + i)] = i == 0 ? kHead : i == length - 1 && chance(random) < 0.5 ? kSegmentAlt : kSegment;
    return cells;
}

// A level file around a level text: mostly as the game writes them, sometimes as other editors do.
std::string levelFile(Random& random, const std::string& text)
{
    const double r = chance(random);
    return r < 0.7 ? text + "\r\n" : r < 0.8 ? text + "\nnotes of the designer\n" : r < 0.9 ? "\xEF\xBB\xBF" + windows1252ToUtf8(text) : text;
}

// Random boards, one to four of them, now and then a broken file beside them; or no level at all, when the demo
// level is written and played. Names as other systems write them too: lower-case endings, Latin-1 and UTF-8 letters.
void fillFolder(Random& random, const std::filesystem::path& folder)
{
    for (int i = 0, count = chance(random) < 0.07 ? 0 : uniform(random, 1, 4); i < count; ++i) {
        const std::string start[] = {"", "", "\xD6" "de ", "Über "};
        writeFile(folder / (start[uniform(random, 0, 3)] + char('A' + i) + (chance(random) < 0.3 ? ".zvk" : ".ZVK")),
                   levelFile(random, randomBoard(random)));
    }
    if (chance(random) < 0.15)
        writeFile(folder / "Kaputt.ZVK", brokenLevelFile(static_cast<unsigned char>(uniform(random, 0, 255))));
}

} // namespace

SoakReport runSoak(const SoakOptions& options)
{
    SoakReport report;
    Random random(options.seed);
    const LevelList pack(options.levelFolder);
    report.packLevels = pack.ListCount();
    // A folder of the game's levels starting at `first`, or of random boards when that is -1.
    auto playFolder = [&](int first, std::int64_t budget) {
        WorkFolder folder("zorvik-soak");
        makeFullDevice(folder.path);
        for (int i = 0; first >= 0 && i < pack.ListCount(); ++i)
            std::filesystem::copy_file(pack.filePath(i), folder.path / pack.filePath(i).filename());
        if (first < 0)
            fillFolder(random, folder.path);
        if (first >= 0 || chance(random) < 0.3)
            writeFile(folder.path / kLastGameFile, " " + std::to_string(first >= 0 ? first : uniform(random, 0, 6)) + " \r\n");
        Session session(folder.path);
        session.start();
        while (session.actions() < budget) {
            // Letters by weight: steering most, one in 22 of them a burst of quick presses, as of a key held down
            // (long sweeps over boards full of dots); now and then the window closes or the folder changes.
            static const std::string kLetters = "TBKMCSWslZNQH";
            std::discrete_distribution<int> mix{620, 45, 30, 120, 40, 20, 30, 20, 20, 40, 10, 3, 2};
            const char letter = kLetters[static_cast<std::size_t>(mix(random))];
            for (int press = 0; press < (letter == 'B' ? 20 : 1); ++press) {
                std::string action(1, letter == 'B' ? 'T' : letter);
                // Argument bytes, small ones often: closed choosers, black, windows too small, the board's corner.
                for (int i = 0; i < 3; ++i)
                    action += static_cast<char>(chance(random) < 0.2 && action[0] != 'T' ? uniform(random, 0, 3) : uniform(random, 0, 255));
                play(session, action, 1);
                if (session.running())
                    report.longestWorm = std::max<int>(report.longestWorm, session.game().Laenge);
            }
        }
        if (session.running())
            session.close();
        report.actions += session.actions();
    };
    try {
        // First every level of the game once, each folder of them starting at the next, if asked; then the mix.
        for (int i = 0; options.actionsPerPackLevel > 0 && i < pack.ListCount(); ++i)
            playFolder(i, options.actionsPerPackLevel);
        while (report.actions < options.actions)
            playFolder(pack.ListCount() > 0 && chance(random) < 0.3 ? uniform(random, 0, pack.ListCount() - 1) : -1,
                       std::min<std::int64_t>(options.actions - report.actions, uniform(random, 200, 4000)));
    } catch (const BrokenInvariant& e) {
        throw BrokenInvariant("soak with seed " + std::to_string(options.seed) + ": " + e.what());
    }
    return report;
}

} // namespace zorvik::reliability
