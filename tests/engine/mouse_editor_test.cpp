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
    // Moves the pointer, clicks, and returns the board cell that the click blanked.
    std::pair<float, float> clickAt(float x, float y)
    {
        t.game.Form_MouseMove(0, 0, x, y);
        return click();
    }
    std::pair<float, float> click()
    {
        t.window.clear();
        t.game.Form_Click();
        const Call box = t.window.only(Call::Box).at(0);
        EXPECT_FLOAT_EQ(box.x2 - box.x1, 29);
        EXPECT_EQ(box.colour, 0);
        return {box.x1 / 30, box.y1 / 30};
    }
};

using Cell = std::pair<float, float>;

TEST_F(EditorTest, ClickBlanksTheCellUnderThePointerAndRepaintsIt)
{
    ASSERT_EQ(t.game.Zellgroesse, 30);
    EXPECT_EQ(clickAt(100, 70), Cell(3, 2));  // level cell (2, 1)
    EXPECT_EQ(rows(t.game), (std::vector<std::string>{
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
    // A blank brush paints the empty cell only and counts nothing; the level's own text stays.
    EXPECT_EQ(t.game.calls, (std::map<std::string, int>{{"Nichts", 1}}));
    EXPECT_EQ(t.game.LevelText, kDemoLevel);
}

TEST_F(EditorTest, PointerOffTheBoardEditsTheNearestCellOneCoordinateAtATime)
{
    EXPECT_EQ(clickAt(0, 0), Cell(1, 1));
    EXPECT_EQ(rows(t.game)[0], " ......");
    EXPECT_EQ(clickAt(-50, 10000), Cell(1, 7));  // left of the board and far below it
    EXPECT_EQ(rows(t.game)[6], " ------");
    EXPECT_EQ(t.game.RestPunkte, 24);  // overwriting a dot leaves the count as it was
}

// Guards against a second click landing one cell down and right, where the first click left ZelleX/ZelleY.
TEST_F(EditorTest, ClickWithoutMovingAgainEditsThePointersCellAgain)
{
    clickAt(100, 70);
    const std::string once = t.game.Spielfeld;
    EXPECT_EQ(click(), Cell(3, 2));
    t.game.Bild();  // a whole-board redraw walks ZelleX/ZelleY too
    EXPECT_EQ(click(), Cell(3, 2));
    EXPECT_EQ(t.game.Spielfeld, once);
}

TEST(Editor, PointerBeforeAnyLevelStartAndClickOnAnEmptyBoardDoNothing)
{
    TestGame t;
    t.game.ZelleX = 5;
    EXPECT_NO_THROW(t.game.Form_MouseMove(0, 0, 100, 100));
    EXPECT_EQ(t.game.ZelleX, 5);
    EXPECT_NO_THROW(t.game.Form_Click());
    EXPECT_TRUE(t.window.calls.empty());
}

} // namespace
} // namespace zorvik::testing
