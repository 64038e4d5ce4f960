// SPDX-License-Identifier: GPL-3.0-or-later
// Renaming level files in two phases through temporary names, undone on a failure.
#include "studio/pack_order.h"

#include "levels/file_access.h"
#include "levels/text_encoding.h"
#include "model/level_list.h"
#include "studio/level_formats.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <set>
#include <fcntl.h>
#include <unistd.h>

namespace zorvik::studio {

namespace fs = std::filesystem;

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::vector<std::string> levelNames(const fs::path& folder)
{
    const LevelList list(folder);
    std::vector<std::string> names;
    for (int i = 0; i < list.ListCount(); ++i)
        names.push_back(list.filePath(i).filename().string());
    return names;
}

bool taken(const fs::path& file)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(file, error));
}

std::string solutionName(const std::string& level) { return solutionFile(level).string(); }

std::string inQuotes(std::string_view name) { return "„" + shownName(name) + "“"; }

// A rename that fails where the new name is taken, rather than replacing what is there.
int renameNoReplace(const fs::path& from, const fs::path& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without the flag: look first, as closely as it allows.
    if (taken(to))
        return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

std::string reason(int error) { return error == EEXIST ? "der Name ist schon vergeben" : germanReason(error); }

// Adds the level's rename and, when it has one, its solution file's.
void addWithSolution(const fs::path& folder, const std::string& from, const std::string& to, RenamePlan& plan)
{
    plan.renames.push_back({from, to});
    const std::string solution = solutionName(from);
    std::error_code error;
    if (fs::is_regular_file(folder / solution, error))
        plan.renames.push_back({solution, solutionName(to)});
}

// A problem when a new name is taken by a file that is not renamed itself, or given twice.
std::string collision(const fs::path& folder, const std::vector<Rename>& renames)
{
    std::set<std::string> freed, given;
    for (const Rename& rename : renames)
        freed.insert(rename.from);
    for (const Rename& rename : renames) {
        if (!given.insert(rename.to).second || (taken(folder / rename.to) && !freed.contains(rename.to)))
            return "Den Namen " + inQuotes(rename.to) + " gibt es schon; nichts wurde umbenannt.";
    }
    return {};
}

} // namespace

NumberedName splitNumber(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    NumberedName out;
    out.extension = dot == std::string_view::npos ? "" : std::string(fileName.substr(dot));
    const std::string_view stem = fileName.substr(0, dot);
    std::size_t at = 0;
    while (at < stem.size() && isDigit(stem[at]))
        ++at;
    if (at == 0) {
        out.rest = stem;
        return out;
    }
    if (at < stem.size() && stem[at] >= 'a' && stem[at] <= 'z' && (at + 1 == stem.size() || stem[at + 1] == ' '))
        ++at;
    out.number = stem.substr(0, at);
    while (at < stem.size() && (stem[at] == ' ' || stem[at] == '_' || stem[at] == '-'))
        ++at;
    out.rest = stem.substr(at);
    return out;
}

std::string numberedName(int number, int width, std::string_view fileName)
{
    const NumberedName parts = splitNumber(fileName);
    std::string digits = std::to_string(number);
    digits.insert(0, std::size_t(std::max(0, width - int(digits.size()))), '0');
    return digits + (parts.rest.empty() ? "" : " " + parts.rest) + parts.extension;
}

int numberWidth(std::size_t count) { return std::max(2, int(std::to_string(count).size())); }

RenamePlan planOrder(const fs::path& folder, const std::vector<std::string>& order)
{
    RenamePlan plan;
    std::vector<std::string> have = levelNames(folder), wanted = order;
    std::sort(have.begin(), have.end());
    std::sort(wanted.begin(), wanted.end());
    if (have != wanted) {
        plan.problem = "Die Levelmappe hat sich inzwischen geändert; nichts wurde umbenannt.";
        return plan;
    }
    const int width = numberWidth(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::string to = numberedName(int(i) + 1, width, order[i]);
        if (to != order[i])
            addWithSolution(folder, order[i], to, plan);
    }
    plan.problem = collision(folder, plan.renames);
    return plan;
}

