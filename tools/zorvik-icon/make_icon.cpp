// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-icon: writes the icons of the programs into a hicolor theme folder, at every size and as SVG.
#include "drawing/icon.h"
#include "drawing/svg_canvas.h"
#include "screen/icon.h"

#include <QDir>

#include <fstream>
#include <iostream>

namespace {

struct NamedIcon {
    const char* name;  // the application id
    void (*draw)(zorvik::Canvas&);
};

const NamedIcon kIcons[] = {{"io.github.zorvik.Zorvik", zorvik::drawIcon}};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: zorvik-icon FOLDER   (writes FOLDER/SIZExSIZE/apps/ID.png and FOLDER/scalable/apps/ID.svg)\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool written = true;
    for (const auto& icon : kIcons) {
        for (int size : zorvik::kIconSizes) {
            const QString sub = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
            written = QDir().mkpath(sub) &&
                      zorvik::iconImage(icon.draw, size).save(sub + '/' + icon.name + ".png", "PNG") && written;
        }
        zorvik::SvgCanvas svg(zorvik::kIconUnits, zorvik::kIconUnits, 1, 0);
        icon.draw(svg);
        const QString sub = folder + "/scalable/apps";
        std::ofstream out;
        if (QDir().mkpath(sub))
            out.open((sub + '/' + icon.name + ".svg").toStdString(), std::ios::binary);
        out << svg.svg();
        written = out.good() && written;
    }
    if (!written) {
        std::cerr << "zorvik-icon: cannot write every icon into " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
