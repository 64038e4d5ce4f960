// SPDX-License-Identifier: GPL-3.0-or-later
// File operations on POSIX descriptors, so every failure keeps its error number.
#include "levels/file_access.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <pthread.h>
#include <random>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace zorvik {

namespace {

[[noreturn]] void fail(int errorNumber) { throw FileError(germanReason(errorNumber)); }

int spareDescriptor = -1;
bool spareLent = false;

void takeSpareBack()
{
    if (spareLent) {
        spareDescriptor = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        spareLent = spareDescriptor < 0;
    }
}

// open(2), falling back on the spare descriptor when the process has no other left.
int openFile(const char* path, int flags, mode_t mode = 0)
{
    int fd = ::open(path, flags | O_CLOEXEC, mode);
    if (fd < 0 && errno == EMFILE && spareDescriptor >= 0) {
        ::close(spareDescriptor);
        spareDescriptor = -1;
        spareLent = true;
        fd = ::open(path, flags | O_CLOEXEC, mode);
        if (fd < 0) {
            const int error = errno;
            takeSpareBack();
            errno = error;
        }
    }
    return fd;
}

// Closes the descriptor on every path out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
            takeSpareBack();
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports what close says: a late write error shows up here.
    void close()
    {
        const int fd = fd_;
        fd_ = -1;
        const int result = ::close(fd);
        const int error = errno;
        takeSpareBack();
        if (result != 0)
            fail(error);
    }

private:
    int fd_;
};

// While it lives, a write to a pipe without a reader fails with EPIPE instead of raising SIGPIPE, which
// would end the program; the SIGPIPE that such a write leaves pending is taken away again.
class BrokenPipeAsError {
public:
    BrokenPipeAsError()
    {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe_, &before_);
    }
    ~BrokenPipeAsError()
    {
        const timespec now{0, 0};
        while (sigtimedwait(&pipe_, nullptr, &now) == SIGPIPE) {
        }
        pthread_sigmask(SIG_SETMASK, &before_, nullptr);
    }
    BrokenPipeAsError(const BrokenPipeAsError&) = delete;
    BrokenPipeAsError& operator=(const BrokenPipeAsError&) = delete;

private:
    sigset_t pipe_;
    sigset_t before_;
};

