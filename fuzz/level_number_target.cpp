// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the bytes of a last-game or level-start file through the number reader, start-up, the load
// label and the close that writes the number back.
#include "levels/last_game.h"
#include "levels/level_number.h"
#include "soak/session.h"

#include <cstdint>
#include <string>

using namespace zorvik;
using namespace zorvik::reliability;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // A broken invariant is not caught: the abort that ends it is reported with its message.
    // What the reader takes is the level tests' table; here that it never breaks and a number survives.
    const auto number = readLevelNumber(bytes);
    if (number && readLevelNumber(levelNumberLine(*number)) != number)
        throw BrokenInvariant("the number " + std::to_string(*number) + " does not survive a write and a read");

    static const WorkFolder work("zorvik-fuzz-level-number");
    for (const char* name : {"A.ZVK", "B.ZVK", "C.ZVK"})
        writeFile(work.path / name, "\xF6.o.\r\n");
    writeFile(work.path / kLastGameFile, bytes);
    writeFile(work.path / "Stand", bytes);
    // The session checks that start-up, the load and the close do with the number what the game says.
    Session session(work.path);
    session.start();
    session.load("Stand");
    session.close();
    return 0;
}
