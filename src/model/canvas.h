// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing operations every painter uses: boxes, lines and discs in twips, colours as 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace zorvik {

// A colour as red + 256 * green + 65536 * blue.
using Colour = std::int32_t;

enum class LineKind { Plain, FilledBox };

class Canvas {
public:
    virtual ~Canvas() = default;

    // Clears the whole client area to the window's background colour.
    virtual void Cls() = 0;
    // A straight line, or the solid box with both corners included.
    virtual void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) = 0;
    // The colour the following discs are filled with.
    virtual void FillColor(Colour colour) = 0;
    // A full circle with its outline in `colour`, filled with the current fill colour.
    virtual void Circle(float x, float y, float radius, Colour colour) = 0;
};

} // namespace zorvik
