// The drawing operations in twips turned into pixels of an image: solid fills, one-pixel outlines, no smoothing.
#pragma once

#include "drawing/canvas.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace zorvik {

// The picture is exactly that of painting every operation in full, in order; the work is much less:
// - each operation is worked out in pixels at once but painted only when the next one arrives (or the
//   image is read), without the pixels the next one paints anyway, so the nested rings of the painters
//   put most pixels down once instead of once per ring;
// - the rows of a disc (which rows, and the half width of each) depend only on its centre's height and
//   its radius, so they are worked out once for all discs that share them;
// - clearing paints the background only where no box painted since covers it.
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

    // The pixel colour of a game colour (0x00BBGGRR).
    static QRgb toRgb(Colour colour);

private:
    struct Span {
        int left = 1, right = 0;
        bool empty() const { return left > right; }
    };

    // One operation in pixels. Rows are cut to the image, columns are cut only when painting.
    struct Shape {
        enum class Kind { None, Box, Line, Disc } kind = Kind::None;
        int top = 0, bottom = -1;  // the rows it paints
        int left = 0, right = -1;  // Box: its columns; Line, Disc: the columns it reaches
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Line: its end pixels
        QRgb colour = 0;           // Box, Line, and the outline of a Disc
        QRgb inside = 0;           // Disc
        bool solid = false;        // Disc: outline and inside the same colour
        mutable std::vector<Span> spans;  // Disc, Line: each row's pixels, from `top`
        mutable bool traced = false;      // Line: `spans` worked out, which waits until a pixel is needed
        std::vector<Span> inner;   // Disc: each row's filled part, empty where the row is all outline

        // The pixels of `row` this shape paints, as one span (every kind paints one unbroken run a row).
        Span cover(int row) const
        {
            if (row < top || row > bottom)
                return {};
            if (kind == Kind::Box)
                return {left, right};
            if (kind == Kind::Line && !traced)
                trace();
            return spans[static_cast<std::size_t>(row - top)];
        }
        void trace() const;
    };

    // The rows of every disc with this centre height and radius, one past the image above and below.
    struct DiscRows {
        std::uint64_t centreBits = 0, radiusBits = 0;  // the bits of centre height and radius in pixels
        int top = 0, bottom = -1;  // the rows it paints, cut to the image
        int centreY = 0;
        std::vector<double> half;  // from row top - 1: the half width, or -1 where the row has no pixel inside
    };
    // Open addressing over a pool, cleared when half full: discs come in long runs of a few hundred kinds.
    struct DiscRowsTable {
        std::vector<DiscRows> pool;
        std::vector<std::uint32_t> places;  // pool index + 1, 0 for a free slot
    };

    int toPixel(double twips) const;
    void makeBox(Shape& shape, int x1, int y1, int x2, int y2, QRgb rgb) const;
    void makeLine(Shape& shape, int x1, int y1, int x2, int y2, QRgb rgb) const;
    void makeDisc(Shape& shape, float x, float y, float radius, QRgb outline, QRgb inside);
    const DiscRows& discRows(double cy, double r);
    // Paints what waits, but for the pixels that `next_` paints, and lets `next_` wait in its place.
    void queueNext();
    bool covers(const Shape& later, const Shape& earlier) const;
    void paint(const Shape& shape, const Shape* later) const;
    void paintBoxBeside(const Shape& shape, const Shape& later) const;
    void fillRect(int left, int right, int top, int bottom, QRgb rgb) const;
    void fillRow(int y, Span span, Span later, QRgb rgb) const;
    void fill(int y, int left, int right, QRgb rgb) const;
    QRgb* rowPixels(int y) const { return reinterpret_cast<QRgb*>(bits_ + stride_ * y); }

    // Clearing waits too: rows keep their old pixels until something is painted past the part that
    // boxes painted since the clearing cover, or until the image is read.
    void coverAfterClearing(const Shape& box);
    void clearRowRest(int y) const;
    void finishClearing() const;

    mutable QImage image_;  // image() paints what still waits
    mutable uchar* bits_ = nullptr;  // image_'s pixels, taken afresh for each operation painted
    mutable qsizetype stride_ = 0;
    int width_, height_;
    double twipsPerPixel_;
    Colour background_;
    QRgb backgroundRgb_;
    Colour fill_ = 0;
    mutable Shape waiting_;
    Shape next_;
    std::vector<Span> around_;
    DiscRowsTable discRows_;

    mutable bool clearing_ = false;
    mutable std::vector<int> coveredTo_;     // while clearing: columns from here on still show the old picture
    mutable std::vector<int> backgroundFrom_;  // columns from here on show the background
    Span lastCovered_, lastCoveredRows_;
};

} // namespace zorvik
