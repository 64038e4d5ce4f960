// Keyboard steering: arrow keys to the head's step and one move.
#include "model/game.h"

namespace zorvik {

void Game::Form_KeyDown(int, int) {}

} // namespace zorvik
