#include "device/render/view_raster.h"
#include "device/uikit/application.h"
#include "device/uikit/image_context.h"
#include "device/uikit/window.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

namespace device::uikit {
namespace {

using testing_support::BootedDevice;
using testing_support::Library;

UIWindow& keyWindow()
{
    return *UIApplication::sharedApplication().keyWindow();
}

// What the library does to take a picture of the screen.
std::shared_ptr<UIImage> snapshot(const UIView& view, double scale)
{
    UIGraphicsBeginImageContextWithOptions(view.bounds().size, true, scale);
    view.layer().renderInContext(UIGraphicsGetCurrentContext());
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

TEST(LayerRendering, TheWindowsLayerInAnImageContextIsTheScreenAtDeviceScale)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    graphics::Bitmap screen = render::renderWindow(keyWindow());

    auto picture = snapshot(keyWindow(), 0);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->scale(), 2);
    ASSERT_EQ(picture->pixelWidth(), screen.width);
    ASSERT_EQ(picture->pixelHeight(), screen.height);
    EXPECT_EQ(picture->rgba(), screen.rgba);
}

TEST(LayerRendering, AViewDrawsAtTheContextsOriginAndAtTheContextsScale)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto panel = objc::create<UIView>(CGRectMake(100, 200, 40, 20));
    panel->setBackgroundColor(UIColor::rgba(1, 0, 0));
    auto inner = objc::create<UIView>(CGRectMake(20, 0, 20, 20));
    inner->setBackgroundColor(UIColor::rgba(0, 0, 1));
    panel->addSubview(inner);
    keyWindow().addOverlay(panel);

    auto picture = snapshot(*panel, 1);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->pixelWidth(), 40);
    ASSERT_EQ(picture->pixelHeight(), 20);
    auto pixel = [&](int x, int y) {
        const std::uint8_t* p = &picture->rgba()[(static_cast<std::size_t>(y) * 40 + x) * 4];
        return std::array<int, 4>{p[0], p[1], p[2], p[3]};
    };
    EXPECT_EQ(pixel(0, 0), (std::array<int, 4>{255, 0, 0, 255}));
    EXPECT_EQ(pixel(19, 19), (std::array<int, 4>{255, 0, 0, 255}));
    EXPECT_EQ(pixel(20, 0), (std::array<int, 4>{0, 0, 255, 255}));
    EXPECT_EQ(pixel(39, 19), (std::array<int, 4>{0, 0, 255, 255}));
}

TEST(LayerRendering, AFlippedContextOrNoContextDrawsNothing)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto panel = objc::create<UIView>(CGRectMake(0, 0, 10, 10));
    panel->setBackgroundColor(UIColor::whiteColor());
    panel->layer().renderInContext(nullptr);

    UIGraphicsBeginImageContextWithOptions({10, 10}, false, 1);
    CGContextRef context = UIGraphicsGetCurrentContext();
    CGContextScaleCTM(context, 1, -1);
    CGContextTranslateCTM(context, 0, -10);
    panel->layer().renderInContext(context);
    auto picture = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->rgba(), std::vector<std::uint8_t>(10 * 10 * 4, 0));
}

}  // namespace
}  // namespace device::uikit
