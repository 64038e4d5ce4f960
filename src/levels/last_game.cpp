// SPDX-License-Identifier: GPL-3.0-or-later
// The last game: the level number read at start-up and written whenever it changes and when the window closes.
#include "levels/last_game.h"

#include "levels/file_access.h"
#include "levels/level_number.h"
#include "levels/text_encoding.h"
#include "model/game.h"

namespace zorvik {

void Game::LetztesLevelLaden()
{
    // A missing or unreadable file, or one without a usable number, leaves LevelNr as start-up set it.
    try {
        if (const auto number = readLevelNumber(readFileStart(folder() / kLastGameFile, kNumberFileStart)))
            LevelNr = *number;
    } catch (const FileError&) {
    }
    lastGameNumber_ = LevelNr;
}

void Game::Form_Unload() { saveLastGame(); }

void Game::keepLastGame()
{
    // A number that failed to go in is not tried again before the next change or the close: one warning each.
    if (LevelNr != lastGameNumber_) {
        lastGameNumber_ = LevelNr;
        saveLastGame();
    }
}

void Game::saveLastGame()
{
    const auto file = folder() / kLastGameFile;
    try {
        saveFile(file, levelNumberLine(LevelNr));
    } catch (const FileError& e) {
        // The game goes on all the same; the terminal learns why the next start will not resume here.
        window().Warning("Zorvik: Der letzte Spielstand ließ sich nicht in „" + shownName(file.string()) +
                         "“ speichern (" + e.what() + ").");
    }
}

} // namespace zorvik
