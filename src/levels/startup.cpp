// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: what killed saves left behind, the caption, the defaults, the colour tables, the last game and the first level.
#include "levels/file_access.h"
#include "model/game.h"

#include <string>

namespace zorvik {

void Game::Form_load()
{
    removeStaleTemporaryFiles(folder());
    // The count is taken once: a demo level written later does not change it.
    window().SetCaption(window().Caption() + " / " + std::to_string(AlleLevel.ListCount()) + " Levels");
    setStartDefaults();
    LetztesLevelLaden();
    if (startLevelNr)
        LevelNr = *startLevelNr;
    LevelLaden();
}

void Game::setStartDefaults()
{
    Weiss = 16777215;
    WurmFarbe = 0;
    Endung = ".ZVK";
    Pinsel = " ";
    LevelNr = 0;
    buildColourTables();  // counts its entries in LevelNr
    LevelNr = 0;
    MauerVersatz = 7;
    PunktVersatz = 2;
}

} // namespace zorvik
