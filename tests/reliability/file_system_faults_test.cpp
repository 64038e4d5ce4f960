// SPDX-License-Identifier: GPL-3.0-or-later
// Faults of the file system under the running game: read-only and full disks, pipes and devices in place of
// files, files that go or turn into folders. The game goes on, says what failed, and keeps the last game.
#include "levels/file_access.h"
#include "levels/level_file.h"
#include "soak/session.h"
#include "soak/soak.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sched.h>
#include <set>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zorvik::reliability {
namespace {

const std::string kLastGame = "Zorvik letzter Spielstand";
const std::string kNoLevels = "Es sind keine Level vorhanden! Ich werde ein Demo-Level speichern.";
// One dot right of the head: Right finishes the level.
const std::string kOneDot = "\xF6.##";
const std::string kTwoDots = "\xF6..#";

void write(const std::filesystem::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

std::string read(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string names(const std::filesystem::path& folder)
{
    std::set<std::string> sorted;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        sorted.insert(entry.path().filename().string());
    std::string out;
    for (const auto& name : sorted)
        out += (out.empty() ? "" : " | ") + name;
    return out;
}

// A fresh folder, removed with everything in it.
struct Folder {
    std::filesystem::path path = makeWorkFolder("zorvik-faults");
    ~Folder()
    {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
};

// What a scenario in a child process saw, as named texts.
using Seen = std::map<std::string, std::string>;

class Notes {
public:
    explicit Notes(int fd) : fd_(fd) {}
    void operator()(const std::string& key, const std::string& value)
    {
        const std::string record = key + '\x1F' + value + '\x1E';
        if (::write(fd_, record.data(), record.size()) < 0)
            _exit(5);
    }

private:
    int fd_;
};

// Runs the scenario in a child process: mounts made there vanish with it, a limit set there stays there, and a
// hang is cut off after `seconds`. "skip" as a note skips the test; "exception" reports what escaped.
Seen inChild(const std::function<void(Notes&)>& scenario, unsigned seconds = 30)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        throw std::runtime_error("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        ::alarm(seconds);
        Notes notes(pipeEnds[1]);
        try {
            scenario(notes);
        } catch (const std::exception& e) {
            notes("exception", e.what());
            _exit(3);
        }
        _exit(0);
    }
    ::close(pipeEnds[1]);
    std::string bytes;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);

    Seen seen;
    for (std::size_t at = 0; at < bytes.size();) {
        const auto split = bytes.find('\x1F', at);
        const auto end = bytes.find('\x1E', split);
        seen[bytes.substr(at, split - at)] = bytes.substr(split + 1, end - split - 1);
        at = end + 1;
    }
    if (WIFSIGNALED(status))
        seen["ended by signal"] = WTERMSIG(status) == SIGALRM ? "hung" : std::to_string(WTERMSIG(status));
    else if (WEXITSTATUS(status) != 0)
        seen["exit status"] = std::to_string(WEXITSTATUS(status));
    return seen;
}

// A tmpfs of its own at `folder`, in a mount namespace of the calling child only.
bool mountTmpfs(const std::filesystem::path& folder, const std::string& options)
{
    return ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

// Fills the file system of `folder` until it takes no byte more.
void fill(const std::filesystem::path& folder)
{
    const int fd = ::open((folder / "Füller").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}

constexpr uid_t kNobody = 65534;

// Permissions bind only a player who is not root: a child process gives root's rights away first.
void becomeNobody()
{
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
        throw std::runtime_error("cannot give root's rights away");
}

void expectNoFailure(const Seen& seen)
{
    for (const char* key : {"exception", "ended by signal", "exit status"})
        EXPECT_EQ(seen.count(key), 0u) << key << ": " << (seen.count(key) ? seen.at(key) : "");
}

TEST(FileSystemFaults, FullDiskKeepsThePreviousLastGameAndLevelStartFiles)
{
    Folder folder;
    const Seen seen = inChild([&](Notes& note) {
        if (!mountTmpfs(folder.path, "size=64k")) {
            note("skip", "mounting a tmpfs is not permitted here");
            return;
        }
        write(folder.path / "A.ZVK", kOneDot + "\r\n");
        write(folder.path / "B.ZVK", kTwoDots + "\r\n");
        write(folder.path / kLastGame, " 1 \r\n");
        write(folder.path / "Stand", " 0 \r\n");
        fill(folder.path);

        Session session(folder.path);
        session.start();
        note("level", std::to_string(session.game().LevelNr));
        session.save("Stand");
        note("save message", session.window().lastMessage);
        note("level-start file", read(folder.path / "Stand"));
        session.close();
        note("warning", session.window().lastWarning);
        note("last-game file", read(folder.path / kLastGame));
        note("files", names(folder.path));
        session.start();
        note("level after a new start", std::to_string(session.game().LevelNr));
    });
    if (seen.count("skip"))
        GTEST_SKIP() << seen.at("skip");
    expectNoFailure(seen);
    EXPECT_EQ(seen.at("level"), "1");
    EXPECT_EQ(seen.at("save message"),
              "Die Level-Nummer wurde nicht gespeichert: „Stand“ lässt sich nicht schreiben (kein Platz mehr auf dem Datenträger).");
    EXPECT_EQ(seen.at("level-start file"), " 0 \r\n");
    EXPECT_EQ(seen.at("warning"), "Zorvik: Der letzte Spielstand ließ sich nicht in „" + (folder.path / kLastGame).string() +
                                      "“ speichern (kein Platz mehr auf dem Datenträger).");
    EXPECT_EQ(seen.at("last-game file"), " 1 \r\n");
    EXPECT_EQ(seen.at("files"), "A.ZVK | B.ZVK | Füller | Stand | " + kLastGame);  // no temporary file left
    EXPECT_EQ(seen.at("level after a new start"), "1");
}

TEST(FileSystemFaults, ReadOnlyDiskPlaysOnAndSaysWhatItCouldNotWrite)
{
    Folder folder;
    const Seen seen = inChild([&](Notes& note) {
        if (!mountTmpfs(folder.path, "size=64k")) {
            note("skip", "mounting a tmpfs is not permitted here");
            return;
        }
        write(folder.path / "A.ZVK", kOneDot + "\r\n");
        write(folder.path / "B.ZVK", kOneDot + "\r\n");
        write(folder.path / kLastGame, " 1 \r\n");
        if (::mount(nullptr, folder.path.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            throw std::runtime_error("no read-only remount");

        Session session(folder.path);
        session.start();
        session.key(kKeyRight, 0);  // finishes B: on to A
        note("level", std::to_string(session.game().LevelNr));
        session.save("Stand");
        note("save message", session.window().lastMessage);
        session.close();
        note("warning", session.window().lastWarning);
        note("last-game file", read(folder.path / kLastGame));
        note("messages", std::to_string(session.window().messageCount));

        // Nothing to play and no room for the demo level: the demo level from memory.
        ::umount(folder.path.c_str());
        if (::mount("tmpfs", folder.path.c_str(), "tmpfs", MS_RDONLY, "size=64k") != 0)
            throw std::runtime_error("no read-only mount");
        Session empty(folder.path);
        empty.start();
        note("empty: message", empty.window().lastMessage);
        note("empty: level text", empty.game().LevelText);
        empty.key(kKeyLeft, 0);
        note("empty: dots left", std::to_string(empty.game().RestPunkte));
    });
    if (seen.count("skip"))
        GTEST_SKIP() << seen.at("skip");
    expectNoFailure(seen);
    EXPECT_EQ(seen.at("level"), "0");
    EXPECT_EQ(seen.at("save message"),
              "Die Level-Nummer wurde nicht gespeichert: „Stand“ lässt sich nicht schreiben (der Datenträger ist schreibgeschützt).");
    EXPECT_EQ(seen.at("warning"), "Zorvik: Der letzte Spielstand ließ sich nicht in „" + (folder.path / kLastGame).string() +
                                      "“ speichern (der Datenträger ist schreibgeschützt).");
    EXPECT_EQ(seen.at("last-game file"), " 1 \r\n");
    EXPECT_EQ(seen.at("messages"), "1");  // the save, nothing else
    EXPECT_EQ(seen.at("empty: message"), kNoLevels + "\nDas Demo-Level ließ sich nicht als „NeuesLevel.ZVK“ speichern "
                                                     "(der Datenträger ist schreibgeschützt).");
    EXPECT_EQ(seen.at("empty: level text"), kDemoLevelText);
    EXPECT_EQ(seen.at("empty: dots left"), "23");
}

// A save whose write failed emptied the earlier level-start file: its number was lost.
// With the file size limit at 0 every write fails (EFBIG), as on a full disk; no privilege needed.
TEST(FileSystemFaults, FileSizeLimitAndAFullDeviceFailWritesButLoseNothing)
{
    Folder folder;
    write(folder.path / "A.ZVK", kOneDot + "\r\n");
    write(folder.path / "B.ZVK", kTwoDots + "\r\n");
    write(folder.path / kLastGame, " 1 \r\n");
    write(folder.path / "Stand", " 0 \r\n");
    const Seen limited = inChild([&](Notes& note) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit none{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &none);
        Session session(folder.path);
        session.start();
        session.save("Stand");
        note("save told", std::to_string(session.window().messageCount));
        session.close();
        note("warned", std::to_string(session.window().warningCount));
    });
    expectNoFailure(limited);
    EXPECT_EQ(limited.at("save told"), "1");
    EXPECT_EQ(limited.at("warned"), "1");
    EXPECT_EQ(read(folder.path / kLastGame), " 1 \r\n");
    EXPECT_EQ(read(folder.path / "Stand"), " 0 \r\n");
    EXPECT_EQ(names(folder.path), "A.ZVK | B.ZVK | Stand | " + kLastGame);

    // A full device of our own, like /dev/full: the save fails, and the device stays a device.
    const auto full = folder.path / "voll";
    if (::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        GTEST_SKIP() << "no device node can be made here";
    Session session(folder.path);
    session.start();
    session.save(full.string());
    EXPECT_EQ(session.window().lastMessage, "Die Level-Nummer wurde nicht gespeichert: „" + full.string() +
                                                "“ lässt sich nicht schreiben (kein Platz mehr auf dem Datenträger).");
    EXPECT_TRUE(std::filesystem::is_character_file(full));
    session.load(full.string());  // reads zero bytes: no number
    EXPECT_EQ(session.window().messageCount, 2);
    EXPECT_EQ(session.game().LevelNr, 1);

    // A save to /dev/null was reported as failed: a device has nothing to flush.
    session.save("/dev/null");
    EXPECT_EQ(session.window().messageCount, 2);

    // A name near the longest the file system takes left no room for the temporary file's name.
    const std::string longName(250, 'n');
    session.save(longName);
    EXPECT_EQ(session.window().messageCount, 2);
    EXPECT_EQ(read(folder.path / longName), " 1 \r\n");
}

TEST(FileSystemFaults, ReadOnlyFolderAndWriteProtectedFileOfAPlayerWithoutRootRights)
{
    Folder folder;
    const auto levels = folder.path / "Levels";
    std::filesystem::create_directory(levels);
    write(levels / "A.ZVK", kOneDot + "\r\n");
    write(levels / "B.ZVK", kOneDot + "\r\n");
    write(levels / kLastGame, " 1 \r\n");
    write(folder.path / "Stand", " 0 \r\n");
    for (const auto& file : {folder.path, levels, levels / kLastGame, folder.path / "Stand"})
        if (::chown(file.c_str(), kNobody, kNobody) != 0 && ::geteuid() == 0)
            FAIL() << "cannot give " << file << " away";
    std::filesystem::permissions(folder.path, std::filesystem::perms(0755));
    std::filesystem::permissions(levels, std::filesystem::perms(0555));
    std::filesystem::permissions(folder.path / "Stand", std::filesystem::perms(0444));

    const Seen seen = inChild([&](Notes& note) {
        becomeNobody();
        Session session(levels);
        session.start();
        note("level", std::to_string(session.game().LevelNr));
        session.key(kKeyRight, 0);  // finishes B: on to A
        session.save((folder.path / "Stand").string());
        note("write-protected save", session.window().lastMessage);
        session.save("Neu");
        note("save in the folder", session.window().lastMessage);
        session.close();
        note("warned", std::to_string(session.window().warningCount));
    });
    expectNoFailure(seen);
    EXPECT_EQ(seen.at("level"), "1");
    // A save replaced a write-protected file through its temporary file, against the player's protection.
    EXPECT_EQ(seen.at("write-protected save"), "Die Level-Nummer wurde nicht gespeichert: „" + (folder.path / "Stand").string() +
                                                   "“ lässt sich nicht schreiben (Zugriff verweigert).");
    EXPECT_EQ(read(folder.path / "Stand"), " 0 \r\n");
    EXPECT_EQ(seen.at("save in the folder"),
              "Die Level-Nummer wurde nicht gespeichert: „Neu“ lässt sich nicht schreiben (Zugriff verweigert).");
    // The number was not saved at all: a folder that takes no temporary file gets the file written in place.
    EXPECT_EQ(seen.at("warned"), "0");
    EXPECT_EQ(read(levels / kLastGame), " 0 \r\n");
    EXPECT_EQ(names(levels), "A.ZVK | B.ZVK | " + kLastGame);
}

// Saves renamed a temporary file over the target: a link became a plain file and its target kept the old number,
// a 0600 file became 0644, another group's file root's, a second hard link kept the old number, and in a folder
// the player may not write the number was not saved at all.
TEST(FileSystemFaults, EveryFileTheGameWritesKeepsWhatItIs)
{
    struct Kind {
        std::string name, bytes;
        void (*write)(Session&);
    };
    const Kind kinds[] = {
        {kLastGame, " 0 \r\n", [](Session& s) { s.start(), s.close(); }},
        {"NeuesLevel.ZVK", demoLevelFile(), [](Session& s) { s.start(); }},  // the only level, and no level
        {"Stand", " 0 \r\n", [](Session& s) { s.start(), s.save("Stand"); }},
    };
    struct Setup {
        const char* what;
        bool asNobody;
        void (*make)(const std::filesystem::path& folder, const std::filesystem::path& file);
    };
    const Setup setups[] = {
        {"a link into another folder", false, [](auto& folder, auto& file) {
             std::filesystem::create_directory(folder / "Ziel");
             std::filesystem::rename(file, folder / "Ziel/Datei");
             std::filesystem::create_symlink("Ziel/Datei", file);
         }},
        {"0600, another owner and group", false, [](auto&, auto& file) {
             ::chmod(file.c_str(), 0600), ::chown(file.c_str(), kNobody, 100);
         }},
        {"a second hard link", false, [](auto& folder, auto& file) { std::filesystem::create_hard_link(file, folder / "Zweitname"); }},
        {"a folder the player may not write", true, [](auto& folder, auto& file) {
             ::chown(file.c_str(), kNobody, kNobody), ::chown(folder.c_str(), kNobody, kNobody), ::chmod(folder.c_str(), 0555);
         }},
        {"a group the player is not in", true, [](auto& folder, auto& file) {
             ::chown(file.c_str(), kNobody, 0), ::chown(folder.c_str(), kNobody, kNobody), ::chmod(folder.c_str(), 0755);
         }},
    };
    auto shape = [](const std::filesystem::path& file) {
        struct stat link {}, target {};
        ::lstat(file.c_str(), &link), ::stat(file.c_str(), &target);
        return std::to_string(S_ISLNK(link.st_mode)) + " mode " + std::to_string(target.st_mode) + " owner " +
               std::to_string(target.st_uid) + ":" + std::to_string(target.st_gid) + " links " + std::to_string(target.st_nlink);
    };
    for (const Kind& kind : kinds)
        for (const Setup& setup : setups) {
            Folder folder;
            const auto file = folder.path / kind.name;
            if (kind.name != "NeuesLevel.ZVK")
                write(folder.path / "A.ZVK", kOneDot + "\r\n");
            write(file, "alt");
            setup.make(folder.path, file);
            const std::string before = shape(file);
            Seen seen = inChild([&](Notes& note) {
                if (setup.asNobody)
                    becomeNobody();
                Session session(folder.path);
                kind.write(session);
                note("warnings", std::to_string(session.window().warningCount));
            });
            const std::string where = kind.name + ", " + setup.what;
            expectNoFailure(seen);
            EXPECT_EQ(seen["warnings"], "0") << where;
            EXPECT_EQ(std::pair(shape(file), read(file)), std::pair(before, kind.bytes)) << where;
            EXPECT_EQ(names(folder.path).find(" | ."), std::string::npos) << where;  // no temporary file left
        }
}

// Killed between making its temporary file and renaming it, a save left a hidden file that nothing removed.
TEST(FileSystemFaults, TemporaryFilesOfKilledSavesGoAtTheNextStartAndNoOtherFile)
{
    Folder folder;
    write(folder.path / "A.ZVK", kOneDot + "\r\n");
    for (int round = 0; round < 30; ++round) {
        const pid_t saver = ::fork();
        if (saver == 0) {
            Session session(folder.path);
            session.start();
            for (;;)
                session.save("Stand");
        }
        ::usleep(2000 + 100 * round);
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);
    }
    const pid_t gone = ::fork();
    if (gone == 0)
        _exit(0);
    ::waitpid(gone, nullptr, 0);
    write(folder.path / (".Stand.tmp" + std::to_string(gone) + "-1"), " 3 ");
    const std::string inProgress = ".Stand.tmp" + std::to_string(::getpid()) + "-1";
    write(folder.path / inProgress, " 4 ");
    write(folder.path / ".Stand.tmp", "the player's own");
    Session session(folder.path);
    session.start();
    EXPECT_EQ(names(folder.path), ".Stand.tmp | " + inProgress + " | A.ZVK | Stand");
    EXPECT_EQ(read(folder.path / "Stand"), " 0 \r\n");
}

// A pipe where a number file belongs blocked the game for good: at start-up, and in the load and save labels.
// A pipe stays a pipe, and one whose reader goes at once killed the game with SIGPIPE in a save.
TEST(FileSystemFaults, PipesInPlaceOfFilesDoNotHangOrKillTheGame)
{
    Folder folder;
    write(folder.path / "A.ZVK", kOneDot + "\r\n");
    write(folder.path / "B.ZVK", kOneDot + "\r\n");
    const auto rohr = folder.path / "Rohr";
    ASSERT_EQ(::mkfifo((folder.path / kLastGame).c_str(), 0666), 0);
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0666), 0);
    const Seen seen = inChild(
        [&](Notes& note) {
            Session session(folder.path);
            session.start();
            note("level", std::to_string(session.game().LevelNr));
            session.load("Rohr");
            note("load message", session.window().lastMessage);
            session.save("Rohr");
            note("save message", session.window().lastMessage);
            std::atomic<bool> saving = true, readerDone = false;
            std::thread reader([&] {
                while (saving)
                    ::close(::open(rohr.c_str(), O_RDONLY));  // waits for a writer, then goes
                readerDone = true;
            });
            int brokenPipes = 0;
            for (int i = 0; i < 2000 && brokenPipes == 0; ++i) {
                ::usleep(200);  // the reader waits in open again
                session.save("Rohr");
                brokenPipes += session.window().lastMessage.ends_with("(am anderen Ende liest niemand mehr).");
            }
            saving = false;
            while (!readerDone)
                ::close(::open(rohr.c_str(), O_WRONLY | O_NONBLOCK));  // lets a waiting reader go
            reader.join();
            note("broken pipes", brokenPipes > 0 ? "some" : "none");
            // The next level's file turns into a pipe while the game runs.
            std::filesystem::remove(folder.path / "B.ZVK");
            ::mkfifo((folder.path / "B.ZVK").c_str(), 0666);
            session.key(kKeyRight, 0);
            note("next level message", session.window().lastMessage);
            session.close();
            note("warnings", std::to_string(session.window().warningCount));
        },
        10);
    expectNoFailure(seen);
    EXPECT_EQ(seen.at("level"), "0");
    EXPECT_EQ(seen.at("load message"), "Die Level-Nummer wurde nicht geladen: In „Rohr“ steht keine Level-Nummer von 0 bis 32767.");
    EXPECT_EQ(seen.at("save message"),
              "Die Level-Nummer wurde nicht gespeichert: „Rohr“ lässt sich nicht schreiben (am anderen Ende ist niemand).");
    EXPECT_EQ(seen.at("broken pipes"), "some");
    EXPECT_EQ(seen.at("next level message"), kNoLevels + "\nFehler in „B.ZVK“: Die Levelzeile ist leer.");
    EXPECT_EQ(seen.at("warnings"), "2");  // the level change and the close: no reader
    EXPECT_TRUE(std::filesystem::is_fifo(folder.path / kLastGame));
}

TEST(FileSystemFaults, LevelFilesThatGoOrTurnIntoFoldersWhileTheGameRuns)
{
    Folder folder;
    write(folder.path / "A.ZVK", kOneDot + "\r\n");
    write(folder.path / "B.ZVK", kTwoDots + "\r\n");
    write(folder.path / "C.ZVK", kTwoDots + "\r\n");
    Session session(folder.path);
    session.start();

    // The level in play lives in memory: its file may go, restarts need it no more.
    std::filesystem::remove(folder.path / "A.ZVK");
    session.resize(9000, 6000, 0);
    session.save("");
    session.key(kKeyDown, 0);  // into the wall
    EXPECT_EQ(session.game().LevelText, kOneDot);
    EXPECT_EQ(session.window().messageCount, 0);

    // The next level's file is a folder now: the player is told, and the refreshed list goes on.
    std::filesystem::remove(folder.path / "B.ZVK");
    std::filesystem::create_directory(folder.path / "B.ZVK");
    session.key(kKeyRight, 0);
    EXPECT_EQ(session.window().lastMessage,
              kNoLevels + "\nFehler in „B.ZVK“: Die Datei lässt sich nicht lesen (das ist ein Ordner).");
    EXPECT_EQ(session.game().LevelText, kDemoLevelText);  // C, NeuesLevel: position 1
    EXPECT_TRUE(std::filesystem::is_directory(folder.path / "B.ZVK"));
    session.close();

    // Every level file gone before the next start: the demo level once more.
    std::filesystem::remove(folder.path / "C.ZVK");
    std::filesystem::remove(folder.path / "NeuesLevel.ZVK");
    session.start();
    EXPECT_EQ(session.window().messageCount, 2);
    EXPECT_EQ(session.game().LevelText, kDemoLevelText);
    EXPECT_EQ(read(folder.path / "NeuesLevel.ZVK"), demoLevelFile());
}

// What fails for root too: a file where the game's folder should be, and a folder that goes away.
TEST(FileSystemFaults, FileInPlaceOfTheFolderAndAFolderThatGoesAway)
{
    Folder folder;
    const auto notAFolder = folder.path / "Levels";
    write(notAFolder, "kein Ordner");
    Session session(notAFolder);
    session.start();
    EXPECT_EQ(session.window().lastMessage, kNoLevels + "\nDas Demo-Level ließ sich nicht als „NeuesLevel.ZVK“ speichern "
                                                        "(ein Teil des Pfades ist kein Ordner).");
    EXPECT_EQ(session.game().LevelText, kDemoLevelText);
    session.key(kKeyLeft, 0);
    session.save("Stand");
    EXPECT_EQ(session.window().lastMessage,
              "Die Level-Nummer wurde nicht gespeichert: „Stand“ lässt sich nicht schreiben (ein Teil des Pfades ist kein Ordner).");
    session.close();
    EXPECT_EQ(session.window().warningCount, 1);
    EXPECT_EQ(read(notAFolder), "kein Ordner");

    const auto gone = folder.path / "Weg";
    std::filesystem::create_directory(gone);
    write(gone / "A.ZVK", kOneDot + "\r\n");
    Session orphan(gone);
    orphan.start();
    std::filesystem::remove_all(gone);
    orphan.key(kKeyRight, 0);  // finished: the next level is nowhere
    EXPECT_EQ(orphan.window().lastMessage, kNoLevels + "\nFehler in „A.ZVK“: Die Datei lässt sich nicht lesen (Datei oder Ordner "
                                                       "nicht gefunden).\nDas Demo-Level ließ sich nicht als „NeuesLevel.ZVK“ "
                                                       "speichern (Datei oder Ordner nicht gefunden).");
    EXPECT_EQ(orphan.game().LevelText, kDemoLevelText);
    orphan.close();
    EXPECT_EQ(orphan.window().warningCount, 1);
}

TEST(FileSystemFaults, HugeFilesAreReadOnlyAsFarAsTheyMatter)
{
    Folder folder;
    for (const auto& name : {std::string("A.ZVK"), kLastGame}) {
        write(folder.path / name, ".");
        std::filesystem::resize_file(folder.path / name, 1ull << 30);  // a gibibyte, sparse
    }
    Session session(folder.path);
    session.start();
    EXPECT_EQ(session.game().LevelNr, 0);
    EXPECT_EQ(session.window().lastMessage,
              kNoLevels + "\nFehler in „A.ZVK“: Die Datei lässt sich nicht lesen (die erste Zeile ist länger als jedes mögliche Level).");
    session.close();
    EXPECT_EQ(read(folder.path / kLastGame), " 0 \r\n");
}

} // namespace
} // namespace zorvik::reliability
