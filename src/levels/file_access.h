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

// Creates or overwrites the file, flushed to the disk before it returns.
void writeFile(const std::filesystem::path& file, std::string_view bytes);

// The same, but through a temporary file in the same folder that is renamed over the old one,
// so a crash or power loss leaves either the old or the new content, never a part.
void writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

} // namespace zorvik
