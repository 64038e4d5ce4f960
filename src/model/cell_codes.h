// SPDX-License-Identifier: GPL-3.0-or-later
// The cell characters of a level text, as Windows-1252 bytes.
#pragma once

namespace zorvik {

inline constexpr char kWall = '#';
inline constexpr char kDot = '.';
inline constexpr char kHalving = ',';
inline constexpr char kCutting = 'x';
inline constexpr char kHead = '\xF6';       // ö
inline constexpr char kSegment = 'o';
inline constexpr char kSegmentAlt = '\xE4'; // ä
inline constexpr char kBlank = ' ';

inline bool isWormCell(char c) { return c == kHead || c == kSegment || c == kSegmentAlt; }

} // namespace zorvik
