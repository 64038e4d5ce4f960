// Rasterising boxes, lines and discs given in twips onto the pixels of an image, each pixel left out where
// the following operation paints it again.
#include "window/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace zorvik {

namespace {

// std::floor and std::ceil for numbers well inside int, without a library call.
inline int floorToInt(double value)
{
    const int whole = static_cast<int>(value);
    return whole - (value < whole);
}

inline int ceilToInt(double value)
{
    const int whole = static_cast<int>(value);
    return whole + (value > whole);
}

} // namespace

RasterCanvas::RasterCanvas(int widthPixels, int heightPixels, double twipsPerPixel, Colour background)
    : image_(std::max(widthPixels, 1), std::max(heightPixels, 1), QImage::Format_RGB32),
      width_(image_.width()), height_(image_.height()), twipsPerPixel_(twipsPerPixel), background_(background)
{
    image_.fill(toRgb(background_));
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
    return image_;
}

void RasterCanvas::resize(int widthPixels, int heightPixels)
{
    image();
    QImage next(std::max(widthPixels, 1), std::max(heightPixels, 1), QImage::Format_RGB32);
    next.fill(toRgb(background_));
    const int rows = std::min(next.height(), image_.height());
    const int bytes = std::min(next.bytesPerLine(), image_.bytesPerLine());
    for (int y = 0; y < rows; ++y)
        std::copy_n(image_.constScanLine(y), bytes, next.scanLine(y));
    image_ = std::move(next);
    width_ = image_.width();
    height_ = image_.height();
}

void RasterCanvas::Cls()
{
    waiting_.kind = Shape::Kind::None;  // the clearing paints over it
    image_.fill(toRgb(background_));
}

void RasterCanvas::FillColor(Colour colour) { fill_ = colour; }

void RasterCanvas::Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind)
{
    const int px1 = toPixel(x1), py1 = toPixel(y1), px2 = toPixel(x2), py2 = toPixel(y2);
    if (kind == LineKind::Plain)
        makeLine(next_, px1, py1, px2, py2, toRgb(colour));
    else
        makeBox(next_, px1, py1, px2, py2, toRgb(colour));
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

void RasterCanvas::makeDisc(Shape& shape, float x, float y, float radius, QRgb outline, QRgb inside) const
{
    // The disc is every pixel whose centre lies within the radius, and always the centre's own pixel.
    // The arithmetic is the plain rasteriser's, step for step, so every pixel decision comes out the same.
    const double cx = x / twipsPerPixel_;
    const double cy = y / twipsPerPixel_;
    const double r = radius / twipsPerPixel_;
    const int centreX = floorToInt(cx);
    const int centreY = floorToInt(cy);
    const int top = std::min(ceilToInt(cy - r - 0.5), centreY);
    const int bottom = std::max(floorToInt(cy + r - 0.5), centreY);

    shape.kind = Shape::Kind::Disc;
    shape.colour = outline;
    shape.inside = inside;
    shape.solid = outline == inside;
    shape.top = std::max(top, 0);
    shape.bottom = std::min(bottom, height_ - 1);
    if (shape.top > shape.bottom) {
        shape.kind = Shape::Kind::None;
        return;
    }

    // Spans of the rows painted and of one row either side, which decide where the outline runs.
    const int first = shape.top - 1, last = shape.bottom + 1;
    std::vector<Span>& around = scratch_;
    around.assign(static_cast<std::size_t>(last - first + 1), Span{});
    const double rr = r * r;
    for (int row = std::max(first, top); row <= std::min(last, bottom); ++row) {
        const double dy = row + 0.5 - cy;
        Span span;
        if (dy * dy <= rr) {
            const double half = std::sqrt(rr - dy * dy);
            span = {ceilToInt(cx - half - 0.5), floorToInt(cx + half - 0.5)};
        }
        if (row == centreY)
            span = span.empty() ? Span{centreX, centreX}
                                : Span{std::min(span.left, centreX), std::max(span.right, centreX)};
        around[static_cast<std::size_t>(row - first)] = span;
    }

    // The outline is the disc's pixels with a neighbour outside it; the rest takes the fill colour.
    const auto rows = static_cast<std::size_t>(shape.bottom - shape.top + 1);
    shape.spans.assign(around.begin() + 1, around.end() - 1);
    shape.left = centreX;
    shape.right = centreX;
    for (const Span& span : shape.spans)
        if (!span.empty()) {
            shape.left = std::min(shape.left, span.left);
            shape.right = std::max(shape.right, span.right);
        }
    if (shape.solid)
        return;
    shape.inner.resize(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        const Span span = around[i + 1], above = around[i], below = around[i + 2];
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

    if (shape.kind == Shape::Kind::Box) {
        if (!over)
            fillRect(shape.left, shape.right, shape.top, shape.bottom, shape.colour);
        else if (over->kind == Shape::Kind::Box)
            paintBoxBeside(shape, *over);
        else
            for (int y = shape.top; y <= shape.bottom; ++y)
                fillRow(y, {shape.left, shape.right}, over->cover(y), shape.colour);
        return;
    }
    if (shape.kind == Shape::Kind::Line && !shape.traced)
        shape.trace();
    for (int y = shape.top; y <= shape.bottom; ++y) {
        const auto i = static_cast<std::size_t>(y - shape.top);
        const Span span = shape.spans[i];
        const Span hidden = over ? over->cover(y) : Span{};
        if (span.empty() || (hidden.left <= span.left && hidden.right >= span.right))
            continue;
        if (shape.kind == Shape::Kind::Line || shape.solid || shape.inner[i].empty()) {
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
    if (left > right || top > bottom)
        return;
    const auto count = static_cast<std::size_t>(right - left + 1);
    for (int y = top; y <= bottom; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(bits_ + stride_ * y) + left, count, rgb);
}

void RasterCanvas::fillRow(int y, Span span, Span later, QRgb rgb) const
{
    // The span without the part that `later` paints, cut to the image.
    auto* row = reinterpret_cast<QRgb*>(bits_ + stride_ * y);
    auto fill = [&](int left, int right) {
        left = std::max(left, 0);
        right = std::min(right, width_ - 1);
        if (left <= right)
            std::fill(row + left, row + right + 1, rgb);
    };
    if (span.empty())
        return;
    if (later.empty() || later.right < span.left || later.left > span.right) {
        fill(span.left, span.right);
        return;
    }
    fill(span.left, later.left - 1);
    fill(later.right + 1, span.right);
}

} // namespace zorvik