RenamePlan planRename(const fs::path& folder, const std::string& from, std::string name)
{
    RenamePlan plan;
    if (!LevelList::isLevelFileName(name))
        name += ".ZVK";
    if (name.find('/') != std::string::npos || name.starts_with('.')) {
        plan.problem = "Ein Levelname darf keinen Schrägstrich enthalten und nicht mit einem Punkt beginnen.";
        return plan;
    }
    if (name != from)
        addWithSolution(folder, from, name, plan);
    plan.problem = collision(folder, plan.renames);
    return plan;
}

std::string carryOut(const fs::path& folder, const std::vector<Rename>& renames)
{
    struct Step {
        fs::path from, to;
    };
    std::vector<Step> done;
    auto undo = [&](const std::string& failure) {
        std::string left;
        for (auto step = done.rbegin(); step != done.rend(); ++step)
            if (renameNoReplace(step->to, step->from) != 0)
                left += " " + inQuotes(step->from.filename().string()) + " heißt jetzt " + inQuotes(step->to.filename().string()) + ".";
        return failure + (left.empty() ? " Alles ist wieder wie vorher." : " Nicht alles ließ sich zurücknehmen:" + left);
    };
    const std::string mark = "~zorvik-" + std::to_string(::getpid()) + "-";
    std::vector<fs::path> parked;
    for (std::size_t i = 0; i < renames.size(); ++i) {
        const fs::path from = folder / renames[i].from, to = folder / (mark + std::to_string(i) + "-" + renames[i].from);
        if (const int error = renameNoReplace(from, to))
            return undo(inQuotes(renames[i].from) + " ließ sich nicht umbenennen: " + reason(error) + ".");
        done.push_back({from, to});
        parked.push_back(to);
    }
    for (std::size_t i = 0; i < renames.size(); ++i) {
        const fs::path to = folder / renames[i].to;
        if (const int error = renameNoReplace(parked[i], to))
            return undo(inQuotes(renames[i].from) + " ließ sich nicht in " + inQuotes(renames[i].to) + " umbenennen: " + reason(error) + ".");
        done.push_back({parked[i], to});
    }
    return {};
}

std::string copyName(const fs::path& folder, const std::string& original)
{
    const std::vector<std::string> levels = levelNames(folder);
    const NumberedName parts = splitNumber(original);
    std::vector<std::string> candidates;
    if (!parts.number.empty() && !(parts.number.back() >= 'a' && parts.number.back() <= 'z'))
        for (char letter = 'a'; letter <= 'z'; ++letter)
            candidates.push_back(parts.number + letter + (parts.rest.empty() ? "" : " " + parts.rest) + parts.extension);
    const std::string stem = original.substr(0, original.size() - parts.extension.size());
    for (int n = 2; n < 1000; ++n)
        candidates.push_back(stem + std::to_string(n) + parts.extension);
    auto free = [&](const std::string& name) { return !taken(folder / name) && !taken(folder / solutionName(name)); };
    auto rightAfter = [&](const std::string& name) {
        return LevelList::inListOrder(original, name) && std::none_of(levels.begin(), levels.end(), [&](const std::string& level) {
                   return LevelList::inListOrder(original, level) && LevelList::inListOrder(level, name);
               });
    };
    for (const std::string& name : candidates)
        if (free(name) && rightAfter(name))
            return name;
    for (const std::string& name : candidates)
        if (free(name))
            return name;
    return {};
}

std::string copyLevel(const fs::path& folder, const std::string& original, const std::string& copy)
{
    std::vector<std::pair<std::string, std::string>> files{{original, copy}};
    std::error_code error;
    if (fs::is_regular_file(folder / solutionName(original), error))
        files.emplace_back(solutionName(original), solutionName(copy));
    std::vector<fs::path> made;
    for (const auto& [from, to] : files) {
        if (!fs::copy_file(folder / from, folder / to, fs::copy_options::none, error)) {
            const std::string failure = inQuotes(from) + " ließ sich nicht kopieren: " + reason(error.value()) + ".";
            for (const fs::path& file : made)
                fs::remove(file, error);
            return failure;
        }
        made.push_back(folder / to);
    }
    return {};
}

} // namespace zorvik::studio
