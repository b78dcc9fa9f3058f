#include "device/graphics/vimage.h"
#include "device/graphics/vimage_lanes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// The vImage functions against plain, unhurried loops that compute the same thing the obvious way, bit for bit,
// with each build of their inner loops the processor can run.
namespace device::graphics {
namespace {

// Runs a check once with each build of the inner loops the processor can run, naming the build in any failure.
template <class Check>
void forEachBuild(Check check)
{
    for (auto [build, name] : {std::pair{LaneWidth::Avx512, "AVX-512 build"}, {LaneWidth::Avx2, "AVX2 build"},
                               {LaneWidth::Baseline, "baseline build"}}) {
        if (useLaneWidth(build)) {
            SCOPED_TRACE(name);
            check();
        }
    }
    useLaneWidth(LaneWidth::Widest);
}

struct Picture {
    std::string kind;
    int width;
    int height;
    std::vector<std::uint8_t> rgba;

    std::uint8_t at(int x, int y, int c) const { return rgba[(static_cast<std::size_t>(y) * width + x) * 4 + c]; }
    vImage_Buffer buffer()
    {
        return {rgba.data(), static_cast<vImagePixelCount>(height), static_cast<vImagePixelCount>(width),
                static_cast<std::size_t>(width) * 4};
    }
};

// Premultiplied, as a bitmap context holds them: no colour channel above the alpha.
Picture picture(const std::string& kind, int width, int height, unsigned seed = 1)
{
    Picture p{kind, width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4)};
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int rgba[4];
            if (kind == "edges") {
                bool bright = (x / 7 + y / 5) % 2 == 0 || x == width - 1;
                rgba[0] = bright ? 255 : 0;
                rgba[1] = x < width / 2 ? 255 : 30;
                rgba[2] = y < height / 3 ? 0 : 200;
                rgba[3] = 255;
            } else if (kind == "gradient") {
                rgba[0] = x * 255 / std::max(1, width - 1);
                rgba[1] = y * 255 / std::max(1, height - 1);
                rgba[2] = (x + y) % 256;
                rgba[3] = 255;
            } else if (kind == "noise") {
                for (int& c : rgba) {
                    c = static_cast<int>(random() % 256);
                }
                rgba[3] = 255;
            } else {
                rgba[3] = (x * 37 + y * 11) % 256;
                for (int c = 0; c < 3; ++c) {
                    rgba[c] = rgba[3] == 0 ? 0 : static_cast<int>(random() % (rgba[3] + 1));
                }
            }
            for (int c = 0; c < 4; ++c) {
                p.rgba[(static_cast<std::size_t>(y) * width + x) * 4 + c] = static_cast<std::uint8_t>(rgba[c]);
            }
        }
    }
    return p;
}

const std::vector<std::string> kinds = {"edges", "gradient", "noise", "transparency"};

// The value a window sees at (sx, sy), inside or outside the picture, and whether it counts towards the mean.
struct Sample {
    int value;
    bool counts;
};

Sample sample(const Picture& from, int sx, int sy, int c, const std::uint8_t background[4], vImage_Flags style)
{
    if (sx >= 0 && sx < from.width && sy >= 0 && sy < from.height) {
        return {from.at(sx, sy, c), true};
    }
    if (style == kvImageBackgroundColorFill) {
        return {background[c], true};
    }
    if (style == kvImageTruncateKernel) {
        return {0, false};
    }
    return {from.at(std::clamp(sx, 0, from.width - 1), std::clamp(sy, 0, from.height - 1), c), true};
}

// The mean of the window around each pixel of the region, rounded to nearest, with the outside as the style says.
// Each window row is summed once per column, then the rows of each window: the same sums as pixel by pixel.
std::vector<std::uint8_t> referenceBoxBlur(const Picture& from, int offsetX, int offsetY, int width, int height,
                                           int kernelHeight, int kernelWidth, const std::uint8_t background[4],
                                           vImage_Flags style)
{
    int rx = kernelWidth / 2;
    int ry = kernelHeight / 2;
    int firstRow = offsetY - ry;
    int rows = height + 2 * ry;
    struct RowSum {
        std::uint64_t sum = 0;
        std::uint64_t count = 0;
    };
    std::vector<RowSum> rowSums(static_cast<std::size_t>(rows) * width * 4);
    for (int r = 0; r < rows; ++r) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 4; ++c) {
                RowSum& into = rowSums[(static_cast<std::size_t>(r) * width + x) * 4 + c];
                for (int sx = offsetX + x - rx; sx <= offsetX + x + rx; ++sx) {
                    Sample s = sample(from, sx, firstRow + r, c, background, style);
                    into.sum += s.counts ? s.value : 0;
                    into.count += s.counts ? 1 : 0;
                }
            }
        }
    }
    std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int cx = offsetX + x;
            int cy = offsetY + y;
            bool windowInside = cx - rx >= 0 && cx + rx < from.width && cy - ry >= 0 && cy + ry < from.height;
            for (int c = 0; c < 4; ++c) {
                RowSum window;
                for (int r = y; r < y + kernelHeight; ++r) {
                    const RowSum& row = rowSums[(static_cast<std::size_t>(r) * width + x) * 4 + c];
                    window.sum += row.sum;
                    window.count += row.count;
                }
                auto mean = static_cast<std::uint8_t>((window.sum + window.count / 2) / window.count);
                out[(static_cast<std::size_t>(y) * width + x) * 4 + c] =
                    style == kvImageCopyInPlace && !windowInside ? from.at(cx, cy, c) : mean;
            }
        }
    }
    return out;
}

