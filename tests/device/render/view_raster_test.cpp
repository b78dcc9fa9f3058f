#include "device/foundation/run_loop.h"
#include "device/render/view_raster.h"
#include "device/uikit/application.h"
#include "device/uikit/button.h"
#include "device/uikit/image.h"
#include "device/uikit/control.h"
#include "device/uikit/image_view.h"
#include "device/uikit/label.h"
#include "device/uikit/touchscreen.h"
#include "device/uikit/window.h"
#include "tests/device/uikit/touch_support.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

#include <array>

namespace device::render {
namespace {

using testing_support::BootedDevice;
using testing_support::Library;
using uikit::CGRectMake;
using uikit::UIColor;
using uikit::UIView;
using Rgba = std::array<int, 4>;

// Pixels are read at the phone's scale of 2: point (x, y) covers pixels (2x, 2y) to (2x+1, 2y+1).
Rgba at(const graphics::Bitmap& bitmap, double x, double y)
{
    const std::uint8_t* p = bitmap.pixel(static_cast<int>(x * 2), static_cast<int>(y * 2));
    return {p[0], p[1], p[2], p[3]};
}

bool isDark(const Rgba& pixel)
{
    return pixel[0] + pixel[1] + pixel[2] < 3 * 128;
}

int darkPixelsIn(const graphics::Bitmap& bitmap, graphics::Rect points)
{
    int count = 0;
    for (int y = static_cast<int>(points.y * 2); y < static_cast<int>(points.maxY() * 2); ++y) {
        for (int x = static_cast<int>(points.x * 2); x < static_cast<int>(points.maxX() * 2); ++x) {
            const std::uint8_t* p = bitmap.pixel(x, y);
            count += p[0] + p[1] + p[2] < 3 * 128 ? 1 : 0;
        }
    }
    return count;
}

class ViewRaster : public testing::Test {
protected:
    void SetUp() override
    {
        phone.boot();
        // A white sheet over the whole screen, so that what the tests add is drawn over a known colour.
        sheet = objc::create<UIView>(CGRectMake(0, 0, 320, 568));
        sheet->setBackgroundColor(UIColor::whiteColor());
        window().addOverlay(sheet);
    }

    static uikit::UIWindow& window() { return *uikit::UIApplication::sharedApplication().keyWindow(); }
    graphics::Bitmap render() { return renderWindow(window()); }

