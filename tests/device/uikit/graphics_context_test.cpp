#include "device/uikit/graphics_context.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace device::uikit {
namespace {

using Rgba = std::array<int, 4>;

Rgba at(CGContextRef context, int x, int y)
{
    const auto* data = static_cast<const std::uint8_t*>(CGBitmapContextGetData(context));
    const std::uint8_t* p = data + y * CGBitmapContextGetBytesPerRow(context) + x * 4;
    return {p[0], p[1], p[2], p[3]};
}

// Opaque, with a colour that tells the pixel's row and column apart.
Rgba texel(int x, int y)
{
    return {40 + 40 * y, 30 + 60 * x, 90, 255};
}

std::vector<std::uint8_t> gradient(int width, int height)
{
    std::vector<std::uint8_t> rgba;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int channel : texel(x, y)) {
                rgba.push_back(static_cast<std::uint8_t>(channel));
            }
        }
    }
    return rgba;
}

TEST(CGContextDrawImage, ComesOutUpsideDownInAContextWhoseYPointsDown)
{
    auto pixels = gradient(2, 3);
    CGContext context(2, 3, {1, 1, 0, 0});
    CGContextDrawImage(&context, CGRectMake(0, 0, 2, 3), {2, 3, pixels});
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(at(&context, x, y), texel(x, 2 - y)) << x << "," << y;
        }
    }
}

TEST(CGContextDrawImage, ComesOutUprightOnceTheContextIsFlipped)
{
    auto pixels = gradient(4, 6);
    CGContext context(4, 6, {2, 2, 0, 0});
    CGContextScaleCTM(&context, 1, -1);
    CGContextTranslateCTM(&context, 0, -3);
    EXPECT_EQ(context.ctm(), (CGAffineTransform{2, -2, 0, 6}));
    CGContextDrawImage(&context, CGRectMake(0, 0, 2, 3), {4, 6, pixels});
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(at(&context, x, y), texel(x, y)) << x << "," << y;
        }
    }
}

TEST(CGContextDrawImage, TranslucentPixelsAreStoredPremultiplied)
{
    std::vector<std::uint8_t> pixel{200, 100, 50, 128};
    CGContext context(1, 1, {1, 1, 0, 0});
    CGContextDrawImage(&context, CGRectMake(0, 0, 1, 1), {1, 1, pixel});
    EXPECT_EQ(at(&context, 0, 0), (Rgba{100, 50, 25, 128}));
}

TEST(CGContextFillRect, BlendsTheFillColourWithPartlyCoveredEdges)
{
    CGContext context(4, 2, {1, 1, 0, 0});
    CGContextSetFillColorWithColor(&context, UIColor::rgba(0, 0, 1));
    CGContextFillRect(&context, CGRectMake(0, 1, 4, 1));
    CGContextSetFillColorWithColor(&context, UIColor::white(1, 0.5));
    CGContextFillRect(&context, CGRectMake(0.5, 0, 2, 2));

    EXPECT_EQ(at(&context, 0, 0), (Rgba{64, 64, 64, 64})) << "half covered by half-transparent white";
    EXPECT_EQ(at(&context, 1, 0), (Rgba{128, 128, 128, 128}));
    EXPECT_EQ(at(&context, 2, 0), (Rgba{64, 64, 64, 64}));
    EXPECT_EQ(at(&context, 3, 0), (Rgba{0, 0, 0, 0}));
    EXPECT_EQ(at(&context, 1, 1), (Rgba{128, 128, 255, 255})) << "over opaque blue";
    EXPECT_EQ(at(&context, 3, 1), (Rgba{0, 0, 255, 255}));
}

TEST(CGContextState, SaveAndRestoreCoverTheTransformAndTheFillColour)
{
    CGContext context(4, 4, {2, 2, 0, 0});
    CGContextSetFillColorWithColor(&context, UIColor::rgba(1, 0, 0));
    CGContextSaveGState(&context);
    CGContextTranslateCTM(&context, 1, 1);
    CGContextSetFillColorWithColor(&context, UIColor::rgba(0, 1, 0));
    CGContextFillRect(&context, CGRectMake(0, 0, 0.5, 0.5));
    CGContextRestoreGState(&context);
    CGContextRestoreGState(&context);
    CGContextFillRect(&context, CGRectMake(0, 0, 0.5, 0.5));

    EXPECT_EQ(at(&context, 2, 2), (Rgba{0, 255, 0, 255})) << "translated by one point, two pixels";
    EXPECT_EQ(at(&context, 3, 3), (Rgba{0, 0, 0, 0}));
    EXPECT_EQ(at(&context, 0, 0), (Rgba{255, 0, 0, 255})) << "back at the origin, in red";
    EXPECT_EQ(context.ctm(), (CGAffineTransform{2, 2, 0, 0})) << "an unmatched restore changes nothing";
}

TEST(CGContextState, FlippedFillLandsAtTheBottom)
{
    CGContext context(1, 4, {1, 1, 0, 0});
    CGContextScaleCTM(&context, 1, -1);
    CGContextTranslateCTM(&context, 0, -4);
    CGContextSetFillColorWithColor(&context, UIColor::whiteColor());
    CGContextFillRect(&context, CGRectMake(0, 0, 1, 1));
    EXPECT_EQ(at(&context, 0, 3), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(at(&context, 0, 0), (Rgba{0, 0, 0, 0}));
}

TEST(CGBitmapContext, DescribesItsMemoryInRgbaOrder)
{
    CGContext context(3, 2, {1, 1, 0, 0});
    EXPECT_EQ(CGBitmapContextGetWidth(&context), 3U);
    EXPECT_EQ(CGBitmapContextGetHeight(&context), 2U);
    EXPECT_EQ(CGBitmapContextGetBytesPerRow(&context), 12U);
    CGContextSetFillColorWithColor(&context, UIColor::rgba(1, 0.2, 0.4));
    CGContextFillRect(&context, CGRectMake(2, 1, 1, 1));
    const auto* data = static_cast<const std::uint8_t*>(CGBitmapContextGetData(&context));
    EXPECT_EQ((Rgba{data[20], data[21], data[22], data[23]}), (Rgba{255, 51, 102, 255}));
    EXPECT_EQ(data[19], 0) << "the pixel before it is untouched";
}

TEST(CGBitmapContext, EveryCallIgnoresANullContext)
{
    CGContextSaveGState(nullptr);
    CGContextScaleCTM(nullptr, 2, 2);
    CGContextTranslateCTM(nullptr, 1, 1);
    CGContextSetFillColorWithColor(nullptr, UIColor::whiteColor());
    CGContextFillRect(nullptr, CGRectMake(0, 0, 1, 1));
    CGContextDrawImage(nullptr, CGRectMake(0, 0, 1, 1), {});
    CGContextRestoreGState(nullptr);
    EXPECT_EQ(CGBitmapContextGetData(nullptr), nullptr);
    EXPECT_EQ(CGBitmapContextGetWidth(nullptr), 0U);
    EXPECT_EQ(CGBitmapContextGetBytesPerRow(nullptr), 0U);
}

}  // namespace
}  // namespace device::uikit
