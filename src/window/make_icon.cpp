// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-icon: writes the window's icon as a PNG (the project keeps it as data/zorvik.png).
#include "window/icon.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: zorvik-icon OUT.png\n";
        return 2;
    }
    if (!zorvik::zorvikIcon().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::cerr << "zorvik-icon: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
