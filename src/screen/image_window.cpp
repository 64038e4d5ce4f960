// SPDX-License-Identifier: GPL-3.0-or-later
// A window without a screen, for pictures of the board and for measuring the drawing.
#include "screen/image_window.h"

namespace zorvik {

ImageWindow::ImageWindow(int widthPixels, int heightPixels, double twipsPerPixel)
    : canvas_(widthPixels, heightPixels, twipsPerPixel, kBackground)
{
}

float ImageWindow::ScaleWidth() const { return float(canvas_.size().width() * canvas_.twipsPerPixel()); }

float ImageWindow::ScaleHeight() const { return float(canvas_.size().height() * canvas_.twipsPerPixel()); }

} // namespace zorvik
