// SPDX-License-Identifier: GPL-3.0-or-later
// The raster canvas: twips to pixels, boxes with both corners, one-pixel outlines around solid discs.
#include "window/raster_canvas.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

// The canvas's pixels at the given points, as "r,g,b" joined by blanks.
std::string at(const RasterCanvas& canvas, std::initializer_list<std::pair<int, int>> points)
{
    std::string out;
    for (auto [x, y] : points) {
        const QRgb p = canvas.image().pixel(x, y);
        out += (out.empty() ? "" : " ") + std::to_string(qRed(p)) + "," + std::to_string(qGreen(p)) + "," + std::to_string(qBlue(p));
    }
    return out;
}

TEST(RasterCanvas, BoxCoversBothCornersPixelsAndLinesBothEnds)
{
    RasterCanvas canvas(200, 200, 15, 0);
    canvas.Line(1200, 800, 1599, 1199, 255, LineKind::FilledBox);  // pixels 80..106, 53..79
    EXPECT_EQ(at(canvas, {{80, 53}, {106, 79}, {79, 53}, {80, 52}}), "255,0,0 255,0,0 0,0,0 0,0,0");
    canvas.Line(0, 0, 150, 75, 65280, LineKind::Plain);
    EXPECT_EQ(at(canvas, {{0, 0}, {10, 5}, {11, 5}}), "0,255,0 0,255,0 0,0,0");
}

TEST(RasterCanvas, DiscIsFilledWithTheFillColourInsideAnOutline)
{
    RasterCanvas canvas(40, 40, 15, 0);
    canvas.FillColor(65280);
    canvas.Circle(300, 300, 150, 255);  // centre (20, 20), radius 10 pixels
    // Centre; the middle row's outermost pixels and the one inside; outside to the left and above.
    EXPECT_EQ(at(canvas, {{20, 20}, {10, 20}, {29, 20}, {11, 20}, {9, 20}, {20, 9}}),
              "0,255,0 255,0,0 255,0,0 0,255,0 0,0,0 0,0,0");
    canvas.FillColor(255);
    canvas.Circle(77, 77, 0, 65280);  // a tiny disc is its outline's centre pixel; a negative radius draws nothing
    canvas.Circle(30, 30, -1, 65280);
    EXPECT_EQ(at(canvas, {{5, 5}, {2, 2}}), "0,255,0 0,0,0");
}

TEST(RasterCanvas, ClippedDrawingIsHarmlessAndClsPaintsTheBackground)
{
    RasterCanvas canvas(10, 10, 15, 3 + 65536 * 67);
    canvas.Line(-1000, -1000, 100000, 100000, 255, LineKind::FilledBox);
    canvas.Circle(-5000, 90000, 3000, 255);
    canvas.Line(-1000, 5, 100000, 2000, 255, LineKind::Plain);
    EXPECT_EQ(at(canvas, {{9, 9}}), "255,0,0");
    canvas.Cls();
    EXPECT_EQ(at(canvas, {{0, 0}}), "3,0,67");
}

} // namespace
} // namespace zorvik
