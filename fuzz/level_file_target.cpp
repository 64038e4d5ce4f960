// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the bytes of a level file through reading and the level start, then the actions that the
// bytes after its first line spell (the game ignores those lines, so every input is a real level file).
// The actions are spelt as in the soak (tests/soak/session.h).
#include "levels/level_file.h"
#include "soak/session.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

using namespace zorvik;
using namespace zorvik::reliability;

constexpr int kMostActions = 200;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const WorkFolder work("zorvik-fuzz-level-file");
    for (const auto& entry : std::filesystem::directory_iterator(work.path))
        std::filesystem::remove_all(entry.path());
    makeFullDevice(work.path);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    writeFile(work.path / "A.ZVK", bytes);

    // The line feed of a CR LF is the first action: a key that does nothing.
    const auto lineEnd = std::min(bytes.find_first_of("\r\n"), bytes.size());

    Session session(work.path);
    // A broken invariant is not caught: the abort that ends it is reported with its message.
    session.start();
    // Either the level plays as its first line says, or the player is told once and the demo level plays
    // (what the message says is the level tests' business).
    const bool told = session.window().messageCount > 0;
    if (session.game().LevelText != (told ? std::string(kDemoLevelText) : decodeLevelLine(bytes.substr(0, lineEnd))) || session.window().messageCount > 1)
        throw BrokenInvariant("the level in play is neither the file's first line nor, with one message, the demo level");
    play(session, std::string_view(bytes).substr(std::min(lineEnd + 1, bytes.size())), kMostActions);
    if (session.running())
        session.close();
    return 0;
}
