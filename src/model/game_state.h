// SPDX-License-Identifier: GPL-3.0-or-later
// The one record of the game: every field, in declaration order, with its start value.
#pragma once

#include "model/canvas.h"
#include "model/numbers.h"

#include <array>
#include <cstdint>
#include <string>

namespace zorvik {

inline constexpr int kLastSegment = 1225;  // segment tables run 0 to 1225
inline constexpr int kLastPair = 111;      // colour tables run 0 to 111

using SegmentTable = std::array<Whole, kLastSegment + 1>;
using PairTable = std::array<Whole, kLastPair + 1>;

// Texts hold Windows-1252 bytes: one byte per cell character ("ö" is 0xF6, "ä" is 0xE4).
// A field that was never written reads as 0 or as the empty text.
struct GameState {
    std::string LevelText;
    std::string Spielfeld;
    std::string Endung;
    std::string Pinsel;
    Whole Zaehler2;
    double Ringe = 0;
    Whole Laenge;
    std::string Zelle;
    Whole LevelNr;
    double Seitenzellen = 0;
    double Zellgroesse = 0;
    double Radius = 0;
    Whole Zaehler;
    Whole RestPunkte;
    Whole Endlaenge;
    Whole ZelleX;
    Whole ZelleY;
    Whole AltX;
    Whole AltY;
    SegmentTable WurmX{};
    SegmentTable WurmY{};
    SegmentTable RichtungX{};
    SegmentTable RichtungY{};
    Colour Weiss = 0;
    Colour Farbe = 0;
    std::array<Colour, kLastSegment + 1> SegmentFarbe{};
    Colour WurmFarbe = 0;
    // Wider than a byte: fast moves of long worms on big cells need steps past 255.
    std::uint32_t Schritt = 0;
    Whole MauerVersatz;
    Whole PunktVersatz;
    PairTable StartRot{};
    PairTable ZielRot{};
    PairTable StartGruen{};
    PairTable ZielGruen{};
    PairTable StartBlau{};
    std::array<std::uint8_t, kLastPair + 1> ZielBlau{};
};

} // namespace zorvik
