// The raster canvas: operations wait one step, so that each is painted without what the next paints anyway.
#include "window/raster_canvas.h"

#include <algorithm>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zorvik {

void RasterCanvas::Rect::add(const Rect& other)
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

RasterCanvas::RasterCanvas(int widthPixels, int heightPixels, double twipsPerPixel, Colour background)
    : image_(std::max(widthPixels, 1), std::max(heightPixels, 1), QImage::Format_RGB32),
      width_(image_.width()), height_(image_.height()), twipsPerPixel_(twipsPerPixel),
      background_(toRgb(background)), coveredTo_(std::size_t(height_), width_)
{
    image_.fill(background_);
}

QRgb RasterCanvas::toRgb(Colour colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

const QImage& RasterCanvas::image() const
{
    paint(*waiting_, nullptr);
    waiting_->kind = Shape::Kind::None;
    finishClearing();
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
}

void RasterCanvas::Cls()
{
    waiting_->kind = Shape::Kind::None;  // the clearing paints over it
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
    // On exactly the pixels of the shape that waits, the new one takes its place: most rings land so.
    Shape& waiting = *waiting_;
    if (kind == LineKind::FilledBox && waiting.kind == Shape::Kind::Box && waiting.left == std::min(px1, px2) &&
        waiting.right == std::max(px1, px2) && waiting.top == std::max(std::min(py1, py2), 0) &&
        waiting.bottom == std::min(std::max(py1, py2), height_ - 1)) {
        waiting.colour = toRgb(colour);
        return;
    }
    if (kind == LineKind::Plain && waiting.kind == Shape::Kind::Line && waiting.x1 == px1 && waiting.y1 == py1 &&
        waiting.x2 == px2 && waiting.y2 == py2) {
        waiting.colour = toRgb(colour);
        return;
    }
    if (kind == LineKind::Plain) {
        makeLine(*next_, px1, py1, px2, py2, toRgb(colour));
    } else {
        makeBox(*next_, px1, py1, px2, py2, toRgb(colour));
        if (clearing_)
            coverAfterClearing(*next_);
    }
    queueNext();
}

void RasterCanvas::Circle(float x, float y, float radius, Colour colour)
{
    if (radius < 0)
        return;
    makeDisc(*next_, x, y, radius, toRgb(colour), toRgb(fill_));
    queueNext();
}

void RasterCanvas::queueNext()
{
    const Shape& next = *next_;
    if (next.kind != Shape::Kind::None)
        painted_.add(Rect{std::max(next.left, 0), std::min(next.right, width_ - 1), next.top, next.bottom});
    paint(*waiting_, next_);
    std::swap(waiting_, next_);
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
    bits_ = image_.bits();  // the picture made our own, should anyone hold a copy of it
    stride_ = image_.bytesPerLine();
    const Shape::Kind laterKind = later ? later->kind : Shape::Kind::None;
    if (shape.kind == Shape::Kind::Box && laterKind == Shape::Kind::None)
        fillRect(shape.left, shape.right, shape.top, shape.bottom, shape.colour);
    else if (shape.kind == Shape::Kind::Box && laterKind == Shape::Kind::Box)
        paintBoxBeside(shape, *later);
    else if (shape.kind == Shape::Kind::Disc && laterKind == Shape::Kind::Disc)
        paintDiscBeside(shape, *later);
    else
        paintRows(shape, later);
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
    if (shape.kind == Shape::Kind::Line && !shape.traced)
        shape.trace();
    if (later && later->kind == Shape::Kind::Line && shape.kind == Shape::Kind::Line)
        later = nullptr;  // crossing lines share a pixel or two: not worth tracing the later one for
    for (int y = shape.top; y <= shape.bottom; ++y)
        paintRow(shape, y, later ? later->cover(y) : Span{});
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
    int y = from;
#if defined(__SSE2__)
    const __m128i lefts = _mm_set_epi32(0, -1, 0, -1);
    for (; y + 1 <= to; y += 2) {
        const __m128i mine = _mm_loadu_si128(reinterpret_cast<const __m128i*>(spans + y));
        const __m128i theirs = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hidden + y));
        // Per row: their left end past mine, or my right end past theirs, and mine not empty.
        const __m128i beyond = _mm_or_si128(_mm_and_si128(_mm_cmpgt_epi32(theirs, mine), lefts),
                                            _mm_andnot_si128(lefts, _mm_cmpgt_epi32(mine, theirs)));
        const __m128i empty = _mm_and_si128(
            _mm_cmpgt_epi32(mine, _mm_shuffle_epi32(mine, _MM_SHUFFLE(2, 3, 0, 1))), lefts);
        const int shows = _mm_movemask_epi8(beyond), none = _mm_movemask_epi8(empty);
        if ((shows & 0x00FF) && !(none & 0x000F))
            paintRow(shape, y, hidden[y]);
        if ((shows & 0xFF00) && !(none & 0x0F00))
            paintRow(shape, y + 1, hidden[y + 1]);
    }
#endif
    for (; y <= to; ++y)
        paintRow(shape, y, hidden[y]);
    for (y = std::max(to + 1, shape.top); y <= shape.bottom; ++y)
        paintRow(shape, y, {});
}

inline void RasterCanvas::paintRow(const Shape& shape, int y, Span hidden) const
{
    const Span span = shape.kind == Shape::Kind::Box ? Span{shape.left, shape.right}
                                                      : shape.spans[static_cast<std::size_t>(y - shape.top + 1)];
    if (span.empty() || (hidden.left <= span.left && hidden.right >= span.right))
        return;
    const bool oneColour = shape.kind != Shape::Kind::Disc || shape.solid;
    const Span inner = oneColour ? Span{} : shape.inner[static_cast<std::size_t>(y - shape.top)];
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
            std::fill_n(pixels, count, rgb);
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
        std::fill(pixels + left, pixels + right + 1, rgb);
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
            std::fill(rowPixels(y) + from, rowPixels(y) + last + 1, background_);
    }
    to = width_;
}

void RasterCanvas::finishClearing() const
{
    if (!clearing_)
        return;
    bits_ = image_.bits();
    stride_ = image_.bytesPerLine();
    for (int y = std::max(stale_.top, 0); y <= std::min(stale_.bottom, height_ - 1); ++y)
        if (coveredTo_[static_cast<std::size_t>(y)] < width_)
            clearRowRest(y);
    clearing_ = false;
}

} // namespace zorvik
