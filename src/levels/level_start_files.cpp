// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading a level start: the level number in a file the player picks.
#include "levels/file_access.h"
#include "levels/last_game.h"
#include "levels/level_file.h"
#include "model/level_list.h"
#include "levels/level_number.h"
#include "levels/text_encoding.h"
#include "model/game.h"

namespace zorvik {

namespace {

// A chosen name as a path: absolute names as given, relative ones inside the game's folder.
std::filesystem::path chosenFile(const Game& game)
{
    const std::filesystem::path file(game.Spielfeld);
    return file.is_relative() ? game.folder() / file : file;
}

// A file the game would play as a level: a level file by its name, as the level list takes it, whose first
// line passes the level reader and the level start. Any other file (notes, a picture) is no level, though
// nearly any line would start as one. A file that reads as a level number is a level-start file, though a
// lone digit would also make a 1 × 1 level.
bool holdsPlayableLevel(const std::filesystem::path& file)
{
    std::error_code error;
    const auto target = std::filesystem::weakly_canonical(file, error);  // a link to a level is a level too
    if (!LevelList::isLevelFileName(file.filename().string()) && (error || !LevelList::isLevelFileName(target.filename().string())))
        return false;
    try {
        const std::string text = readLevelText(file);
        return !levelTextProblem(text) && !readLevelNumber(text);
    } catch (const FileError&) {
        return false;
    }
}

} // namespace

void Game::Speichern_Click()
{
    window().DialogTitle("Level-Nummer speichern");
    window().ShowSave();
    Spielfeld = window().FileName();
    if (!Spielfeld.empty()) {
        const std::string refused = "Die Level-Nummer wurde nicht gespeichert: „" + shownName(Spielfeld) + "“ ";
        const auto file = chosenFile(*this);
        try {
            // A slip of the mouse in the chooser must not turn a level into a number.
            if (holdsPlayableLevel(file))
                window().MsgBox(refused + "ist ein spielbares Level und bleibt, wie es ist.");
            else
                saveFile(file, levelNumberLine(LevelNr));
        } catch (const FileError& e) {
            window().MsgBox(refused + "lässt sich nicht schreiben (" + e.what() + ").");
        }
        Spielfeld = "";
    }
    Beginn();
}

void Game::Laden_Click()
{
    window().DialogTitle("Level-Nummer öffnen");
    window().ShowOpen();
    Spielfeld = window().FileName();
    if (!Spielfeld.empty()) {
        const std::string shown = "„" + shownName(Spielfeld) + "“";
        std::string problem;
        try {
            if (const auto number = readLevelNumber(readFileStart(chosenFile(*this), kNumberFileStart))) {
                LevelNr = *number;
                keepLastGame();
            } else
                problem = "In " + shown + " steht keine Level-Nummer von 0 bis 32767.";
        } catch (const FileError& e) {
            problem = shown + " lässt sich nicht lesen (" + e.what() + ").";
        }
        if (!problem.empty())
            window().MsgBox("Die Level-Nummer wurde nicht geladen: " + problem);
        Spielfeld = "";
    }
    Beginn();
}

} // namespace zorvik
