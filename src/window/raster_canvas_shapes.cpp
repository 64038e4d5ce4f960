// Boxes, lines and discs in twips worked out in pixels, with exactly the arithmetic of the plain rasteriser.
#include "window/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zorvik {

namespace {

// std::floor and std::ceil to int without a library call. Numbers far past any picture are held to a
// billion first, where converting could not go.
inline double heldToABillion(double value) { return value < -1e9 ? -1e9 : value > 1e9 ? 1e9 : value; }

inline int floorToInt(double value)
{
    value = heldToABillion(value);
    const int whole = static_cast<int>(value);
    return whole - (value < whole);
}

inline int ceilToInt(double value)
{
    value = heldToABillion(value);
    const int whole = static_cast<int>(value);
    return whole + (value > whole);
}

std::uint64_t bitsOf(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The span [ceil(cx - half - 0.5), floor(cx + half - 0.5)] of each row, and an empty one where half < 0: the
// plain rasteriser's arithmetic, two rows at a time where the processor has the instructions for it.
void rowSpans(const double* half, std::size_t count, double cx, int* spans)
{
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128d centre = _mm_set1_pd(cx), oneHalf = _mm_set1_pd(0.5), zero = _mm_setzero_pd();
    const __m128d low = _mm_set1_pd(-1e9), high = _mm_set1_pd(1e9);
    auto lanes = [](__m128d mask) { return _mm_shuffle_epi32(_mm_castpd_si128(mask), _MM_SHUFFLE(3, 3, 2, 0)); };
    for (; i + 2 <= count; i += 2) {
        const __m128d h = _mm_loadu_pd(half + i);
        const __m128d a = _mm_min_pd(_mm_max_pd(_mm_sub_pd(_mm_sub_pd(centre, h), oneHalf), low), high);
        const __m128d b = _mm_min_pd(_mm_max_pd(_mm_sub_pd(_mm_add_pd(centre, h), oneHalf), low), high);
        const __m128i wholeA = _mm_cvttpd_epi32(a), wholeB = _mm_cvttpd_epi32(b);
        const __m128i left = _mm_sub_epi32(wholeA, lanes(_mm_cmpgt_pd(a, _mm_cvtepi32_pd(wholeA))));
        const __m128i right = _mm_add_epi32(wholeB, lanes(_mm_cmplt_pd(b, _mm_cvtepi32_pd(wholeB))));
        const __m128i inside = lanes(_mm_cmpge_pd(h, zero));
        const __m128i emptyLeft = _mm_andnot_si128(inside, _mm_set1_epi32(1));
        const __m128i pair = _mm_unpacklo_epi32(_mm_or_si128(_mm_and_si128(left, inside), emptyLeft),
                                                _mm_and_si128(right, inside));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(spans + 2 * i), pair);
    }
#endif
    for (; i < count; ++i) {
        const bool inside = half[i] >= 0;
        spans[2 * i] = inside ? ceilToInt(cx - half[i] - 0.5) : 1;
        spans[2 * i + 1] = inside ? floorToInt(cx + half[i] - 0.5) : 0;
    }
}

// A large board's dots need a few thousand kinds of disc rows.
constexpr std::size_t kDiscRowPlaces = 1 << 14;

} // namespace

int RasterCanvas::toPixel(double twips) const
{
    // Pixel p covers the twips from p * twipsPerPixel up to, not including, the next pixel's.
    return floorToInt(twips / twipsPerPixel_);
}

void RasterCanvas::makeBox(Shape& shape, int x1, int y1, int x2, int y2, QRgb rgb) const
{
    shape.kind = Shape::Kind::Box;
    shape.top = std::max(std::min(y1, y2), 0);
    shape.bottom = std::min(std::max(y1, y2), height_ - 1);
    shape.left = std::min(x1, x2);
    shape.right = std::max(x1, x2);
    shape.colour = rgb;
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
    // Bresenham, both end pixels included; each row it crosses gets one unbroken run of pixels.
    spans.assign(static_cast<std::size_t>(bottom - top + 3), Span{});
    int x = x1, y = y1;
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        if (y >= top && y <= bottom) {
            Span& run = spans[static_cast<std::size_t>(y - top + 1)];
            run = run.empty() ? Span{x, x} : Span{std::min(run.left, x), std::max(run.right, x)};
        }
        if (x == x2 && y == y2)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
    traced = true;
}

const RasterCanvas::DiscRows& RasterCanvas::discRows(double cy, double r)
{
    const std::uint64_t centreBits = bitsOf(cy), radiusBits = bitsOf(r);
    auto& [pool, places] = discRows_;
    if (places.empty())
        places.assign(kDiscRowPlaces, 0);
    const std::size_t mask = places.size() - 1;
    std::size_t place = std::size_t((centreBits * 0x9E3779B97F4A7C15ull) ^ (radiusBits * 0xC2B2AE3D27D4EB4Full)) >> 40;
    for (;; ++place) {
        place &= mask;
        if (places[place] == 0)
            break;
        const DiscRows& rows = pool[places[place] - 1];
        if (rows.centreBits == centreBits && rows.radiusBits == radiusBits)
            return rows;
    }
    if (pool.size() >= places.size() / 2) {
        pool.clear();
        std::fill(places.begin(), places.end(), 0);
        return discRows(cy, r);
    }
    DiscRows& rows = pool.emplace_back();
    places[place] = static_cast<std::uint32_t>(pool.size());
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
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r))
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
    if (shape.solid)
        return;

    // The outline is the disc's pixels with a neighbour outside it; the rest takes the fill colour.
    shape.inner.resize(count - 2);
    for (std::size_t i = 0; i + 2 < count; ++i) {
        const Span span = spans[i + 1], above = spans[i], below = spans[i + 2];
        Span inner;
        if (!span.empty() && !above.empty() && !below.empty())
            inner = {std::max({span.left + 1, above.left, below.left}),
                     std::min({span.right - 1, above.right, below.right})};
        shape.inner[i] = inner;
    }
}

} // namespace zorvik
