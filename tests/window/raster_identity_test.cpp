// SPDX-License-Identifier: GPL-3.0-or-later
// The raster canvas paints exactly what the plain reference rasteriser paints, pixel for pixel: free sequences of
// boxes, lines and discs, level starts on many boards, sizes and pixel scales, and moves, deaths and shortenings
// in both animation modes, whether the window shows every frame or only now and then (shapes then wait).
#include "bench/canvas_window.h"
#include "bench/reference_raster.h"
#include "bench/sample_boards.h"
#include "model/game.h"
#include "screen/raster_canvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace zorvik {
namespace {

// Draws every operation on the game's raster canvas and on the reference one.
struct TwinCanvas : Canvas {
    TwinCanvas(int width, int height, double tpp, Colour background = 3 + 65536 * 67)
        : fast(width, height, tpp, background), reference(width, height, tpp, background) {}
    void Cls() override { fast.Cls(), reference.Cls(); }
    void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) override
    {
        fast.Line(x1, y1, x2, y2, colour, kind), reference.Line(x1, y1, x2, y2, colour, kind);
    }
    void FillColor(Colour colour) override { fast.FillColor(colour), reference.FillColor(colour); }
    void Circle(float x, float y, float r, Colour colour) override { fast.Circle(x, y, r, colour), reference.Circle(x, y, r, colour); }
    void resize(int width, int height) { fast.resize(width, height), reference.resize(width, height); }
    void rescale(double tpp) { fast.setTwipsPerPixel(tpp), reference.setTwipsPerPixel(tpp); }

    bool agree() const { return fast.image() == reference.image(); }

    RasterCanvas fast;
    ReferenceRaster reference;
};

// A small fixed-seed generator for operation sequences.
struct Draw {
    std::uint32_t state;
    std::uint32_t next() { return state ^= state << 13, state ^= state >> 17, state ^= state << 5; }
    // A twip value from low to high in quarters, as the painters' halves and quarters produce.
    float twips(int low, int high) { return float(low + int(next() % std::uint32_t((high - low) * 4 + 1)) / 4.0); }
    Colour colour() { return Colour(next() & 0xFFFFFF); }
};

// 300 random operations on a 97 x 61 canvas: boxes, lines and discs reaching past its edges, runs of nested
// rings as the painters draw them, clearings, and the picture read now and then. The operation after which the
// pictures differed, or -1.
int randomOperations(double tpp, std::uint32_t seed)
{
    TwinCanvas canvas(97, 61, tpp);
    Draw draw{seed * 7919};
    const int w = int(97 * tpp), h = int(61 * tpp);
    auto x = [&] { return draw.twips(-w / 4, w * 5 / 4); };
    auto y = [&] { return draw.twips(-h / 4, h * 5 / 4); };
    for (int op = 0; op < 300; ++op) {
        switch (draw.next() % 7) {
        case 0: canvas.Line(x(), y(), x(), y(), draw.colour(), LineKind::FilledBox); break;
        case 1: canvas.Line(x(), y(), x(), y(), draw.colour(), LineKind::Plain); break;
        case 2: canvas.FillColor(draw.colour()); break;
        case 3: canvas.Circle(x(), y(), draw.twips(-2, h / 2), draw.colour()); break;
        case 4: {
            // Each ring a little smaller and moved up and left, as the painters draw them.
            const float left = draw.twips(-w / 8, w), top = draw.twips(-h / 8, h), r = draw.twips(0, h / 3);
            const bool discs = draw.next() % 2;
            for (float k = 0; k < r; k += float(0.5 + draw.next() % 3)) {
                canvas.FillColor(draw.colour());
                if (discs)
                    canvas.Circle(left - k / 2, top - k / 2, r - k, draw.next() % 2 ? 0 : draw.colour());
                else
                    canvas.Line(left + k, top + k, left + 2 * r - 2 * k, top + 2 * r - 2 * k, draw.colour(),
                                LineKind::FilledBox);
            }
            break;
        }
        case 5:
            if (draw.next() % 4 == 0)
                canvas.Cls();
            break;
        default:
            // Reading the picture between operations must show every one of them.
            if (!canvas.agree())
                return op;
        }
    }
    return canvas.agree() ? -1 : 300;
}

TEST(RasterIdentity, FreeSequencesOfBoxesLinesAndDiscsAgree)
{
    // Also with the disc rows worked out one at a time, as on processors without the wider registers.
    for (bool wide : {true, false}) {
        RasterCanvas::allowWideRegisters(wide);
        for (double tpp : {15.0, 7.5, 13.7, 1.0, 22.25})
            for (std::uint32_t seed = 1; seed <= 30; ++seed)
                ASSERT_EQ(randomOperations(tpp, seed), -1) << "tpp " << tpp << ", seed " << seed << (wide ? "" : ", narrow");
    }
    RasterCanvas::allowWideRegisters(true);
}

