// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading a level start: the level number in a file the player picks.
#include "levels/file_access.h"
#include "levels/last_game.h"
#include "levels/level_number.h"
#include "levels/text_encoding.h"
#include "model/game.h"

#include <unistd.h>

namespace zorvik {

namespace {

// A chosen name as a path: absolute names as given, relative ones inside the game's folder.
std::filesystem::path chosenFile(const Game& game)
{
    const std::filesystem::path file(game.Spielfeld);
    return file.is_relative() ? game.folder() / file : file;
}

// A regular file is replaced whole, so a save that fails (a full disk) leaves the earlier level start as it
// was. A device or a pipe is written in place, and so is a file that is write-protected (the write then
// fails as the player meant it to) or in a folder that takes no new file.
void saveNumber(const std::filesystem::path& file, const std::string& line)
{
    std::error_code error;
    std::filesystem::path target = file;
    if (std::filesystem::is_symlink(file, error))
        if (auto resolved = std::filesystem::canonical(file, error); !error)
            target = resolved;
    const auto type = std::filesystem::status(target, error).type();
    const auto folder = target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    const bool replaceable = type == std::filesystem::file_type::not_found ||
                             (type == std::filesystem::file_type::regular && ::access(target.c_str(), W_OK) == 0);
    if (replaceable && ::access(folder.c_str(), W_OK) == 0)
        writeFileAtomically(target, line);
    else
        writeFile(target, line);
}

} // namespace

void Game::Speichern_Click()
{
    window().DialogTitle("Level-Nummer speichern");
    window().ShowSave();
    Spielfeld = window().FileName();
    if (!Spielfeld.empty()) {
        try {
            saveNumber(chosenFile(*this), levelNumberLine(LevelNr));
        } catch (const FileError& e) {
            window().MsgBox("Die Level-Nummer wurde nicht gespeichert: „" + shownName(Spielfeld) +
                            "“ lässt sich nicht schreiben (" + e.what() + ").");
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
            if (const auto number = readLevelNumber(readFileStart(chosenFile(*this), kNumberFileStart)))
                LevelNr = *number;
            else
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
