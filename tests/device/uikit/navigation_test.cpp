#include "device/settings/prefs_list_controller.h"
#include "device/uikit/application.h"
#include "device/uikit/graphics_font.h"
#include "device/uikit/navigation_controller.h"
#include "device/uikit/screen.h"
#include "device/uikit/split_view_controller.h"
#include "device/uikit/touchscreen.h"
#include "tests/device/uikit/find_button.h"
#include "tests/device/uikit/touch_support.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

namespace device::uikit {
namespace {

using testing_support::BootedDevice;
using testing_support::centreOf;
using testing_support::Library;
using testing_support::rowLabelled;
using testing_support::selector;
using testing_support::TouchRecorder;
using Calls = std::vector<std::string>;

UIWindow& laidOutWindow()
{
    UIWindow& window = *UIApplication::sharedApplication().keyWindow();
    window.layoutIfNeeded();
    return window;
}

TEST(Navigation, ThePageOnTopLiesBelowABarShowingItsTitleAndItems)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto* root = phone.root();
    auto* navigation = phone.device().app().navigation();
    UIWindow& window = laidOutWindow();
    EXPECT_EQ(root->view()->frameInWindow(), CGRectMake(0, 64, 320, 504));
    UINavigationBar* bar = navigation->navigationBar();
    EXPECT_EQ(bar->frameInWindow(), CGRectMake(0, 0, 320, 64));
    EXPECT_EQ(bar->titleLabel()->text(), "Settings");
    EXPECT_EQ(bar->backButton(), nullptr);

    auto recorder = TouchRecorder::make();
    auto item = UIBarButtonItem::initWithTitle("Edit", UIBarButtonItemStyle::Bordered, recorder.get(),
                                               selector("itemTapped:"));
    root->navigationItem()->setRightBarButtonItem(item);
    window.layoutIfNeeded();
    UIView* itemView = bar->viewForBarButtonItem(item.get());
    ASSERT_NE(itemView, nullptr);
    EXPECT_GT(itemView->frameInWindow().minX(), 160);
    Touchscreen().tap(centreOf(*itemView));
    EXPECT_EQ(recorder->calls, (Calls{"item"}));

    item->setTitle("Done");
    window.layoutIfNeeded();
    EXPECT_NE(testing_support::findButton(*bar, "Done"), nullptr);
    root->navigationItem()->setRightBarButtonItem(nullptr);
    window.layoutIfNeeded();
    EXPECT_EQ(bar->viewForBarButtonItem(item.get()), nullptr);
}

TEST(Navigation, BarButtonsAreAsWideAsTheirShapedTitles)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto* root = phone.root();
    UIWindow& window = laidOutWindow();
    UINavigationBar* bar = phone.device().app().navigation()->navigationBar();
    for (const char* title : {"完成", "تم", "Terminé", "Готово"}) {
        auto item = UIBarButtonItem::initWithTitle(title, UIBarButtonItemStyle::Bordered, nullptr, nullptr);
        root->navigationItem()->setRightBarButtonItem(item);
        window.layoutIfNeeded();
        auto* button = objc::as<UIButton>(bar->viewForBarButtonItem(item.get()));
        ASSERT_NE(button, nullptr);
        graphics::Font font = fontOf(button->titleLabel()->font(), UIScreen::mainScreen().scale());
        double labelWidth = button->titleLabel()->frame().width();
        EXPECT_GE(labelWidth, font.width(title)) << title;
        EXPECT_EQ(font.truncated(title, labelWidth), title) << "drawn whole";
    }
}

