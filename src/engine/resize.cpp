// Window resizing.
#include "model/game.h"

namespace zorvik {

void Game::Form_Resize() {}

} // namespace zorvik
