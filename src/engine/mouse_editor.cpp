// Level editing with the mouse.
#include "model/game.h"

namespace zorvik {

void Game::Form_MouseMove(int, int, float, float) {}
void Game::Form_Click() {}

} // namespace zorvik
