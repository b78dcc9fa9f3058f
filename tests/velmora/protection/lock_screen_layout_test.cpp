#include "tests/velmora/support/library_test.h"

#include "velmora/protection/lock_screen.h"

#include "device/uikit/application.h"
#include "device/uikit/button.h"
#include "device/uikit/gesture_recognizer.h"
#include "device/uikit/label.h"
#include "device/uikit/navigation_controller.h"
#include "device/uikit/screen.h"
#include "device/uikit/window.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

namespace uikit = device::uikit;

class LockScreenLayoutTest : public LibraryTest {
protected:
    // The lock screen's content view, as presented over a root list on a device of this kind.
    uikit::UIView& present(DeviceKind kind, std::string machine)
    {
        m_list.reset();
        boot(kind, std::move(machine));
        writeTranslations("en", {{"write", "Enter Passcode"}, {"cancel", "Cancel"}});
        m_list = rootList({group(), row("General")});
        auto window = device::objc::create<uikit::UIWindow>(uikit::UIScreen::mainScreen().bounds());
        window->setRootViewController(m_list);
        uikit::UIApplication::sharedApplication().setKeyWindow(window);
        protection::presentLockScreen(*m_list, nullptr);
        auto* navigation = dynamic_cast<uikit::UINavigationController*>(m_list->presentedViewController());
        EXPECT_NE(navigation, nullptr);
        EXPECT_TRUE(navigation->isNavigationBarHidden());
        return *navigation->topViewController()->view();
    }

    static uikit::CGRect frameAt(uikit::UIView& content, std::size_t index) { return content.subviews()[index]->frame(); }

    std::shared_ptr<device::settings::PrefsListController> m_list;
};

TEST_F(LockScreenLayoutTest, APhoneLaysOutItsViewsInTheOrderTheKeypadFindsThemBy)
{
    uikit::UIView& content = present(DeviceKind::Phone, "iPhone6,1");
    ASSERT_EQ(content.subviews().size(), 18u);
    EXPECT_EQ(frameAt(content, 0), uikit::CGRectMake(0, 0, 320, 568));
    EXPECT_EQ(frameAt(content, 1), uikit::CGRectMake(147.5, 70, 25, 25));
    auto& prompt = static_cast<uikit::UILabel&>(*content.subviews()[2]);
    EXPECT_EQ(prompt.text(), "Enter Passcode");
    uikit::CGRect promptFrame = prompt.frame();
    EXPECT_DOUBLE_EQ(promptFrame.origin.x, (320 - promptFrame.width()) / 2);
    EXPECT_EQ(promptFrame.origin.y, 105);
    EXPECT_FLOAT_EQ(static_cast<float>(frameAt(content, 3).origin.x), static_cast<float>(promptFrame.origin.x));
    EXPECT_FLOAT_EQ(static_cast<float>(frameAt(content, 6).maxX()), static_cast<float>(promptFrame.maxX()));
    for (std::size_t dot = 3; dot < 7; ++dot) {
        EXPECT_EQ(frameAt(content, dot).origin.y, 135);
        EXPECT_EQ(frameAt(content, dot).size, (uikit::CGSize{14, 14}));
        EXPECT_EQ(content.subviews()[dot]->layer().cornerRadius, 7);
        EXPECT_EQ(content.subviews()[dot]->layer().borderWidth, 1.5);
    }
    const std::vector<std::string> digits{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        auto& key = *content.subviews()[7 + i];
        ASSERT_NE(dynamic_cast<uikit::UIButton*>(&key), nullptr);
        ASSERT_EQ(key.subviews().size(), 2u);
        EXPECT_EQ(static_cast<uikit::UILabel&>(*key.subviews()[0]).text(), digits[i]);
        EXPECT_EQ(key.frame().size, (uikit::CGSize{76, 76}));
    }
    EXPECT_EQ(frameAt(content, 7).origin, (uikit::CGPoint{28, 160}));
    EXPECT_EQ(frameAt(content, 9).origin, (uikit::CGPoint{216, 160}));
    EXPECT_EQ(frameAt(content, 16).origin, (uikit::CGPoint{122, 418}));
    EXPECT_EQ(frameAt(content, 16).origin.x, frameAt(content, 14).origin.x);

    auto& zero = *content.subviews()[16];
    auto& digit = *zero.subviews()[0];
    auto& letters = *zero.subviews()[1];
    EXPECT_DOUBLE_EQ(letters.frame().origin.y, digit.frame().maxY() - 5);
    EXPECT_DOUBLE_EQ(digit.frame().origin.y, (76 - digit.frame().height() - letters.frame().height()) / 2);

    auto& cancel = static_cast<uikit::UILabel&>(*content.subviews()[17]);
    EXPECT_EQ(cancel.frame().origin.x, 203);
    EXPECT_EQ(cancel.frame().maxX(), 315);
    EXPECT_DOUBLE_EQ(cancel.frame().origin.y, 418 + (76 - cancel.frame().height()) / 2);
    EXPECT_EQ(cancel.textAlignment(), uikit::NSTextAlignment::Center);
    ASSERT_EQ(cancel.gestureRecognizers().size(), 1u);
    EXPECT_FALSE(cancel.gestureRecognizers()[0]->cancelsTouchesInView());
    EXPECT_TRUE(cancel.isUserInteractionEnabled());
}

TEST_F(LockScreenLayoutTest, OnlyModelNumbersFiveAndSixPushAPhoneKeypadDown)
{
    for (auto [machine, top] : {std::pair{"iPhone4,1", 0.0}, {"iPhone5,2", 40.0}, {"iPhone6,1", 40.0},
                                {"iPhone7,2", 0.0}, {"iPhone10,3", 0.0}}) {
        uikit::UIView& content = present(DeviceKind::Phone, machine);
        EXPECT_EQ(frameAt(content, 1).origin.y, top + 30) << machine;
        EXPECT_EQ(frameAt(content, 7).origin.y, top + 120) << machine;
    }
}

TEST_F(LockScreenLayoutTest, ATabletCentresALargerKeypadAQuarterDown)
{
    uikit::UIView& content = present(DeviceKind::Tablet, "iPad3,4");
    ASSERT_EQ(content.subviews().size(), 18u);
    EXPECT_EQ(frameAt(content, 0), uikit::CGRectMake(0, 0, 768, 1024));
    EXPECT_EQ(frameAt(content, 1).origin.y, 256 + 30);
    EXPECT_EQ(frameAt(content, 3).size, (uikit::CGSize{17, 17}));
    EXPECT_EQ(frameAt(content, 7), uikit::CGRectMake(384 - 99 - 40.5, 256 + 135, 81, 81));
    uikit::CGRect zero = frameAt(content, 16);
    EXPECT_EQ(zero, uikit::CGRectMake(384 - 40.5, 256 + 135 + 3 * 91, 81, 81));
    uikit::CGRect cancel = frameAt(content, 17);
    EXPECT_EQ(cancel.origin.x, zero.maxX() + 5);
    EXPECT_DOUBLE_EQ(cancel.width(), (768 - cancel.origin.x) / 4 + 10);
}

}  // namespace
}  // namespace velmora::testing
