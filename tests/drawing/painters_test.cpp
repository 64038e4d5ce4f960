// The cell and worm painters: exact boxes, discs, lines and colours, and the fields they leave.
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

// A game with cells of size z and the painter's cell set to (x, y).
TestGame& onCell(TestGame& t, double z, int x, int y)
{
    t.game.Zellgroesse = z;
    t.game.Radius = Int(z / 2) - 1;
    t.game.ZelleX = x;
    t.game.ZelleY = y;
    return t;
}

TEST(CellPainters, NichtsPaintsTheWholeCellBlack)
{
    TestGame t;
    onCell(t, 400, 3, 2).game.Nichts();
    ASSERT_EQ(t.window.calls.size(), 1u);
    const Call& box = t.window.calls[0];
    EXPECT_EQ(box.kind, Call::Box);
    EXPECT_EQ(box.colour, 0);
    EXPECT_FLOAT_EQ(box.x1, 1200);
    EXPECT_FLOAT_EQ(box.y1, 800);
    EXPECT_FLOAT_EQ(box.x2, 1599);
    EXPECT_FLOAT_EQ(box.y2, 1199);
}

TEST(CellPainters, MauerNestsSquaresFromTheWallPairsStartColour)
{
    TestGame t;
    onCell(t, 400, 1, 1).game.Mauer();
    auto boxes = t.window.only(Call::Box);
    ASSERT_EQ(boxes.size(), 100u);
    EXPECT_EQ(boxes[0].colour, 65280);
    EXPECT_EQ(boxes[50].colour, 65407);
    EXPECT_EQ(boxes[99].colour, 65532);
    EXPECT_FLOAT_EQ(boxes[99].x1, 400 + 99);
    EXPECT_FLOAT_EQ(boxes[99].y2, 400 + 201);
    EXPECT_EQ(t.game.Zaehler, 100);
    EXPECT_EQ(t.game.Ringe, 100);
    EXPECT_EQ(t.game.Farbe, 65532);
    EXPECT_EQ(t.window.count(Call::Fill), 100);

    TestGame small;
    onCell(small, 12, 0, 0).game.Mauer();
    boxes = small.window.only(Call::Box);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_FLOAT_EQ(boxes[1].x1, 1);
    EXPECT_FLOAT_EQ(boxes[1].x2, 9);
    EXPECT_FLOAT_EQ(boxes[2].x1, 2);
    EXPECT_FLOAT_EQ(boxes[2].x2, 7);
    EXPECT_EQ(boxes[1].colour, 85 + 65280);
    EXPECT_EQ(boxes[2].colour, 170 + 65280);
}

TEST(CellPainters, PunktIsABallOfShrinkingDiscsOutlinedInTheirOwnColour)
{
    TestGame t;
    onCell(t, 400, 0, 0).game.Punkt();
    auto discs = t.window.only(Call::Circle);
    ASSERT_EQ(discs.size(), 99u);
    EXPECT_FLOAT_EQ(discs[0].x2, 99.5f);
    EXPECT_FLOAT_EQ(discs[98].x2, 1.5f);
    EXPECT_FLOAT_EQ(discs[98].x1, 199 - 49);
    EXPECT_EQ(discs[0].colour, 255);
    EXPECT_EQ(discs[98].colour, 4 + 65536 * 251);
    EXPECT_EQ(t.game.Zaehler, 99);
    EXPECT_EQ(t.game.Ringe, 99.5);
}

TEST(CellPainters, InvertedPaintersStartWithTheInverseColour)
{
    TestGame t;
    onCell(t, 400, 0, 0).game.Pank();
    auto boxes = t.window.only(Call::Box);
    ASSERT_EQ(boxes.size(), 99u);
    EXPECT_EQ(boxes[0].colour, 16776960);
    EXPECT_FLOAT_EQ(boxes[0].x1, 99.5f);
    EXPECT_FLOAT_EQ(boxes[0].x2, 400 - 99.5f - 1);

    TestGame x;
    onCell(x, 400, 1, 0).game.Pix();
    auto lines = x.window.only(Call::Line);
    ASSERT_EQ(lines.size(), 199u);
    EXPECT_EQ(lines[0].colour, 16711935);
    EXPECT_EQ(x.window.count(Call::Fill), 0);
    // Every line passes through the cell's centre.
    for (const Call& l : {lines[0], lines[100], lines[198]}) {
        const double midX = (l.x1 + l.x2) / 2, midY = (l.y1 + l.y2) / 2;
        EXPECT_NEAR(midX, 400 + 399 / 2.0, 1e-3);
        EXPECT_NEAR(midY, 399 / 2.0, 1e-3);
    }
}

