// SPDX-License-Identifier: GPL-3.0-or-later
// A level text that cannot be set up, with the reason in the player's words.
#pragma once

#include <stdexcept>
#include <string>

namespace zorvik {

class LevelStartError : public std::runtime_error {
public:
    explicit LevelStartError(const std::string& reason) : std::runtime_error(reason) {}
};

} // namespace zorvik
