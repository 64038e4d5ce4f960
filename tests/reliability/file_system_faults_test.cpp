// SPDX-License-Identifier: GPL-3.0-or-later
// Faults of the file system under the running game: read-only and full disks, pipes and devices in place of
// files, files that go or turn into folders. The game goes on, says what failed, and keeps the last game.
#include "levels/file_access.h"
#include "levels/last_game.h"
#include "levels/level_file.h"
#include "soak/session.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <sys/xattr.h>
#include <sched.h>
#include <set>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zorvik::reliability {
namespace {

const std::string kNoLevels = "Es sind keine Level vorhanden! Ich werde ein Demo-Level speichern.";
const std::string kNotSaved = "Die Level-Nummer wurde nicht gespeichert: ";
// One dot right of the head: Right finishes the level.
const std::string kOneDot = "\xF6.##\r\n";
constexpr uid_t kNobody = 65534;
constexpr int kSkip = 77;

// Runs the scenario in a child process: mounts made there vanish with it, a limit or a user set there stays there,
// and a hang ends it after 30 s. Its failures print as in any test; exit status kSkip skips the test. A player
// without root rights, as permissions bind only those, when asked: the tests run as root.
void inChild(const std::function<void()>& scenario, bool asPlayer = false)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(30);
        if (asPlayer && ::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ADD_FAILURE() << "cannot give root's rights away";
        try {
            if (!::testing::Test::HasFailure())
                scenario();
        } catch (const std::exception& e) {
            ADD_FAILURE() << "exception: " << e.what();
        }
        std::fflush(stdout);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kSkip)
        GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << (WIFSIGNALED(status) ? std::string("ended by ") + strsignal(WTERMSIG(status)) : "failed in the child");
}

// A tmpfs of its own at `folder`, in a mount namespace of the calling child only; skips the test where not permitted.
void mountTmpfs(const std::filesystem::path& folder, unsigned long flags = 0)
{
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", folder.c_str(), "tmpfs", flags, "size=64k") != 0) {
        std::fflush(stdout);
        _exit(kSkip);
    }
}

// A save whose write failed emptied the earlier level-start file: its number was lost; a close that could not
// write said nothing. Full and read-only disks, and a file size limit of 0 (every write fails with EFBIG, as on a
// full disk; no privilege needed).
TEST(FileSystemFaults, FailedWritesSayWhyAndKeepTheEarlierFiles)
{
    const struct {
        std::string reason;
        bool tmpfs;
        void (*strike)(const std::filesystem::path& folder);
    } faults[] = {
        {"kein Platz mehr auf dem Datenträger", true, [](auto& folder) {
             const int fd = ::open((folder / "Füller").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
             for (const std::size_t block : {4096, 1})
                 while (::write(fd, std::string(block, 'f').data(), block) > 0) {
                 }
             ::close(fd);
         }},
        {"der Datenträger ist schreibgeschützt", true,
         [](auto& folder) { ASSERT_EQ(::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0); }},
        {std::strerror(EFBIG), false, [](auto&) {
             std::signal(SIGXFSZ, SIG_IGN);
             const rlimit none{0, 0};
             ::setrlimit(RLIMIT_FSIZE, &none);
         }},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.reason);
        const WorkFolder folder("zorvik-faults");
        inChild([&] {
            if (fault.tmpfs)
                mountTmpfs(folder.path);
            writeFile(folder.path / "A.ZVK", kOneDot);
            writeFile(folder.path / "B.ZVK", kOneDot);
            writeFile(folder.path / kLastGameFile, " 1 \r\n");
            writeFile(folder.path / "Stand", " 0 \r\n");
            fault.strike(folder.path);
            Session session(folder.path);
            session.start();
            session.key(kKeyRight, 0);  // finishes B: on to A, a number the last-game file cannot take
            EXPECT_EQ(session.game().LevelNr, 0);
            session.save("Stand");
            EXPECT_EQ(session.window().lastMessage, kNotSaved + "„Stand“ lässt sich nicht schreiben (" + fault.reason + ").");
            EXPECT_EQ(session.window().messageCount, 1);  // the save, nothing else
            session.close();
            EXPECT_EQ(session.window().lastWarning, "Zorvik: Der letzte Spielstand ließ sich nicht in „" +
                                                        (folder.path / kLastGameFile).string() + "“ speichern (" + fault.reason + ").");
            EXPECT_EQ(readFile(folder.path / "Stand"), " 0 \r\n");
            EXPECT_EQ(readFile(folder.path / kLastGameFile), " 1 \r\n");
            EXPECT_FALSE(fileNames(folder.path).begin()->starts_with("."));  // no temporary file left
            session.start();
            EXPECT_EQ(session.game().LevelNr, 1);
        });
    }
}

