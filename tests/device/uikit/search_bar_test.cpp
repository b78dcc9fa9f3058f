#include "device/uikit/search_bar.h"

#include "device/preferences/list_controller.h"
#include "device/uikit/application.h"
#include "device/uikit/keyboard.h"
#include "device/uikit/touchscreen.h"
#include "tests/device/uikit/find_button.h"
#include "tests/device/uikit/recording_delegate.h"
#include "tests/device/uikit/touch_support.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

namespace device::uikit {
namespace {

using testing_support::BootedDevice;
using testing_support::findButton;
using testing_support::Library;
using testing_support::RecordingDelegate;
using testing_support::centreOf;
using Calls = std::vector<std::string>;

std::shared_ptr<UISearchBar> searchBarOnScreen(RecordingDelegate* delegate)
{
    auto bar = objc::create<UISearchBar>(CGRectMake(0, 64, 320, 44));
    bar->setPlaceholder("Search Work");
    bar->setSearchBarStyle(UISearchBarStyle::Minimal);
    bar->setDelegate(delegate);
    UIApplication::sharedApplication().keyWindow()->addSubview(bar);
    return bar;
}

TEST(UISearchBar, TellsItsDelegateWhenEditingBeginsTheTextChangesAndEditingEnds)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto delegate = RecordingDelegate::make();
    auto bar = searchBarOnScreen(delegate.get());

    Touchscreen().tap(centreOf(*bar));
    EXPECT_TRUE(bar->isFirstResponder());
    EXPECT_TRUE(Keyboard::isVisible());
    Keyboard::type("ma");
    Keyboard::erase();
    UIApplication::sharedApplication().keyWindow()->endEditing(true);

    EXPECT_EQ(bar->text(), "m");
    EXPECT_EQ(delegate->calls,
              (Calls{"search began", "search text m", "search text ma", "search text m", "search ended"}));
    EXPECT_FALSE(Keyboard::isVisible());
}

TEST(UISearchBar, ShowsACancelButtonOnlyWhenAskedAndReportsItsTap)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto delegate = RecordingDelegate::make();
    auto bar = searchBarOnScreen(delegate.get());
    EXPECT_EQ(findButton(*bar, "Cancel"), nullptr);

    bar->setShowsCancelButtonAnimated(true, true);
    UIButton* cancel = findButton(*bar, "Cancel");
    ASSERT_NE(cancel, nullptr);
    EXPECT_LE(bar->searchField()->frameInWindow().maxX(), cancel->frameInWindow().minX());
    Touchscreen().tap(centreOf(*cancel));
    EXPECT_EQ(delegate->calls, (Calls{"search cancelled"}));

    bar->setShowsCancelButton(false);
    EXPECT_EQ(findButton(*bar, "Cancel"), nullptr);
}

TEST(UISearchBar, WorksAsTheHeaderOfAListPage)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    auto delegate = RecordingDelegate::make();
    auto page = objc::create<preferences::PSListController>();
    page->setSpecifiers({preferences::PSSpecifier::groupSpecifierWithName("Members")});
    phone.device().app().navigation()->pushViewControllerAnimated(page, false);
    auto bar = objc::create<UISearchBar>(CGRectMake(0, 0, 320, 44));
    bar->setPlaceholder("Search Work");
    bar->setDelegate(delegate.get());
    page->table()->setTableHeaderView(bar);
    device.advance(1);

    Touchscreen().tap(centreOf(*bar->searchField()));
    Keyboard::type("w");
    EXPECT_EQ(delegate->calls, (Calls{"search began", "search text w"}));
}

}  // namespace
}  // namespace device::uikit
