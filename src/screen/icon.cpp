// SPDX-License-Identifier: GPL-3.0-or-later
// The icon's pictures: the drawing on the raster canvas, scaled to the size asked for.
#include "screen/icon.h"

#include "drawing/icon.h"
#include "screen/raster_canvas.h"

#include <QPixmap>

namespace zorvik {

QImage iconImage(void (*draw)(Canvas&), int size)
{
    RasterCanvas canvas(size, size, double(kIconUnits) / size, 0);
    draw(canvas);
    return canvas.image().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage zorvikIcon(int size) { return iconImage(drawIcon, size); }

QIcon zorvikIconSet()
{
    // Every picture goes to the window system with the window: the two largest added about 20 ms to the time
    // to the first showing. Docks that want them find them in the icon theme, by the application's id.
    QIcon icon;
    for (int size : kIconSizes)
        if (size <= 64)
            icon.addPixmap(QPixmap::fromImage(zorvikIcon(size)));
    return icon;
}

} // namespace zorvik