// What the free sequences seldom meet; each read also guards the last operation before it being left unpainted.
TEST(RasterIdentity, ClearingResizingRescalingAndFarEdgesKeepWhatWaits)
{
    TwinCanvas canvas(60, 40, 15);
    canvas.FillColor(255);
    canvas.Circle(300, 300, 200, 65280);
    canvas.Cls();  // covers the waiting disc
    canvas.Circle(400, 200, 150, 0);
    canvas.resize(50, 70);  // the waiting disc must land before the picture is cut
    EXPECT_TRUE(canvas.agree());
    canvas.Line(0, 0, 700, 900, 16711680, LineKind::FilledBox);
    canvas.rescale(7.5);  // a waiting box keeps the pixels of the scale it was drawn at
    canvas.Line(0, 0, 300, 300, 65535, LineKind::FilledBox);
    canvas.Circle(200, 200, 100, 255);
    EXPECT_TRUE(canvas.agree());
    // Far past every edge; a tiny disc is its outline's centre pixel, a negative radius draws nothing.
    canvas.Line(-1000, -1000, 100000, 100000, 16711680, LineKind::FilledBox);
    canvas.Circle(-5000, 90000, 3000, 255);
    canvas.Line(-1000, 5, 100000, 2000, 65280, LineKind::Plain);
    canvas.Circle(77, 77, 0, 65280);
    canvas.Circle(30, 30, -1, 65280);
    canvas.Line(10, 10, 400, 300, 255, LineKind::FilledBox);
    EXPECT_TRUE(canvas.agree());
}

// A game drawing on a twin canvas, set up with the defaults and colour tables that start-up gives.
struct TwinGame {
    TwinCanvas canvas;
    CanvasWindow window;
    Game game;

    TwinGame(int width, int height, double tpp)
        : canvas(width, height, tpp), window(canvas, float(width * tpp), float(height * tpp)),
          game(window, "/nonexistent-zorvik-test-folder") { game.setStartDefaults(); }
    bool start(const std::string& text) { return game.LevelText = text, game.Beginn(), canvas.agree(); }
};

// A window's size in pixels and its twips per pixel, and a board to play on, or none.
struct Picture { int width, height; double tpp; std::string moves; };

void PrintTo(const Picture& p, std::ostream* out) { *out << p.width << "x" << p.height << " at " << p.tpp; }

class Identity : public ::testing::TestWithParam<Picture> {};

// Every level start on this picture, then a walk on its board in both modes, shown every frame and every 13th.
TEST_P(Identity, LevelStartsAndEveryShownFrameOfMovesAgree)
{
    const Picture& p = GetParam();
    // Levels with their number and worm colour: 0 the level's ramp, 16777215 random colours.
    std::vector<std::tuple<std::string, int, Colour>> levels{
        {samples::demoLevel(), 0, 0},
        {samples::plainLevel(20, 4), 5, 0},
        {samples::plainLevel(20, 29), 63, 16777215},
        {samples::denseLevel(35, 4), 17, 0},
        {samples::denseLevel(35, 29), 100, 255 + 256 * 128},
        {samples::denseLevel(35, samples::longestWorm(35)), 2, 0},
        {"\xF6", 0, 0},
        {"x", 9, 0},
    };
    for (std::uint32_t seed = 1; seed <= 8; ++seed)
        levels.emplace_back(samples::randomLevel(int(2 + 5 * seed), seed), int(seed * 7), seed % 3 ? 0 : 16777215);
    TwinGame starts(p.width, p.height, p.tpp);
    for (const auto& [text, levelNr, wormColour] : levels) {
        starts.game.LevelNr = levelNr;
        starts.game.WurmFarbe = wormColour;
        ASSERT_TRUE(starts.start(text)) << "level of " << text.size() << " cells, nr " << levelNr;
    }
    if (p.moves.empty())
        return;
    for (bool smooth : {false, true})
        for (int every : {1, 13}) {
            TwinGame twin(p.width, p.height, p.tpp);
            twin.window.SetControlCaption(Control::SchnellFlüssig, smooth ? " fl\xC3\xBCssig" : " schnell");
            twin.game.WurmFarbe = smooth ? 0 : 16777215;
            bool agreed = twin.start(p.moves);
            int frames = 0;
            twin.window.onFrame = [&](Animation, int done, int total) {
                if (agreed && (++frames % every == 0 || done == total))
                    agreed = twin.canvas.agree();
            };
            // Arrow keys from a fixed-seed walk: turns, walls, dots, halving and cutting cells, deaths all come up.
            std::uint32_t seed = every * 7919u + (smooth ? 1u : 2u);
            for (int move = 1; move <= 30 && agreed; ++move) {
                seed = seed * 1664525u + 1013904223u;
                twin.game.Form_KeyDown(kKeyLeft + int((seed >> 13) % 4), 0);
                agreed = agreed && twin.canvas.agree();
                ASSERT_TRUE(agreed) << (smooth ? "smooth" : "fast") << ", shown every " << every << " frames, move " << move;
            }
        }
}

// The design size, larger windows, two device pixels to a pixel, and scales that no screen has; the boards to play
// on: plain and dense, random cells, and the longest worm.
INSTANTIATE_TEST_SUITE_P(
    Pictures, Identity,
    ::testing::Values(Picture{393, 241, 15, samples::demoLevel()}, Picture{911, 517, 15}, Picture{786, 482, 7.5},
                      Picture{517, 333, 13.7}, Picture{300, 200, 1}, Picture{700, 450, 20.5}, Picture{455, 301, 9.65},
                      Picture{1000, 640, 3.3}, Picture{611, 377, 15, samples::plainLevel(20, 29)},
                      Picture{540, 350, 7.5, samples::denseLevel(20, 12)},
                      Picture{700, 420, 13.7, samples::denseLevel(35, 29)},
                      Picture{480, 300, 9.65, samples::randomLevel(12, 5)},
                      Picture{420, 260, 15, samples::denseLevel(9, samples::longestWorm(9))}));

} // namespace
} // namespace zorvik