    BootedDevice phone{"phone", Library::None};
    std::shared_ptr<UIView> sheet;
};

TEST_F(ViewRaster, TheScreenIsOpaqueAtDeviceScaleWithTheSettingsPageUnderneath)
{
    sheet->removeFromSuperview();
    graphics::Bitmap screen = render();
    ASSERT_EQ(screen.width, 640);
    ASSERT_EQ(screen.height, 1136);
    for (int y = 0; y < screen.height; y += 37) {
        for (int x = 0; x < screen.width; x += 37) {
            ASSERT_EQ(screen.pixel(x, y)[3], 255) << x << "," << y;
        }
    }
    EXPECT_GT(darkPixelsIn(screen, {120, 25, 80, 35}), 50) << "the bold title \"Settings\" in the bar";
}

TEST_F(ViewRaster, ColoursBlendByTheirAlphaAndTheAlphaOfEveryViewAbove)
{
    auto red = objc::create<UIView>(CGRectMake(10, 10, 40, 40));
    red->setBackgroundColor(UIColor::rgba(1, 0, 0, 0.5));
    auto faded = objc::create<UIView>(CGRectMake(60, 10, 40, 40));
    faded->setAlpha(0.5);
    auto blue = objc::create<UIView>(CGRectMake(0, 0, 40, 40));
    blue->setBackgroundColor(UIColor::rgba(0, 0, 1));
    faded->addSubview(blue);
    sheet->addSubview(red);
    sheet->addSubview(faded);

    graphics::Bitmap screen = render();
    Rgba halfRed = at(screen, 30, 30);
    EXPECT_EQ(halfRed[0], 255);
    EXPECT_NEAR(halfRed[1], 128, 1);
    Rgba halfBlue = at(screen, 80, 30);
    EXPECT_NEAR(halfBlue[0], 128, 1);
    EXPECT_EQ(halfBlue[2], 255);
}

TEST_F(ViewRaster, HiddenViewsAreNotDrawnAndClippingViewsCutTheirSubviews)
{
    auto clipping = objc::create<UIView>(CGRectMake(10, 100, 50, 50));
    clipping->setClipsToBounds(true);
    auto open = objc::create<UIView>(CGRectMake(100, 100, 50, 50));
    for (const auto& parent : {clipping, open}) {
        auto overhang = objc::create<UIView>(CGRectMake(0, 0, 80, 20));
        overhang->setBackgroundColor(UIColor::blackColor());
        parent->addSubview(overhang);
        sheet->addSubview(parent);
    }
    auto hidden = objc::create<UIView>(CGRectMake(10, 200, 50, 50));
    hidden->setBackgroundColor(UIColor::blackColor());
    hidden->setHidden(true);
    sheet->addSubview(hidden);

    graphics::Bitmap screen = render();
    EXPECT_TRUE(isDark(at(screen, 55, 110)));
    EXPECT_FALSE(isDark(at(screen, 65, 110))) << "cut at the clipping view's edge";
    EXPECT_TRUE(isDark(at(screen, 175, 110))) << "drawn beyond a view that does not clip";
    EXPECT_FALSE(isDark(at(screen, 30, 220)));
}

TEST_F(ViewRaster, ABorderedCircleIsARoundRingWithATransparentOutside)
{
    auto circle = objc::create<UIView>(CGRectMake(100, 100, 76, 76));
    circle->layer().cornerRadius = 38;
    circle->layer().borderWidth = 1.5;
    circle->layer().borderColor = UIColor::blackColor();
    sheet->addSubview(circle);

    graphics::Bitmap screen = render();
    // The ring is 3 pixels wide at every compass point, and nothing is drawn at the bounding box's corner.
    auto pixel = [&](int x, int y) { return static_cast<int>(screen.pixel(x, y)[0]); };
    int left = 200;
    int top = 200;
    int size = 152;
    for (int i = 0; i < 3; ++i) {
        EXPECT_LT(pixel(left + i, top + size / 2), 64) << "left, pixel " << i;
        EXPECT_LT(pixel(left + size - 1 - i, top + size / 2), 64) << "right, pixel " << i;
        EXPECT_LT(pixel(left + size / 2, top + i), 64) << "top, pixel " << i;
        EXPECT_LT(pixel(left + size / 2, top + size - 1 - i), 64) << "bottom, pixel " << i;
    }
    EXPECT_GT(pixel(left + 3, top + size / 2), 192) << "inside the ring";
    EXPECT_EQ(pixel(left + 4, top + 4), 255) << "outside the circle, at the corner of its frame";
}

TEST_F(ViewRaster, TheMidpointOfAnAnimationIsDrawnBetweenItsEnds)
{
    auto mover = objc::create<UIView>(CGRectMake(0, 300, 20, 20));
    mover->setBackgroundColor(UIColor::blackColor());
    sheet->addSubview(mover);
    UIView::animateWithDuration(1, [&] { mover->setFrame(CGRectMake(200, 300, 20, 20)); });
    foundation::RunLoop::main().advance(0.5);

    graphics::Bitmap halfway = render();
    EXPECT_FALSE(isDark(at(halfway, 5, 310)));
    EXPECT_FALSE(isDark(at(halfway, 205, 310)));
    EXPECT_GT(darkPixelsIn(halfway, {20, 300, 160, 20}), 100);

    foundation::RunLoop::main().advance(1);
    EXPECT_TRUE(isDark(at(render(), 205, 310)));
}

TEST_F(ViewRaster, LabelsDrawTheirTextInsideTheirFrameAndImagesKeepTheirAspect)
{
    auto label = objc::create<uikit::UILabel>(CGRectMake(20, 400, 200, 30));
    label->setText("Wi-Fi");
    auto empty = objc::create<uikit::UILabel>(CGRectMake(20, 440, 200, 30));
    sheet->addSubview(label);
    sheet->addSubview(empty);
    // A 2 × 1 point black picture in a 40 × 40 view: fitted, it fills a 40 × 20 band across the middle.
    std::vector<std::uint8_t> black(4 * 2 * 4, 0);
    for (std::size_t i = 3; i < black.size(); i += 4) {
        black[i] = 255;
    }
    auto picture = objc::create<uikit::UIImageView>(CGRectMake(240, 400, 40, 40));
    picture->setImage(std::make_shared<uikit::UIImage>(4, 2, 2, black));
    picture->setContentMode(uikit::UIViewContentMode::ScaleAspectFit);
    sheet->addSubview(picture);

    graphics::Bitmap screen = render();
    EXPECT_GT(darkPixelsIn(screen, {20, 400, 60, 30}), 40);
    EXPECT_EQ(darkPixelsIn(screen, {80, 400, 140, 30}), 0) << "the text is left-aligned and short";
    EXPECT_EQ(darkPixelsIn(screen, {20, 440, 200, 30}), 0);
    EXPECT_TRUE(isDark(at(screen, 260, 420)));
    EXPECT_FALSE(isDark(at(screen, 260, 405)));
    EXPECT_FALSE(isDark(at(screen, 260, 435)));
}

TEST_F(ViewRaster, ASwitchTurnsGreenWhenTappedOn)
{
    sheet->removeFromSuperview();
    auto& table = *phone.root()->table();
    uikit::UITableViewCell* row = testing_support::rowLabelled(table, "Airplane Mode");
    ASSERT_NE(row, nullptr);
    auto* toggle = dynamic_cast<uikit::UISwitch*>(row->accessoryView());
    ASSERT_NE(toggle, nullptr);
    uikit::CGRect track = toggle->frameInWindow();
    // Left of the knob when off, which is where the green shows when on.
    double x = track.minX() + 10;
    double y = track.minY() + track.height() / 2;
    EXPECT_EQ(at(render(), x, y), (Rgba{255, 255, 255, 255}));

    uikit::Touchscreen().tap(testing_support::centreOf(*toggle));
    Rgba on = at(render(), x, y);
    EXPECT_GT(on[1], 180);
    EXPECT_LT(on[0], 120);
}

std::shared_ptr<uikit::UIImage> plainImage(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    std::vector<std::uint8_t> rgba;
    for (int i = 0; i < 40 * 40; ++i) {
        rgba.insert(rgba.end(), {r, g, b, 255});
    }
    return objc::create<uikit::UIImage>(40, 40, 2.0, std::move(rgba));
}

TEST_F(ViewRaster, AButtonShowsTheLooksOfItsStateWhileTheFingerIsOnIt)
{
    auto keyed = objc::create<uikit::UIButton>(CGRectMake(20, 100, 100, 40));
    keyed->setBackgroundImage(plainImage(200, 0, 0));
    keyed->setBackgroundImage(plainImage(0, 0, 200), uikit::UIControlStateHighlighted);
    keyed->setTitle("Up");
    keyed->setTitle("Down", uikit::UIControlStateHighlighted);
    auto dimmed = objc::create<uikit::UIButton>(CGRectMake(20, 200, 100, 40));
    dimmed->setImage(plainImage(200, 200, 200));
    sheet->addSubview(keyed);
    sheet->addSubview(dimmed);
    uikit::Touchscreen screen;

    EXPECT_EQ(at(render(), 25, 105), (Rgba{200, 0, 0, 255}));
    screen.press({70, 120});
    EXPECT_EQ(at(render(), 25, 105), (Rgba{0, 0, 200, 255}));
    EXPECT_EQ(keyed->title(), "Down");
    screen.move({70, 300});
    EXPECT_EQ(at(render(), 25, 105), (Rgba{200, 0, 0, 255})) << "dragged off, it is no longer highlighted";
    screen.release();
    EXPECT_EQ(keyed->title(), "Up");

    EXPECT_EQ(at(render(), 70, 220), (Rgba{200, 200, 200, 255}));
    screen.press({70, 220});
    Rgba pressed = at(render(), 70, 220);
    EXPECT_EQ(pressed[0], pressed[2]);
    EXPECT_LT(pressed[0], 160) << "an image without a highlighted one of its own is darkened";
    screen.release();
    dimmed->setAdjustsImageWhenHighlighted(false);
    screen.press({70, 220});
    EXPECT_EQ(at(render(), 70, 220), (Rgba{200, 200, 200, 255}));
    screen.release();
}

}  // namespace
}  // namespace device::render