// Nothing to play and no room for the demo level: a file where the game's folder should be (which fails for
// root too; a read-only disk fails the same writes, see above). The demo level plays from memory; saves and the
// close say what failed.
TEST(FileSystemFaults, DemoLevelThatCannotBeWrittenPlaysFromMemory)
{
    const WorkFolder folder("zorvik-faults");
    const auto levels = folder.path / "Levels";
    const std::string reason = "ein Teil des Pfades ist kein Ordner";
    writeFile(levels, "kein Ordner");
    Session session(levels);
    session.start();
    EXPECT_EQ(session.window().lastMessage, kNoLevels + "\nDas Demo-Level ließ sich nicht als „NeuesLevel.ZVK“ speichern (" + reason + ").");
    EXPECT_EQ(session.game().LevelText, kDemoLevelText);
    session.key(kKeyLeft, 0);
    EXPECT_EQ(session.game().RestPunkte, 23);
    session.save("Stand");
    EXPECT_EQ(session.window().lastMessage, kNotSaved + "„Stand“ lässt sich nicht schreiben (" + reason + ").");
    session.close();
    EXPECT_EQ(session.window().warningCount, 1);
    EXPECT_EQ(readFile(levels), "kein Ordner");
}

// A save to /dev/null was reported as failed: a device has nothing to flush. A name near the longest the file
// system takes left no room for the temporary file's name.
TEST(FileSystemFaults, SavesToDevicesAndUnderLongNames)
{
    const WorkFolder folder("zorvik-faults");
    writeFile(folder.path / "A.ZVK", kOneDot);
    Session session(folder.path);
    session.start();
    session.save("/dev/null");
    session.save(std::string(250, 'n'));
    EXPECT_EQ(session.window().messageCount, 0);
    EXPECT_EQ(readFile(folder.path / std::string(250, 'n')), " 0 \r\n");

    // A full device of our own, like /dev/full: the save fails, and the device stays a device.
    makeFullDevice(folder.path);
    if (!std::filesystem::is_character_file(folder.path / "voll"))
        GTEST_SKIP() << "no device node can be made here";
    session.save("voll");
    EXPECT_EQ(session.window().lastMessage, kNotSaved + "„voll“ lässt sich nicht schreiben (kein Platz mehr auf dem Datenträger).");
    EXPECT_TRUE(std::filesystem::is_character_file(folder.path / "voll"));
    session.load("voll");  // reads zero bytes: no number, which the session checks
}

// Every kind of file the game writes over: the last game at the close, a level start, and a level as the studio
// saves it (its failure told as a warning).
const struct {
    std::string name, bytes;
    void (*write)(Session&);
} kWrittenFiles[] = {
    {kLastGameFile, " 0 \r\n", [](Session& s) { s.start(), s.close(); }},
    {"Stand", " 0 \r\n", [](Session& s) { s.start(), s.save("Stand"); }},
    {"Entwurf.ZVK", demoLevelFile(), [](Session& s) {
         try {
             writeLevelFile(s.folder() / "Entwurf.ZVK", kDemoLevelText);
         } catch (const FileError& e) {
             s.window().Warning("(" + std::string(e.what()) + ").");
         }
     }},
};

