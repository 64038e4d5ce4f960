// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the command line before any window exists, so that help, version and mistakes need no display.
#include "command_line.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <unistd.h>

namespace zorvik {

namespace {

const char* const kHelp =
    "usage: zorvik [--level N] [FOLDER]\n"
    "Zorvik, a worm puzzle: steer the worm with the arrow keys, eat every dot, and the next level opens.\n"
    "Plays the level files (*.ZVK) of the level folder in name order and starts where the last game ended.\n"
    "\n"
    "  FOLDER      the level folder; without it $ZORVIK_LEVEL_FOLDER, else\n"
    "              ${XDG_DATA_HOME:-~/.local/share}/zorvik, which gets the level pack\n"
    "  --level N   start at level N (1 is the first) instead of where the last game ended\n"
    "  --help      show this help and end\n"
    "  --version   show the version and end\n"
    "\n"
    "The manual: man 6 zorvik\n";

std::optional<int> levelNumber(const std::string& text)
{
    int number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || text[0] == '-' || text[0] == '+' || error != std::errc() || stop != end || number < 1)
        return std::nullopt;
    return number;
}

CommandLine endWith(int status) { return CommandLine{status, std::nullopt}; }

} // namespace

CommandLine readCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    CommandLine command;
    std::optional<std::string> folder;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            out << kHelp;
            return endWith(0);
        }
        if (!optionsEnded && argument == "--version") {
            out << "zorvik " ZORVIK_VERSION "\n";
            return endWith(0);
        }
        if (!optionsEnded && (argument == "--level" || argument.rfind("--level=", 0) == 0)) {
            const bool joined = argument != "--level";
            if (!joined && i + 1 == argc) {
                err << "zorvik: --level needs a level number, 1 for the first level\n";
                return endWith(2);
            }
            const std::string value = joined ? argument.substr(8) : argv[++i];
            command.level = levelNumber(value);
            if (!command.level) {
                err << "zorvik: --level needs a level number, 1 for the first level, not \"" << value << "\"\n";
                return endWith(2);
            }
        } else if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            err << "zorvik: unknown option \"" << argument << "\" (zorvik --help lists the options)\n";
            return endWith(2);
        } else if (folder) {
            err << "zorvik: one level folder only, not \"" << *folder << "\" and \"" << argument << "\"\n";
            return endWith(2);
        } else {
            folder = argument;
        }
    }
    if (folder && ::chdir(folder->c_str()) != 0) {
        err << "zorvik: cannot open the level folder \"" << *folder << "\": " << std::strerror(errno) << "\n";
        return endWith(2);
    }
    return command;
}

bool levelExists(int level, int levelCount, std::ostream& err)
{
    if (level <= std::max(levelCount, 1))
        return true;
    err << "zorvik: there is no level " << level << ": the level folder holds " << levelCount
        << (levelCount == 1 ? " level\n" : " levels\n");
    return false;
}

} // namespace zorvik
