#include "device/uikit/image_context.h"
#include "device/uikit/screen.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace device::uikit {
namespace {

using Rgba = std::array<int, 4>;

Rgba at(CGContextRef context, int x, int y)
{
    const std::uint8_t* p = context->bitmap().pixel(x, y);
    return {p[0], p[1], p[2], p[3]};
}

Rgba at(const UIImage& image, int x, int y)
{
    const std::uint8_t* p = &image.rgba()[(static_cast<std::size_t>(y) * image.pixelWidth() + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

// Image contexts hand out UIImage objects, which need the platform's classes of a booted device.
class ImageContextTest : public ::testing::Test {
protected:
    void SetUp() override { m_device.boot(); }
    void TearDown() override
    {
        while (UIGraphicsGetCurrentContext()) {
            UIGraphicsEndImageContext();
        }
    }

private:
    testing_support::BootedDevice m_device{"phone", testing_support::Library::None};
};

TEST_F(ImageContextTest, ScaleZeroMeansTheScreensAndPointsRunDownFromTheTopLeft)
{
    double screenScale = UIScreen::mainScreen().scale();
    UIGraphicsBeginImageContextWithOptions({10, 5}, false, 0);
    CGContextRef context = UIGraphicsGetCurrentContext();
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(CGBitmapContextGetWidth(context), static_cast<std::size_t>(10 * screenScale));
    EXPECT_EQ(CGBitmapContextGetHeight(context), static_cast<std::size_t>(5 * screenScale));
    EXPECT_EQ(context->ctm(), (CGAffineTransform{screenScale, screenScale, 0, 0}));

    CGContextSetFillColorWithColor(context, UIColor::rgba(1, 0, 0));
    CGContextFillRect(context, CGRectMake(0, 0, 1, 1));
    EXPECT_EQ(at(context, 0, 0), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(at(context, static_cast<int>(screenScale), 0), (Rgba{0, 0, 0, 0})) << "a transparent start";
    UIGraphicsEndImageContext();
    EXPECT_EQ(UIGraphicsGetCurrentContext(), nullptr);
}

TEST_F(ImageContextTest, AnOpaqueContextStartsOpaqueBlack)
{
    UIGraphicsBeginImageContextWithOptions({2, 2}, true, 1);
    EXPECT_EQ(at(UIGraphicsGetCurrentContext(), 1, 1), (Rgba{0, 0, 0, 255}));
    UIGraphicsEndImageContext();
}

TEST_F(ImageContextTest, ContextsNestAndExtraEndsAreHarmless)
{
    EXPECT_EQ(UIGraphicsGetCurrentContext(), nullptr);
    EXPECT_EQ(UIGraphicsGetImageFromCurrentImageContext(), nullptr);
    UIGraphicsEndImageContext();

    UIGraphicsBeginImageContextWithOptions({3, 3}, false, 1);
    CGContextRef outer = UIGraphicsGetCurrentContext();
    UIGraphicsBeginImageContextWithOptions({1, 1}, false, 3);
    CGContextRef inner = UIGraphicsGetCurrentContext();
    EXPECT_NE(inner, outer);
    EXPECT_EQ(CGBitmapContextGetWidth(inner), 3U);

    UIGraphicsBeginImageContextWithOptions({0, 4}, false, 1);
    EXPECT_EQ(UIGraphicsGetCurrentContext(), nullptr) << "an empty size has no context";
    EXPECT_EQ(UIGraphicsGetImageFromCurrentImageContext(), nullptr);
    UIGraphicsEndImageContext();

    EXPECT_EQ(UIGraphicsGetCurrentContext(), inner);
    UIGraphicsEndImageContext();
    EXPECT_EQ(UIGraphicsGetCurrentContext(), outer);
    UIGraphicsEndImageContext();
    EXPECT_EQ(UIGraphicsGetCurrentContext(), nullptr);
}

TEST_F(ImageContextTest, TheImageHasTheContextsScaleAndStraightPixels)
{
    UIGraphicsBeginImageContextWithOptions({2, 1}, false, 2);
    CGContextRef context = UIGraphicsGetCurrentContext();
    CGContextSetFillColorWithColor(context, UIColor::rgba(1, 0.4, 0, 0.5));
    CGContextFillRect(context, CGRectMake(0, 0, 1, 1));
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixelWidth(), 4);
    EXPECT_EQ(image->pixelHeight(), 2);
    EXPECT_EQ(image->scale(), 2);
    EXPECT_EQ(image->size(), (CGSize{2, 1}));
    EXPECT_EQ(at(*image, 1, 1), (Rgba{255, 102, 0, 128}));
    EXPECT_EQ(at(*image, 2, 0), (Rgba{0, 0, 0, 0}));
}

TEST_F(ImageContextTest, AnImageDrawnIntoAFlippedContextComesBackUnchanged)
{
    std::vector<std::uint8_t> rgba;
    for (int i = 0; i < 4 * 6; ++i) {
        for (int channel : Rgba{i * 10, 255 - i * 10, i % 3 * 100, 255}) {
            rgba.push_back(static_cast<std::uint8_t>(channel));
        }
    }
    UIImage picture(4, 6, 2, rgba);

    UIGraphicsBeginImageContextWithOptions(picture.size(), false, picture.scale());
    CGContextRef context = UIGraphicsGetCurrentContext();
    CGContextScaleCTM(context, 1, -1);
    CGContextTranslateCTM(context, 0, -picture.size().height);
    CGContextDrawImage(context, CGRectMake(0, 0, picture.size().width, picture.size().height), picture.CGImage());
    auto copy = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();

    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->rgba(), rgba);
}

}  // namespace
}  // namespace device::uikit
