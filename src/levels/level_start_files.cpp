// Saving and loading a level start.
#include "model/game.h"

namespace zorvik {

void Game::Speichern_Click() {}
void Game::Laden_Click() {}

} // namespace zorvik
