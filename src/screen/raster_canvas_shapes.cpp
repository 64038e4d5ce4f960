// SPDX-License-Identifier: GPL-3.0-or-later
// Boxes, lines and discs in twips worked out in pixels, with exactly the arithmetic of the plain rasteriser.
#include "screen/raster_canvas.h"
#include "screen/line_walk.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>


namespace zorvik {

namespace {

std::uint64_t bitsOf(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

} // namespace

namespace {

// A large board's dots need up to a few ten thousand kinds of disc rows: its rings times its rows.
constexpr std::size_t kDiscRowPlaces = 1 << 16;

} // namespace

void RasterCanvas::makeBox(Shape& shape, int x1, int y1, int x2, int y2, QRgb rgb) const
{
    shape.kind = Shape::Kind::Box;
    shape.top = std::max(std::min(y1, y2), 0);
    shape.bottom = std::min(std::max(y1, y2), height_ - 1);
    shape.left = std::min(x1, x2);
    shape.right = std::max(x1, x2);
    shape.colour = rgb;
    shape.rings.assign(1, Ring{shape.left, shape.right, shape.top, shape.bottom, rgb});
    if (shape.top > shape.bottom)
        shape.kind = Shape::Kind::None;
}

void RasterCanvas::makeLine(Shape& shape, int x1, int y1, int x2, int y2, QRgb rgb) const
{
    shape.kind = Shape::Kind::Line;
    shape.x1 = x1;
    shape.y1 = y1;
    shape.x2 = x2;
    shape.y2 = y2;
    shape.top = std::max(std::min(y1, y2), 0);
    shape.bottom = std::min(std::max(y1, y2), height_ - 1);
    shape.left = std::min(x1, x2);
    shape.right = std::max(x1, x2);
    shape.colour = rgb;
    shape.traced = false;
    if (shape.top > shape.bottom)
        shape.kind = Shape::Kind::None;
}

void RasterCanvas::Shape::trace() const
{
    // Each row the line crosses gets one unbroken run of pixels.
    spans.assign(static_cast<std::size_t>(bottom - top + 3), Span{});
    walkLine(x1, y1, x2, y2, [&](int x, int y) {
        if (y >= top && y <= bottom) {
            Span& run = spans[static_cast<std::size_t>(y - top + 1)];
            run = run.empty() ? Span{x, x} : Span{std::min(run.left, x), std::max(run.right, x)};
        }
    });
    traced = true;
}

const RasterCanvas::DiscRows& RasterCanvas::discRows(double cy, double r)
{
    const std::uint64_t centreBits = bitsOf(cy), radiusBits = bitsOf(r);
    auto& [pool, places] = discRows_;
    if (places.empty())
        places.assign(kDiscRowPlaces, 0);
    // Discs come in runs that repeat (the rings of every dot in a row): try the one that came next last time.
    const std::uint32_t last = lastDiscRows_;
    if (last && pool[last - 1].follower) {
        const std::uint32_t follower = pool[last - 1].follower;
        const DiscRows& guess = pool[follower - 1];
        if (guess.centreBits == centreBits && guess.radiusBits == radiusBits) {
            lastDiscRows_ = follower;
            return guess;
        }
    }
    const std::size_t mask = places.size() - 1;
    std::size_t place = std::size_t((centreBits * 0x9E3779B97F4A7C15ull) ^ (radiusBits * 0xC2B2AE3D27D4EB4Full)) >> 40;
    for (;; ++place) {
        place &= mask;
        if (places[place] == 0)
            break;
        const DiscRows& rows = pool[places[place] - 1];
        if (rows.centreBits == centreBits && rows.radiusBits == radiusBits) {
            if (last)
                pool[last - 1].follower = places[place];
            lastDiscRows_ = places[place];
            return rows;
        }
    }
    if (pool.size() >= places.size() / 2) {
        pool.clear();
        std::fill(places.begin(), places.end(), 0);
        lastDiscRows_ = 0;
        return discRows(cy, r);
    }
    DiscRows& rows = pool.emplace_back();
    places[place] = static_cast<std::uint32_t>(pool.size());
    if (last)
        pool[last - 1].follower = places[place];
    lastDiscRows_ = places[place];
    rows.centreBits = centreBits;
    rows.radiusBits = radiusBits;

    // The plain rasteriser's row tests and half widths, operation for operation.
    rows.centreY = floorToInt(cy);
    const int top = std::min(ceilToInt(cy - r - 0.5), rows.centreY);
    const int bottom = std::max(floorToInt(cy + r - 0.5), rows.centreY);
    rows.top = std::max(top, 0);
    rows.bottom = std::min(bottom, height_ - 1);
    if (rows.top > rows.bottom)
        return rows;
    const int first = rows.top - 1;
    rows.half.assign(static_cast<std::size_t>(rows.bottom - rows.top + 3), -1.0);
    const double rr = r * r;
    for (int row = std::max(first, top); row <= std::min(rows.bottom + 1, bottom); ++row) {
        const double dy = row + 0.5 - cy;
        if (dy * dy <= rr)
            rows.half[static_cast<std::size_t>(row - first)] = std::sqrt(rr - dy * dy);
    }
    return rows;
}

void RasterCanvas::makeDisc(Shape& shape, float x, float y, float radius, QRgb outline, QRgb inside)
{
    // The disc is every pixel whose centre lies within the radius, and always the centre's own pixel.
    const double cx = x / twipsPerPixel_;
    const double cy = y / twipsPerPixel_;
    const double r = radius / twipsPerPixel_;
    shape.kind = Shape::Kind::None;
    if (!std::isfinite(cx + cy + r))  // any of them infinite or not a number
        return;
    const DiscRows& rows = discRows(cy, r);
    if (rows.top > rows.bottom)
        return;
    shape.kind = Shape::Kind::Disc;
    shape.colour = outline;
    shape.inside = inside;
    shape.solid = outline == inside;
    shape.top = rows.top;
    shape.bottom = rows.bottom;

    const int centreX = floorToInt(cx);
    const std::size_t count = rows.half.size();
    shape.spans.resize(count);
    Span* spans = shape.spans.data();
    static_assert(sizeof(Span) == 2 * sizeof(int));
    rowSpans(rows.half.data(), count, cx, &spans[0].left);
    const auto centre = static_cast<std::size_t>(rows.centreY - (rows.top - 1));
    if (centre < count) {
        Span& span = spans[centre];
        span = span.empty() ? Span{centreX, centreX}
                            : Span{std::min(span.left, centreX), std::max(span.right, centreX)};
    }
    // No row reaches further than the radius (and one pixel more, for the rounding of the half widths).
    shape.left = std::min(ceilToInt(cx - r - 0.5) - 1, centreX);
    shape.right = std::max(floorToInt(cx + r - 0.5) + 1, centreX);
    shape.centreX = centreX;
    shape.centreY = rows.centreY;
}

} // namespace zorvik
