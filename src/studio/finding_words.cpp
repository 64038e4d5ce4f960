// SPDX-License-Identifier: GPL-3.0-or-later
// German sentences for the checks' findings, made from what each finding holds, never from zorvik-check's words.
#include "studio/finding_words.h"

#include <cmath>

namespace zorvik::studio {

namespace {

using check::Kind;

// Long lists are cut short; the cells are marked on the board anyway.
constexpr std::size_t kPlacesShown = 8;

std::string n(std::size_t number) { return std::to_string(number); }

std::string places(const std::vector<int>& cells, int side)
{
    std::string out;
    for (std::size_t i = 0; i < cells.size() && i < kPlacesShown; ++i)
        out += (i == 0 ? "" : "; ") + rowAndColumn(cells[i], side);
    if (cells.size() > kPlacesShown)
        out += "; und " + n(cells.size() - kPlacesShown) + " weitere";
    return out;
}

std::string squareHint(std::size_t cells)
{
    const auto below = static_cast<std::size_t>(std::floor(std::sqrt(static_cast<double>(cells))));
    return " (" + (below > 0 ? n(below) + " × " + n(below) + " = " + n(below * below) + ", " : std::string()) + n(below + 1) +
           " × " + n(below + 1) + " = " + n((below + 1) * (below + 1)) + ")";
}

} // namespace

std::string rowAndColumn(int index, int side)
{
    return "Zeile " + std::to_string(index / side + 1) + ", Spalte " + std::to_string(index % side + 1);
}

std::string designerText(const check::Finding& finding, int side)
{
    const std::size_t count = finding.cells.size();
    const bool one = count == 1;
    // Without a square board there are no rows and columns to name.
    auto at = [&] { return side > 0 ? places(finding.cells, side) : std::string(); };
    switch (finding.kind) {
    case Kind::Empty: return "Leer: das Level hat kein einziges Feld";
    case Kind::NotSquare:
        return "Kein Quadrat: " + n(finding.count) + " Felder lassen sich nicht zu einem quadratischen Brett legen" +
               squareHint(finding.count);
    case Kind::TooManyWormAndDots:
        return "Zu groß: " + n(finding.count) + " Punkte, Kopf und Körper zusammen, aber der Wurm wird höchstens " +
               n(check::kMostWormAndDotCells) + " Glieder lang";
    case Kind::TooWide:
        return "Zu groß: " + n(finding.count) + " × " + n(finding.count) + " Felder, aber das Spiel nimmt höchstens " +
               n(check::kWidestSide) + " × " + n(check::kWidestSide);
    case Kind::NoHead: return "Kein Kopf: der Wurm braucht einen Kopf, wo er beginnt";
    case Kind::SeveralHeads: return n(count) + " Köpfe, aber ein Wurm hat genau einen: " + at();
    case Kind::BodyNotInRow:
        return std::string(one ? "Ein Körperfeld liegt" : n(count) + " Körperfelder liegen") +
               " nicht in der Reihe rechts neben dem Kopf (" + rowAndColumn(finding.head, side) +
               "): der Körper muss dem Kopf ohne Lücke in seiner Zeile folgen. " + (one ? "Es liegt bei " : "Sie liegen bei ") +
               at();
    case Kind::StuckAtStart:
        return "Der Wurm steckt am Start fest: der Kopf (" + rowAndColumn(finding.head, side) +
               ") hat Mauern an drei Seiten und seinen Körper an der vierten";
    case Kind::NoDots: return "Keine Punkte: erst der letzte gefressene Punkt beendet ein Level";
    case Kind::WalledIn:
        return n(count) + (one ? " Punkt, den der Wurm nie erreicht, eingemauert: " : " Punkte, die der Wurm nie erreicht, eingemauert: ") +
               at();
    case Kind::UnknownCharacters:
        // Such cells come from a file made elsewhere; the studio draws them empty.
        return n(count) + (one ? " Feld aus der Datei kennt das Spiel nicht, es zählt als leer: "
                               : " Felder aus der Datei kennt das Spiel nicht, sie zählen als leer: ") +
               at();
    case Kind::GameRefuses: return "Das Spiel kann dieses Level nicht starten: " + finding.detail;
    }
    return finding.text;
}

} // namespace zorvik::studio
