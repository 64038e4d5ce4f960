// SPDX-License-Identifier: GPL-3.0-or-later
// The raster canvas: operations wait, so that each is painted without what later ones paint anyway.
#include "screen/raster_canvas.h"
#include "screen/line_walk.h"

#include <algorithm>
#include <bit>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zorvik {

namespace {

// Pixels `count` from `pixels` on, all in one colour: four at a time where the processor has the registers.
inline void fillPixels(QRgb* pixels, std::size_t count, QRgb rgb)
{
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i four = _mm_set1_epi32(int(rgb));
    for (; i + 4 <= count; i += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i), four);
#endif
    for (; i < count; ++i)
        pixels[i] = rgb;
}

// Shapes that may wait at once: two frames of the longest worm's slide.
constexpr std::size_t kMostWaiting = 4096;
// Shapes that wait when covering them has not lately paid: the newest and the one before it.
constexpr std::size_t kLeastDepth = 2;
// Buckets of two for remembering the latest shapes by position: some for every shape that may wait.
constexpr std::size_t kLeastBuckets = 256, kMostBuckets = 8192;

} // namespace

RasterCanvas::RasterCanvas(int widthPixels, int heightPixels, double twipsPerPixel, Colour background)
    : image_(std::max(widthPixels, 1), std::max(heightPixels, 1), QImage::Format_RGB32),
      width_(image_.width()), height_(image_.height()), twipsPerPixel_(twipsPerPixel),
      background_(toRgb(background)), waiting_(4), seen_(2 * kLeastBuckets),
      coveredTo_(std::size_t(height_), width_)
{
    image_.fill(background_);
}

const QImage& RasterCanvas::image() const
{
    paintAll();
    finishClearing();
    handedOut_ = true;  // whoever copies the picture shares its pixels until the next change
    return image_;
}

void RasterCanvas::resize(int widthPixels, int heightPixels)
{
    image();
    QImage next(std::max(widthPixels, 1), std::max(heightPixels, 1), QImage::Format_RGB32);
    next.fill(background_);
    const int rows = std::min(next.height(), image_.height());
    const int bytes = std::min(next.bytesPerLine(), image_.bytesPerLine());
    for (int y = 0; y < rows; ++y)
        std::copy_n(image_.constScanLine(y), bytes, next.scanLine(y));
    image_ = std::move(next);
    width_ = image_.width();
    height_ = image_.height();
    painted_.right = std::min(painted_.right, width_ - 1);
    painted_.bottom = std::min(painted_.bottom, height_ - 1);
    coveredTo_.assign(std::size_t(height_), width_);
    discRows_ = {};  // their rows were cut to the old height
    lastDiscRows_ = 0;
    handedOut_ = true;
}

void RasterCanvas::Cls()
{
    // The clearing paints over everything that waits.
    oldest_ = (oldest_ + waitingCount_) & (waiting_.size() - 1);
    waitingCount_ = 0;
    if (!clearing_)
        stale_ = {};
    stale_.add(painted_);
    painted_ = {};
    clearing_ = true;
    std::fill(coveredTo_.begin(), coveredTo_.end(), 0);
    lastCovered_ = {};
}

void RasterCanvas::FillColor(Colour colour) { fill_ = colour; }

