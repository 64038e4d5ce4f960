// Level editing with the mouse: the pointer's cell, the clamps, the write into the board and the repaint.
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zorvik::testing {
namespace {

// The demo level (9 x 9 board with its border) at 30 twips a cell.
struct EditorTest : ::testing::Test {
    TestGame t;
    EditorTest()
    {
        t.window.scaleWidth = 2295 + 270;
        t.window.scaleHeight = 270;
        t.start(kDemoLevel);
    }
    std::vector<std::string> board() { return rows(t.game); }
    // The box that Nichts paints on board cell (x, y).
    void expectBlankedCell(int x, int y)
    {
        ASSERT_GE(t.window.count(Call::Box), 1);
        const Call box = t.window.only(Call::Box).front();
        EXPECT_FLOAT_EQ(box.x1, x * 30.0f);
        EXPECT_FLOAT_EQ(box.y1, y * 30.0f);
        EXPECT_FLOAT_EQ(box.x2, x * 30.0f + 29);
        EXPECT_FLOAT_EQ(box.y2, y * 30.0f + 29);
        EXPECT_EQ(box.colour, 0);
    }
};

TEST_F(EditorTest, ClickBlanksTheCellUnderThePointerAndRepaintsIt)
{
    ASSERT_EQ(t.game.Zellgroesse, 30);
    t.game.Form_MouseMove(0, 0, 100, 70);
    EXPECT_EQ(t.game.ZelleX, 2);
    EXPECT_EQ(t.game.ZelleY, 1);
    t.game.Form_Click();
    EXPECT_EQ(board(), (std::vector<std::string>{
                           ".......",
                           ".# ###.",
                           ".öoooä.",
                           ".#####.",
                           ".......",
                           ".#.#.#.",
                           "-------",
                       }));
    EXPECT_EQ(t.game.ZelleX, 3);
    EXPECT_EQ(t.game.ZelleY, 2);
    expectBlankedCell(3, 2);
    // A blank brush paints nothing but the empty cell and counts nothing.
    EXPECT_EQ(t.game.calls["Nichts"], 1);
    EXPECT_EQ(t.game.calls.size(), 1u);
    EXPECT_EQ(t.game.LevelText, kDemoLevel);
}

TEST_F(EditorTest, PointerOffTheBoardEditsTheNearestCellOneCoordinateAtATime)
{
    t.game.Form_MouseMove(0, 0, 0, 0);
    EXPECT_EQ(t.game.ZelleX, -1);
    EXPECT_EQ(t.game.ZelleY, -1);
    t.game.Form_Click();
    expectBlankedCell(1, 1);
    EXPECT_EQ(board()[0], " ......");

    t.window.clear();
    t.game.Form_MouseMove(0, 0, -50, 10000);  // left of the board and far below it
    t.game.Form_Click();
    expectBlankedCell(1, 7);
    EXPECT_EQ(board()[6], " ------");
    // Overwriting a dot leaves the dot count as it was.
    EXPECT_EQ(t.game.RestPunkte, 24);
}

// Guards against a second click landing one cell down and right, where the first click left ZelleX/ZelleY.
TEST_F(EditorTest, ClickAfterClickWithoutMovingEditsThePointersCellAgain)
{
    t.game.Form_MouseMove(0, 0, 100, 70);
    t.game.Form_Click();
    const std::vector<std::string> once = board();
    t.window.clear();
    t.game.Form_Click();
    EXPECT_EQ(board(), once);
    expectBlankedCell(3, 2);
    // A whole-board redraw in between (it walks ZelleX/ZelleY) changes nothing either.
    t.game.Bild();
    t.window.clear();
    t.game.Form_Click();
    expectBlankedCell(3, 2);
}

TEST_F(EditorTest, OtherBrushesArePaintedAndCountedLikeTheRedrawDoes)
{
    t.game.Form_MouseMove(0, 0, 40, 40);  // level cell (0, 0)
    t.game.Pinsel = "#";
    t.game.Form_Click();
    EXPECT_EQ(t.game.calls["Mauer"], 1);

    t.game.Pinsel = ".";
    t.game.Form_Click();
    EXPECT_EQ(t.game.RestPunkte, 25);
    EXPECT_EQ(t.game.calls["Punkt"], 1);

    t.game.Pinsel = toGameText("ö");
    t.game.Form_Click();
    EXPECT_EQ(t.game.Laenge, 0);
    EXPECT_EQ(t.game.WurmX[0], 1);
    EXPECT_EQ(t.game.WurmY[0], 1);

    t.game.Pinsel = "o";
    t.game.Form_MouseMove(0, 0, 70, 40);
    t.game.Form_Click();
    EXPECT_EQ(t.game.Laenge, 1);
    EXPECT_EQ(t.game.WurmX[1], 2);

    t.game.Pinsel = ",";
    t.game.Form_Click();
    t.game.Pinsel = "x";
    t.game.Form_Click();
    EXPECT_EQ(t.game.calls["Pank"], 1);
    EXPECT_EQ(t.game.calls["Pix"], 1);
    EXPECT_EQ(board()[0], toUtf8(toGameText("öx.....")));
}

TEST(Editor, MoveBeforeAnyLevelStartAndClickOnAnEmptyBoardDoNothing)
{
    TestGame t;
    t.game.ZelleX = 5;
    t.game.ZelleY = 6;
    EXPECT_NO_THROW(t.game.Form_MouseMove(0, 0, 100, 100));
    EXPECT_EQ(t.game.ZelleX, 5);
    EXPECT_EQ(t.game.ZelleY, 6);
    EXPECT_NO_THROW(t.game.Form_Click());
    EXPECT_TRUE(t.window.calls.empty());
}

TEST_F(EditorTest, PointerTooFarOutForACellNumberKeepsWhatWasComputed)
{
    t.game.Form_MouseMove(0, 0, 100, 70);
    t.game.Form_MouseMove(0, 0, 40, 1e9f);
    EXPECT_EQ(t.game.ZelleX, 0);
    EXPECT_EQ(t.game.ZelleY, 1);
}

} // namespace
} // namespace zorvik::testing
