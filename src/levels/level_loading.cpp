// Loading a level.
#include "model/game.h"

namespace zorvik {

void Game::LevelLaden() {}

} // namespace zorvik
