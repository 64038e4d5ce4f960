// SPDX-License-Identifier: GPL-3.0-or-later
// What the game program checks and prepares before the toolkit starts: a display to show the window on, and
// room to work under a low limit of open files.
#pragma once

#include <optional>
#include <string>

namespace zorvik {

// DISPLAY or WAYLAND_DISPLAY is set, or QT_QPA_PLATFORM names a platform that needs none (offscreen, for one).
bool displayAvailable();

// Why there is no screen for the window, as one line for the player; nothing when there is one.
std::optional<std::string> missingDisplay();

// Under a low limit of open files: raises the limit as far as the system allows, and where it stays low,
// keeps the X server from handing over images in shared memory, whose descriptors the toolkit waits for
// for ever when it cannot take them (the game then hangs with its window half drawn). Standard input, which
// the game never reads, is kept back for the saves.
void prepareForFewDescriptors();

// A relative path in XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_STATE_HOME or XDG_CACHE_HOME is invalid, as the XDG
// base folders have it (the toolkit took it, and its settings landed inside the level folder): such a value
// is taken out of the environment, so that everything falls back on the folders under $HOME. Call before the
// toolkit starts.
void ignoreRelativeBaseFolders();

// All of the above and SIGPIPE ignored:
// false, with the line printed on standard error, when the game cannot start here.
bool canStart();

} // namespace zorvik