TEST(CellPainters, TinyCellsGetNoRings)
{
    for (double z : {4.0, 5.0}) {
        TestGame t;
        onCell(t, z, 1, 1);
        t.game.Punkt();
        t.game.Pank();
        EXPECT_EQ(t.window.calls.size(), 0u) << z;
        EXPECT_EQ(t.game.Zaehler, 0);
        t.game.Pix();
        t.game.Mauer();
        EXPECT_EQ(t.window.count(Call::Line), 1) << z;
        EXPECT_EQ(t.window.count(Call::Box), 1) << z;
    }
    TestGame t;
    onCell(t, 3, 1, 1).game.Mauer();
    EXPECT_EQ(t.window.calls.size(), 0u);
}

TEST(WormPainters, SbkPlacesTheSegmentAndPaintsItsDisc)
{
    TestGame t;
    onCell(t, 400, 4, 2);
    t.game.Laenge = 3;
    t.game.SegmentFarbe[3] = 1234;
    t.game.SBK();
    EXPECT_EQ(t.game.WurmX[3], 4);
    EXPECT_EQ(t.game.WurmY[3], 2);
    EXPECT_EQ(t.game.RichtungX[3], -1);
    EXPECT_EQ(t.game.RichtungY[3], 0);
    EXPECT_EQ(t.game.AltX, 4);
    EXPECT_EQ(t.game.AltY, 2);
    ASSERT_EQ(t.window.calls.size(), 2u);
    EXPECT_EQ(t.window.calls[0].colour, 1234);
    EXPECT_FLOAT_EQ(t.window.calls[1].x1, 1799);
    EXPECT_FLOAT_EQ(t.window.calls[1].y1, 999);
}

TEST(WormPainters, PlacingPastTheTablesFailsWithTheCellRecordedAndTheTablesUnchanged)
{
    TestGame t;
    onCell(t, 400, 4, 2);
    t.game.Laenge = 1226;
    EXPECT_ANY_THROW(t.game.SBK());
    EXPECT_EQ(t.game.AltX, 4);
    EXPECT_EQ(t.game.WurmX[1225], 0);
    EXPECT_TRUE(t.window.calls.empty());
}

TEST(WormPainters, EyesLookWhereTheHeadGoes)
{
    TestGame t;
    onCell(t, 400, 3, 2);
    t.game.WurmX[0] = 3;
    t.game.WurmY[0] = 2;
    t.game.RichtungX[0] = 1;
    t.game.RichtungY[0] = 0;
    t.game.Wauge();
    auto discs = t.window.only(Call::Circle);
    ASSERT_EQ(discs.size(), 4u);
    EXPECT_FLOAT_EQ(discs[0].x1, 1498.5f);
    EXPECT_FLOAT_EQ(discs[0].y1, 899.5f);
    EXPECT_FLOAT_EQ(discs[0].x2, 49.75f);
    EXPECT_FLOAT_EQ(discs[1].x2, 12.4375f);
    EXPECT_FLOAT_EQ(discs[2].x1, 1498.5f);
    EXPECT_FLOAT_EQ(discs[2].y1, 1098.5f);
    auto fills = t.window.only(Call::Fill);
    EXPECT_EQ(fills[0].colour, 13168640);
    EXPECT_EQ(fills[2].colour, 61640);

    t.window.clear();
    t.game.RichtungX[0] = 0;
    t.game.RichtungY[0] = -1;  // up: both eyes above the centre, the turquoise one on the left
    t.game.Wauge();
    discs = t.window.only(Call::Circle);
    EXPECT_LT(discs[0].y1, 999);
    EXPECT_LT(discs[2].y1, 999);
    EXPECT_LT(discs[0].x1, discs[2].x1);
}

TEST(Redraw, BlankAndUnknownCellsStayBlackAndLowerCaseMatters)
{
    TestGame t;
    t.game.LevelText = level({"ö-X", "O.#", " ,x"});
    t.game.Beginn();
    EXPECT_EQ(t.game.calls["Nichts"], 25);
    EXPECT_EQ(t.game.calls["Mauer"], 16 + 1);
    EXPECT_EQ(t.game.calls["Punkt"], 1);
    EXPECT_EQ(t.game.calls["Pank"], 1);
    EXPECT_EQ(t.game.calls["Pix"], 1);
    EXPECT_EQ(t.game.RestPunkte, 1);
}

} // namespace
} // namespace zorvik::testing
