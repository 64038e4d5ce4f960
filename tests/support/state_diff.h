// SPDX-License-Identifier: GPL-3.0-or-later
// differences() and segments() now live with the test game.
#pragma once

#include "support/test_game.h"