// Writes the bytes from the descriptor's offset on; a regular file is then cut to where they end.
void writeAll(const Descriptor& out, std::string_view bytes)
{
    const BrokenPipeAsError noSignal;
    const auto length = static_cast<off_t>(bytes.size());
    while (!bytes.empty()) {
        const ssize_t written = ::write(out.get(), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    struct stat kind {};
    if (::fstat(out.get(), &kind) == 0 && S_ISREG(kind.st_mode) && kind.st_size > length && ::ftruncate(out.get(), length) != 0)
        fail(errno);
    // Devices and pipes have nothing to flush and say so with EINVAL.
    if (::fsync(out.get()) != 0 && errno != EINVAL)
        fail(errno);
}

// Writes over the file where it is. The old bytes are only cut off once the new ones are written, so a
// write that fails at once leaves the file as it was, never empty.
void overwrite(const std::filesystem::path& file, std::string_view bytes)
{
    // Without O_NONBLOCK a pipe in place of the file would wait for a reader for ever.
    Descriptor out(openFile(file.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK, 0666));
    if (out.get() < 0)
        fail(errno);
    writeAll(out, bytes);
    out.close();
}

// Part of every temporary file's name and of no name a player gives, so that the cleaner never takes theirs.
constexpr std::string_view kTemporaryMark = ".zorvik-tmp-";

// A hidden name that no level list shows, with the process number so that a later start can tell a file
// left by a killed save from one in use, and short enough for the file system even beside a long name.
std::filesystem::path temporaryName(const std::filesystem::path& file, unsigned random)
{
    return file.parent_path() / ("." + file.filename().string().substr(0, 100) + std::string(kTemporaryMark) +
                                 std::to_string(::getpid()) + "-" + std::to_string(random));
}

// The process that made a temporary file of that name; nothing when the name is none of ours.
std::optional<pid_t> temporaryFileOwner(const std::string& name)
{
    const auto mark = name.rfind(kTemporaryMark);
    if (name.size() < 2 || name[0] != '.' || mark == std::string::npos || mark < 2 || mark > 101)
        return std::nullopt;
    const auto dash = name.find('-', mark + kTemporaryMark.size());
    if (dash == std::string::npos)
        return std::nullopt;
    const std::string pid = name.substr(mark + kTemporaryMark.size(), dash - mark - kTemporaryMark.size());
    const std::string random = name.substr(dash + 1);
    auto digits = [](const std::string& s) { return !s.empty() && s.size() <= 10 && s.find_first_not_of("0123456789") == std::string::npos; };
    if (!digits(pid) || !digits(random) || std::stoll(pid) <= 0 || std::stoll(pid) > 0x7FFFFFFF)
        return std::nullopt;
    return static_cast<pid_t>(std::stoll(pid));
}

// The names of a file's extended attributes, which `list` fills in as listxattr does; none where the file
// system keeps none, nothing when they cannot be read.
template <typename List>
std::optional<std::vector<std::string>> attributeNames(List list)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const ssize_t size = list(nullptr, 0);
        if (size <= 0)
            return size == 0 || errno == ENOTSUP ? std::optional(std::vector<std::string>{}) : std::nullopt;
        std::string names(static_cast<std::size_t>(size), '\0');
        const ssize_t got = list(names.data(), names.size());
        if (got < 0 && errno == ERANGE)  // one was added meanwhile
            continue;
        if (got < 0)
            return std::nullopt;
        names.resize(static_cast<std::size_t>(got));
        std::vector<std::string> result;
        for (std::size_t at = 0; at < names.size(); at += result.back().size() + 1)
            result.emplace_back(names.c_str() + at);  // each name ends in a NUL
        return result;
    }
    return std::nullopt;
}

// Gives the new file exactly the extended attributes of the old one: its ACL (system.posix_acl_access) and
// the player's own attributes stay, and an ACL the new file took from its folder's default goes. False when
// one of them cannot be read or set, say one of the security namespace that only an administrator may set.
bool copyAttributes(const std::filesystem::path& from, int to)
{
    const auto wanted = attributeNames([&](char* names, std::size_t size) { return ::listxattr(from.c_str(), names, size); });
    const auto present = attributeNames([&](char* names, std::size_t size) { return ::flistxattr(to, names, size); });
    if (!wanted || !present)
        return false;
    for (const auto& name : *present)
        if (std::find(wanted->begin(), wanted->end(), name) == wanted->end() && ::fremovexattr(to, name.c_str()) != 0)
            return false;
    for (const auto& name : *wanted) {
        const ssize_t size = ::getxattr(from.c_str(), name.c_str(), nullptr, 0);
        std::string value(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
        if (size < 0 || ::getxattr(from.c_str(), name.c_str(), value.data(), value.size()) != size ||
            ::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0)
            return false;
    }
    return true;
}

// Writes a temporary file beside `file` and renames it over it. Given `old`, the temporary file takes its
// owner, group, extended attributes and permissions first; false when it cannot, or when the folder takes no
// file of ours: then nothing has changed.
bool replace(const std::filesystem::path& file, std::string_view bytes, const struct stat* old)
{
    std::random_device seed;
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = temporaryName(file, seed());
        fd = openFile(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, old ? 0600 : 0666);
        if (fd < 0 && old && (errno == EACCES || errno == EPERM))
            return false;
        if (fd < 0 && (errno != EEXIST || attempt == 9))
            fail(errno);
    }
    try {
        Descriptor out(fd);
        // The owner first: changing it clears the set-user and set-group bits. The permissions after the ACL:
        // with an ACL the group's bits are its mask, which setting the ACL recomputes.
        if (old && (::fchown(fd, old->st_uid, old->st_gid) != 0 || !copyAttributes(file, fd) ||
                    ::fchmod(fd, old->st_mode & 07777) != 0)) {
            ::unlink(temporary.c_str());
            return false;
        }
        writeAll(out, bytes);
        out.close();
        if (::rename(temporary.c_str(), file.c_str()) != 0)
            fail(errno);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    // The rename itself reaches the disk with the folder's entry.
    Descriptor folder(openFile(file.parent_path().empty() ? "." : file.parent_path().c_str(), O_RDONLY | O_DIRECTORY));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return true;
}

// The file a chain of symbolic links ends at, which may not exist yet; the name itself when it is no link.
std::filesystem::path followLinks(std::filesystem::path file)
{
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!std::filesystem::is_symlink(file, error))
            return file;
        const auto target = std::filesystem::read_symlink(file, error);
        if (error)
            fail(error.value());
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    fail(ELOOP);
}

} // namespace

