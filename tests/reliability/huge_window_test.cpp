// SPDX-License-Identifier: GPL-3.0-or-later
// Windows far larger than the board needs: every 16-bit counter that walks a cell must still fit.
#include "soak/session.h"
#include "soak/soak.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zorvik::reliability {
namespace {

// Found by the soak: on a 1 x 1 level in a window 115,200 twips (7680 pixels) high, a move's slide counted
// past 32767 and failed half-way.
TEST(HugeWindow, OneCellLevelInAWindowSevenThousandPixelsHighStillMoves)
{
    struct Folder {
        std::filesystem::path path = makeWorkFolder("zorvik-huge-window");
        ~Folder() { std::filesystem::remove_all(path); }
    } folder;
    std::ofstream(folder.path / "A.ZVK", std::ios::binary) << "o\r\n";  // no head: it keeps the cell a mouse move names
    {
        Session session(folder.path);
        session.start();
        session.resize(115200, 115200, 2);
        const float z = static_cast<float>(session.game().Zellgroesse);
        session.mouseMove(2.5f * z, 1.5f * z);  // level cell (1, 0): board cell (1, 0), above the only inner cell
        session.chooseColour(true, 255);        // the level start puts the head there
        ASSERT_EQ(session.game().WurmY[0], 0);
        session.key(kKeyDown, 0);  // the session fails on any exception out of the handler
        EXPECT_EQ(session.game().WurmY[0], 1);
        EXPECT_EQ(session.game().Zellgroesse, 8000);
        session.close();
    }
}

} // namespace
} // namespace zorvik::reliability
