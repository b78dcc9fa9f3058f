#include "velmora/protection/frosted_snapshot.h"

#include "device/objc/object.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace velmora::protection {
namespace {

namespace uikit = device::uikit;
using Rgba = std::array<int, 4>;

Rgba at(const uikit::UIImage& image, int x, int y)
{
    const std::uint8_t* p = &image.rgba()[(static_cast<std::size_t>(y) * image.pixelWidth() + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

std::shared_ptr<uikit::UIImage> uniformPicture(int width, int height, double scale, Rgba colour)
{
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
    for (std::size_t i = 0; i < rgba.size(); ++i) {
        rgba[i] = static_cast<std::uint8_t>(colour[i % 4]);
    }
    return device::objc::create<uikit::UIImage>(width, height, scale, std::move(rgba));
}

// What saturating a colour does, channel by channel, in 1/256ths rounded to nearest and clamped.
Rgba saturated(Rgba colour)
{
    auto channel = [&](int r, int g, int b) { return std::clamp((r * colour[0] + g * colour[1] + b * colour[2] + 128) >> 8, 0, 255); };
    return {channel(417, -146, -15), channel(-44, 314, -15), channel(-44, -146, 446), colour[3]};
}

// An opaque colour under a white veil of alpha 0.11.
Rgba veiled(Rgba colour)
{
    Rgba out = colour;
    for (int c = 0; c < 3; ++c) {
        out[c] = static_cast<int>(std::lround(colour[c] * 0.89 + 255 * 0.11));
    }
    return out;
}

void expectNear(Rgba actual, Rgba expected, const char* what)
{
    for (int c = 0; c < 4; ++c) {
        EXPECT_NEAR(actual[c], expected[c], 1) << what << ", channel " << c;
    }
}

// Snapshots are pictures, which need the platform's classes of a booted device.
class FrostedSnapshotTest : public ::testing::Test {
protected:
    void SetUp() override { m_device.boot(); }

private:
    testing_support::BootedDevice m_device{"phone", testing_support::Library::None};
};

TEST_F(FrostedSnapshotTest, KeepsThePicturesSizeAndScale)
{
    auto frosted = frostedSnapshot(*uniformPicture(64, 90, 2, {10, 200, 90, 255}));
    ASSERT_NE(frosted, nullptr);
    EXPECT_EQ(frosted->pixelWidth(), 64);
    EXPECT_EQ(frosted->pixelHeight(), 90);
    EXPECT_EQ(frosted->scale(), 2);
}

// A uniform picture stays uniform through the blur, and the saturation then moves every colour that is neither a
// grey nor a pure primary: such a colour does not come out as itself under the veil.
TEST_F(FrostedSnapshotTest, AUniformColourComesOutSaturatedThenVeiledEverywhere)
{
    for (Rgba colour : {Rgba{200, 60, 30, 255}, Rgba{40, 120, 220, 255}, Rgba{128, 128, 128, 255},
                        Rgba{255, 0, 0, 255}}) {
        auto frosted = frostedSnapshot(*uniformPicture(40, 70, 1, colour));
        ASSERT_NE(frosted, nullptr);
        Rgba expected = veiled(saturated(colour));
        for (auto [x, y] : {std::pair{0, 0}, {39, 0}, {20, 35}, {0, 69}, {39, 69}}) {
            expectNear(at(*frosted, x, y), expected, "a uniform picture");
        }
    }
    Rgba orange{200, 60, 30, 255};
    EXPECT_NE(veiled(saturated(orange)), veiled(orange)) << "orange is saturated, not merely veiled";
    Rgba grey{128, 128, 128, 255};
    EXPECT_EQ(veiled(saturated(grey)), veiled(grey));
}

}  // namespace
}  // namespace velmora::protection
