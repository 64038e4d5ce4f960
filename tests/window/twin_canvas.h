// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every operation on the game's raster canvas and on the plain reference one, and compares them.
#pragma once

#include "window/raster_canvas.h"
#include "bench/reference_raster.h"

#include <string>

namespace zorvik {

class TwinCanvas : public Canvas {
public:
    TwinCanvas(int widthPixels, int heightPixels, double twipsPerPixel, Colour background = 3 + 65536 * 67)
        : fast(widthPixels, heightPixels, twipsPerPixel, background),
          reference(widthPixels, heightPixels, twipsPerPixel, background)
    {
    }

    void Cls() override
    {
        fast.Cls();
        reference.Cls();
    }
    void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) override
    {
        fast.Line(x1, y1, x2, y2, colour, kind);
        reference.Line(x1, y1, x2, y2, colour, kind);
    }
    void FillColor(Colour colour) override
    {
        fast.FillColor(colour);
        reference.FillColor(colour);
    }
    void Circle(float x, float y, float radius, Colour colour) override
    {
        fast.Circle(x, y, radius, colour);
        reference.Circle(x, y, radius, colour);
    }

    void resize(int widthPixels, int heightPixels)
    {
        fast.resize(widthPixels, heightPixels);
        reference.resize(widthPixels, heightPixels);
    }
    void setTwipsPerPixel(double twipsPerPixel)
    {
        fast.setTwipsPerPixel(twipsPerPixel);
        reference.setTwipsPerPixel(twipsPerPixel);
    }

    // Empty when both pictures agree, else the first pixel where they part and its two colours.
    std::string difference() const
    {
        const QImage& a = fast.image();
        const QImage& b = reference.image();
        if (a.size() != b.size())
            return "sizes differ";
        for (int y = 0; y < a.height(); ++y) {
            const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x)
                if ((rowA[x] ^ rowB[x]) & 0xFFFFFFu)
                    return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + "): " +
                           std::to_string(rowA[x] & 0xFFFFFFu) + " instead of " +
                           std::to_string(rowB[x] & 0xFFFFFFu);
        }
        return {};
    }

    RasterCanvas fast;
    ReferenceRaster reference;
};

} // namespace zorvik
