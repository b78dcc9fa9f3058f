#include "tests/velmora/support/library_test.h"

#include "velmora/core/shared_state.h"

#include "device/foundation/user_defaults.h"
#include "device/objc/message.h"
#include "device/uikit/image_view.h"
#include "device/uikit/navigation_controller.h"
#include "device/uikit/refresh_control.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;
using ::testing::ElementsAre;

class OnShowTest : public LibraryTest {
protected:
    OnShowTest()
    {
        writePicture("/Library/Application Support/Velmora/Setup/iphone4.png");
        writePicture("/Library/Application Support/Velmora/Setup/iphone5.png");
        writePlist(std::string(device::foundation::kGlobalPreferencesPath),
                   PlistDictionary{{"AppleLanguages", PlistArray{"it", "en"}}});
        m_controller = rootList({group("S0"), row("General")});
    }

    void appear() { objc::msgSend<void>(m_controller.get(), "viewWillAppear:", true); }

    // The set-up screen already seen, and the master switch as given.
    void configure(bool masterSwitch, bool pullToRefresh)
    {
        writeStore(Store::Enabled, {{"Enabled", masterSwitch}});
        writeStore(Store::Advanced, {{"FirstTimez", true}, {"Refresh", pullToRefresh}});
    }

    std::vector<uikit::UIRefreshControl*> refreshControls() const
    {
        std::vector<uikit::UIRefreshControl*> controls;
        for (const auto& subview : m_controller->table()->subviews()) {
            if (auto* control = objc::as<uikit::UIRefreshControl>(subview.get())) {
                controls.push_back(control);
            }
        }
        return controls;
    }

    uikit::UIBarButtonItem* rightButton() const { return m_controller->navigationItem()->rightBarButtonItem(); }
    uikit::UINavigationController* setupScreen() const
    {
        return objc::as<uikit::UINavigationController>(m_controller->presentedViewController());
    }

    std::shared_ptr<device::settings::PrefsListController> m_controller;
};

TEST_F(OnShowTest, TheListRebuildsOnlyWhenItIsNotCurrent)
{
    configure(false, false);
    appear();
    EXPECT_THAT(describe(m_controller->specifiers()), ElementsAre("[S0]", "General", "[]", "Velmora"));
    EXPECT_TRUE(core::sharedState().listIsCurrent);

    m_controller->specifiers()[1]->setName("Changed");
    appear();
    EXPECT_EQ(m_controller->specifiers()[1]->name(), "Changed");
    core::sharedState().listIsCurrent = false;
    appear();
    EXPECT_EQ(m_controller->specifiers()[1]->name(), "General");
}

TEST_F(OnShowTest, TheMasterSwitchBringsTheEditButtonAndAllowsTheRefreshControl)
{
    configure(false, true);
    m_controller->navigationItem()->setRightBarButtonItem(
        uikit::UIBarButtonItem::initWithTitle("Edit", uikit::UIBarButtonItemStyle::Bordered, nullptr, nullptr));
    m_controller->table()->insertSubviewAtIndex(objc::create<uikit::UIRefreshControl>(), 0);
    appear();
    EXPECT_EQ(rightButton(), nullptr);
    EXPECT_TRUE(refreshControls().empty());

    configure(true, false);
    m_controller->navigationItem()->setRightBarButtonItem(
        uikit::UIBarButtonItem::initWithTitle("Done", uikit::UIBarButtonItemStyle::Done, nullptr, nullptr));
    appear();
    uikit::UIBarButtonItem* edit = rightButton();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->title(), "Edit");
    EXPECT_EQ(edit->style(), uikit::UIBarButtonItemStyle::Bordered);
    EXPECT_EQ(edit->target(), m_controller.get());
    EXPECT_STREQ(objc::sel_getName(edit->action()), "setEditingState");
    EXPECT_TRUE(refreshControls().empty());
    appear();
    EXPECT_EQ(rightButton(), edit);
}

