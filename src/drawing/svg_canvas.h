// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing operations written down as a scalable picture (SVG), shape for shape as the raster canvas paints them.
#pragma once

#include "model/canvas.h"

#include <string>

namespace zorvik {

class SvgCanvas : public Canvas {
public:
    // A picture of width x height pixels, each unitsPerPixel drawing units wide; it scales from there.
    SvgCanvas(int width, int height, double unitsPerPixel, Colour background);

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) override;
    void FillColor(Colour colour) override { fill_ = colour; }
    void Circle(float x, float y, float radius, Colour colour) override;

    // The whole document.
    std::string svg() const;

private:
    int width_, height_;
    double unitsPerPixel_;
    Colour background_;
    Colour fill_ = 0;
    std::string shapes_;
};

} // namespace zorvik