// The first pixel where two pictures differ, for a readable failure.
std::string firstDifference(const std::vector<std::uint8_t>& actual, const std::vector<std::uint8_t>& expected,
                            int width)
{
    for (std::size_t i = 0; i < actual.size(); ++i) {
        if (actual[i] != expected[i]) {
            std::size_t pixel = i / 4;
            return "pixel (" + std::to_string(pixel % width) + ", " + std::to_string(pixel / width) + ") channel " +
                   std::to_string(i % 4) + ": " + std::to_string(actual[i]) + " instead of " +
                   std::to_string(expected[i]);
        }
    }
    return "";
}

struct BoxCase {
    int width;
    int height;
    int kernel;
};

// Large kernels over pictures narrower and shorter than them, pictures whose rows do not fill whole vectors, a kernel
// whose area no single-precision reciprocal divides exactly, and one too tall for 16-bit column sums and too large
// for single-precision means.
TEST(vImageAgainstReference, EdgeExtendBoxBlurIsTheRoundedWindowMeanBitForBit)
{
    const std::uint8_t background[4] = {};
    for (BoxCase box : {BoxCase{37, 29, 3}, BoxCase{61, 90, 57}, BoxCase{23, 130, 113}, BoxCase{18, 200, 169},
                        BoxCase{70, 180, 169}, BoxCase{5, 3, 9}, BoxCase{20, 240, 227},
                        BoxCase{30, 12, 301}}) {
        for (const std::string& kind : kinds) {
            Picture from = picture(kind, box.width, box.height);
            auto expected = referenceBoxBlur(from, 0, 0, box.width, box.height, box.kernel, box.kernel, background,
                                             kvImageEdgeExtend);
            forEachBuild([&] {
                std::vector<std::uint8_t> to(from.rgba.size());
                vImage_Buffer src = from.buffer();
                vImage_Buffer dest{to.data(), src.height, src.width, src.rowBytes};
                ASSERT_EQ(vImageBoxConvolve_ARGB8888(&src, &dest, nullptr, 0, 0, box.kernel, box.kernel, nullptr,
                                                     kvImageEdgeExtend),
                          kvImageNoError);
                EXPECT_EQ(firstDifference(to, expected, box.width), "")
                    << kind << " " << box.width << "x" << box.height << ", kernel " << box.kernel;
            });
        }
    }
}

// Kernels of every shape, among them one too tall for 16-bit column sums whose means still fit single precision.
TEST(vImageAgainstReference, EveryEdgeStyleAndRegionMatchesBitForBit)
{
    const std::uint8_t background[4] = {10, 200, 30, 255};
    Picture from = picture("noise", 41, 33, 7);
    for (vImage_Flags style : {kvImageEdgeExtend, kvImageBackgroundColorFill, kvImageTruncateKernel,
                               kvImageCopyInPlace}) {
        for (auto [kernelHeight, kernelWidth] : {std::pair{7, 21}, {15, 5}, {1, 1}, {259, 3}, {3, 301}}) {
            int offsetX = 3;
            int offsetY = 5;
            int width = 35;
            int height = 20;
            auto expected = referenceBoxBlur(from, offsetX, offsetY, width, height, kernelHeight, kernelWidth,
                                             background, style);
            forEachBuild([&] {
                std::vector<std::uint8_t> to(static_cast<std::size_t>(width) * height * 4);
                vImage_Buffer src = from.buffer();
                vImage_Buffer dest{to.data(), static_cast<vImagePixelCount>(height),
                                   static_cast<vImagePixelCount>(width), static_cast<std::size_t>(width) * 4};
                ASSERT_EQ(vImageBoxConvolve_ARGB8888(&src, &dest, nullptr, offsetX, offsetY, kernelHeight,
                                                     kernelWidth, background, style),
                          kvImageNoError);
                EXPECT_EQ(firstDifference(to, expected, width), "")
                    << "style " << style << ", kernel " << kernelHeight << "x" << kernelWidth;
            });
        }
    }
}

