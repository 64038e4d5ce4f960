// Start-up.
#include "model/game.h"

namespace zorvik {

void Game::Form_load() {}

} // namespace zorvik