void RasterCanvas::Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind)
{
    const int px1 = toPixel(x1), py1 = toPixel(y1), px2 = toPixel(x2), py2 = toPixel(y2);
    const QRgb rgb = toRgb(colour);
    Shape* last = const_cast<Shape*>(newest());
    if (kind == LineKind::Plain) {
        // On exactly the pixels of the line that waits last, the new one takes its place.
        if (last && last->kind == Shape::Kind::Line && last->x1 == px1 && last->y1 == py1 && last->x2 == px2 &&
            last->y2 == py2) {
            last->colour = rgb;
            return;
        }
        makeLine(fresh(), px1, py1, px2, py2, rgb);
        push();
        return;
    }

    const int left = std::min(px1, px2), right = std::max(px1, px2);
    const int top = std::max(std::min(py1, py2), 0), bottom = std::min(std::max(py1, py2), height_ - 1);
    if (last && last->kind == Shape::Kind::Box && top <= bottom) {
        // On exactly the pixels of the last box that waits, the new one takes its place; inside it, it joins
        // the run of nested boxes. The painters' squares mostly do the one or the other.
        Ring& ring = last->rings.back();
        if (left == ring.left && right == ring.right && top == ring.top && bottom == ring.bottom) {
            ring.colour = rgb;
            last->colour = last->rings.front().colour;
            return;
        }
        if (left >= ring.left && right <= ring.right && top >= ring.top && bottom <= ring.bottom) {
            last->rings.push_back({left, right, top, bottom, rgb});
            return;  // inside the first box, which already counted for the clearing
        }
    }
    Shape& box = fresh();
    makeBox(box, px1, py1, px2, py2, rgb);
    if (clearing_)
        coverAfterClearing(box);
    push();
}

void RasterCanvas::Circle(float x, float y, float radius, Colour colour)
{
    if (radius < 0)
        return;
    makeDisc(fresh(), x, y, radius, toRgb(colour), toRgb(fill_));
    push();
}

const RasterCanvas::Shape* RasterCanvas::newest() const
{
    return waitingCount_ ? &waiting_[(oldest_ + waitingCount_ - 1) & (waiting_.size() - 1)] : nullptr;
}

RasterCanvas::Shape& RasterCanvas::fresh()
{
    while (waitingCount_ >= depth_)
        paintOldest();
    return waiting_[(oldest_ + waitingCount_) & (waiting_.size() - 1)];
}

