#include "device/graphics/vimage.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace device::graphics {
namespace {

using Rgba = std::array<int, 4>;

// Pixels with a little padding at the end of each row, as real bitmaps may have.
struct Picture {
    int width;
    int height;
    std::size_t rowBytes;
    std::vector<std::uint8_t> bytes;

    Picture(int w, int h, Rgba fill = {0, 0, 0, 0})
        : width(w), height(h), rowBytes(static_cast<std::size_t>(w) * 4 + 8), bytes(rowBytes * h, 0)
    {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                set(x, y, fill);
            }
        }
    }

    void set(int x, int y, Rgba value)
    {
        for (int c = 0; c < 4; ++c) {
            bytes[y * rowBytes + x * 4 + c] = static_cast<std::uint8_t>(value[c]);
        }
    }
    Rgba at(int x, int y) const
    {
        const std::uint8_t* p = &bytes[y * rowBytes + x * 4];
        return {p[0], p[1], p[2], p[3]};
    }
    vImage_Buffer buffer()
    {
        return {bytes.data(), static_cast<vImagePixelCount>(height), static_cast<vImagePixelCount>(width), rowBytes};
    }
};

vImage_Error boxBlur(Picture& from, Picture& to, std::uint32_t kernelHeight, std::uint32_t kernelWidth,
                     vImage_Flags flags = kvImageEdgeExtend)
{
    vImage_Buffer src = from.buffer();
    vImage_Buffer dest = to.buffer();
    const Pixel_8888 background{10, 20, 30, 40};
    return vImageBoxConvolve_ARGB8888(&src, &dest, nullptr, 0, 0, kernelHeight, kernelWidth, background, flags);
}

const std::int16_t saturation[16] = {
    417, -44, -44, 0,  //
    -146, 314, -146, 0,  //
    -15, -15, 446, 0,  //
    0, 0, 0, 256,
};

Rgba multiply(Rgba pixel, const std::int16_t matrix[16], std::int32_t divisor, const std::int16_t* preBias = nullptr,
              const std::int32_t* postBias = nullptr)
{
    Picture one(1, 1, pixel);
    vImage_Buffer buffer = one.buffer();
    EXPECT_EQ(vImageMatrixMultiply_ARGB8888(&buffer, &buffer, matrix, divisor, preBias, postBias, kvImageNoFlags),
              kvImageNoError);
    return one.at(0, 0);
}

TEST(vImageBoxConvolve, AUniformPictureStaysUniformUpToItsEdges)
{
    Picture from(9, 7, {200, 120, 30, 255});
    Picture to(9, 7);
    ASSERT_EQ(boxBlur(from, to, 5, 7), kvImageNoError);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 9; ++x) {
            EXPECT_EQ(to.at(x, y), (Rgba{200, 120, 30, 255})) << x << "," << y;
        }
    }
}

TEST(vImageBoxConvolve, EdgeExtendRepeatsTheEdgePixel)
{
    Picture from(6, 1);
    for (int x = 0; x < 6; ++x) {
        from.set(x, 0, {x * 30, 0, 0, 255});
    }
    Picture to(6, 1);
    ASSERT_EQ(boxBlur(from, to, 1, 3), kvImageNoError);
    EXPECT_EQ(to.at(0, 0), (Rgba{10, 0, 0, 255})) << "(0 + 0 + 30) / 3";
    EXPECT_EQ(to.at(3, 0), (Rgba{90, 0, 0, 255}));
    EXPECT_EQ(to.at(5, 0), (Rgba{140, 0, 0, 255})) << "(120 + 150 + 150) / 3";
}

TEST(vImageBoxConvolve, ABrightPixelSpreadsIntoAWindowOfTheKernelsSize)
{
    Picture from(11, 9, {0, 0, 0, 255});
    from.set(5, 4, {255, 150, 16, 255});
    Picture to(11, 9);
    ASSERT_EQ(boxBlur(from, to, 3, 5), kvImageNoError);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 11; ++x) {
            bool inWindow = x >= 3 && x <= 7 && y >= 3 && y <= 5;
            Rgba expected = inWindow ? Rgba{17, 10, 1, 255} : Rgba{0, 0, 0, 255};
            EXPECT_EQ(to.at(x, y), expected) << x << "," << y << ": 255/15, 150/15 and 16/15 rounded";
        }
    }
}

TEST(vImageBoxConvolve, KernelLargerThanThePictureAveragesTheExtendedEdges)
{
    Picture from(2, 1);
    from.set(0, 0, {0, 0, 0, 0});
    from.set(1, 0, {255, 255, 255, 255});
    Picture to(2, 1);
    ASSERT_EQ(boxBlur(from, to, 9, 9), kvImageNoError);
    EXPECT_EQ(to.at(0, 0), (Rgba{113, 113, 113, 113})) << "four of nine columns are bright";
    EXPECT_EQ(to.at(1, 0), (Rgba{142, 142, 142, 142})) << "five of nine";
}

TEST(vImageBoxConvolve, OtherEdgeStylesTreatTheOutsideTheirWay)
{
    Picture from(3, 3, {90, 90, 90, 90});
    Picture to(3, 3);
    ASSERT_EQ(boxBlur(from, to, 3, 3, kvImageBackgroundColorFill), kvImageNoError);
    EXPECT_EQ(to.at(1, 1), (Rgba{90, 90, 90, 90}));
    EXPECT_EQ(to.at(0, 0), (Rgba{46, 51, 57, 62})) << "four inside, five of the background colour (10, 20, 30, 40)";

    from.set(0, 0, {0, 0, 0, 0});
    ASSERT_EQ(boxBlur(from, to, 3, 3, kvImageTruncateKernel), kvImageNoError);
    EXPECT_EQ(to.at(0, 0), (Rgba{68, 68, 68, 68})) << "the mean of the four pixels inside";

    ASSERT_EQ(boxBlur(from, to, 3, 3, kvImageCopyInPlace), kvImageNoError);
    EXPECT_EQ(to.at(0, 0), (Rgba{0, 0, 0, 0})) << "copied";
    EXPECT_EQ(to.at(2, 1), (Rgba{90, 90, 90, 90})) << "copied";
    EXPECT_EQ(to.at(1, 1), (Rgba{80, 80, 80, 80})) << "the only pixel whose window fits";
}