// A caller's temporary buffer, of the size asked for, serves instead of one of the function's own.
TEST(vImageAgainstReference, AGivenTemporaryBufferGivesTheSameBlur)
{
    Picture from = picture("edges", 50, 40);
    std::vector<std::uint8_t> own(from.rgba.size());
    std::vector<std::uint8_t> given(from.rgba.size());
    vImage_Buffer src = from.buffer();
    vImage_Buffer ownDest{own.data(), src.height, src.width, src.rowBytes};
    vImage_Buffer givenDest{given.data(), src.height, src.width, src.rowBytes};
    vImage_Error size = vImageBoxConvolve_ARGB8888(&src, &givenDest, nullptr, 0, 0, 31, 31, nullptr,
                                                   kvImageEdgeExtend | kvImageGetTempBufferSize);
    ASSERT_GT(size, 0);
    std::vector<std::uint8_t> temporary(static_cast<std::size_t>(size) + 1);
    ASSERT_EQ(vImageBoxConvolve_ARGB8888(&src, &ownDest, nullptr, 0, 0, 31, 31, nullptr, kvImageEdgeExtend),
              kvImageNoError);
    ASSERT_EQ(vImageBoxConvolve_ARGB8888(&src, &givenDest, temporary.data() + 1, 0, 0, 31, 31, nullptr,
                                         kvImageEdgeExtend),
              kvImageNoError);
    EXPECT_EQ(given, own);
}

// out[j] = (Σ_i (in[i] + pre[i]) · m[i·4 + j] + post[j]) / divisor, rounded to nearest, clamped.
std::vector<std::uint8_t> referenceMultiply(const Picture& from, const std::int16_t matrix[16], std::int32_t divisor,
                                            const std::int16_t pre[4], const std::int32_t post[4])
{
    std::vector<std::uint8_t> out(from.rgba.size());
    for (std::size_t p = 0; p < from.rgba.size(); p += 4) {
        for (int j = 0; j < 4; ++j) {
            std::int64_t sum = post[j];
            for (int i = 0; i < 4; ++i) {
                sum += (from.rgba[p + i] + std::int64_t{pre[i]}) * matrix[i * 4 + j];
            }
            std::int64_t biased = sum + divisor / 2;
            std::int64_t rounded = biased >= 0 ? biased / divisor : -((-biased + divisor - 1) / divisor);
            out[p + j] = static_cast<std::uint8_t>(std::clamp<std::int64_t>(rounded, 0, 255));
        }
    }
    return out;
}

TEST(vImageAgainstReference, MatrixMultiplyMatchesBitForBitInPlaceOrNot)
{
    const std::int16_t saturation[16] = {417, -44, -44, 0, -146, 314, -146, 0, -15, -15, 446, 0, 0, 0, 0, 256};
    const std::int16_t mixing[16] = {-300, 90, 1000, 7, 250, -256, 3, 0, 12, 500, -700, 2, 40, -40, 128, 200};
    const std::int16_t noPre[4] = {};
    const std::int32_t noPost[4] = {};
    const std::int16_t pre[4] = {-20, 5, 300, -1};
    const std::int32_t post[4] = {-5000, 900, 0, 77};
    for (const std::string& kind : kinds) {
        Picture from = picture(kind, 53, 9);
        for (bool biased : {false, true}) {
            for (auto [matrix, divisor] : {std::pair{saturation, 256}, {mixing, 300}, {mixing, 1}}) {
                auto expected = referenceMultiply(from, matrix, divisor, biased ? pre : noPre, biased ? post : noPost);
                forEachBuild([&] {
                    std::vector<std::uint8_t> to(from.rgba.size());
                    vImage_Buffer src = from.buffer();
                    vImage_Buffer dest{to.data(), src.height, src.width, src.rowBytes};
                    ASSERT_EQ(vImageMatrixMultiply_ARGB8888(&src, &dest, matrix, divisor, biased ? pre : nullptr,
                                                            biased ? post : nullptr, kvImageNoFlags),
                              kvImageNoError);
                    EXPECT_EQ(firstDifference(to, expected, from.width), "") << kind << ", divisor " << divisor;
                    Picture inPlace = from;
                    vImage_Buffer same = inPlace.buffer();
                    ASSERT_EQ(vImageMatrixMultiply_ARGB8888(&same, &same, matrix, divisor, biased ? pre : nullptr,
                                                            biased ? post : nullptr, kvImageNoFlags),
                              kvImageNoError);
                    EXPECT_EQ(inPlace.rgba, expected) << kind << " in place";
                });
            }
        }
    }
}

}  // namespace
}  // namespace device::graphics