std::string germanReason(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT: return "Datei oder Ordner nicht gefunden";
    case EACCES:
    case EPERM: return "Zugriff verweigert";
    case EISDIR: return "das ist ein Ordner";
    case ENOTDIR: return "ein Teil des Pfades ist kein Ordner";
    case ENOSPC: return "kein Platz mehr auf dem Datenträger";
    case EDQUOT: return "Speicherkontingent erschöpft";
    case EROFS: return "der Datenträger ist schreibgeschützt";
    case EIO: return "Ein-/Ausgabefehler";
    case ENAMETOOLONG: return "der Name ist zu lang";
    case ENXIO: return "am anderen Ende ist niemand";
    case EPIPE: return "am anderen Ende liest niemand mehr";
    case EAGAIN: return "am anderen Ende wird nicht gelesen";
    case EMFILE:
    case ENFILE: return "zu viele offene Dateien";
    case ELOOP: return "zu viele symbolische Verknüpfungen";
    default: return std::strerror(errorNumber);
    }
}

std::string readFileStart(const std::filesystem::path& file, std::size_t count)
{
    // Without O_NONBLOCK a pipe in place of the file would wait for a writer for ever.
    Descriptor in(openFile(file.c_str(), O_RDONLY | O_NONBLOCK));
    if (in.get() < 0)
        fail(errno);
    std::string bytes(count, '\0');
    std::size_t filled = 0;
    while (filled < count) {
        const ssize_t got = ::read(in.get(), bytes.data() + filled, count - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN)  // a pipe with nothing in it yet
                break;
            fail(errno);
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

void saveFile(const std::filesystem::path& name, std::string_view bytes)
{
    const auto file = followLinks(name);
    // A save killed while writing left its temporary file here, which may be no folder that start-up cleans.
    removeStaleTemporaryFiles(file.parent_path().empty() ? "." : file.parent_path());
    struct stat old {};
    if (::stat(file.c_str(), &old) != 0) {
        if (errno != ENOENT)
            fail(errno);
        replace(file, bytes, nullptr);
        return;
    }
    // A write-protected file is written in place, so the write fails as the player meant it to.
    const bool replaceable =
        S_ISREG(old.st_mode) && old.st_nlink == 1 && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
    if (!replaceable || !replace(file, bytes, &old))
        overwrite(file, bytes);
}

void removeStaleTemporaryFiles(const std::filesystem::path& folder)
{
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const auto owner = temporaryFileOwner(entry->path().filename().string());
        std::error_code kind;
        if (owner && entry->is_regular_file(kind) && ::kill(*owner, 0) != 0 && errno == ESRCH)
            ::unlink(entry->path().c_str());
    }
}

void keepSpareDescriptor(int unneeded)
{
    if (spareDescriptor < 0)
        spareDescriptor = unneeded >= 0 && ::fcntl(unneeded, F_GETFD) != -1 ? unneeded : ::open("/dev/null", O_RDONLY | O_CLOEXEC);
}

} // namespace zorvik
