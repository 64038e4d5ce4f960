// The drawing of a move.
#include "model/game.h"

namespace zorvik {

void Game::slide() {}
void Game::drawHead() {}
void Game::blankVacatedCell() {}
void Game::removeSegments(int) {}

} // namespace zorvik
