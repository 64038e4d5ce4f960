// SPDX-License-Identifier: GPL-3.0-or-later
// The name of the file that keeps the level in play from one run to the next.
#pragma once

namespace zorvik {

inline constexpr const char* kLastGameFile = "Zorvik letzter Spielstand";

// How much of a number file is read: the number sits in its first few bytes.
inline constexpr int kNumberFileStart = 4096;

} // namespace zorvik
