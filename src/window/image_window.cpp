// A window without a screen, for pictures of the board and for measuring the drawing.
#include "window/image_window.h"

namespace zorvik {

ImageWindow::ImageWindow(int widthPixels, int heightPixels, double twipsPerPixel)
    : canvas_(widthPixels, heightPixels, twipsPerPixel, kBackground)
{
    captions_[Control::SchnellFlüssig] = " schnell";
}

float ImageWindow::ScaleWidth() const { return float(canvas_.image().width() * canvas_.twipsPerPixel()); }

float ImageWindow::ScaleHeight() const { return float(canvas_.image().height() * canvas_.twipsPerPixel()); }

std::string ImageWindow::ControlCaption(Control control) const
{
    auto found = captions_.find(control);
    return found == captions_.end() ? std::string() : found->second;
}

} // namespace zorvik
