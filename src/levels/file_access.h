// SPDX-License-Identifier: GPL-3.0-or-later
// The game's few file operations, failing with a reason the player can read.
#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zorvik {

// A file that could not be read or written; what() is the reason in German, e.g. "Zugriff verweigert".
class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& reason) : std::runtime_error(reason) {}
};

// The reason for a system error number, in German where the game knows it.
std::string germanReason(int errorNumber);

// Up to `count` bytes from the start of the file; throws FileError when it cannot be read.
std::string readFileStart(const std::filesystem::path& file, std::size_t count);

// Gives the file these bytes, flushed to the disk, and keeps what the file is. A symbolic link is followed
// and the file it ends at is written. A regular file is replaced through a temporary file in its folder that
// takes its permissions, owner and group and is renamed over it, so a crash or a full disk leaves either the
// old or the new content. Where a rename cannot keep what the file is (several hard links, a folder the
// player may not write, an owner the process cannot give, a file the player protected), and for devices
// and pipes, the file is overwritten in place: the old bytes stay until the new ones are there.
// A missing file is created. Extended attributes, the file's ACL among them, go over to the new file; where
// one cannot be set, the file is overwritten in place. Never raises SIGPIPE: a pipe without a reader fails
// like any write. What killed saves left in the file's folder goes first.
void saveFile(const std::filesystem::path& file, std::string_view bytes);

// Removes what saves of earlier runs left in the folder when they were killed: temporary files with the
// names saveFile gives (".NAME.zorvik-tmp-PROCESS-NUMBER"), and only those whose process is gone.
void removeStaleTemporaryFiles(const std::filesystem::path& folder);

// Keeps one descriptor back for the file operations above, so that a save at closing still finds one when
// the toolkit has taken all the others. Call once, early. `unneeded` is an open descriptor that the program
// has no use for and that becomes the spare one (standard input of a program with a window), so that the
// spare costs nothing; without it, one is opened.
void keepSpareDescriptor(int unneeded = -1);

} // namespace zorvik