TEST(vImageBoxConvolve, ReadsTheRegionAtTheSourceOffset)
{
    Picture from(4, 3, {0, 0, 0, 255});
    from.set(3, 2, {99, 0, 0, 255});
    Picture to(1, 1);
    vImage_Buffer src = from.buffer();
    vImage_Buffer dest = to.buffer();
    ASSERT_EQ(vImageBoxConvolve_ARGB8888(&src, &dest, nullptr, 3, 2, 1, 1, nullptr, kvImageEdgeExtend),
              kvImageNoError);
    EXPECT_EQ(to.at(0, 0), (Rgba{99, 0, 0, 255}));

    ASSERT_EQ(vImageBoxConvolve_ARGB8888(&src, &dest, nullptr, 4, 0, 1, 1, nullptr, kvImageEdgeExtend),
              kvImageInvalidOffset_X);
    Picture wide(5, 1);
    vImage_Buffer wideDest = wide.buffer();
    EXPECT_EQ(vImageBoxConvolve_ARGB8888(&src, &wideDest, nullptr, 0, 0, 1, 1, nullptr, kvImageEdgeExtend),
              kvImageRoiLargerThanInputBuffer);
}

TEST(vImageBoxConvolve, RejectsBadArguments)
{
    Picture from(4, 4);
    Picture to(4, 4);
    EXPECT_EQ(boxBlur(from, to, 3, 4), kvImageInvalidKernelSize);
    EXPECT_EQ(boxBlur(from, to, 2, 3), kvImageInvalidKernelSize);
    EXPECT_EQ(boxBlur(from, to, 3, 3, kvImageNoFlags), kvImageInvalidEdgeStyle);
    EXPECT_EQ(boxBlur(from, to, 3, 3, kvImageEdgeExtend | kvImageTruncateKernel), kvImageInvalidEdgeStyle);
    vImage_Buffer dest = to.buffer();
    EXPECT_EQ(vImageBoxConvolve_ARGB8888(nullptr, &dest, nullptr, 0, 0, 3, 3, nullptr, kvImageEdgeExtend),
              kvImageNullPointerArgument);
    EXPECT_GT(boxBlur(from, to, 3, 3, kvImageEdgeExtend | kvImageGetTempBufferSize), 0);
}

TEST(vImageMatrixMultiply, IdentityOver256IsIdentity)
{
    std::int16_t identity[16] = {};
    for (int i = 0; i < 4; ++i) {
        identity[i * 5] = 256;
    }
    for (Rgba pixel : {Rgba{0, 0, 0, 0}, Rgba{1, 2, 3, 4}, Rgba{255, 128, 77, 200}, Rgba{255, 255, 255, 255}}) {
        EXPECT_EQ(multiply(pixel, identity, 256), pixel);
    }
}

TEST(vImageMatrixMultiply, SaturationKeepsGreyGreyAndPushesColoursApart)
{
    for (int grey : {0, 1, 64, 128, 200, 255}) {
        Rgba out = multiply({grey, grey, grey, 255}, saturation, 256);
        EXPECT_EQ(out[0], grey);
        EXPECT_NEAR(out[1], grey, 1) << "the green row sums to 255";
        EXPECT_EQ(out[2], grey);
        EXPECT_EQ(out[3], 255);
    }
    EXPECT_EQ(multiply({200, 100, 50, 255}, saturation, 256), (Rgba{255, 85, 0, 255}))
        << "R' = 68050 / 256 clamps at 255, G' = 21850 / 256, B' = -1100 / 256 clamps at 0";
}

TEST(vImageMatrixMultiply, BiasesAndClamping)
{
    std::int16_t matrix[16] = {};
    matrix[0] = 2;    // out[0] = 2 c[0]
    matrix[1] = -1;   // out[1] = -c[0]
    matrix[15] = 1;   // out[3] = c[3]
    const std::int16_t pre[4] = {10, 0, 0, 0};
    const std::int32_t post[4] = {0, 300, 7, 0};
    EXPECT_EQ(multiply({100, 0, 0, 50}, matrix, 1), (Rgba{200, 0, 0, 50})) << "-100 clamps to 0";
    EXPECT_EQ(multiply({200, 0, 0, 50}, matrix, 1), (Rgba{255, 0, 0, 50})) << "400 clamps to 255";
    EXPECT_EQ(multiply({100, 0, 0, 50}, matrix, 2, pre, post), (Rgba{110, 95, 4, 25}))
        << "(2·110) / 2, (300 - 110) / 2, 7 / 2 rounded, 50 / 2";
}

TEST(vImageMatrixMultiply, RejectsMismatchedBuffers)
{
    Picture a(2, 2);
    Picture b(2, 3);
    vImage_Buffer src = a.buffer();
    vImage_Buffer dest = b.buffer();
    EXPECT_EQ(vImageMatrixMultiply_ARGB8888(&src, &dest, saturation, 256, nullptr, nullptr, kvImageNoFlags),
              kvImageBufferSizeMismatch);
    EXPECT_EQ(vImageMatrixMultiply_ARGB8888(&src, nullptr, saturation, 256, nullptr, nullptr, kvImageNoFlags),
              kvImageNullPointerArgument);
}

}  // namespace
}  // namespace device::graphics
