// The raster canvas: twips to pixels, boxes with both corners, one-pixel outlines around solid discs.
#include "window/raster_canvas.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

QRgb at(const RasterCanvas& canvas, int x, int y) { return canvas.image().pixel(x, y) | 0xFF000000u; }

TEST(RasterCanvas, BoxCoversBothCornersPixels)
{
    RasterCanvas canvas(200, 200, 15, 0);
    canvas.Line(1200, 800, 1599, 1199, 255, LineKind::FilledBox);  // pixels 80..106, 53..79
    EXPECT_EQ(at(canvas, 80, 53), qRgb(255, 0, 0));
    EXPECT_EQ(at(canvas, 106, 79), qRgb(255, 0, 0));
    EXPECT_EQ(at(canvas, 79, 53), qRgb(0, 0, 0));
    EXPECT_EQ(at(canvas, 80, 52), qRgb(0, 0, 0));
}

TEST(RasterCanvas, DiscIsFilledWithTheFillColourInsideAnOutline)
{
    RasterCanvas canvas(40, 40, 15, 0);
    canvas.FillColor(65280);
    canvas.Circle(300, 300, 150, 255);  // centre (20, 20), radius 10 pixels
    EXPECT_EQ(at(canvas, 20, 20), qRgb(0, 255, 0));
    EXPECT_EQ(at(canvas, 10, 20), qRgb(255, 0, 0));  // leftmost pixel of the middle row
    EXPECT_EQ(at(canvas, 29, 20), qRgb(255, 0, 0));
    EXPECT_EQ(at(canvas, 11, 20), qRgb(0, 255, 0));
    EXPECT_EQ(at(canvas, 9, 20), qRgb(0, 0, 0));
    EXPECT_EQ(at(canvas, 20, 9), qRgb(0, 0, 0));
}

TEST(RasterCanvas, TinyDiscStillMarksItsCentre)
{
    RasterCanvas canvas(10, 10, 15, 0);
    canvas.FillColor(255);
    canvas.Circle(77, 77, 0, 65280);
    EXPECT_EQ(at(canvas, 5, 5), qRgb(0, 255, 0));
    canvas.Circle(30, 30, -1, 65280);
    EXPECT_EQ(at(canvas, 2, 2), qRgb(0, 0, 0));
}

TEST(RasterCanvas, PlainLineIncludesBothEnds)
{
    RasterCanvas canvas(20, 20, 15, 0);
    canvas.Line(0, 0, 150, 75, 255, LineKind::Plain);
    EXPECT_EQ(at(canvas, 0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(at(canvas, 10, 5), qRgb(255, 0, 0));
    EXPECT_EQ(at(canvas, 11, 5), qRgb(0, 0, 0));
}

TEST(RasterCanvas, ClippedDrawingOutsideTheImageIsHarmless)
{
    RasterCanvas canvas(10, 10, 15, 0);
    canvas.Line(-1000, -1000, 100000, 100000, 255, LineKind::FilledBox);
    canvas.Circle(-5000, 90000, 3000, 255);
    canvas.Line(-1000, 5, 100000, 2000, 255, LineKind::Plain);
    EXPECT_EQ(at(canvas, 9, 9), qRgb(255, 0, 0));
}

TEST(RasterCanvas, ClsPaintsTheBackground)
{
    RasterCanvas canvas(10, 10, 15, 3 + 65536 * 67);
    canvas.Line(0, 0, 100, 100, 255, LineKind::FilledBox);
    canvas.Cls();
    EXPECT_EQ(at(canvas, 0, 0), qRgb(3, 0, 67));
}

} // namespace
} // namespace zorvik
