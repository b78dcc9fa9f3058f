#include "device/settings/prefs_list_controller.h"
#include "device/uikit/application.h"
#include "device/uikit/control.h"
#include "device/uikit/navigation_controller.h"
#include "device/uikit/touchscreen.h"
#include "tests/device/uikit/touch_support.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

namespace device::settings {
namespace {

using testing_support::BootedDevice;
using testing_support::centreOf;
using testing_support::Library;
using testing_support::rowLabelled;
using uikit::Touchscreen;

constexpr std::string_view kAdvancedStore = "/var/mobile/Library/Preferences/com.corvane.velmora.advanced.plist";

uikit::UIWindow& laidOutWindow()
{
    uikit::UIWindow& window = *uikit::UIApplication::sharedApplication().keyWindow();
    window.layoutIfNeeded();
    return window;
}

uikit::UITableView* tableOnTop(SettingsApp& app)
{
    auto* page = dynamic_cast<preferences::PSListController*>(app.navigation()->topViewController());
    return page ? page->table() : nullptr;
}

uikit::UISwitch* switchOf(SettingsApp& app, std::string_view row)
{
    uikit::UITableViewCell* cell = rowLabelled(*tableOnTop(app), row);
    return cell ? dynamic_cast<uikit::UISwitch*>(cell->accessoryView()) : nullptr;
}

void tapRow(BootedDevice& phone, std::string_view row)
{
    Touchscreen().tap(centreOf(*rowLabelled(*tableOnTop(phone.device().app()), row)->textLabel()));
    phone.device().advance(1);
}

void tapBack(BootedDevice& phone)
{
    Touchscreen().tap(centreOf(*phone.device().app().navigation()->navigationBar()->backButton()));
    phone.device().advance(1);
}

TEST(HostAppTouches, TheSetUpScreenOfAFreshDeviceClosesWithItsButtonForGood)
{
    BootedDevice phone("phone", Library::Linked);
    phone.boot();
    auto* setup = dynamic_cast<uikit::UINavigationController*>(phone.root()->presentedViewController());
    ASSERT_NE(setup, nullptr);
    EXPECT_TRUE(laidOutWindow().hitTest({160, 300})->isDescendantOf(setup->view()));
    uikit::UIBarButtonItem* done = setup->topViewController()->navigationItem()->rightBarButtonItem();
    ASSERT_NE(done, nullptr);

    Touchscreen().tap(centreOf(*setup->navigationBar()->viewForBarButtonItem(done)));
    phone.device().advance(1);
    EXPECT_EQ(phone.root()->presentedViewController(), nullptr);
    EXPECT_TRUE(laidOutWindow().hitTest({160, 300})->isDescendantOf(phone.root()->view()));

    phone.device().relaunch();
    EXPECT_EQ(phone.root()->presentedViewController(), nullptr);
}

TEST(HostAppTouches, EntriesOpenTheirPagesAndBackReturns)
{
    BootedDevice phone("phone", Library::Linked);
    phone.writePlist(kAdvancedStore, foundation::PlistDictionary{{"FirstTimez", true}});
    phone.boot();
    auto& app = phone.device().app();

    Touchscreen().pan({100, 450}, {100, 250}, 20);
    tapRow(phone, "General");
    ASSERT_EQ(app.navigation()->viewControllers().size(), 2u);
    EXPECT_EQ(app.navigation()->topViewController()->title(), "General");
    EXPECT_NE(rowLabelled(*tableOnTop(app), "About"), nullptr);

    tapRow(phone, "About");
    EXPECT_EQ(app.navigation()->viewControllers().size(), 3u);
    EXPECT_EQ(app.navigation()->navigationBar()->backButton()->title(), "General");
    tapBack(phone);
    tapBack(phone);
    EXPECT_EQ(app.navigation()->topViewController(), phone.root());
    EXPECT_TRUE(laidOutWindow().hitTest({160, 300})->isDescendantOf(phone.root()->view()));
}

TEST(HostAppTouches, OnATabletTheRootListReplacesThePageBesideIt)
{
    BootedDevice tablet("tablet", Library::Linked);
    tablet.writePlist(kAdvancedStore, foundation::PlistDictionary{{"FirstTimez", true}});
    tablet.boot();
    auto& app = tablet.device().app();
    auto& master = *dynamic_cast<preferences::PSListController*>(app.masterNavigation()->topViewController())->table();

    for (std::string_view entry : {"General", "Sounds"}) {
        Touchscreen().tap(centreOf(*rowLabelled(master, entry)->textLabel()));
        tablet.device().advance(1);
        ASSERT_EQ(app.navigation()->viewControllers().size(), 1u) << entry;
        EXPECT_EQ(app.navigation()->topViewController()->title(), entry);
    }
    EXPECT_EQ(app.masterNavigation()->topViewController(), tablet.root());
}

TEST(HostAppTouches, TheHostsSwitchesToggleAndKeepTheirStateWhileTheAppRuns)
{
    BootedDevice phone("phone", Library::Linked);
    phone.writePlist(kAdvancedStore, foundation::PlistDictionary{{"FirstTimez", true}});
    phone.boot();
    auto& app = phone.device().app();

    Touchscreen().tap(centreOf(*switchOf(app, "Airplane Mode")));
    EXPECT_TRUE(switchOf(app, "Airplane Mode")->isOn());
    EXPECT_EQ(app.navigation()->viewControllers().size(), 1u);

    tapRow(phone, "Wi-Fi");
    bool asked = switchOf(app, "Ask to Join Networks")->isOn();
    Touchscreen().tap(centreOf(*switchOf(app, "Ask to Join Networks")));
    EXPECT_EQ(switchOf(app, "Ask to Join Networks")->isOn(), !asked);
    tapBack(phone);
    tapRow(phone, "Wi-Fi");
    EXPECT_EQ(switchOf(app, "Ask to Join Networks")->isOn(), !asked) << "a new page shows the switch as left";
    tapBack(phone);

    objc::msgSend<void>(phone.root(), "reloadSpecifiers");
    EXPECT_TRUE(switchOf(app, "Airplane Mode")->isOn());
    Touchscreen().tap(centreOf(*switchOf(app, "Airplane Mode")));
    EXPECT_FALSE(switchOf(app, "Airplane Mode")->isOn());

    phone.device().relaunch();
    EXPECT_FALSE(switchOf(phone.device().app(), "Airplane Mode")->isOn());
}

}  // namespace
}  // namespace device::settings
