// The option controls.
#include "model/game.h"

namespace zorvik {

void Game::SchnellFlüssig_Click() {}
void Game::WurmFrame_Click() {}

} // namespace zorvik
