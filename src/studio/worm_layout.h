// SPDX-License-Identifier: GPL-3.0-or-later
// The starting worm as the game reads it: a head with its body in a row to the right.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik::studio {

// The worm's cells from the head to the tail (level-text indices), when the level holds one head and
// every body cell lies in an unbroken row right of it; nothing otherwise.
std::optional<std::vector<int>> startableWorm(std::string_view text);

// Lays a worm, `cells` its characters from the head to the tail, as a startable row into a level whose
// worm cells are empty; `wanted` holds a cell for each (the same order), where it would like to lie.
// The row never covers a wall. A dot or shortening cell under it swaps places with the worm: it moves to
// one of the wanted cells the row leaves free, in reading order, so the level keeps all its cells. Of all
// rows the nearest: least summed distance to `wanted`, then fewest cells moved, then the head nearest
// to its wanted cell, then the first in reading order. Nothing when no row fits.
std::optional<std::string> layWorm(std::string_view text, std::string_view cells, const std::vector<int>& wanted);

} // namespace zorvik::studio
