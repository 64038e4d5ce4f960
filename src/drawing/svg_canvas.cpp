// SPDX-License-Identifier: GPL-3.0-or-later
// SVG shapes in the raster canvas's geometry: a pixel is one unit of the picture's view box.
#include "drawing/svg_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zorvik {

namespace {

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

std::string hex(Colour colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return text;
}

std::string rect(double x, double y, double width, double height, Colour colour)
{
    return "<rect x=\"" + number(x) + "\" y=\"" + number(y) + "\" width=\"" + number(width) + "\" height=\"" +
           number(height) + "\" fill=\"" + hex(colour) + "\"/>\n";
}

} // namespace

SvgCanvas::SvgCanvas(int width, int height, double unitsPerPixel, Colour background)
    : width_(width), height_(height), unitsPerPixel_(unitsPerPixel), background_(background)
{
}

void SvgCanvas::Cls()
{
    shapes_.clear();  // the background covers everything drawn so far
}

void SvgCanvas::Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind)
{
    const double u = unitsPerPixel_;
    if (kind == LineKind::FilledBox) {
        // Both corners' pixels belong to the box.
        const double left = std::floor(std::min(x1, x2) / u), top = std::floor(std::min(y1, y2) / u);
        const double right = std::floor(std::max(x1, x2) / u) + 1, bottom = std::floor(std::max(y1, y2) / u) + 1;
        shapes_ += rect(left, top, right - left, bottom - top, colour);
        return;
    }
    // Through the middles of the end pixels, one pixel wide.
    auto middle = [u](float v) { return number(std::floor(v / u) + 0.5); };
    shapes_ += "<line x1=\"" + middle(x1) + "\" y1=\"" + middle(y1) + "\" x2=\"" + middle(x2) + "\" y2=\"" +
               middle(y2) + "\" stroke=\"" + hex(colour) + "\" stroke-linecap=\"square\"/>\n";
}

void SvgCanvas::Circle(float x, float y, float radius, Colour colour)
{
    const double u = unitsPerPixel_, r = radius / u;
    if (!(r >= 0) || !std::isfinite(x / u + y / u + r))
        return;
    if (r < 1) {
        // Too small for a ring: the centre's own pixel, as the raster canvas always paints it.
        shapes_ += rect(std::floor(x / u), std::floor(y / u), 1, 1, colour);
        return;
    }
    // The outline is the disc's outermost pixel, inside its radius.
    shapes_ += "<circle cx=\"" + number(x / u) + "\" cy=\"" + number(y / u) + "\" r=\"" + number(r - 0.5) +
               "\" fill=\"" + hex(fill_) + "\" stroke=\"" + hex(colour) + "\"/>\n";
}

std::string SvgCanvas::svg() const
{
    const std::string w = std::to_string(width_), h = std::to_string(height_);
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w +
           " " + h + "\">\n" + rect(0, 0, width_, height_, background_) + shapes_ + "</svg>\n";
}

} // namespace zorvik
