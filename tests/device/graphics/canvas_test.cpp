#include "device/graphics/canvas.h"
#include "device/graphics/png_codec.h"
#include "tests/support/temp_root.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <limits>
#include <stdexcept>

namespace device::graphics {
namespace {

using Rgba = std::array<int, 4>;

constexpr Color red{1, 0, 0, 1};
constexpr Color green{0, 1, 0, 1};
constexpr Color blue{0, 0, 1, 1};

Rgba at(const Bitmap& bitmap, int x, int y)
{
    const std::uint8_t* p = bitmap.pixel(x, y);
    return {p[0], p[1], p[2], p[3]};
}

int alphaAt(const Bitmap& bitmap, int x, int y)
{
    return bitmap.pixel(x, y)[3];
}

// A picture whose pixels are given as straight RGBA rows.
Bitmap picture(int width, int height, const std::vector<Rgba>& pixels)
{
    Bitmap bitmap(width, height);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        for (int c = 0; c < 4; ++c) {
            bitmap.rgba[i * 4 + c] = static_cast<std::uint8_t>(pixels[i][c]);
        }
    }
    return bitmap;
}

const Rgba opaqueRed{255, 0, 0, 255};
const Rgba opaqueGreen{0, 255, 0, 255};
const Rgba clear{0, 0, 0, 0};

TEST(CanvasBorderedCircle, LooksLikeAThreePixelRingAtScaleTwo)
{
    Bitmap bitmap(100, 100);
    Canvas canvas(bitmap, 2);
    Color border{0.2, 0.4, 0.8, 1};
    canvas.strokeRoundedRect({5, 5, 40, 40}, 20, 1.5, border);

    EXPECT_EQ(alphaAt(bitmap, 50, 50), 0) << "centre";
    EXPECT_EQ(alphaAt(bitmap, 10, 10), 0) << "corner of the bounds, outside the circle";
    EXPECT_EQ(alphaAt(bitmap, 13, 13), 0);
    EXPECT_EQ(alphaAt(bitmap, 9, 49), 0) << "just outside the bounds";

    auto opaqueRun = [&](int x0, int x1, int y) {
        int count = 0;
        for (int x = x0; x < x1; ++x) {
            count += alphaAt(bitmap, x, y) > 127;
        }
        return count;
    };
    EXPECT_EQ(opaqueRun(10, 50, 49), 3) << "left side of the horizontal diameter";
    EXPECT_EQ(opaqueRun(50, 90, 50), 3) << "right side";
    EXPECT_EQ(at(bitmap, 11, 49), (Rgba{51, 102, 204, 255}));
    EXPECT_EQ(at(bitmap, 88, 50), (Rgba{51, 102, 204, 255}));
    for (int y = 10; y < 90; ++y) {
        EXPECT_GE(opaqueRun(10, 50, y), 1) << "the ring is closed at row " << y;
        EXPECT_GE(opaqueRun(50, 90, y), 1) << "row " << y;
    }
    for (int y = 30; y < 70; ++y) {
        EXPECT_LE(opaqueRun(10, 50, y), 5) << "a thin ring at row " << y;
    }

    int partial = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            int alpha = alphaAt(bitmap, x, y);
            partial += alpha > 0 && alpha < 255;
            if (alpha > 0) {
                EXPECT_EQ(bitmap.pixel(x, y)[2], 204) << "edge pixels keep the border colour at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(partial, 40) << "edges are anti-aliased";
}

TEST(CanvasRoundedRect, FillsInsideAndLeavesTheCornersOut)
{
    Bitmap bitmap(40, 20);
    Canvas canvas(bitmap, 1);
    canvas.fillRoundedRect({0, 0, 40, 20}, 6, green);
    EXPECT_EQ(alphaAt(bitmap, 0, 0), 0);
    EXPECT_EQ(alphaAt(bitmap, 39, 19), 0);
    EXPECT_EQ(at(bitmap, 0, 10), opaqueGreen);
    EXPECT_EQ(at(bitmap, 20, 0), opaqueGreen);
    EXPECT_EQ(at(bitmap, 20, 10), opaqueGreen);
    int cornerAlpha = alphaAt(bitmap, 1, 1);
    EXPECT_GT(cornerAlpha, 0);
    EXPECT_LT(cornerAlpha, 255);
}

TEST(CanvasRoundedRect, SquareBorderAtScaleTwoIsTwoPixelsPerPoint)
{
    Bitmap bitmap(20, 20);
    Canvas canvas(bitmap, 2);
    canvas.strokeRoundedRect({0, 0, 10, 10}, 0, 1, red);
    EXPECT_EQ(at(bitmap, 0, 0), opaqueRed);
    EXPECT_EQ(at(bitmap, 1, 10), opaqueRed);
    EXPECT_EQ(at(bitmap, 2, 10), clear);
    EXPECT_EQ(at(bitmap, 10, 18), opaqueRed);
    EXPECT_EQ(at(bitmap, 10, 17), clear);
}

TEST(CanvasBlending, SourceOverOntoStraightAlpha)
{
    Bitmap bitmap(3, 1);
    Canvas canvas(bitmap, 1);
    canvas.fillRect({0, 0, 1, 1}, blue);
    canvas.fillRect({0, 0, 2, 1}, {1, 0, 0, 0.5});
    EXPECT_EQ(at(bitmap, 0, 0), (Rgba{128, 0, 127, 255})) << "half red over opaque blue";
    EXPECT_EQ(at(bitmap, 1, 0), (Rgba{255, 0, 0, 128})) << "half red over nothing keeps its colour";

    canvas.fillRect({2, 0, 1, 1}, {0, 0, 1, 0.5});
    canvas.fillRect({2, 0, 1, 1}, {1, 0, 0, 0.5});
    Rgba layered = at(bitmap, 2, 0);
    EXPECT_EQ(layered[3], 192) << "alphas combine as 1 - (1 - a)(1 - b)";
    EXPECT_NEAR(layered[0], 170, 1);
    EXPECT_NEAR(layered[2], 85, 1);
}

TEST(CanvasBlending, SourceOverOntoPremultiplied)
{
    Bitmap bitmap(4, 1);
    bitmap.premultiplied = true;
    Canvas canvas(bitmap, 1);
    canvas.fillRect({0, 0, 1, 1}, blue);
    canvas.fillRect({0, 0, 2, 1}, {1, 0, 0, 0.5});
    EXPECT_EQ(at(bitmap, 0, 0), (Rgba{128, 0, 127, 255})) << "half red over opaque blue";
    EXPECT_EQ(at(bitmap, 1, 0), (Rgba{128, 0, 0, 128})) << "half red over nothing is stored weighted by its alpha";

    canvas.fillRect({2, 0, 1, 1}, {0, 0, 1, 0.5});
    canvas.fillRect({2, 0, 1, 1}, {1, 0, 0, 0.5});
    EXPECT_EQ(at(bitmap, 2, 0), (Rgba{128, 0, 64, 192})) << "the straight colour is (170, 0, 85)";

    canvas.fillRect({3.25, 0, 1, 1}, {1, 1, 1, 1});
    EXPECT_EQ(at(bitmap, 3, 0), (Rgba{191, 191, 191, 191})) << "a partly covered pixel of opaque white";
}

TEST(CanvasBlending, ImagesStayStraightWhenDrawnIntoPremultiplied)
{
    Bitmap image = picture(1, 1, {{200, 100, 50, 128}});
    Bitmap bitmap(2, 1);
    bitmap.premultiplied = true;
    Canvas canvas(bitmap, 1);
    canvas.drawImage(ImageRef::of(image), {0, 0, 1, 1}, ContentMode::ScaleToFill);
    EXPECT_EQ(at(bitmap, 0, 0), (Rgba{100, 50, 25, 128}));
    EXPECT_EQ(at(bitmap, 1, 0), clear);

    Bitmap straight(1, 1);
    Canvas straightCanvas(straight, 1);
    straightCanvas.drawImage(ImageRef::of(image), {0, 0, 1, 1}, ContentMode::ScaleToFill);
    EXPECT_EQ(at(straight, 0, 0), (Rgba{200, 100, 50, 128})) << "the straight format is unchanged";
}

TEST(CanvasBlending, GlobalAlphaScalesEverythingAndIsRestored)
{
    Bitmap bitmap(2, 1);
    Canvas canvas(bitmap, 1);
    canvas.save();
    canvas.setAlpha(0.5);
    canvas.fillRect({0, 0, 1, 1}, red);
    canvas.restore();
    canvas.fillRect({1, 0, 1, 1}, red);
    EXPECT_EQ(at(bitmap, 0, 0), (Rgba{255, 0, 0, 128}));
    EXPECT_EQ(at(bitmap, 1, 0), opaqueRed);
}

TEST(CanvasBlending, FractionalEdgesArePartlyCovered)
{
    Bitmap bitmap(4, 1);
    Canvas canvas(bitmap, 1);
    canvas.fillRect({0.25, 0, 2.5, 1}, red);
    EXPECT_EQ(alphaAt(bitmap, 0, 0), 191);
    EXPECT_EQ(alphaAt(bitmap, 1, 0), 255);
    EXPECT_EQ(alphaAt(bitmap, 2, 0), 191);
    EXPECT_EQ(alphaAt(bitmap, 3, 0), 0);
}

TEST(CanvasState, TranslationAndClipApplyInPointsAndRestore)
{
    Bitmap bitmap(60, 60);
    Canvas canvas(bitmap, 2);
    canvas.save();
    canvas.translate(10, 10);
    canvas.clipToRect({0, 0, 10, 10});
    canvas.fillRect({-100, -100, 300, 300}, red);
    canvas.restore();
    EXPECT_EQ(at(bitmap, 20, 20), opaqueRed);
    EXPECT_EQ(at(bitmap, 39, 39), opaqueRed);
    EXPECT_EQ(at(bitmap, 19, 30), clear);
    EXPECT_EQ(at(bitmap, 40, 30), clear);
    EXPECT_EQ(at(bitmap, 30, 40), clear);

    canvas.fillRect({0, 0, 5, 5}, green);
    EXPECT_EQ(at(bitmap, 0, 0), opaqueGreen) << "translation and clip are gone after restore";
    EXPECT_EQ(at(bitmap, 9, 9), opaqueGreen);
}

TEST(CanvasState, NestedClipsIntersect)
{
    Bitmap bitmap(10, 10);
    Canvas canvas(bitmap, 1);
    canvas.clipToRect({0, 0, 6, 6});
    canvas.clipToRect({4, 4, 6, 6});
    canvas.fillRect({0, 0, 10, 10}, red);
    EXPECT_EQ(at(bitmap, 4, 4), opaqueRed);
    EXPECT_EQ(at(bitmap, 5, 5), opaqueRed);
    EXPECT_EQ(at(bitmap, 3, 4), clear);
    EXPECT_EQ(at(bitmap, 6, 5), clear);
}

TEST(CanvasState, RoundedClipMasksWhatIsDrawn)
{
    Bitmap bitmap(40, 40);
    Canvas canvas(bitmap, 2);
    canvas.clipToRoundedRect({0, 0, 20, 20}, 10);
    canvas.fillRect({0, 0, 20, 20}, red);
    EXPECT_EQ(at(bitmap, 20, 20), opaqueRed);
    EXPECT_EQ(at(bitmap, 1, 20), opaqueRed);
    EXPECT_EQ(at(bitmap, 2, 2), clear);
    EXPECT_EQ(at(bitmap, 38, 38), clear);
}

TEST(CanvasState, RestoreWithoutSaveIsAnError)
{
    Bitmap bitmap(1, 1);
    Canvas canvas(bitmap, 1);
    EXPECT_THROW(canvas.restore(), std::logic_error);
}

TEST(CanvasState, FarHugeAndUndefinedGeometryIsHarmless)
{
    Bitmap bitmap(8, 8);
    Canvas canvas(bitmap, 2);
    canvas.fillRect({0, 0, std::numeric_limits<double>::quiet_NaN(), 4}, red);
    canvas.fillRect({std::numeric_limits<double>::infinity(), 0, 4, 4}, red);
    canvas.fillRect({1e12, 1e12, 4, 4}, red);
    EXPECT_EQ(at(bitmap, 0, 0), clear);

    Bitmap checker = picture(2, 1, {opaqueRed, opaqueGreen});
    canvas.fillPattern({-1e15, 0, 2e15, 4}, ImageRef::of(checker, 2));
    canvas.fillPattern({-1e15 + 0.25, 0, 2e15, 4}, ImageRef::of(checker, 1));
    EXPECT_EQ(alphaAt(bitmap, 3, 3), 255);
    canvas.fillRect({-1e15, -1e15, 2e15, 2e15}, blue);
    EXPECT_EQ(at(bitmap, 7, 7), (Rgba{0, 0, 255, 255}));
}

TEST(CanvasHairline, IsOneDevicePixelAtEveryScale)
{
    for (double scale : {1.0, 2.0, 3.0}) {
        Bitmap bitmap(30, 30);
        Canvas canvas(bitmap, scale);
        canvas.drawHairline({0, 5}, 10, Axis::Horizontal, red);
        canvas.drawHairline({8, 0}, 10, Axis::Vertical, green);
        int row = static_cast<int>(5 * scale);
        int column = static_cast<int>(8 * scale);
        EXPECT_EQ(at(bitmap, 0, row), opaqueRed) << "scale " << scale;
        EXPECT_EQ(at(bitmap, 0, row - 1), clear) << "scale " << scale;
        EXPECT_EQ(at(bitmap, 0, row + 1), clear) << "scale " << scale;
        EXPECT_EQ(at(bitmap, column, 0), opaqueGreen) << "scale " << scale;
        EXPECT_EQ(at(bitmap, column + 1, 0), clear) << "scale " << scale;
        EXPECT_EQ(at(bitmap, column - 1, 0), clear) << "scale " << scale;
    }
}

// Red on the left half, green on the right, twice as wide as tall.
Bitmap redGreenPicture()
{
    return picture(4, 2, {opaqueRed, opaqueRed, opaqueGreen, opaqueGreen, opaqueRed, opaqueRed, opaqueGreen,
                          opaqueGreen});
}

TEST(CanvasImage, AspectFitLeavesBarsAboveAndBelow)
{
    Bitmap image = redGreenPicture();
    Bitmap bitmap(30, 30);
    Canvas canvas(bitmap, 1);
    canvas.drawImage(ImageRef::of(image), {5, 5, 20, 20}, ContentMode::AspectFit);
    EXPECT_EQ(at(bitmap, 15, 7), clear) << "bar above";
    EXPECT_EQ(at(bitmap, 15, 22), clear) << "bar below";
    EXPECT_EQ(at(bitmap, 7, 15), opaqueRed);
    EXPECT_EQ(at(bitmap, 22, 15), opaqueGreen);
    EXPECT_EQ(at(bitmap, 7, 10), opaqueRed) << "first image row";
    EXPECT_EQ(at(bitmap, 7, 9), clear);
    EXPECT_EQ(at(bitmap, 7, 19), opaqueRed) << "last image row";
    EXPECT_EQ(at(bitmap, 7, 20), clear);
}

TEST(CanvasImage, AspectFillCoversTheRectAndIsClippedToIt)
{
    Bitmap image = redGreenPicture();
    Bitmap bitmap(30, 30);
    Canvas canvas(bitmap, 1);
    canvas.drawImage(ImageRef::of(image), {5, 5, 20, 20}, ContentMode::AspectFill);
    for (int y = 5; y < 25; ++y) {
        EXPECT_EQ(alphaAt(bitmap, 5, y), 255);
        EXPECT_EQ(alphaAt(bitmap, 24, y), 255);
    }
    EXPECT_EQ(at(bitmap, 7, 15), opaqueRed);
    EXPECT_EQ(at(bitmap, 22, 15), opaqueGreen);
    EXPECT_EQ(at(bitmap, 4, 15), clear) << "the overflow on the left is clipped";
    EXPECT_EQ(at(bitmap, 25, 15), clear) << "and on the right";
}

TEST(CanvasImage, ScaleToFillStretchesAndCenterKeepsTheImagesOwnSize)
{
    Bitmap image = redGreenPicture();
    Bitmap stretched(20, 20);
    Canvas(stretched, 1).drawImage(ImageRef::of(image), {0, 0, 20, 20}, ContentMode::ScaleToFill);
    EXPECT_EQ(at(stretched, 0, 0), opaqueRed);
    EXPECT_EQ(at(stretched, 19, 19), opaqueGreen);

    Bitmap centred(24, 24);
    Canvas(centred, 2).drawImage(ImageRef::of(image, 2), {0, 0, 12, 12}, ContentMode::Center);
    EXPECT_EQ(at(centred, 10, 11), opaqueRed) << "a 2x image maps one texel to one pixel at scale 2";
    EXPECT_EQ(at(centred, 11, 12), opaqueRed);
    EXPECT_EQ(at(centred, 12, 11), opaqueGreen);
    EXPECT_EQ(at(centred, 13, 12), opaqueGreen);
    EXPECT_EQ(at(centred, 9, 11), clear);
    EXPECT_EQ(at(centred, 14, 11), clear);
    EXPECT_EQ(at(centred, 10, 10), clear);
    EXPECT_EQ(at(centred, 10, 13), clear);
}

TEST(CanvasImage, BilinearScalingBlendsNeighboursWithoutDarkeningTransparentEdges)
{
    Bitmap twoColours = picture(2, 1, {opaqueRed, opaqueGreen});
    Bitmap bitmap(20, 1);
    Canvas(bitmap, 1).drawImage(ImageRef::of(twoColours), {0, 0, 20, 1}, ContentMode::ScaleToFill);
    for (int x = 1; x < 20; ++x) {
        EXPECT_LE(at(bitmap, x, 0)[0], at(bitmap, x - 1, 0)[0]) << "red fades out steadily at " << x;
        EXPECT_GE(at(bitmap, x, 0)[1], at(bitmap, x - 1, 0)[1]) << "green fades in steadily at " << x;
    }
    Rgba middle = at(bitmap, 9, 0);
    EXPECT_GT(middle[0], 100);
    EXPECT_GT(middle[1], 100);

    Bitmap fading = picture(2, 1, {opaqueRed, clear});
    Bitmap faded(20, 1);
    Canvas(faded, 1).drawImage(ImageRef::of(fading), {0, 0, 20, 1}, ContentMode::ScaleToFill);
    for (int x = 0; x < 15; ++x) {
        Rgba pixel = at(faded, x, 0);
        EXPECT_EQ(pixel[0], 255) << x;
        EXPECT_EQ(pixel[1], 0) << x;
    }
    EXPECT_LT(alphaAt(faded, 12, 0), alphaAt(faded, 8, 0));
}

TEST(CanvasImage, RoundedClipRoundsTheImage)
{
    Bitmap image = picture(1, 1, {opaqueRed});
    Bitmap bitmap(40, 40);
    Canvas canvas(bitmap, 2);
    canvas.save();
    canvas.clipToRoundedRect({0, 0, 20, 20}, 5);
    canvas.drawImage(ImageRef::of(image), {0, 0, 20, 20}, ContentMode::ScaleToFill);
    canvas.restore();
    EXPECT_EQ(at(bitmap, 0, 0), clear);
    EXPECT_EQ(at(bitmap, 39, 0), clear);
    EXPECT_EQ(at(bitmap, 20, 0), opaqueRed);
    EXPECT_EQ(at(bitmap, 20, 20), opaqueRed);
}

TEST(CanvasPattern, TilesFromTheRectsOriginAtTheImagesScale)
{
    Bitmap checker = picture(2, 2, {opaqueRed, opaqueGreen, opaqueGreen, opaqueRed});
    Bitmap bitmap(24, 24);
    Canvas canvas(bitmap, 2);
    canvas.fillPattern({1.5, 1.5, 8, 8}, ImageRef::of(checker, 2));
    for (int y = 3; y < 19; ++y) {
        for (int x = 3; x < 19; ++x) {
            bool redTexel = (x - 3) % 2 == (y - 3) % 2;
            EXPECT_EQ(at(bitmap, x, y), redTexel ? opaqueRed : opaqueGreen) << x << "," << y;
        }
    }
    EXPECT_EQ(at(bitmap, 2, 5), clear);
    EXPECT_EQ(at(bitmap, 19, 5), clear);
    EXPECT_EQ(at(bitmap, 5, 19), clear);

    Bitmap coarse(16, 1);
    Canvas(coarse, 2).fillPattern({0, 0, 8, 0.5}, ImageRef::of(checker, 1));
    for (int x = 0; x < 12; ++x) {
        Rgba pixel = at(coarse, x, 0);
        EXPECT_EQ(pixel[3], 255);
        bool redTexel = x % 4 < 2;
        EXPECT_GT(redTexel ? pixel[0] : pixel[1], 127) << "a 1x texel spans two pixels at scale 2, at " << x;
        EXPECT_EQ(pixel, at(coarse, x + 4, 0)) << "repeating every four pixels";
    }
}

TEST(CanvasPng, RoundTripsThroughAFile)
{
    testing_support::TempRoot root;
    Bitmap bitmap(80, 60);
    Canvas canvas(bitmap, 2);
    canvas.fillRoundedRect({2, 2, 36, 26}, 6, {1, 1, 1, 0.8});
    canvas.strokeRoundedRect({10, 5, 20, 20}, 10, 1.5, {0.1, 0.5, 0.9, 1});
    canvas.drawHairline({0, 29}, 40, Axis::Horizontal, {0, 0, 0, 0.3});

    std::optional<std::string> encoded = encodePng(bitmap);
    ASSERT_TRUE(encoded);
    auto file = root.path() / "canvas.png";
    std::ofstream(file, std::ios::binary) << *encoded;
    std::ifstream in(file, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    std::optional<Bitmap> decoded =
        decodePng(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 80);
    EXPECT_EQ(decoded->height, 60);
    EXPECT_EQ(decoded->rgba, bitmap.rgba);
}

}  // namespace
}  // namespace device::graphics