// Saves renamed a temporary file over the target: a link became a plain file and its target kept the old number,
// a 0600 file became 0644, another group's file root's, a second hard link kept the old number, in a folder
// the player may not write the number was not saved at all, and a write-protected file was replaced against the
// player's protection (that write must fail and say so).
TEST(FileSystemFaults, EveryFileTheGameWritesKeepsWhatItIs)
{
    const struct {
        const char* what;
        bool asPlayer, refused = false;
        void (*make)(const std::filesystem::path& folder, const std::filesystem::path& file);
    } setups[] = {
        {"a link into another folder", false, false, [](auto& folder, auto& file) {
             std::filesystem::create_directory(folder / "Ziel");
             std::filesystem::rename(file, folder / "Ziel/Datei");
             std::filesystem::create_symlink("Ziel/Datei", file);
         }},
        {"0600, another owner and group", false, false, [](auto&, auto& file) { ::chmod(file.c_str(), 0600), ::chown(file.c_str(), kNobody, 100); }},
        {"a second hard link", false, false, [](auto& folder, auto& file) { std::filesystem::create_hard_link(file, folder / "Zweitname"); }},
        {"a folder the player may not write", true, false, [](auto& folder, auto& file) {
             ::chown(file.c_str(), kNobody, kNobody), ::chown(folder.c_str(), kNobody, kNobody), ::chmod(folder.c_str(), 0555);
         }},
        {"a group the player is not in", true, false, [](auto& folder, auto& file) {
             ::chown(file.c_str(), kNobody, 0), ::chown(folder.c_str(), kNobody, kNobody), ::chmod(folder.c_str(), 0755);
         }},
        {"a write-protected file of the player", true, true, [](auto& folder, auto& file) {
             ::chown(file.c_str(), kNobody, kNobody), ::chmod(file.c_str(), 0444);
             ::chown(folder.c_str(), kNobody, kNobody), ::chmod(folder.c_str(), 0755);
         }},
    };
    auto shape = [](const std::filesystem::path& file) {
        struct stat link {}, target {};
        ::lstat(file.c_str(), &link), ::stat(file.c_str(), &target);
        return std::to_string(S_ISLNK(link.st_mode)) + " mode " + std::to_string(target.st_mode) + " owner " +
               std::to_string(target.st_uid) + ":" + std::to_string(target.st_gid) + " links " + std::to_string(target.st_nlink);
    };
    for (const auto& kind : kWrittenFiles)
        for (const auto& setup : setups) {
            SCOPED_TRACE(kind.name + ", " + setup.what);
            const WorkFolder folder("zorvik-faults");
            const auto file = folder.path / kind.name;
            writeFile(folder.path / "A.ZVK", kOneDot);
            writeFile(file, "alt");
            setup.make(folder.path, file);
            const std::string before = shape(file);
            inChild(
                [&] {
                    Session session(folder.path);
                    kind.write(session);
                    const auto& window = session.window();
                    if (setup.refused)
                        EXPECT_TRUE((window.lastMessage + window.lastWarning).ends_with("(Zugriff verweigert)."));
                    else
                        EXPECT_EQ(window.warningCount, 0);
                },
                setup.asPlayer);
            EXPECT_EQ(std::pair(shape(file), readFile(file)), std::pair(before, setup.refused ? std::string("alt") : kind.bytes));
            EXPECT_FALSE(fileNames(folder.path).begin()->starts_with("."));  // no temporary file left
        }
}