TEST(Navigation, ATappedLinkPushesItsPageAndTheBackButtonComesBack)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto* root = phone.root();
    auto* navigation = phone.device().app().navigation();
    Touchscreen().tap(centreOf(*rowLabelled(*root->table(), "Wi-Fi")));
    ASSERT_EQ(navigation->viewControllers().size(), 2u);
    auto page = navigation->viewControllers().back();
    UIWindow& window = laidOutWindow();
    EXPECT_EQ(page->view()->superview(), navigation->view());
    EXPECT_EQ(root->view()->superview(), nullptr);
    EXPECT_EQ(navigation->navigationBar()->titleLabel()->text(), "Wi-Fi");
    ASSERT_NE(navigation->navigationBar()->backButton(), nullptr);
    EXPECT_EQ(navigation->navigationBar()->backButton()->title(), "Settings");
    EXPECT_TRUE(window.hitTest({160, 300})->isDescendantOf(page->view()));

    Touchscreen().tap(centreOf(*navigation->navigationBar()->backButton()));
    EXPECT_EQ(navigation->viewControllers().size(), 1u);
    laidOutWindow();
    EXPECT_EQ(root->view()->superview(), navigation->view());
    EXPECT_EQ(page->view()->superview(), nullptr);
    EXPECT_EQ(navigation->navigationBar()->backButton(), nullptr);
}

TEST(Navigation, AHiddenBarLeavesThePageTheWholeView)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto* navigation = phone.device().app().navigation();
    navigation->setNavigationBarHiddenAnimated(true, false);
    laidOutWindow();
    EXPECT_TRUE(navigation->navigationBar()->isHidden());
    EXPECT_EQ(phone.root()->view()->frameInWindow(), CGRectMake(0, 0, 320, 568));
    navigation->setNavigationBarHiddenAnimated(false, true);
    laidOutWindow();
    EXPECT_EQ(phone.root()->view()->frameInWindow(), CGRectMake(0, 64, 320, 504));
}

TEST(Navigation, ATabletShowsTheListBesideThePagesItOpens)
{
    BootedDevice tablet("tablet", Library::None);
    tablet.boot();
    auto& app = tablet.device().app();
    laidOutWindow();
    auto* master = app.masterNavigation();
    auto* detail = app.navigation();
    EXPECT_EQ(master->view()->frameInWindow(), CGRectMake(0, 0, 320, 1024));
    EXPECT_EQ(detail->view()->frameInWindow(), CGRectMake(321, 0, 447, 1024));
    EXPECT_EQ(app.rootController()->table()->frameInWindow(), CGRectMake(0, 64, 320, 960));

    Touchscreen().tap(centreOf(*rowLabelled(*app.rootController()->table(), "General")));
    ASSERT_EQ(detail->viewControllers().size(), 1u);
    UIViewController* page = detail->topViewController();
    laidOutWindow();
    EXPECT_EQ(page->view()->frameInWindow(), CGRectMake(321, 64, 447, 960));
    EXPECT_EQ(master->viewControllers().size(), 1u);
}

TEST(Navigation, ATabletFormSheetLiesCentredOverADimmedScreen)
{
    BootedDevice tablet("tablet", Library::None);
    tablet.boot();
    auto* root = tablet.root();
    auto content = objc::create<UIViewController>();
    content->setTitle("Sheet");
    auto sheet = UINavigationController::initWithRootViewController(content);
    sheet->setModalPresentationStyle(UIModalPresentationStyle::FormSheet);
    root->presentViewControllerAnimated(sheet, true);
    UIWindow& window = laidOutWindow();

    EXPECT_EQ(sheet->view()->frameInWindow(), CGRectMake(114, 202, 540, 620));
    EXPECT_EQ(content->view()->frameInWindow(), CGRectMake(114, 246, 540, 576)) << "no status bar inside a sheet";
    ASSERT_NE(window.hitTest({20, 20}), nullptr);
    auto dimming = window.hitTest({20, 20})->retained<UIView>();
    EXPECT_EQ(dimming->frame(), window.bounds());
    EXPECT_FALSE(dimming->isDescendantOf(root->view()));

    std::size_t pages = tablet.device().app().navigation()->viewControllers().size();
    Touchscreen().tap({160, 400});
    EXPECT_EQ(tablet.device().app().navigation()->viewControllers().size(), pages) << "the list below takes no taps";

    root->dismissViewControllerAnimated(true);
    laidOutWindow();
    EXPECT_EQ(sheet->view()->superview(), nullptr);
    EXPECT_EQ(dimming->superview(), nullptr);
}

}  // namespace
}  // namespace device::uikit
