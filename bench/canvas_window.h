// SPDX-License-Identifier: GPL-3.0-or-later
// A screenless window over any canvas, so rasterisers can be compared and measured under the real game.
#pragma once

#include "model/null_window.h"

#include <functional>

namespace zorvik {

class CanvasWindow : public NullWindow {
public:
    // The client area in twips; the option frame takes its design width off the board's side.
    CanvasWindow(Canvas& canvas, float clientWidth, float clientHeight) : canvas_(canvas)
    {
        scaleWidth = clientWidth;
        scaleHeight = clientHeight;
    }

    // Runs after every animation frame, where a real window would present the picture.
    std::function<void(Animation, int, int)> onFrame;

    void Cls() override { canvas_.Cls(); }
    void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) override
    {
        canvas_.Line(x1, y1, x2, y2, colour, kind);
    }
    void FillColor(Colour colour) override { canvas_.FillColor(colour); }
    void Circle(float x, float y, float radius, Colour colour) override { canvas_.Circle(x, y, radius, colour); }

    float Width() const override { return scaleWidth; }
    float Height() const override { return scaleHeight; }
    void SetWidth(float) override {}
    void SetHeight(float) override {}

    void AnimationFrame(Animation animation, int done, int total) override
    {
        if (onFrame)
            onFrame(animation, done, total);
    }

private:
    Canvas& canvas_;
};

} // namespace zorvik
