// SPDX-License-Identifier: GPL-3.0-or-later
// File operations on POSIX descriptors, so every failure keeps its error number.
#include "levels/file_access.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace zorvik {

namespace {

[[noreturn]] void fail(int errorNumber) { throw FileError(germanReason(errorNumber)); }

// Closes the descriptor on every path out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports what close says: a late write error shows up here.
    void close()
    {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            fail(errno);
    }

private:
    int fd_;
};

void writeAll(const Descriptor& out, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(out.get(), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    // Devices and pipes have nothing to flush and say so with EINVAL.
    if (::fsync(out.get()) != 0 && errno != EINVAL)
        fail(errno);
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
    default: return std::strerror(errorNumber);
    }
}

std::string readFileStart(const std::filesystem::path& file, std::size_t count)
{
    // Without O_NONBLOCK a pipe in place of the file would wait for a writer for ever.
    Descriptor in(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
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

void writeFile(const std::filesystem::path& file, std::string_view bytes)
{
    // Without O_NONBLOCK a pipe in place of the file would wait for a reader for ever.
    Descriptor out(::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666));
    if (out.get() < 0)
        fail(errno);
    writeAll(out, bytes);
    out.close();
}

void writeFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
    // A hidden name no level list shows, unique among writers that might run at once, and short enough
    // for the file system even when the file's own name is near the longest it takes.
    std::random_device seed;
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = file.parent_path() / ("." + file.filename().string().substr(0, 100) + ".tmp" + std::to_string(::getpid()) +
                                          "-" + std::to_string(seed()));
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || attempt == 9))
            fail(errno);
    }
    try {
        Descriptor out(fd);
        writeAll(out, bytes);
        out.close();
        if (::rename(temporary.c_str(), file.c_str()) != 0)
            fail(errno);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    // The rename itself reaches the disk with the folder's entry.
    Descriptor folder(::open(file.parent_path().empty() ? "." : file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
}

} // namespace zorvik
