// SPDX-License-Identifier: GPL-3.0-or-later
// The game program's command line: zorvik [--level N] [FOLDER], --help and --version.
#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace zorvik {

struct CommandLine {
    // Set when the program is to end at once: after the help, the version or an error was printed.
    std::optional<int> exitStatus;
    // --level N: the level to start at as the window numbers levels, 1 for the first.
    std::optional<int> level;
};

// Reads the arguments and prints what they ask for on `out`, a mistake as one line on `err`. A level folder
// given becomes the working folder. Needs no display: the window system is not touched.
CommandLine readCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// Whether `level` can be started in a folder of `levelCount` levels (an empty folder plays its demo level as 1);
// one line on `err` when not.
bool levelExists(int level, int levelCount, std::ostream& err);

} // namespace zorvik