TEST_F(OnShowTest, PullToRefreshKeepsOneControlThatRebuildsTheList)
{
    configure(true, true);
    appear();
    appear();
    ASSERT_EQ(refreshControls().size(), 1u);
    uikit::UIRefreshControl* control = refreshControls().front();
    EXPECT_EQ(m_controller->table()->subviews().front().get(), control);
    EXPECT_EQ(control->tintColor(), uikit::UIColor::blackColor());

    m_controller->specifiers()[1]->setName("Changed");
    control->beginRefreshing();
    control->sendActionsForControlEvents(uikit::UIControlEventValueChanged);
    EXPECT_EQ(m_controller->specifiers()[1]->name(), "General");
    EXPECT_FALSE(control->isRefreshing());

    // A control still spinning is taken away, and the next appearance brings a new one.
    control->beginRefreshing();
    appear();
    EXPECT_TRUE(refreshControls().empty());
    appear();
    EXPECT_EQ(refreshControls().size(), 1u);
}

TEST_F(OnShowTest, TheSetupScreenIsShownOncePerAdvancedStoreInTheSystemsLanguage)
{
    writeTranslations("it", {{"ty", "Grazie"}, {"done", "Fine"}});
    appear();
    ASSERT_NE(setupScreen(), nullptr);
    EXPECT_EQ(setupScreen()->modalPresentationStyle(), uikit::UIModalPresentationStyle::FullScreen);
    uikit::UIViewController* page = setupScreen()->topViewController();
    EXPECT_EQ(page->title(), "Grazie");
    EXPECT_EQ(page->view()->backgroundColor(), uikit::UIColor::whiteColor());
    auto* picture = objc::as<uikit::UIImageView>(page->view()->subviews().back().get());
    ASSERT_TRUE(picture && picture->image());
    EXPECT_EQ(picture->image()->sourcePath(), "/Library/Application Support/Velmora/Setup/iphone4.png");
    EXPECT_EQ(picture->contentMode(), uikit::UIViewContentMode::ScaleAspectFill);
    EXPECT_EQ(picture->frame(), page->view()->frame());
    EXPECT_EQ(store::load(Store::Advanced), (PlistDictionary{{"FirstTimez", true}, {"language", "it"}}));

    uikit::UIBarButtonItem* done = page->navigationItem()->rightBarButtonItem();
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->title(), "Fine");
    EXPECT_EQ(done->target(), m_controller.get());
    done->sendAction();
    EXPECT_EQ(setupScreen(), nullptr);
    appear();
    EXPECT_EQ(setupScreen(), nullptr);

    store::remove(Store::Advanced);
    appear();
    EXPECT_NE(setupScreen(), nullptr);
}

TEST_F(OnShowTest, OnATabletTheSetupScreenIsAFormSheet)
{
    boot(DeviceKind::Tablet, "iPad3,4");
    m_controller = rootList({group("S0"), row("General")});
    appear();
    ASSERT_NE(setupScreen(), nullptr);
    EXPECT_EQ(setupScreen()->modalPresentationStyle(), uikit::UIModalPresentationStyle::FormSheet);
    uikit::UIViewController* page = setupScreen()->topViewController();
    EXPECT_EQ(page->modalPresentationStyle(), uikit::UIModalPresentationStyle::FormSheet);
    auto* picture = objc::as<uikit::UIImageView>(page->view()->subviews().back().get());
    ASSERT_TRUE(picture && picture->image());
    EXPECT_EQ(picture->frame(), uikit::CGRectMake(0, 0, 540, 575));
    EXPECT_EQ(picture->contentMode(), uikit::UIViewContentMode::ScaleAspectFit);
    EXPECT_EQ(picture->image()->sourcePath(), "/Library/Application Support/Velmora/Setup/iphone4.png");
}

TEST_F(OnShowTest, EveryAppearanceRewritesTheAdvancedStoreWithThePreferredLanguage)
{
    configure(false, true);
    appear();
    EXPECT_EQ(store::load(Store::Advanced),
              (PlistDictionary{{"FirstTimez", true}, {"Refresh", true}, {"language", "it"}}));
    writePlist(std::string(device::foundation::kGlobalPreferencesPath), PlistDictionary{});
    appear();
    EXPECT_EQ(store::readString(store::load(Store::Advanced), "language"), "");
}

}  // namespace
}  // namespace velmora::testing
