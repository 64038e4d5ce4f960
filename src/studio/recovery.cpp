// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies on disk, one per running studio, named by its process.
#include "studio/recovery.h"

#include "levels/file_access.h"
#include "studio/level_edits.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include <sys/stat.h>

namespace zorvik::studio {

namespace {

const std::string kPrefix = "studio-recovery-";
const std::string kSuffix = ".ZVK";
// A level line, its line end and a path.
constexpr std::size_t kLargestCopy = kLargestSide * kLargestSide + 2 + 8192;

std::optional<int> ownerOf(const std::string& name)
{
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix))
        return std::nullopt;
    const std::string digits = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(digits);
}

// A process of that number that is a studio; a number taken over by another program does not hide the copy.
bool studioRunning(int pid)
{
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    return std::getline(comm, name) && name == "zorvik-studio";
}

} // namespace

std::optional<std::filesystem::path> recoveryFolder(const char* stateHome, const char* home)
{
    if (stateHome != nullptr && stateHome[0] == '/')
        return std::filesystem::path(stateHome) / "zorvik";
    if (home != nullptr && home[0] == '/')
        return std::filesystem::path(home) / ".local/state/zorvik";
    return std::nullopt;
}

std::optional<std::filesystem::path> recoveryFolder() { return recoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")); }

std::filesystem::path recoveryFile(const std::filesystem::path& folder, int pid)
{
    return folder / (kPrefix + std::to_string(pid) + kSuffix);
}

void writeRecovery(const std::filesystem::path& file, const RecoveryCopy& copy)
{
    const std::filesystem::path folder = file.parent_path();
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        // The state folder holds what the user did; the XDG rules give it to its owner alone.
        std::filesystem::create_directories(folder.parent_path(), error);
        ::mkdir(folder.c_str(), 0700);
    }
    saveFile(file, copy.levelText + "\r\n" + copy.document.string() + "\r\n");
}

std::optional<RecoveryCopy> readRecovery(const std::filesystem::path& file)
{
    std::string bytes;
    try {
        bytes = readFileStart(file, kLargestCopy);
    } catch (const FileError&) {
        return std::nullopt;
    }
    const std::size_t end = bytes.find("\r\n");
    if (end == std::string::npos || !bytes.ends_with("\r\n") || levelSide(std::string_view(bytes).substr(0, end)) == 0)
        return std::nullopt;
    // The path is the rest: a file name may hold a line break of its own.
    return RecoveryCopy{bytes.substr(0, end), bytes.substr(end + 2, bytes.size() - end - 4)};
}

std::vector<std::filesystem::path> leftRecoveries(const std::filesystem::path& folder, int ownPid)
{
    removeStaleTemporaryFiles(folder);
    std::vector<std::pair<std::filesystem::file_time_type, std::filesystem::path>> found;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const auto owner = ownerOf(entry->path().filename().string());
        std::error_code kind;
        if (owner && entry->is_regular_file(kind) && (*owner == ownPid || !studioRunning(*owner)))
            found.emplace_back(entry->last_write_time(kind), entry->path());
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::filesystem::path> files;
    for (auto& [time, file] : found)
        files.push_back(std::move(file));
    return files;
}

} // namespace zorvik::studio
