// Rasterising boxes, lines and discs given in twips onto the pixels of an image, each pixel left out where
// the following operation paints it again.
#include "window/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace zorvik {

namespace {

// std::floor and std::ceil to int without a library call. Numbers far past any picture are held to a
// billion first, where converting could not go.
inline int floorToInt(double value)
{
    value = std::clamp(value, -1e9, 1e9);
    const int whole = static_cast<int>(value);
    return whole - (value < whole);
}

inline int ceilToInt(double value)
{
    value = std::clamp(value, -1e9, 1e9);
    const int whole = static_cast<int>(value);
    return whole + (value > whole);
}

std::uint64_t bitsOf(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Room for the rows of discs with different centre heights or radii: a large board's dots need a few
// thousand kinds; past half of this, all are forgotten and worked out afresh.
constexpr std::size_t kDiscRowPlaces = 1 << 14;

} // namespace

RasterCanvas::RasterCanvas(int widthPixels, int heightPixels, double twipsPerPixel, Colour background)
    : image_(std::max(widthPixels, 1), std::max(heightPixels, 1), QImage::Format_RGB32),
      width_(image_.width()), height_(image_.height()), twipsPerPixel_(twipsPerPixel), background_(background),
      backgroundRgb_(toRgb(background)), coveredTo_(std::size_t(height_), width_),
      backgroundFrom_(std::size_t(height_), 0)
{
    image_.fill(backgroundRgb_);
}

QRgb RasterCanvas::toRgb(Colour colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

int RasterCanvas::toPixel(double twips) const
{
    // Pixel p covers the twips from p * twipsPerPixel up to, not including, the next pixel's.
    return floorToInt(twips / twipsPerPixel_);
}

const QImage& RasterCanvas::image() const
{
    paint(waiting_, nullptr);
    waiting_.kind = Shape::Kind::None;
    finishClearing();
    return image_;
}

void RasterCanvas::resize(int widthPixels, int heightPixels)
{
    image();
    QImage next(std::max(widthPixels, 1), std::max(heightPixels, 1), QImage::Format_RGB32);
    next.fill(backgroundRgb_);
    const int rows = std::min(next.height(), image_.height());
    const int bytes = std::min(next.bytesPerLine(), image_.bytesPerLine());
    for (int y = 0; y < rows; ++y)
        std::copy_n(image_.constScanLine(y), bytes, next.scanLine(y));
    image_ = std::move(next);
    width_ = image_.width();
    height_ = image_.height();
    backgroundFrom_.resize(std::size_t(height_), 0);
    for (int& from : backgroundFrom_)
        from = std::min(from, width_);
    coveredTo_.assign(std::size_t(height_), width_);
    discRows_ = {};  // their rows were cut to the old height
}

void RasterCanvas::Cls()
{
    waiting_.kind = Shape::Kind::None;  // the clearing paints over it
    clearing_ = true;
    std::fill(coveredTo_.begin(), coveredTo_.end(), 0);
    lastCovered_ = {};
    lastCoveredRows_ = {};
}

void RasterCanvas::FillColor(Colour colour) { fill_ = colour; }

void RasterCanvas::Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind)
{
    const int px1 = toPixel(x1), py1 = toPixel(y1), px2 = toPixel(x2), py2 = toPixel(y2);
    if (kind == LineKind::Plain) {
        makeLine(next_, px1, py1, px2, py2, toRgb(colour));
    } else {
        makeBox(next_, px1, py1, px2, py2, toRgb(colour));
        if (clearing_)
            coverAfterClearing(next_);
    }
    queueNext();
}

void RasterCanvas::Circle(float x, float y, float radius, Colour colour)
{
    if (radius < 0)
        return;
    makeDisc(next_, x, y, radius, toRgb(colour), toRgb(fill_));
    queueNext();
}

void RasterCanvas::queueNext()
{
    paint(waiting_, &next_);
    std::swap(waiting_, next_);
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
    spans.assign(static_cast<std::size_t>(bottom - top + 1), Span{});
    int x = x1, y = y1;
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        if (y >= top && y <= bottom) {
            Span& run = spans[static_cast<std::size_t>(y - top)];
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
    std::size_t slot = std::size_t((centreBits * 0x9E3779B97F4A7C15ull) ^ (radiusBits * 0xC2B2AE3D27D4EB4Full)) >> 40;
    for (;; slot = (slot + 1) & mask) {
        slot &= mask;
        if (places[slot] == 0)
            break;
        const DiscRows& rows = pool[places[slot] - 1];
        if (rows.centreBits == centreBits && rows.radiusBits == radiusBits)
            return rows;
    }
    if (pool.size() >= kDiscRowPlaces / 2) {
        pool.clear();
        std::fill(places.begin(), places.end(), 0);
        return discRows(cy, r);
    }
    pool.emplace_back();
    places[slot] = static_cast<std::uint32_t>(pool.size());
    DiscRows& rows = pool.back();
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

    // Each row's span, with one row either side, which decide where the outline runs.
    const int centreX = floorToInt(cx);
    const std::size_t count = rows.half.size();
    around_.resize(count);
    Span* spans = around_.data();
    const double* half = rows.half.data();
    int left = centreX, right = centreX;
    for (std::size_t i = 0; i < count; ++i) {
        Span span;
        if (half[i] >= 0) {
            span = {ceilToInt(cx - half[i] - 0.5), floorToInt(cx + half[i] - 0.5)};
            left = std::min(left, span.left);
            right = std::max(right, span.right);
        }
        spans[i] = span;
    }
    const auto centre = static_cast<std::size_t>(rows.centreY - (rows.top - 1));
    if (centre < count) {
        Span& span = spans[centre];
        span = span.empty() ? Span{centreX, centreX}
                            : Span{std::min(span.left, centreX), std::max(span.right, centreX)};
    }
    shape.left = left;
    shape.right = right;
    shape.spans.assign(around_.begin() + 1, around_.end() - 1);
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
    const Shape* over = later && later->kind != Shape::Kind::None && later->top <= shape.bottom &&
                                later->bottom >= shape.top
                            ? later
                            : nullptr;
    if (over && covers(*over, shape))
        return;
    bits_ = image_.bits();  // the picture made our own, should anyone hold a copy of it
    stride_ = image_.bytesPerLine();

    if (shape.kind == Shape::Kind::Box && (!over || over->kind == Shape::Kind::Box)) {
        if (over)
            paintBoxBeside(shape, *over);
        else
            fillRect(shape.left, shape.right, shape.top, shape.bottom, shape.colour);
        return;
    }
    if (shape.kind == Shape::Kind::Line && !shape.traced)
        shape.trace();
    if (over && over->kind == Shape::Kind::Line && !over->traced)
        over->trace();

    // Row by row, each row's span without what the later shape paints on that row.
    const int overTop = over ? over->top : 1, overBottom = over ? over->bottom : 0;
    const Span overBox = over && over->kind == Shape::Kind::Box ? Span{over->left, over->right} : Span{};
    const Span* overSpans = over && over->kind != Shape::Kind::Box ? over->spans.data() - overTop : nullptr;
    const bool box = shape.kind == Shape::Kind::Box;
    const bool plain = box || shape.kind == Shape::Kind::Line || shape.solid;
    for (int y = shape.top; y <= shape.bottom; ++y) {
        const auto i = static_cast<std::size_t>(y - shape.top);
        const Span span = box ? Span{shape.left, shape.right} : shape.spans[i];
        Span hidden;
        if (y >= overTop && y <= overBottom)
            hidden = overSpans ? overSpans[y] : overBox;
        if (span.empty() || (hidden.left <= span.left && hidden.right >= span.right))
            continue;
        if (plain || shape.inner[i].empty()) {
            fillRow(y, span, hidden, shape.colour);
            continue;
        }
        const Span inner = shape.inner[i];
        fillRow(y, {span.left, inner.left - 1}, hidden, shape.colour);
        fillRow(y, inner, hidden, shape.inside);
        fillRow(y, {inner.right + 1, span.right}, hidden, shape.colour);
    }
}

void RasterCanvas::paintBoxBeside(const Shape& shape, const Shape& later) const
{
    // The box's rows above and below the later box in full, and beside it the bands to its left and right.
    fillRect(shape.left, shape.right, shape.top, std::min(shape.bottom, later.top - 1), shape.colour);
    fillRect(shape.left, shape.right, std::max(shape.top, later.bottom + 1), shape.bottom, shape.colour);
    const int top = std::max(shape.top, later.top), bottom = std::min(shape.bottom, later.bottom);
    if (later.right < shape.left || later.left > shape.right) {
        fillRect(shape.left, shape.right, top, bottom, shape.colour);
        return;
    }
    fillRect(shape.left, later.left - 1, top, bottom, shape.colour);
    fillRect(later.right + 1, shape.right, top, bottom, shape.colour);
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
        const auto row = static_cast<std::size_t>(y);
        if (clearing_ && right >= coveredTo_[row])
            clearRowRest(y);
        QRgb* pixels = rowPixels(y) + left;
        if (count == 1)
            *pixels = rgb;  // the bands beside nested squares are mostly one pixel wide
        else
            std::fill_n(pixels, count, rgb);
        if (backgroundFrom_[row] <= right)
            backgroundFrom_[row] = right + 1;
    }
}

void RasterCanvas::fillRow(int y, Span span, Span later, QRgb rgb) const
{
    // The span without the part that `later` paints.
    if (span.empty())
        return;
    if (later.empty() || later.right < span.left || later.left > span.right) {
        fill(y, span.left, span.right, rgb);
        return;
    }
    fill(y, span.left, later.left - 1, rgb);
    fill(y, later.right + 1, span.right, rgb);
}

void RasterCanvas::fill(int y, int left, int right, QRgb rgb) const
{
    left = std::max(left, 0);
    right = std::min(right, width_ - 1);
    if (left > right)
        return;
    const auto row = static_cast<std::size_t>(y);
    if (clearing_ && right >= coveredTo_[row])
        clearRowRest(y);
    std::fill(rowPixels(y) + left, rowPixels(y) + right + 1, rgb);
    if (backgroundFrom_[row] <= right)
        backgroundFrom_[row] = right + 1;
}

void RasterCanvas::coverAfterClearing(const Shape& box)
{
    const int left = std::max(box.left, 0), right = std::min(box.right, width_ - 1);
    if (box.kind != Shape::Kind::Box || left > right)
        return;
    // A ring inside the last box that counted adds nothing.
    if (box.top >= lastCoveredRows_.left && box.bottom <= lastCoveredRows_.right && left >= lastCovered_.left &&
        right <= lastCovered_.right)
        return;
    for (int y = box.top; y <= box.bottom; ++y) {
        int& to = coveredTo_[static_cast<std::size_t>(y)];
        if (left <= to)
            to = std::max(to, right + 1);
    }
    lastCovered_ = {left, right};
    lastCoveredRows_ = {box.top, box.bottom};
}

void RasterCanvas::clearRowRest(int y) const
{
    // Past the covered columns the row takes the background, as far as it shows anything else.
    const auto row = static_cast<std::size_t>(y);
    const int from = coveredTo_[row], to = std::min(backgroundFrom_[row], width_);
    QRgb* pixels = rowPixels(y);
    if (from < to)
        std::fill(pixels + from, pixels + to, backgroundRgb_);
    backgroundFrom_[row] = std::min(backgroundFrom_[row], from);
    coveredTo_[row] = width_;
}

void RasterCanvas::finishClearing() const
{
    if (!clearing_)
        return;
    bits_ = image_.bits();
    stride_ = image_.bytesPerLine();
    for (int y = 0; y < height_; ++y)
        if (coveredTo_[static_cast<std::size_t>(y)] < width_)
            clearRowRest(y);
    clearing_ = false;
}

} // namespace zorvik
