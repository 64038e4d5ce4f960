// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing operations in twips turned into pixels of an image: solid fills, one-pixel outlines, no smoothing.
#pragma once

#include "model/canvas.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace zorvik {

// The picture is always exactly that of painting every operation in full, in order. The work is less:
// - each operation is worked out in pixels at once but waits to be painted until later ones arrive (or the
//   image is read), and is then painted without the pixels that the next one paints anyway; the painters
//   draw their rings from the outside in, so most pixels are put down once instead of once per ring;
// - boxes each inside the one before (a wall's squares) wait as one run and are painted in one pass;
// - a disc that a later one lays on much the same pixels (the next frame of a slide) is painted only where
//   that one leaves it showing, or not at all; shapes wait a slide's frame long while that pays;
// - which rows a disc has and their half widths depend only on its centre's height and its radius, and are
//   worked out once for all discs that share them (a board row of dots, a worm sliding sideways);
// - clearing paints the background only where no box painted since covers it, and only where anything
//   but background was painted before.
class RasterCanvas : public Canvas {
public:
    // twipsPerPixel: 15 on a 96-dpi screen, 7.5 when each logical pixel is two device pixels.
    RasterCanvas(int widthPixels, int heightPixels, double twipsPerPixel, Colour background);

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) override;
    void FillColor(Colour colour) override;
    void Circle(float x, float y, float radius, Colour colour) override;

    // Gives the image a new size in pixels; what fits of the old picture stays.
    void resize(int widthPixels, int heightPixels);
    void setTwipsPerPixel(double twipsPerPixel) { twipsPerPixel_ = twipsPerPixel; }
    double twipsPerPixel() const { return twipsPerPixel_; }

    // The picture with every operation so far painted.
    const QImage& image() const;
    // The picture's size and rectangle, without painting what waits.
    QSize size() const { return image_.size(); }
    QRect rect() const { return image_.rect(); }

    // Whether the processor's wider registers may work out disc rows, when it has them; tests turn them off
    // to check the narrower way gives the same picture.
    static void allowWideRegisters(bool allowed);

    // The pixel colour of a game colour (0x00BBGGRR).
    static QRgb toRgb(Colour colour) { return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

private:
    struct Span {
        int left = 1, right = 0;
        bool empty() const { return left > right; }
    };
    struct Rect {
        int left = 1, right = 0, top = 1, bottom = 0;
        bool empty() const { return left > right || top > bottom; }
        void add(const Rect& other)
        {
            if (other.empty())
                return;
            if (empty()) {
                *this = other;
                return;
            }
            left = std::min(left, other.left);
            right = std::max(right, other.right);
            top = std::min(top, other.top);
            bottom = std::max(bottom, other.bottom);
        }
    };

    // A box of a run of nested boxes.
    struct Ring {
        int left, right, top, bottom;
        QRgb colour;
    };

    // One operation in pixels, or a run of boxes each inside the one before. Rows are cut to the image,
    // columns only when painting.
    struct Shape {
        enum class Kind { None, Box, Line, Disc } kind = Kind::None;
        int top = 0, bottom = -1;            // the rows it paints
        int left = 0, right = -1;            // Box: its columns; Line, Disc: the columns it reaches
        std::vector<Ring> rings;             // Box: the first box and those nested in it, in order
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Line: its end pixels
        QRgb colour = 0;                     // Box, Line, and the outline of a Disc
        QRgb inside = 0;                     // Disc
        bool solid = false;                  // Disc: outline and inside the same colour
        int centreX = 0, centreY = 0;        // Disc: the pixel of its centre
        mutable std::vector<Span> spans;     // Disc, Line: the pixels of row top + i, and of one row either side
        mutable bool traced = false;         // Line: spans worked out, which waits until a pixel is needed
        std::uint64_t arrival = 0;           // the how-manieth shape made
        std::uint64_t overlaidBy = 0;        // + 1: a later disc on much the same pixels, 0 for none

        // The pixels of `row` this shape paints, as one span: every kind paints one unbroken run a row.
        Span cover(int row) const
        {
            if (row < top || row > bottom)
                return {};
            if (kind == Kind::Box)
                return {left, right};
            if (kind == Kind::Line && !traced)
                trace();
            return spans[static_cast<std::size_t>(row - top + 1)];
        }
        void trace() const;
        // Disc: the filled part of `row`, inside the outline: the disc's pixels with a neighbour outside it.
        Span inner(int row) const
        {
            const Span* at = &spans[static_cast<std::size_t>(row - top + 1)];
            const Span span = at[0], above = at[-1], below = at[1];
            if (span.empty() || above.empty() || below.empty())
                return {};
            return {std::max({span.left + 1, above.left, below.left}),
                    std::min({span.right - 1, above.right, below.right})};
        }
    };

    // The rows of every disc with one centre height and radius (in pixels), one row past either end.
    struct DiscRows {
        std::uint64_t centreBits = 0, radiusBits = 0;
        int top = 0, bottom = -1;  // the rows it paints, cut to the image
        int centreY = 0;
        std::vector<double> half;  // from row top - 1: the half width, or -1 where no pixel centre is inside
        std::uint32_t follower = 0;  // pool index + 1 of the rows asked for next, the last time
    };
    // Open addressing over a pool; when half full, all are forgotten and worked out afresh.
    struct DiscRowsTable {
        std::vector<DiscRows> pool;
        std::vector<std::uint32_t> places;  // pool index + 1, or 0 for a free place
    };

    // std::floor and std::ceil to int without a library call; numbers far past any picture are held to a
    // billion first, where converting could not go.
    static double heldToABillion(double value) { return value < -1e9 ? -1e9 : value > 1e9 ? 1e9 : value; }
    static int floorToInt(double value)
    {
        value = heldToABillion(value);
        const int whole = static_cast<int>(value);
        return whole - (value < whole);
    }
    static int ceilToInt(double value)
    {
        value = heldToABillion(value);
        const int whole = static_cast<int>(value);
        return whole + (value > whole);
    }
    // Pixel p covers the twips from p * twipsPerPixel up to, not including, the next pixel's.
    int toPixel(double twips) const { return floorToInt(twips / twipsPerPixel_); }

    // Making shapes (raster_canvas_shapes.cpp).
    void makeBox(Shape& shape, int x1, int y1, int x2, int y2, QRgb rgb) const;
    void makeLine(Shape& shape, int x1, int y1, int x2, int y2, QRgb rgb) const;
    void makeDisc(Shape& shape, float x, float y, float radius, QRgb outline, QRgb inside);
    const DiscRows& discRows(double cy, double r);
    // The kernels, on spans as pairs of ints (raster_canvas_rows.cpp).
    static void rowSpans(const double* half, std::size_t count, double cx, int* spans);
    static std::uint32_t rowsShowing(const int* mine, const int* later, int count);

    // Waiting: shapes wait in a ring, oldest first, until the image is read or the ring is full.
    Shape& fresh();
    void push();
    const Shape* newest() const;
    void paintOldest() const;
    void paintAll() const;
    struct Seen {
        std::uint64_t key = 0;       // the position's hash
        std::uint64_t arrival = 0;   // + 1; 0 for none
        std::uint64_t print = 0;
    };
    std::uint64_t keyOf(const Shape& shape, int besideX, int besideY) const;
    const Seen* seen(std::uint64_t key) const;
    Seen& remember(std::uint64_t key);
    std::uint64_t fingerprint(const Shape& shape) const;
    void setDepth(std::size_t depth);
    bool wholly(const Shape& later, const Shape& earlier) const;

    // Painting them.
    bool covers(const Shape& later, const Shape& earlier) const;
    void paint(const Shape& shape, const Shape* later) const;
    void paintBoxBeside(const Shape& shape, const Shape& later) const;
    void paintNestedBoxes(const Shape& shape) const;
    void takePixels() const;
    void paintRows(const Shape& shape, const Shape* later) const;
    void paintDiscBeside(const Shape& shape, const Shape& later) const;
    void paintLine(const Shape& line) const;
    void paintRow(const Shape& shape, int y, Span hidden) const;
    void fillRect(int left, int right, int top, int bottom, QRgb rgb) const;
    void put(int y, int left, int right, QRgb rgb) const;
    void putBeside(int y, Span span, Span hidden, QRgb rgb) const;
    QRgb* rowPixels(int y) const { return reinterpret_cast<QRgb*>(bits_ + stride_ * y); }

    // Clearing waits too: a row keeps its old pixels until something is painted past the part that boxes
    // painted since the clearing cover, or until the image is read.
    void coverAfterClearing(const Shape& box);
    void clearRowRest(int y) const;
    void finishClearing() const;

    mutable QImage image_;           // image() paints what still waits
    mutable uchar* bits_ = nullptr;  // image_'s pixels, taken afresh after image() handed out the picture
    mutable qsizetype stride_ = 0;
    mutable bool handedOut_ = true;
    mutable std::vector<int> ringOfColumn_, ringOfRow_;
    mutable std::vector<QRgb> columnColours_;
    std::uint32_t lastDiscRows_ = 0;
    int width_, height_;
    double twipsPerPixel_;
    QRgb background_;
    Colour fill_ = 0;
    mutable std::vector<Shape> waiting_;  // a ring, its size a power of two
    mutable std::size_t oldest_ = 0, waitingCount_ = 0;
    std::uint64_t arrivals_ = 0;
    std::size_t depth_ = 2;          // how many shapes may wait
    std::size_t wantedDepth_ = 2;
    std::uint64_t lastPaid_ = 0;     // the last shape that covered, or would have covered, one made well before
    std::vector<Seen> seen_;         // buckets of two: the latest shapes by position
    DiscRowsTable discRows_;

    Rect painted_;                   // outside it, the picture shows only background
    mutable bool clearing_ = false;
    Rect stale_;                     // while clearing: what the picture showed besides background
    mutable std::vector<int> coveredTo_;  // while clearing: where each row's covered part ends
    Rect lastCovered_;
};

} // namespace zorvik
