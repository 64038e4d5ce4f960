// SPDX-License-Identifier: GPL-3.0-or-later
// segments() is declared with the test game; this name stays for the tests that include it.
#pragma once

#include "support/test_game.h"
