// SPDX-License-Identifier: GPL-3.0-or-later
// Field-by-field comparison of two game records.
#include "support/state_diff.h"

namespace zorvik::testing {

namespace {

template <typename T>
void compare(std::vector<std::string>& out, const char* name, const T& a, const T& b)
{
    if (!(a == b))
        out.emplace_back(name);
}

template <typename T, std::size_t N>
void compare(std::vector<std::string>& out, const char* name, const std::array<T, N>& a, const std::array<T, N>& b)
{
    for (std::size_t i = 0; i < N; ++i)
        if (!(a[i] == b[i]))
            out.push_back(std::string(name) + "(" + std::to_string(i) + ")");
}

} // namespace

std::vector<std::string> differences(const GameState& a, const GameState& b)
{
    std::vector<std::string> out;
#define ZORVIK_COMPARE(field) compare(out, #field, a.field, b.field)
    ZORVIK_COMPARE(LevelText); ZORVIK_COMPARE(Spielfeld); ZORVIK_COMPARE(Endung); ZORVIK_COMPARE(Pinsel);
    ZORVIK_COMPARE(Zaehler2); ZORVIK_COMPARE(Ringe); ZORVIK_COMPARE(Laenge); ZORVIK_COMPARE(Zelle);
    ZORVIK_COMPARE(LevelNr); ZORVIK_COMPARE(Seitenzellen); ZORVIK_COMPARE(Zellgroesse); ZORVIK_COMPARE(Radius);
    ZORVIK_COMPARE(Zaehler); ZORVIK_COMPARE(RestPunkte); ZORVIK_COMPARE(Endlaenge); ZORVIK_COMPARE(ZelleX);
    ZORVIK_COMPARE(ZelleY); ZORVIK_COMPARE(AltX); ZORVIK_COMPARE(AltY); ZORVIK_COMPARE(WurmX);
    ZORVIK_COMPARE(WurmY); ZORVIK_COMPARE(RichtungX); ZORVIK_COMPARE(RichtungY); ZORVIK_COMPARE(Weiss);
    ZORVIK_COMPARE(Farbe); ZORVIK_COMPARE(SegmentFarbe); ZORVIK_COMPARE(WurmFarbe); ZORVIK_COMPARE(Schritt);
    ZORVIK_COMPARE(MauerVersatz); ZORVIK_COMPARE(PunktVersatz); ZORVIK_COMPARE(StartRot); ZORVIK_COMPARE(ZielRot);
    ZORVIK_COMPARE(StartGruen); ZORVIK_COMPARE(ZielGruen); ZORVIK_COMPARE(StartBlau); ZORVIK_COMPARE(ZielBlau);
#undef ZORVIK_COMPARE
    return out;
}

std::string segments(const GameState& game)
{
    std::string out;
    for (int i = 0; i <= game.Laenge; ++i)
        out += (i > 0 ? " " : "") + std::to_string(game.WurmX[i]) + "," + std::to_string(game.WurmY[i]);
    return out;
}

} // namespace zorvik::testing
