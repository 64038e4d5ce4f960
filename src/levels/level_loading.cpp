// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a level: the wrap-around, the captions, and the demo level when no level can be played.
#include "levels/file_access.h"
#include "levels/level_file.h"
#include "model/game.h"
#include "model/level_start_error.h"

#include <optional>

namespace zorvik {

namespace {

// Reads and starts the level at LevelNr; the reason in German when that fails.
std::optional<std::string> tryLevel(Game& game, const std::filesystem::path& file)
{
    try {
        game.LevelText = readLevelText(file);
        game.Beginn();
        return std::nullopt;
    } catch (const FileError& e) {
        return "Die Datei lässt sich nicht lesen (" + std::string(e.what()) + ").";
    } catch (const LevelStartError& e) {
        return e.what();
    } catch (const OverflowError&) {
        return "Eine Zahl des Levels sprengt den Zahlenbereich des Spiels.";
    } catch (const std::exception& e) {
        return "Das Level lässt sich nicht aufbauen (" + std::string(e.what()) + ").";
    }
}

} // namespace

void Game::LevelLaden()
{
    bool armed = true;
    for (;;) {
        if (LevelNr > AlleLevel.ListCount() - 1)
            LevelNr = 0;
        keepLastGame();
        window().SetControlCaption(Control::LevelFrame, "Level " + std::to_string(LevelNr + 1));

        // The message's second line, naming the file that failed; none when there is no file at all.
        std::string detail;
        if (LevelNr < AlleLevel.ListCount()) {
            const std::string name = AlleLevel.List(LevelNr);
            window().SetControlCaption(Control::LevelName, name.substr(0, name.size() - 4));
            const auto problem = tryLevel(*this, AlleLevel.filePath(LevelNr));
            if (!problem)
                return;
            detail = "Fehler in „" + name + "“: " + *problem;
        }

        if (!armed) {
            // A second failure in the same call: the demo level from memory, under the captions just set.
            LevelText = std::string(kDemoLevelText);
            Beginn();
            return;
        }
        armed = false;
        std::string message = "Es sind keine Level vorhanden! Ich werde ein Demo-Level speichern.";
        if (!detail.empty())
            message += "\n" + detail;
        if (const std::string note = saveDemoLevel(folder(), "NeuesLevel" + Endung); !note.empty())
            message += "\n" + note;
        AlleLevel.Refresh();
        window().MsgBox(message);
    }
}

} // namespace zorvik
