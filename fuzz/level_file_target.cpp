// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the bytes of a level file through reading and the level start, then the actions that the
// bytes after its first line spell (the game ignores those lines, so every input is a real level file).
//
// Actions, one byte each, some with argument bytes after them:
//   L R U D  arrow keys          M x y  mouse move to (x, y) x 100 twips, signed bytes
//   C        click               S      the speed label
//   W c      colour chooser: c = 0 closed, 1 black, 2 white, else c x 65793
//   s n, l n save or load the level start under name number n     Z w h  resize to w x 40, h x 40 twips
//   N        minimise            Q      close the window and start again
//   any other byte: that key code
#include "levels/level_file.h"
#include "soak/session.h"
#include "soak/soak.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

using namespace zorvik;
using namespace zorvik::reliability;

namespace {

const std::string kNoLevels = "Es sind keine Level vorhanden! Ich werde ein Demo-Level speichern.";
constexpr int kMostActions = 200;

const std::filesystem::path& workFolder()
{
    static const std::filesystem::path folder = [] {
        auto made = makeWorkFolder("zorvik-fuzz-level-file");
        std::atexit([] {
            std::error_code error;
            std::filesystem::remove_all(workFolder(), error);
        });
        return made;
    }();
    return folder;
}

void emptyFolder(const std::filesystem::path& folder)
{
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::remove_all(entry.path());
}

void play(Session& session, std::string_view script)
{
    const std::vector<std::string> names{"", "Stand", "A.ZVK", "fehlt/Stand", ".", "Zorvik letzter Spielstand"};
    auto next = [&](std::size_t& at) -> unsigned char { return at < script.size() ? static_cast<unsigned char>(script[at++]) : 0; };
    int actions = 0;
    for (std::size_t at = 0; at < script.size() && actions < kMostActions; ++actions) {
        if (!session.running()) {
            session.start();
            continue;
        }
        const char action = script[at++];
        switch (action) {
        case 'L': session.key(kKeyLeft, 0); break;
        case 'R': session.key(kKeyRight, 0); break;
        case 'U': session.key(kKeyUp, 0); break;
        case 'D': session.key(kKeyDown, 0); break;
        case 'M': {
            const auto x = static_cast<signed char>(next(at));
            const auto y = static_cast<signed char>(next(at));
            session.mouseMove(x * 100.0f, y * 100.0f);
            break;
        }
        case 'C': session.click(); break;
        case 'S': session.toggleSpeed(); break;
        case 'W': {
            const int c = next(at);
            session.chooseColour(c != 0, c == 1 ? 0 : c == 2 ? 16777215 : c * 65793);
            break;
        }
        case 's': session.save(names[next(at) % names.size()]); break;
        case 'l': session.load(names[next(at) % names.size()]); break;
        case 'Z': {
            const float w = next(at) * 40.0f;
            const float h = next(at) * 40.0f;
            session.resize(w, h, 0);
            break;
        }
        case 'N': session.resize(session.window().scaleWidth, session.window().scaleHeight, 1); break;
        case 'Q': session.close(); break;
        default: session.key(static_cast<unsigned char>(action), 0); break;
        }
    }
    if (session.running())
        session.close();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto& folder = workFolder();
    emptyFolder(folder);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(folder / "A.ZVK", std::ios::binary) << bytes;

    const auto lineEnd = bytes.find_first_of("\r\n");
    const std::string firstLine = bytes.substr(0, lineEnd);
    std::size_t scriptStart = lineEnd == std::string::npos ? bytes.size() : lineEnd + 1;
    if (lineEnd != std::string::npos && bytes[lineEnd] == '\r' && scriptStart < bytes.size() && bytes[scriptStart] == '\n')
        ++scriptStart;

    Session session(folder);
    try {
        session.start();
        // Either the level plays as its first line says, or the player is told and the demo level plays.
        const WatchedGame& game = session.game();
        if (session.window().messageCount == 0) {
            if (game.LevelText != decodeLevelLine(firstLine))
                throw BrokenInvariant("the level in play is not the file's first line, and nobody was told");
        } else {
            const std::string& message = session.window().lastMessage;
            if (session.window().messageCount != 1 || game.LevelText != kDemoLevelText ||
                message.rfind(kNoLevels + "\nFehler in „A.ZVK“: ", 0) != 0 || message.size() < kNoLevels.size() + 25)
                throw BrokenInvariant("a level that cannot be played gave no clear message and no demo level: " + message);
        }
        play(session, std::string_view(bytes).substr(scriptStart));
    } catch (const BrokenInvariant& e) {
        std::fprintf(stderr, "%s\n", e.what());
        std::abort();
    }
    return 0;
}
