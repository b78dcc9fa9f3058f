#include "picturegen/raster.h"
#include "png_read.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tools {
namespace {

using test::readPng;

constexpr Color kRed{1, 0, 0, 1};
constexpr Color kBlue{0, 0, 1, 1};

Paint solid(Color c)
{
    return {c, c};
}

TEST(RasterTest, DiscCoversItsCentreLeavesCornersClearAndBlendsItsEdge)
{
    Canvas canvas(20, 20);
    canvas.fill(ellipse({0, 0, 20, 20}), solid(kRed));

    EXPECT_DOUBLE_EQ(canvas.pixel(10, 10).a, 1.0);
    EXPECT_DOUBLE_EQ(canvas.pixel(10, 10).r, 1.0);
    EXPECT_DOUBLE_EQ(canvas.pixel(0, 0).a, 0.0);
    bool partlyCovered = false;
    for (int x = 0; x < 20; ++x) {
        const double a = canvas.pixel(x, 3).a;
        partlyCovered = partlyCovered || (a > 0.0 && a < 1.0);
    }
    EXPECT_TRUE(partlyCovered) << "edges should be anti-aliased";
}

TEST(RasterTest, RoundedRectangleHasClearCornersAndSolidSides)
{
    Canvas canvas(40, 40);
    canvas.fill(roundedRect({0, 0, 40, 40}, 12), solid(kBlue));

    EXPECT_DOUBLE_EQ(canvas.pixel(0, 0).a, 0.0);
    EXPECT_DOUBLE_EQ(canvas.pixel(39, 39).a, 0.0);
    EXPECT_DOUBLE_EQ(canvas.pixel(20, 0).a, 1.0);
    EXPECT_DOUBLE_EQ(canvas.pixel(0, 20).a, 1.0);
}

TEST(RasterTest, CombinedShapes)
{
    const Shape left = roundedRect({0, 0, 10, 10}, 0);
    const Shape right = roundedRect({20, 0, 10, 10}, 0);
    Canvas canvas(30, 10);
    canvas.fill(left.plus(right).minus(ellipse({22, 2, 6, 6})), solid(kRed));

    EXPECT_DOUBLE_EQ(canvas.pixel(5, 5).a, 1.0);
    EXPECT_DOUBLE_EQ(canvas.pixel(15, 5).a, 0.0);
    EXPECT_DOUBLE_EQ(canvas.pixel(25, 5).a, 0.0) << "the subtracted disc leaves a hole";
    EXPECT_DOUBLE_EQ(canvas.pixel(21, 1).a, 1.0);

    Canvas overlap(30, 10);
    overlap.fill(roundedRect({0, 0, 20, 10}, 0).intersected(roundedRect({10, 0, 20, 10}, 0)), solid(kRed));
    EXPECT_DOUBLE_EQ(overlap.pixel(5, 5).a, 0.0);
    EXPECT_DOUBLE_EQ(overlap.pixel(15, 5).a, 1.0);
    EXPECT_DOUBLE_EQ(overlap.pixel(25, 5).a, 0.0);
}

TEST(RasterTest, TranslucentPaintBlendsOverWhatIsBelow)
{
    Canvas canvas(4, 4);
    canvas.fill(roundedRect({0, 0, 4, 4}, 0), solid(kBlue));
    canvas.fill(roundedRect({0, 0, 4, 4}, 0), solid({1, 0, 0, 0.5}));

    const Color c = canvas.pixel(1, 1);
    EXPECT_NEAR(c.r, 0.5, 1e-9);
    EXPECT_NEAR(c.b, 0.5, 1e-9);
    EXPECT_DOUBLE_EQ(c.a, 1.0);
}

TEST(RasterTest, GradientRunsFromTopToBottomOfTheShape)
{
    Canvas canvas(4, 40);
    canvas.fill(roundedRect({0, 0, 4, 40}, 0), {{1, 1, 1, 1}, {0, 0, 0, 1}});

    EXPECT_GT(canvas.pixel(2, 1).g, 0.9);
    EXPECT_LT(canvas.pixel(2, 38).g, 0.1);
    EXPECT_GT(canvas.pixel(2, 10).g, canvas.pixel(2, 30).g);
}

TEST(RasterTest, StripesRepeatWithoutSeamsAcrossTiles)
{
    Canvas canvas(40, 40);
    canvas.fill(stripes({0, 0, 40, 40}, 10, 4), solid(kRed));

    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            ASSERT_DOUBLE_EQ(canvas.pixel(x, y).a, canvas.pixel(x + 20, y).a) << x << "," << y;
            ASSERT_DOUBLE_EQ(canvas.pixel(x, y).a, canvas.pixel(x, y + 20).a) << x << "," << y;
        }
    }
}

TEST(RasterTest, ArcCoversOnlyItsSweep)
{
    Canvas canvas(40, 40);
    canvas.fill(arc({20, 20}, 14, 4, 270, 90), solid(kRed));

    EXPECT_DOUBLE_EQ(canvas.pixel(20, 6).a, 1.0) << "twelve o'clock lies inside a sweep from nine to three";
    EXPECT_DOUBLE_EQ(canvas.pixel(20, 33).a, 0.0) << "six o'clock lies outside it";
    EXPECT_DOUBLE_EQ(canvas.pixel(20, 20).a, 0.0);
}

TEST(RasterTest, PictogramsStayInsideTheirBox)
{
    const Box box{10, 10, 40, 40};
    for (const Shape& shape : {star(box, 5, 0.45), heart(box), folder(box), gear(box, 8), lock(box), eye(box)}) {
        Canvas canvas(60, 60);
        canvas.fill(shape, solid(kRed));
        double inside = 0;
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 60; ++x) {
                const double a = canvas.pixel(x, y).a;
                if (x < 9 || y < 9 || x > 50 || y > 50) {
                    ASSERT_DOUBLE_EQ(a, 0.0) << "at " << x << "," << y;
                }
                inside += a;
            }
        }
        EXPECT_GT(inside, 40.0 * 40.0 * 0.15) << "the pictogram should fill a fair part of its box";
    }
}

class RasterFileTest : public test::TempDirTest {};

TEST_F(RasterFileTest, WrittenPngReadsBackWithTheSamePixels)
{
    Canvas canvas(8, 6);
    canvas.fill(roundedRect({0, 0, 4, 6}, 0), solid(kRed));
    canvas.fill(roundedRect({4, 0, 4, 6}, 0), solid({0, 0, 1, 0.5}));
    const auto path = m_dir / "out.png";

    canvas.writePng(path);

    const auto png = readPng(path);
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(png->width, 8);
    EXPECT_EQ(png->height, 6);
    EXPECT_EQ(png->at(1, 1).r, 255);
    EXPECT_EQ(png->at(1, 1).a, 255);
    EXPECT_EQ(png->at(6, 3).b, 255);
    EXPECT_EQ(png->at(6, 3).a, 128);
}

TEST_F(RasterFileTest, WritingIntoAMissingFolderFailsNamingTheFile)
{
    const Canvas canvas(2, 2);
    const auto path = m_dir / "missing" / "out.png";
    try {
        canvas.writePng(path);
        FAIL() << "expected an error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace tools
