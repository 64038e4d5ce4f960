// SPDX-License-Identifier: GPL-3.0-or-later
// A window without a screen: the game's window operations drawn into an image of a fixed size.
#pragma once

#include "model/null_window.h"
#include "screen/raster_canvas.h"

namespace zorvik {

inline constexpr Colour kBackground = 3 + 256 * 0 + 65536 * 67;  // the design's dark blue
inline constexpr float kFrameWidth = 2295;

class ImageWindow : public NullWindow {
public:
    ImageWindow(int widthPixels, int heightPixels, double twipsPerPixel = 15);

    RasterCanvas& canvas() { return canvas_; }
    const QImage& image() const { return canvas_.image(); }

    void Cls() override { canvas_.Cls(); }
    void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) override
    {
        canvas_.Line(x1, y1, x2, y2, colour, kind);
    }
    void FillColor(Colour colour) override { canvas_.FillColor(colour); }
    void Circle(float x, float y, float radius, Colour colour) override { canvas_.Circle(x, y, radius, colour); }

    // The client area is the image.
    float Width() const override { return ScaleWidth(); }
    float Height() const override { return ScaleHeight(); }
    void SetWidth(float) override {}
    void SetHeight(float) override {}
    float ScaleWidth() const override;
    float ScaleHeight() const override;

private:
    RasterCanvas canvas_;
};

} // namespace zorvik
