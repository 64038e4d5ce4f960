// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of single cells for the palette and of whole levels for the pack view, painted by the game.
#include "board_window.h"

#include "model/cell_codes.h"
#include "model/game.h"

#include <QPainter>

#include <algorithm>

namespace zorvik::studio {

QImage cellPicture(char cell, int levelNr, int pixels)
{
    if (cell == kBlank) {
        QImage black(pixels, pixels, QImage::Format_RGB32);
        black.fill(Qt::black);
        return black;
    }
    // A 2 × 2 level with a worm and a dot, so the game draws it like any level: alone, a cell that is
    // neither would turn into the dot the game gives a level without one.
    BoardWindow window(pixels * 4, pixels * 4);
    Game game(window, std::filesystem::path());
    game.setStartDefaults();
    game.LevelNr = levelNr;
    game.LevelText = std::string("\xF6o") + (cell == kHead || cell == kSegment ? ' ' : cell) + ".";
    game.Beginn();
    // The head and its body lie in the first row; every other kind in the first cell of the second.
    const int x = cell == kSegment ? 2 : 1, y = cell == kHead || cell == kSegment ? 1 : 2;
    return window.image().copy(x * pixels, y * pixels, pixels, pixels);
}

// Drawn large and made small, so that its cells stay visible.
QImage levelPicture(const std::string& text, int levelNr, int pixels)
{
    constexpr int scale = 4;
    BoardWindow window(pixels * scale, pixels * scale);
    Game game(window, std::filesystem::path());
    game.setStartDefaults();
    game.LevelNr = levelNr;
    game.LevelText = text;
    try {
        game.Beginn();
    } catch (const std::exception&) {
        // As the editor shows it: as far as the game draws it.
        try {
            game.Bild();
        } catch (const std::exception&) {
        }
    }
    const int board = std::min(pixels * scale, int(game.Seitenzellen * game.Zellgroesse / 15));
    QImage picture(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    if (board > 0) {
        const QImage small = window.image().copy(0, 0, board, board).scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter(&picture).drawImage((pixels - small.width()) / 2, (pixels - small.height()) / 2, small);
    }
    return picture;
}

} // namespace zorvik::studio