void RasterCanvas::push()
{
    Shape& shape = waiting_[(oldest_ + waitingCount_) & (waiting_.size() - 1)];
    if (shape.kind == Shape::Kind::None)
        return;
    shape.arrival = arrivals_++;
    painted_.add(Rect{std::max(shape.left, 0), std::min(shape.right, width_ - 1), shape.top, shape.bottom});

    // A waiting shape that this one paints over entirely need not be painted at all: the frames of a slide
    // put each segment's disc down again a twip further on, mostly on the very same pixels. Shapes wait only
    // as long as that has lately paid, a slide's frame long, and otherwise one shape besides the newest
    // (whatever of a shape the next one covers is left out when it is painted).
    shape.overlaidBy = 0;
    // A dot's rings, each inside the one before, are left to painting: nothing later looks for them.
    if (const Shape* before = newest(); before && shape.kind == Shape::Kind::Disc && shape.solid &&
                                        before->kind == Shape::Kind::Disc && before->solid &&
                                        shape.top >= before->top && shape.bottom <= before->bottom &&
                                        shape.left >= before->left && shape.right <= before->right) {
        ++waitingCount_;
        return;
    }
    const std::uint64_t print = fingerprint(shape);
    const std::uint64_t firstWaiting = shape.arrival - waitingCount_;
    const std::uint64_t key = keyOf(shape, 0, 0);
    const Seen* match = seen(key);
    // A sliding disc's centre crosses into the next pixel now and then: look there too, once waiting pays.
    static constexpr int kBeside[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (int i = 0; shape.kind == Shape::Kind::Disc && depth_ > kLeastDepth && i < 4 &&
                    !(match && match->arrival > firstWaiting);
         ++i)
        if (const Seen* beside = seen(keyOf(shape, kBeside[i][0], kBeside[i][1]));
            beside && beside->arrival > firstWaiting && beside->print == print)
            match = beside;
    const Seen never;
    if (!match)
        match = &never;
    if (match->arrival && match->arrival < shape.arrival) {
        const std::uint64_t earlierArrival = match->arrival - 1, distance = shape.arrival - earlierArrival;
        if (earlierArrival >= firstWaiting) {
            Shape& earlier = waiting_[(oldest_ + (earlierArrival - firstWaiting)) & (waiting_.size() - 1)];
            if (earlier.arrival == earlierArrival && earlier.kind != Shape::Kind::None) {
                // Covered entirely, it need not be painted; a disc covered in part is painted without the part.
                // Either way this shape now stands in for it, for any earlier disc that it overlaid.
                if (wholly(shape, earlier)) {
                    earlier.kind = Shape::Kind::None;
                    earlier.overlaidBy = shape.arrival + 1;
                } else if (earlier.kind == Shape::Kind::Disc && shape.kind == Shape::Kind::Disc) {
                    earlier.overlaidBy = shape.arrival + 1;
                }
                lastPaid_ = shape.arrival;
            }
        } else if (match->print == print && distance <= kMostWaiting / 2) {
            // Much the same pixels again, after they were painted: waiting longer would have paid.
            lastPaid_ = shape.arrival;
            wantedDepth_ = std::max(wantedDepth_, std::min(kMostWaiting, std::size_t(2 * distance + 16)));
        }
    }
    const std::uint64_t arrival = shape.arrival;  // the ring may move below
    remember(key) = {key, arrival + 1, print};
    ++waitingCount_;

    if (wantedDepth_ > depth_) {
        setDepth(wantedDepth_);
    } else if (depth_ > kLeastDepth && arrival - lastPaid_ > 4 * depth_) {
        wantedDepth_ = std::max(kLeastDepth, depth_ / 2);
        setDepth(wantedDepth_);
        lastPaid_ = arrival;  // give the shorter wait its own time to pay
    }
}

void RasterCanvas::setDepth(std::size_t depth)
{
    // The ring just large enough, so that shapes made one after another stay close in memory. Those that
    // wait keep waiting, moved in order to the front of the new ring; too many for a shallower wait are
    // painted as the next shapes come.
    const std::size_t size = std::bit_ceil(std::max<std::size_t>(depth, 4));
    depth_ = depth;
    const std::size_t buckets = std::clamp(std::bit_ceil(2 * depth), kLeastBuckets, kMostBuckets);
    if (2 * buckets != seen_.size())
        seen_.assign(2 * buckets, Seen{});
    if (size == waiting_.size() || (size < waiting_.size() && waitingCount_ > size / 2))
        return;
    std::vector<Shape> ring(size);
    for (std::size_t i = 0; i < waitingCount_; ++i)
        ring[i] = std::move(waiting_[(oldest_ + i) & (waiting_.size() - 1)]);
    waiting_ = std::move(ring);
    oldest_ = 0;
}

std::uint64_t RasterCanvas::fingerprint(const Shape& shape) const
{
    // Equal for boxes and lines on the same pixels and for discs of the same size (and, rarely, for others:
    // it only decides how long shapes wait).
    std::uint64_t print = std::uint64_t(shape.kind) * 0x9E3779B97F4A7C15ull;
    auto mix = [&](int value) { print = (print ^ std::uint32_t(value)) * 0xC2B2AE3D27D4EB4Full; };
    if (shape.kind == Shape::Kind::Disc) {
        mix(shape.bottom - shape.top);
        mix(shape.right - shape.left);
        return print;
    }
    mix(shape.top);
    mix(shape.bottom);
    mix(shape.left);
    mix(shape.right);
    if (shape.kind == Shape::Kind::Line) {
        mix(shape.x1);
        mix(shape.y1);
    }
    return print;
}

const RasterCanvas::Seen* RasterCanvas::seen(std::uint64_t key) const
{
    const Seen* bucket = &seen_[2 * ((key >> 40) & (seen_.size() / 2 - 1))];
    for (int way = 0; way < 2; ++way)
        if (bucket[way].key == key && bucket[way].arrival)
            return &bucket[way];
    return nullptr;
}

RasterCanvas::Seen& RasterCanvas::remember(std::uint64_t key)
{
    // The place of this key, else the older of the two.
    Seen* bucket = &seen_[2 * ((key >> 40) & (seen_.size() / 2 - 1))];
    if (bucket[0].key == key)
        return bucket[0];
    if (bucket[1].key == key)
        return bucket[1];
    return bucket[0].arrival <= bucket[1].arrival ? bucket[0] : bucket[1];
}

std::uint64_t RasterCanvas::keyOf(const Shape& shape, int besideX, int besideY) const
{
    // Discs by their centre pixel, so that growing and sliding discs meet; lines by their ends; boxes by
    // their corners.
    std::uint64_t key = std::uint64_t(shape.kind) * 0x9E3779B97F4A7C15ull;
    auto mix = [&](int value) { key = (key ^ std::uint32_t(value)) * 0xC2B2AE3D27D4EB4Full; };
    if (shape.kind == Shape::Kind::Disc) {
        mix(shape.centreX + besideX);
        mix(shape.centreY + besideY);
    } else if (shape.kind == Shape::Kind::Line) {
        mix(shape.x1);
        mix(shape.y1);
        mix(shape.x2);
        mix(shape.y2);
    } else {
        mix(shape.left);
        mix(shape.right);
        mix(shape.top);
        mix(shape.bottom);
    }
    return key;
}

bool RasterCanvas::wholly(const Shape& later, const Shape& earlier) const
{
    if (earlier.kind == Shape::Kind::None)
        return false;
    if (covers(later, earlier))
        return true;
    if (later.kind != Shape::Kind::Disc || earlier.kind != Shape::Kind::Disc)
        return false;
    // Every row of the earlier disc inside the later disc's span on that row.
    if (earlier.top < later.top || earlier.bottom > later.bottom)
        return false;
    const Span* mine = earlier.spans.data() + 1;
    const Span* theirs = later.spans.data() + 1 + (earlier.top - later.top);
    for (int first = 0, rows = earlier.bottom - earlier.top + 1; first < rows; first += 32)
        if (rowsShowing(&mine[first].left, &theirs[first].left, std::min(rows - first, 32)))
            return false;
    return true;
}

void RasterCanvas::paintOldest() const
{
    // Painted without what a later shape paints over: the disc laid on much the same pixels, else the next.
    const std::size_t mask = waiting_.size() - 1;
    const Shape& shape = waiting_[oldest_];
    const Shape* later = waitingCount_ > 1 ? &waiting_[(oldest_ + 1) & mask] : nullptr;
    for (std::uint64_t over = shape.overlaidBy; over && over - 1 - shape.arrival < waitingCount_;) {
        const Shape& overlay = waiting_[(oldest_ + (over - 1 - shape.arrival)) & mask];
        if (overlay.arrival != over - 1)
            break;
        if (overlay.kind != Shape::Kind::None) {
            later = &overlay;
            break;
        }
        over = overlay.overlaidBy;  // painted over entirely, by the shape that overlays it in turn
    }
    paint(shape, later);
    oldest_ = (oldest_ + 1) & mask;
    --waitingCount_;
}

void RasterCanvas::paintAll() const
{
    while (waitingCount_ > 0)
        paintOldest();
}

bool RasterCanvas::covers(const Shape& later, const Shape& earlier) const
{
    // Only cheap certainties; painting row by row leaves out the rest of what `later` covers.
    switch (later.kind) {
    case Shape::Kind::Box:
        return later.top <= earlier.top && later.bottom >= earlier.bottom && later.left <= earlier.left &&
               later.right >= earlier.right;
    case Shape::Kind::Line:
        return earlier.kind == Shape::Kind::Line && later.x1 == earlier.x1 && later.y1 == earlier.y1 &&
               later.x2 == earlier.x2 && later.y2 == earlier.y2;
    default:
        return false;
    }
}

void RasterCanvas::paint(const Shape& shape, const Shape* later) const
{
    if (shape.kind == Shape::Kind::None)
        return;
    if (later && (later->kind == Shape::Kind::None || later->top > shape.bottom || later->bottom < shape.top ||
                  later->left > shape.right || later->right < shape.left))
        later = nullptr;
    if (later && covers(*later, shape))
        return;
    takePixels();
    const Shape::Kind laterKind = later ? later->kind : Shape::Kind::None;
    if (shape.kind == Shape::Kind::Box && shape.rings.size() > 1)
        paintNestedBoxes(shape);
    else if (shape.kind == Shape::Kind::Box && laterKind == Shape::Kind::None)
        fillRect(shape.left, shape.right, shape.top, shape.bottom, shape.colour);
    else if (shape.kind == Shape::Kind::Box && laterKind == Shape::Kind::Box)
        paintBoxBeside(shape, *later);
    else if (shape.kind == Shape::Kind::Disc && laterKind == Shape::Kind::Disc)
        paintDiscBeside(shape, *later);
    else
        paintRows(shape, later);
}

void RasterCanvas::takePixels() const
{
    // Writing to a picture someone holds a copy of gives us our own pixels first.
    if (!handedOut_)
        return;
    bits_ = image_.bits();
    stride_ = image_.bytesPerLine();
    handedOut_ = false;
}

void RasterCanvas::paintNestedBoxes(const Shape& shape) const
{
    // Each box lies inside the one before, so a pixel shows the last box whose columns and whose rows both
    // hold it: the earlier of the last box holding its column and the last box holding its row.
    const std::vector<Ring>& rings = shape.rings;
    const Ring& outer = rings.front();
    const int from = std::max(outer.left, 0), to = std::min(outer.right, width_ - 1);
    if (from > to)
        return;
    ringOfColumn_.resize(static_cast<std::size_t>(to - from + 1));
    ringOfRow_.resize(static_cast<std::size_t>(outer.bottom - outer.top + 1));
    // Ring k holds the columns and rows between its edges and those of ring k + 1, the last ring all of its own.
    int* columnRing = ringOfColumn_.data() - from;
    int* rowRing = ringOfRow_.data() - outer.top;
    for (std::size_t k = 0; k < rings.size(); ++k) {
        const Ring& ring = rings[k];
        const bool last = k + 1 == rings.size();
        const Ring& inner = last ? ring : rings[k + 1];
        const int left = std::max(ring.left, from), right = std::min(ring.right, to);
        const int innerLeft = last ? right + 1 : std::max(inner.left, from);
        const int innerRight = last ? right : std::min(inner.right, to);
        for (int x = left; x < std::min(innerLeft, right + 1); ++x)
            columnRing[x] = int(k);
        for (int x = std::max(innerRight + 1, left); x <= right; ++x)
            columnRing[x] = int(k);
        const int innerTop = last ? ring.bottom + 1 : inner.top, innerBottom = last ? ring.bottom : inner.bottom;
        for (int y = ring.top; y < std::min(innerTop, ring.bottom + 1); ++y)
            rowRing[y] = int(k);
        for (int y = std::max(innerBottom + 1, ring.top); y <= ring.bottom; ++y)
            rowRing[y] = int(k);
    }
    columnColours_.resize(ringOfColumn_.size());
    for (std::size_t i = 0; i < ringOfColumn_.size(); ++i)
        columnColours_[i] = rings[static_cast<std::size_t>(ringOfColumn_[i])].colour;

    const int count = to - from + 1;
    const QRgb* rowBefore = nullptr;
    int ringBefore = -1;
    for (int y = outer.top; y <= outer.bottom; ++y) {
        if (clearing_ && to >= coveredTo_[static_cast<std::size_t>(y)])
            clearRowRest(y);
        QRgb* pixels = rowPixels(y) + from;
        const int ring = rowRing[y];
        if (ring == ringBefore) {
            std::copy_n(rowBefore, count, pixels);  // rows between the same edges are alike
            continue;
        }
        const QRgb colour = rings[static_cast<std::size_t>(ring)].colour;
        const int* columnRings = ringOfColumn_.data();
        const QRgb* columnColour = columnColours_.data();
        int i = 0;
#if defined(__SSE2__)
        const __m128i rowRing = _mm_set1_epi32(ring), rowColour = _mm_set1_epi32(int(colour));
        for (; i + 4 <= count; i += 4) {
            const __m128i columns = _mm_loadu_si128(reinterpret_cast<const __m128i*>(columnRings + i));
            const __m128i earlier = _mm_cmpgt_epi32(rowRing, columns);
            const __m128i theirs = _mm_loadu_si128(reinterpret_cast<const __m128i*>(columnColour + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i),
                             _mm_or_si128(_mm_and_si128(earlier, theirs), _mm_andnot_si128(earlier, rowColour)));
        }
#endif
        for (; i < count; ++i)
            pixels[i] = columnRings[i] < ring ? columnColour[i] : colour;
        rowBefore = pixels;
        ringBefore = ring;
    }
}

void RasterCanvas::paintBoxBeside(const Shape& shape, const Shape& later) const
{
    // The box's rows above and below the later box in full, and beside it the bands to its left and right.
    fillRect(shape.left, shape.right, shape.top, std::min(shape.bottom, later.top - 1), shape.colour);
    fillRect(shape.left, shape.right, std::max(shape.top, later.bottom + 1), shape.bottom, shape.colour);
    const int top = std::max(shape.top, later.top), bottom = std::min(shape.bottom, later.bottom);
    fillRect(shape.left, std::min(shape.right, later.left - 1), top, bottom, shape.colour);
    fillRect(std::max(shape.left, later.right + 1), shape.right, top, bottom, shape.colour);
}

void RasterCanvas::paintRows(const Shape& shape, const Shape* later) const
{
    if (later && later->kind == Shape::Kind::Line && shape.kind == Shape::Kind::Line)
        later = nullptr;  // crossing lines share a pixel or two: not worth tracing the later one for
    if (shape.kind == Shape::Kind::Line && !later) {
        paintLine(shape);
        return;
    }
    if (shape.kind == Shape::Kind::Line && !shape.traced)
        shape.trace();
    for (int y = shape.top; y <= shape.bottom; ++y)
        paintRow(shape, y, later ? later->cover(y) : Span{});
}

void RasterCanvas::paintLine(const Shape& line) const
{
    // Straight onto the picture.
    walkLine(line.x1, line.y1, line.x2, line.y2, [&](int x, int y) {
        if (y >= 0 && y < height_ && x >= 0 && x < width_) {
            if (clearing_ && x >= coveredTo_[static_cast<std::size_t>(y)])
                clearRowRest(y);
            rowPixels(y)[x] = line.colour;
        }
    });
}

void RasterCanvas::paintDiscBeside(const Shape& shape, const Shape& later) const
{
    // Where both discs have the row, the earlier one shows only beside the later one's span; nested rings
    // mostly have the same span as the next, so first find the rows where anything shows at all.
    const int from = std::max(shape.top, later.top), to = std::min(shape.bottom, later.bottom);
    for (int y = shape.top; y < from; ++y)
        paintRow(shape, y, {});
    const Span* spans = shape.spans.data() + 1 - shape.top;
    const Span* hidden = later.spans.data() + 1 - later.top;
    for (int first = from; first <= to; first += 32) {
        const int count = std::min(to - first + 1, 32);
        static_assert(sizeof(Span) == 2 * sizeof(int));
        for (std::uint32_t rows = rowsShowing(&spans[first].left, &hidden[first].left, count); rows;
             rows &= rows - 1) {
            const int y = first + std::countr_zero(rows);
            paintRow(shape, y, hidden[y]);
        }
    }
    for (int y = std::max(to + 1, shape.top); y <= shape.bottom; ++y)
        paintRow(shape, y, {});
}

inline void RasterCanvas::paintRow(const Shape& shape, int y, Span hidden) const
{
    const Span span = shape.kind == Shape::Kind::Box ? Span{shape.left, shape.right}
                                                      : shape.spans[static_cast<std::size_t>(y - shape.top + 1)];
    if (span.empty() || (hidden.left <= span.left && hidden.right >= span.right))
        return;
    if (shape.kind != Shape::Kind::Disc || shape.solid) {
        putBeside(y, span, hidden, shape.colour);
        return;
    }
    // A disc's row shows its outline colour at both ends: a later disc a little further on mostly leaves
    // just an end showing.
    if (!hidden.empty() && hidden.left <= span.left + 1 && hidden.right >= span.right - 1) {
        if (span.left < hidden.left)
            put(y, span.left, span.left, shape.colour);
        if (hidden.right < span.right)
            put(y, span.right, span.right, shape.colour);
        return;
    }
    const Span inner = shape.inner(y);
    if (inner.empty()) {
        putBeside(y, span, hidden, shape.colour);
        return;
    }
    putBeside(y, {span.left, inner.left - 1}, hidden, shape.colour);
    putBeside(y, inner, hidden, shape.inside);
    putBeside(y, {inner.right + 1, span.right}, hidden, shape.colour);
}

void RasterCanvas::fillRect(int left, int right, int top, int bottom, QRgb rgb) const
{
    left = std::max(left, 0);
    right = std::min(right, width_ - 1);
    top = std::max(top, 0);
    bottom = std::min(bottom, height_ - 1);
    if (left > right)
        return;
    const auto count = static_cast<std::size_t>(right - left + 1);
    for (int y = top; y <= bottom; ++y) {
        if (clearing_ && right >= coveredTo_[static_cast<std::size_t>(y)])
            clearRowRest(y);
        QRgb* pixels = rowPixels(y) + left;
        if (count == 1)
            *pixels = rgb;  // the bands beside nested squares are mostly one pixel wide
        else
            fillPixels(pixels, count, rgb);
    }
}

inline void RasterCanvas::put(int y, int left, int right, QRgb rgb) const
{
    left = std::max(left, 0);
    right = std::min(right, width_ - 1);
    if (left > right)
        return;
    if (clearing_ && right >= coveredTo_[static_cast<std::size_t>(y)])
        clearRowRest(y);
    QRgb* pixels = rowPixels(y);
    if (right - left < 8)
        for (int x = left; x <= right; ++x)
            pixels[x] = rgb;
    else
        fillPixels(pixels + left, std::size_t(right - left + 1), rgb);
}

inline void RasterCanvas::putBeside(int y, Span span, Span hidden, QRgb rgb) const
{
    // The span without the part that a later shape paints.
    if (span.empty())
        return;
    if (hidden.empty() || hidden.right < span.left || hidden.left > span.right) {
        put(y, span.left, span.right, rgb);
        return;
    }
    if (span.left < hidden.left)
        put(y, span.left, hidden.left - 1, rgb);
    if (hidden.right < span.right)
        put(y, hidden.right + 1, span.right, rgb);
}

void RasterCanvas::coverAfterClearing(const Shape& box)
{
    const int left = std::max(box.left, 0), right = std::min(box.right, width_ - 1);
    if (box.kind != Shape::Kind::Box || left > right)
        return;
    // A ring inside the last box that counted adds nothing.
    if (box.top >= lastCovered_.top && box.bottom <= lastCovered_.bottom && left >= lastCovered_.left &&
        right <= lastCovered_.right)
        return;
    for (int y = box.top; y <= box.bottom; ++y) {
        int& to = coveredTo_[static_cast<std::size_t>(y)];
        if (left <= to)
            to = std::max(to, right + 1);
    }
    lastCovered_ = {left, right, box.top, box.bottom};
}

void RasterCanvas::clearRowRest(int y) const
{
    // Past its covered part the row takes the background, as far as it showed anything else.
    int& to = coveredTo_[static_cast<std::size_t>(y)];
    if (y >= stale_.top && y <= stale_.bottom) {
        const int from = std::max(to, stale_.left), last = std::min(stale_.right, width_ - 1);
        if (from <= last)
            fillPixels(rowPixels(y) + from, std::size_t(last - from + 1), background_);
    }
    to = width_;
}

void RasterCanvas::finishClearing() const
{
    if (!clearing_)
        return;
    takePixels();
    for (int y = std::max(stale_.top, 0); y <= std::min(stale_.bottom, height_ - 1); ++y)
        if (coveredTo_[static_cast<std::size_t>(y)] < width_)
            clearRowRest(y);
    clearing_ = false;
}

} // namespace zorvik
