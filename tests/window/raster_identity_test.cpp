// SPDX-License-Identifier: GPL-3.0-or-later
// The raster canvas paints exactly what the plain reference rasteriser paints: level starts on many boards,
// sizes and pixel scales, and free sequences of boxes, lines and discs, compared pixel for pixel.
#include "bench/sample_boards.h"
#include "window/twin_game.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

namespace zorvik {
namespace {

struct Picture {
    int width, height;
    double twipsPerPixel;
};

std::string name(const Picture& p)
{
    return std::to_string(p.width) + "x" + std::to_string(p.height) + " at " + std::to_string(p.twipsPerPixel);
}

void PrintTo(const Picture& p, std::ostream* out) { *out << name(p); }

// The design size, larger windows, two device pixels to a pixel, and scales that no screen has.
const Picture kPictures[] = {
    {393, 241, 15}, {911, 517, 15}, {786, 482, 7.5}, {517, 333, 13.7},
    {300, 200, 1},  {700, 450, 20.5}, {455, 301, 9.65}, {1000, 640, 3.3},
};

struct Level {
    std::string text;
    int levelNr;
    Colour wormColour;  // 0 the level's ramp, 16777215 random colours
};

std::vector<Level> levels()
{
    std::vector<Level> all{
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
        all.push_back({samples::randomLevel(int(2 + 5 * seed), seed), int(seed * 7), seed % 3 ? 0 : 16777215});
    return all;
}

class LevelStartIdentity : public ::testing::TestWithParam<Picture> {};

TEST_P(LevelStartIdentity, EveryBoardPaintsTheSamePixels)
{
    const Picture p = GetParam();
    TwinGame twin(p.width, p.height, p.twipsPerPixel);
    for (const Level& level : levels()) {
        twin.game.LevelNr = level.levelNr;
        twin.game.WurmFarbe = level.wormColour;
        twin.start(level.text);
        ASSERT_EQ(twin.canvas.difference(), "") << name(p) << ", level of " << level.text.size() << " cells, nr "
                                                << level.levelNr;
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, LevelStartIdentity, ::testing::ValuesIn(kPictures));

// A small fixed-seed generator for operation sequences.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // A twip value from low to high in quarters, as the painters' halves and quarters produce.
    float twips(int low, int high) { return float(low + int(next() % std::uint32_t((high - low) * 4 + 1)) / 4.0); }
    Colour colour() { return Colour(next() & 0xFFFFFF); }

private:
    std::uint32_t state_;
};

// 300 random operations on a 97 x 61 canvas: boxes, lines and discs reaching past its edges, runs of nested
// rings as the painters draw them, clearings, and the picture read now and then. Empty when all agreed.
std::string randomOperations(double tpp, std::uint32_t seed)
{
    TwinCanvas canvas(97, 61, tpp);
    Draw draw(seed * 7919);
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
            if (std::string difference = canvas.difference(); !difference.empty())
                return difference + " after operation " + std::to_string(op);
        }
    }
    return canvas.difference();
}

TEST(RasterIdentity, FreeSequencesOfBoxesLinesAndDiscsAgree)
{
    // Also with the disc rows worked out one at a time, as on processors without the wider registers.
    for (bool wide : {true, false}) {
        RasterCanvas::allowWideRegisters(wide);
        for (double tpp : {15.0, 7.5, 13.7, 1.0, 22.25})
            for (std::uint32_t seed = 1; seed <= 30; ++seed)
                ASSERT_EQ(randomOperations(tpp, seed), "")
                    << "tpp " << tpp << ", seed " << seed << (wide ? "" : ", narrow");
    }
    RasterCanvas::allowWideRegisters(true);
}

TEST(RasterIdentity, ClearingResizingAndRescalingKeepWhatWaits)
{
    TwinCanvas canvas(60, 40, 15);
    canvas.FillColor(255);
    canvas.Circle(300, 300, 200, 65280);
    canvas.Cls();  // covers the waiting disc
    canvas.Circle(400, 200, 150, 0);
    canvas.resize(50, 70);  // the waiting disc must land before the picture is cut
    EXPECT_EQ(canvas.difference(), "");
    canvas.Line(0, 0, 700, 900, 16711680, LineKind::FilledBox);
    canvas.setTwipsPerPixel(7.5);  // a waiting box keeps the pixels of the scale it was drawn at
    canvas.Line(0, 0, 300, 300, 65535, LineKind::FilledBox);
    canvas.Circle(200, 200, 100, 255);
    EXPECT_EQ(canvas.difference(), "");
}

// Regression: the last operation before the picture is read must be in it, though nothing followed it.
TEST(RasterIdentity, TheLastOperationIsPaintedWhenThePictureIsRead)
{
    RasterCanvas canvas(20, 20, 15, 0);
    canvas.Line(0, 0, 299, 299, 255, LineKind::FilledBox);
    EXPECT_EQ(canvas.image().pixel(10, 10) & 0xFFFFFFu, 0xFF0000u);
    canvas.FillColor(65280);
    canvas.Circle(150, 150, 60, 65280);
    EXPECT_EQ(canvas.image().pixel(10, 10) & 0xFFFFFFu, 0x00FF00u);
}

} // namespace
} // namespace zorvik
