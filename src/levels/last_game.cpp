// The last game.
#include "model/game.h"

namespace zorvik {

void Game::LetztesLevelLaden() {}
void Game::Form_Unload() {}

} // namespace zorvik
