// SPDX-License-Identifier: GPL-3.0-or-later
// The plain rasteriser: every operation painted in full, in order, nothing skipped.
#include "bench/reference_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace zorvik {

ReferenceRaster::ReferenceRaster(int widthPixels, int heightPixels, double twipsPerPixel, Colour background)
    : twipsPerPixel_(twipsPerPixel), background_(background) { resize(widthPixels, heightPixels); }

QRgb ReferenceRaster::toRgb(Colour colour) { return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

// Pixel p covers the twips from p * twipsPerPixel up to, not including, the next pixel's.
int ReferenceRaster::toPixel(double twips) const { return static_cast<int>(std::floor(twips / twipsPerPixel_)); }

void ReferenceRaster::resize(int widthPixels, int heightPixels)
{
    QImage next(std::max(widthPixels, 1), std::max(heightPixels, 1), QImage::Format_RGB32);
    next.fill(toRgb(background_));
    for (int y = 0; y < std::min(next.height(), image_.height()); ++y)
        std::copy_n(image_.constScanLine(y), std::min(next.bytesPerLine(), image_.bytesPerLine()), next.scanLine(y));
    image_ = std::move(next);
}

void ReferenceRaster::fillSpan(int y, int left, int right, QRgb rgb)
{
    left = std::max(left, 0), right = std::min(right, image_.width() - 1);
    if (y >= 0 && y < image_.height() && left <= right)
        std::fill_n(reinterpret_cast<QRgb*>(image_.scanLine(y)) + left, right - left + 1, rgb);
}

void ReferenceRaster::Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind)
{
    const int px1 = toPixel(x1), py1 = toPixel(y1), px2 = toPixel(x2), py2 = toPixel(y2);
    const QRgb rgb = toRgb(colour);
    if (kind == LineKind::Plain)
        return plainLine(px1, py1, px2, py2, rgb);
    const int bottom = std::min(std::max(py1, py2), image_.height() - 1);
    for (int y = std::max(std::min(py1, py2), 0); y <= bottom; ++y)
        fillSpan(y, std::min(px1, px2), std::max(px1, px2), rgb);
}

void ReferenceRaster::plainLine(int x1, int y1, int x2, int y2, QRgb rgb)
{
    // Bresenham, both end pixels included.
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    for (int error = dx + dy;;) {
        fillSpan(y1, x1, x1, rgb);
        if (x1 == x2 && y1 == y2)
            break;
        const int twice = 2 * error;
        if (twice >= dy)
            error += dy, x1 += sx;
        if (twice <= dx)
            error += dx, y1 += sy;
    }
}

void ReferenceRaster::Circle(float x, float y, float radius, Colour colour)
{
    if (radius < 0)
        return;
    // The disc is every pixel whose centre lies within the radius, and always the centre's own pixel.
    const double cx = x / twipsPerPixel_, cy = y / twipsPerPixel_, r = radius / twipsPerPixel_;
    const int centreX = static_cast<int>(std::floor(cx)), centreY = static_cast<int>(std::floor(cy));
    const int top = std::min(static_cast<int>(std::ceil(cy - r - 0.5)), centreY);
    const int bottom = std::max(static_cast<int>(std::floor(cy + r - 0.5)), centreY);

    struct Span {
        int left = 1, right = 0;
        bool empty() const { return left > right; }
    };
    std::vector<Span> spans(static_cast<std::size_t>(bottom - top + 3));
    for (int row = top; row <= bottom; ++row) {
        const double dy = row + 0.5 - cy;
        Span span;
        if (dy * dy <= r * r) {
            const double half = std::sqrt(r * r - dy * dy);
            span = {static_cast<int>(std::ceil(cx - half - 0.5)), static_cast<int>(std::floor(cx + half - 0.5))};
        }
        if (row == centreY)
            span = span.empty() ? Span{centreX, centreX} : Span{std::min(span.left, centreX), std::max(span.right, centreX)};
        spans[static_cast<std::size_t>(row - top + 1)] = span;
    }

    // The outline is the disc's pixels with a neighbour outside it; the rest takes the fill colour. Each pixel is
    // painted once; a row without an inside is all outline.
    const QRgb outline = toRgb(colour), inside = toRgb(fill_);
    for (int row = top; row <= bottom; ++row) {
        const std::size_t i = static_cast<std::size_t>(row - top + 1);
        const Span span = spans[i], above = spans[i - 1], below = spans[i + 1];
        int innerLeft = std::max({span.left + 1, above.left, below.left}), innerRight = std::min({span.right - 1, above.right, below.right});
        if (span.empty() || above.empty() || below.empty() || innerLeft > innerRight)
            innerLeft = span.right + 1, innerRight = span.right;
        fillSpan(row, span.left, innerLeft - 1, outline);
        fillSpan(row, innerLeft, innerRight, inside);
        fillSpan(row, innerRight + 1, span.right, outline);
    }
}

} // namespace zorvik
