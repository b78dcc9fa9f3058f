#include "device/render/view_raster.h"
#include "device/uikit/graphics_font.h"
#include "device/uikit/label.h"
#include "device/uikit/screen.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

#include <cmath>

namespace device::uikit {
namespace {

int inkOf(const UILabel& label)
{
    graphics::Bitmap bitmap(200, 100);
    graphics::Canvas canvas(bitmap, 2);
    render::drawViewTree(label, canvas, 0);
    int ink = 0;
    for (std::size_t i = 3; i < bitmap.rgba.size(); i += 4) {
        ink += bitmap.rgba[i];
    }
    return ink;
}

TEST(UIFont, NamedFacesKeepTheirNameAndWeightAndUnknownNamesHaveNoFont)
{
    auto ultraLight = UIFont::fontWithNameSize("HelveticaNeue-UltraLight", 34);
    ASSERT_TRUE(ultraLight);
    EXPECT_EQ(ultraLight->fontName, "HelveticaNeue-UltraLight");
    EXPECT_EQ(ultraLight->pointSize, 34);
    EXPECT_EQ(ultraLight->weight, UIFontWeight::Light);
    EXPECT_EQ(UIFont::fontWithNameSize("HelveticaNeue", 27)->weight, UIFontWeight::Regular);
    EXPECT_FALSE(UIFont::fontWithNameSize("Comic Sans", 12));
    EXPECT_FALSE(UIFont::fontWithNameSize("helveticaneue", 12)) << "names are exact";
}

TEST(UILabel, SizeToFitWrapsTheFrameAroundTheTextAndKeepsTheOrigin)
{
    testing_support::BootedDevice phone("phone", testing_support::Library::None);
    phone.boot();
    auto label = objc::create<UILabel>(CGRectMake(10, 20, 300, 300));
    label->setFont(*UIFont::fontWithNameSize("HelveticaNeue-Light", 9));
    label->setText("ABC");
    label->sizeToFit();
    CGRect small = label->frame();
    EXPECT_EQ(small.origin, (CGPoint{10, 20}));
    EXPECT_GT(small.width(), 10);
    EXPECT_LT(small.width(), 30);
    EXPECT_GT(small.height(), 9);
    EXPECT_LT(small.height(), 15);

    label->setFont(*UIFont::fontWithNameSize("HelveticaNeue-UltraLight", 34));
    label->setText("1");
    label->sizeToFit();
    EXPECT_GT(label->frame().height(), 34);

    label->setNumberOfLines(0);
    label->setText("one\ntwo");
    label->sizeToFit();
    EXPECT_NEAR(label->frame().height(), 2 * small.height() * 34 / 9, 4);

    label->setText("");
    label->sizeToFit();
    EXPECT_EQ(label->frame().size, (CGSize{0, 0}));
}

TEST(UILabel, SizeToFitMeasuresTheShapedText)
{
    testing_support::BootedDevice phone("phone", testing_support::Library::None);
    phone.boot();
    graphics::Font font = fontOf(UIFont::systemFontOfSize(17), UIScreen::mainScreen().scale());
    for (const char* text : {"感谢安装！", "شكرًا لك!", "Velmora 中文 عربي 42"}) {
        auto label = objc::create<UILabel>(CGRectMake(5, 5, 0, 0));
        label->setText(text);
        label->sizeToFit();
        EXPECT_EQ(label->frame().width(), std::ceil(font.width(text))) << text;
        EXPECT_EQ(font.truncated(text, label->frame().width()), text) << text;
    }
}

TEST(UILabel, ALightFaceDrawsThinnerStrokesThanTheRegularOne)
{
    testing_support::BootedDevice phone("phone", testing_support::Library::None);
    phone.boot();
    auto regular = objc::create<UILabel>(CGRectMake(0, 0, 100, 50));
    regular->setText("1 2 3");
    regular->setFont(*UIFont::fontWithNameSize("HelveticaNeue", 34));
    auto light = objc::create<UILabel>(CGRectMake(0, 0, 100, 50));
    light->setText("1 2 3");
    light->setFont(*UIFont::fontWithNameSize("HelveticaNeue-UltraLight", 34));
    EXPECT_LT(inkOf(*light) * 3, inkOf(*regular) * 2);
}

}  // namespace
}  // namespace device::uikit