// Saves dropped a file's ACL and its own attributes, and the ACL's mask became the group's permission:
// "group::r--" beside "user:daemon:rw-" turned into "group::rw-", a save widened access. A player cannot set an
// attribute of the security namespace: the file is then written in place and keeps them all.
TEST(FileSystemFaults, SavesKeepAclsAndExtendedAttributes)
{
    // Names and values, sorted, and the permissions, whose group bits are the ACL's mask.
    auto attributes = [](const std::filesystem::path& file) {
        std::string names(4096, '\0');
        names.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::listxattr(file.c_str(), names.data(), names.size()))));
        std::set<std::string> sorted;
        for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
            std::string value(4096, '\0');
            value.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::getxattr(file.c_str(), names.c_str() + at, value.data(), value.size()))));
            sorted.insert(names.c_str() + at + ("=" + value));
        }
        struct stat mode {};
        ::stat(file.c_str(), &mode);
        std::string all = std::to_string(mode.st_mode & 07777);
        for (const auto& attribute : sorted)
            all += " " + attribute;
        return all;
    };
    for (const auto& kind : kWrittenFiles)
        for (const bool asPlayer : {false, true}) {
            SCOPED_TRACE(kind.name + (asPlayer ? ", a security attribute, as a player" : ""));
            const WorkFolder folder("zorvik-faults");
            const auto file = folder.path / kind.name;
            writeFile(folder.path / "A.ZVK", kOneDot);
            writeFile(file, "alt");
            if (::setxattr(file.c_str(), "user.zorvik", "Entwurf", 7, 0) != 0)
                GTEST_SKIP() << "no user attributes in " << folder.path;
            if (std::system(("setfacl -m u:daemon:rw,g::r-- '" + file.string() + "' 2>/dev/null").c_str()) != 0)
                GTEST_SKIP() << "no setfacl, or no ACLs in " << folder.path;
            if (asPlayer && (::chown(file.c_str(), kNobody, kNobody) != 0 || ::chown(folder.path.c_str(), kNobody, kNobody) != 0 ||
                             ::setxattr(file.c_str(), "security.zorvik", "1", 1, 0) != 0))
                GTEST_SKIP() << "no security attributes in " << folder.path;
            const std::string before = attributes(file);
            EXPECT_TRUE(before.find("system.posix_acl_access=") != std::string::npos && before.ends_with("user.zorvik=Entwurf"));
            struct stat old {};
            ::stat(file.c_str(), &old);
            inChild(
                [&] {
                    Session session(folder.path);
                    kind.write(session);
                    EXPECT_EQ(session.window().warningCount, 0);
                },
                asPlayer);
            EXPECT_EQ(std::pair(attributes(file), readFile(file)), std::pair(before, kind.bytes));
            EXPECT_FALSE(fileNames(folder.path).begin()->starts_with("."));  // no temporary file left
            // Every attribute was copied to a new file that replaced the old one; a player, who may not set a
            // security attribute, has the file written over in place.
            struct stat now {};
            ::stat(file.c_str(), &now);
            EXPECT_EQ(now.st_ino == old.st_ino, asPlayer);
        }
}

// Killed between making its temporary file and renaming it, a save left a hidden file that nothing removed;
// killed while writing through a link, it left one in the link target's folder for good. And the cleaner took
// every hidden ".NAME.tmpPID-N" whose process was gone, a player's own file of that shape too.
TEST(FileSystemFaults, TemporaryFilesOfKilledSavesGoAndNoOtherFile)
{
    const WorkFolder folder("zorvik-faults");
    const auto target = folder.path / "Ziel";
    writeFile(folder.path / "A.ZVK", kOneDot);
    std::filesystem::create_directory(target);
    std::filesystem::create_symlink("Ziel/Stand", folder.path / "Stand");
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
    const std::string players[] = {".Stand.tmp2147483647-1", ".Stand.tmp"};
    for (const auto& where : {folder.path, target}) {
        writeFile(where / ".Stand.zorvik-tmp-2147483647-1", " 3 ");  // the highest process number there can be, and none
        for (const auto& name : players)
            writeFile(where / name, "the player's own");
    }
    const std::string inProgress = ".Stand.zorvik-tmp-" + std::to_string(::getpid()) + "-1";
    writeFile(folder.path / inProgress, " 4 ");
    Session session(folder.path);
    session.start();
    session.save("Stand");
    EXPECT_EQ(fileNames(folder.path), (std::set<std::string>{players[0], players[1], inProgress, "A.ZVK", "Stand", "Ziel"}));
    EXPECT_EQ(fileNames(target), (std::set<std::string>{players[0], players[1], "Stand"}));
    EXPECT_EQ(readFile(target / "Stand"), " 0 \r\n");
}

