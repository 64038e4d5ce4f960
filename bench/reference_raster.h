// SPDX-License-Identifier: GPL-3.0-or-later
// The first, plain rasteriser, kept as the measure of what every faster one must paint: pixel for pixel the same.
#pragma once

#include "model/canvas.h"

#include <QImage>

namespace zorvik {

class ReferenceRaster : public Canvas {
public:
    // twipsPerPixel: 15 on a 96-dpi screen, 7.5 when each logical pixel is two device pixels.
    ReferenceRaster(int widthPixels, int heightPixels, double twipsPerPixel, Colour background);

    void Cls() override { image_.fill(toRgb(background_)); }
    void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) override;
    void FillColor(Colour colour) override { fill_ = colour; }
    void Circle(float x, float y, float radius, Colour colour) override;

    // Gives the image a new size in pixels; what fits of the old picture stays.
    void resize(int widthPixels, int heightPixels);
    void setTwipsPerPixel(double twipsPerPixel) { twipsPerPixel_ = twipsPerPixel; }

    const QImage& image() const { return image_; }

    // The pixel colour of a game colour (0x00BBGGRR).
    static QRgb toRgb(Colour colour);

private:
    int toPixel(double twips) const;
    void fillSpan(int y, int left, int right, QRgb rgb);
    void plainLine(int x1, int y1, int x2, int y2, QRgb rgb);

    QImage image_;
    double twipsPerPixel_;
    Colour background_;
    Colour fill_ = 0;
};

} // namespace zorvik
