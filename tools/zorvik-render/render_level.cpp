// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-render: a picture of a level start, for looking at levels and painters without the game window.
#include "model/game.h"
#include "screen/image_window.h"

#include <QImage>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

int usage()
{
    std::cerr << "usage: zorvik-render [--size WxH] [--tpp TWIPS] [--level-nr N] [--colour C]\n"
                 "                     (--text LEVELTEXT | --file LEVELFILE) OUT.png\n"
                 "The level text is Windows-1252 bytes; --text takes it as UTF-8 and converts ö and ä.\n";
    return 2;
}

// The cell letters of a level typed on a UTF-8 terminal, as the game stores them.
std::string fromUtf8(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0xC3 && i + 1 < text.size()) {
            out += static_cast<char>(0x40 + static_cast<unsigned char>(text[++i]));
            continue;
        }
        out += text[i];
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    int width = 393, height = 241, levelNr = 0;
    double tpp = 15;
    zorvik::Colour colour = 0;
    std::string text, out;
    bool haveText = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (arg == "--size") {
            std::istringstream in(next());
            char x = 0;
            in >> width >> x >> height;
        } else if (arg == "--tpp") {
            tpp = std::atof(next().c_str());
        } else if (arg == "--level-nr") {
            levelNr = std::atoi(next().c_str());
        } else if (arg == "--colour") {
            colour = std::atoi(next().c_str());
        } else if (arg == "--text") {
            text = fromUtf8(next());
            haveText = true;
        } else if (arg == "--file") {
            std::ifstream file(next(), std::ios::binary);
            std::getline(file, text);
            if (!text.empty() && text.back() == '\r')
                text.pop_back();
            haveText = true;
        } else {
            out = arg;
        }
    }
    if (!haveText || out.empty() || width <= 0 || height <= 0 || tpp <= 0)
        return usage();

    zorvik::ImageWindow window(width, height, tpp);
    zorvik::Game game(window);
    game.setStartDefaults();
    game.LevelNr = levelNr;
    game.WurmFarbe = colour;
    game.LevelText = text;
    try {
        game.Beginn();
    } catch (const std::exception& error) {
        std::cerr << "zorvik-render: " << error.what() << '\n';
        return 1;
    }
    if (!window.image().save(QString::fromStdString(out))) {
        std::cerr << "zorvik-render: cannot write " << out << '\n';
        return 1;
    }
    return 0;
}