// A pipe where a number file belongs blocked the game for good: at start-up, and in the load and save labels.
// A pipe stays a pipe, and one whose reader goes at once killed the game with SIGPIPE in a save.
TEST(FileSystemFaults, PipesInPlaceOfFilesDoNotHangOrKillTheGame)
{
    const WorkFolder folder("zorvik-faults");
    writeFile(folder.path / "A.ZVK", kOneDot);
    writeFile(folder.path / "B.ZVK", kOneDot);
    const auto rohr = folder.path / "Rohr";
    ASSERT_EQ(::mkfifo((folder.path / kLastGameFile).c_str(), 0666), 0);
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0666), 0);
    inChild([&] {
        Session session(folder.path);
        session.start();
        EXPECT_EQ(session.game().LevelNr, 0);
        session.load("Rohr");
        EXPECT_EQ(session.window().lastMessage, "Die Level-Nummer wurde nicht geladen: In „Rohr“ steht keine Level-Nummer von 0 bis 32767.");
        session.save("Rohr");
        EXPECT_EQ(session.window().lastMessage, kNotSaved + "„Rohr“ lässt sich nicht schreiben (am anderen Ende ist niemand).");
        const pid_t reader = ::fork();
        if (reader == 0)
            ::alarm(30);  // should the test end without stopping it
        while (reader == 0)
            ::close(::open(rohr.c_str(), O_RDONLY));  // waits for a writer, then goes
        bool brokenPipe = false;
        for (int i = 0; i < 2000 && !brokenPipe; ++i) {
            ::usleep(200);  // the reader waits in open again
            session.save("Rohr");
            brokenPipe = session.window().lastMessage.ends_with("(am anderen Ende liest niemand mehr).");
        }
        ::kill(reader, SIGKILL);
        ::waitpid(reader, nullptr, 0);
        EXPECT_TRUE(brokenPipe);
        // The next level's file turns into a pipe while the game runs.
        std::filesystem::remove(folder.path / "B.ZVK");
        ::mkfifo((folder.path / "B.ZVK").c_str(), 0666);
        session.key(kKeyRight, 0);
        EXPECT_EQ(session.window().lastMessage, kNoLevels + "\nFehler in „B.ZVK“: Die Levelzeile ist leer.");
        session.close();
        EXPECT_EQ(session.window().warningCount, 2);  // the level change and the close: no reader
    });
    EXPECT_TRUE(std::filesystem::is_fifo(folder.path / kLastGameFile));
}

// A level file turned into a folder or a pipe is in the soak and the pipe test above; a file gone before its
// level starts is in the level tests.
TEST(FileSystemFaults, LevelInPlayOutlivesItsFile)
{
    const WorkFolder folder("zorvik-faults");
    writeFile(folder.path / "A.ZVK", kOneDot);
    Session session(folder.path);
    session.start();

    // The level in play lives in memory: its file may go, restarts need it no more.
    std::filesystem::remove(folder.path / "A.ZVK");
    session.resize(9000, 6000, 0);
    session.save("");
    session.key(kKeyDown, 0);  // into the wall
    EXPECT_EQ(std::pair(session.game().LevelText, session.window().messageCount), std::pair(std::string("\xF6.##"), 0L));
}

TEST(FileSystemFaults, HugeFilesAreReadOnlyAsFarAsTheyMatter)
{
    const WorkFolder folder("zorvik-faults");
    for (const char* name : {"A.ZVK", kLastGameFile}) {
        writeFile(folder.path / name, ".");
        std::filesystem::resize_file(folder.path / name, 1ull << 30);  // a gibibyte, sparse
    }
    Session session(folder.path);
    session.start();
    EXPECT_EQ(session.game().LevelNr, 0);
    EXPECT_EQ(session.window().lastMessage,
              kNoLevels + "\nFehler in „A.ZVK“: Die Datei lässt sich nicht lesen (die erste Zeile ist länger als jedes mögliche Level).");
    session.close();
    EXPECT_EQ(readFile(folder.path / kLastGameFile), " 0 \r\n");
}

} // namespace
} // namespace zorvik::reliability
