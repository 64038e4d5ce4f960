// One move of the worm.
#include "model/game.h"

namespace zorvik {

void Game::Los() {}

} // namespace zorvik
