// The death animation.
#include "model/game.h"

namespace zorvik {

void Game::Tot() {}

} // namespace zorvik
