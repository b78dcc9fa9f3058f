#include "tests/sim/sim_run.h"
#include "tests/support/booted_device.h"

#include "monkey/protection_watch.h"
#include "monkey/screen_reading.h"

#include "device/preferences/view_controller.h"
#include "device/render/screen_description.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using device::foundation::PlistDictionary;
using monkey::Action;
using monkey::ActionKind;
using testing::HasSubstr;
using testing::Optional;
using testing_support::BootedDevice;

namespace {

class ProtectionWatchTest : public testing::Test {
protected:
    void bootWithPasscode(bool protectionOn)
    {
        m_phone.writePlist("/var/mobile/Library/Preferences/com.corvane.velmora.protected.plist",
                           PlistDictionary{{"enable", protectionOn}, {"password", "2468"}, {"Wi-Fi", true}});
        m_phone.boot();
        testing_support::runSim(m_phone.device(), "tap Done");
    }

    bool lockScreenShown()
    {
        auto* window = device::uikit::UIApplication::sharedApplication().keyWindow();
        return monkey::isLockScreen(device::render::describeScreen(window, {}));
    }

    // One step of the monkey: the watch sees the app before and after the line runs.
    std::optional<std::string> step(const Action& action)
    {
        m_watch.beforeStep(action, m_phone.device().app(), lockScreenShown());
        testing_support::runSim(m_phone.device(), action.line);
        return m_watch.afterStep(m_phone.device().app(), lockScreenShown());
    }

    std::optional<std::string> key(char digit)
    {
        return step(Action{ActionKind::Keypad, "tap " + std::string(1, digit), std::string(1, digit)});
    }

    std::shared_ptr<device::preferences::PSSpecifier> rootEntry(const std::string& name)
    {
        for (const auto& entry : m_phone.root()->specifiers()) {
            if (entry->name() == name) {
                return entry;
            }
        }
        ADD_FAILURE() << "no " << name << " on the root list";
        return nullptr;
    }

    // Opens the entry's page from the root list the way no touch can: around the lock screen.
    void openAroundTheLockScreen(const std::string& name)
    {
        auto page = device::objc::create<device::preferences::PSViewController>();
        page->setSpecifier(rootEntry(name));
        page->setParentController(m_phone.root()->retained<device::uikit::UIViewController>());
        m_phone.device().app().navigation()->pushViewControllerAnimated(page, false);
    }

    std::string topTitle() { return m_phone.device().app().navigation()->topViewController()->title(); }

    BootedDevice m_phone;
    monkey::ProtectionWatch m_watch;
};

}  // namespace

TEST_F(ProtectionWatchTest, APageOpenedThroughTheLockScreenIsNoFault)
{
    bootWithPasscode(true);
    EXPECT_EQ(step({ActionKind::Touch, "tap Wi-Fi"}), std::nullopt);
    ASSERT_TRUE(lockScreenShown());
    EXPECT_THAT(m_watch.nextPasscodeKey(), Optional('2'));
    for (char digit : std::string("1357")) {
        EXPECT_EQ(key(digit), std::nullopt);
    }
    EXPECT_TRUE(lockScreenShown());
    for (char digit : std::string("246")) {
        EXPECT_EQ(key(digit), std::nullopt);
    }
    EXPECT_THAT(m_watch.nextPasscodeKey(), Optional('8'));
    EXPECT_EQ(key('8'), std::nullopt);
    EXPECT_EQ(topTitle(), "Wi-Fi");
}

TEST_F(ProtectionWatchTest, APageOpenedWithProtectionOffIsNoFault)
{
    bootWithPasscode(false);
    EXPECT_EQ(step({ActionKind::Touch, "tap Wi-Fi"}), std::nullopt);
    EXPECT_EQ(topTitle(), "Wi-Fi");
}

TEST_F(ProtectionWatchTest, AProtectedPageOpenedFromTheRootListWithoutThePasscodeIsAFault)
{
    bootWithPasscode(true);
    m_watch.beforeStep({ActionKind::Touch, "tap Wi-Fi"}, m_phone.device().app(), false);
    openAroundTheLockScreen("Wi-Fi");
    EXPECT_THAT(m_watch.afterStep(m_phone.device().app(), false), Optional(HasSubstr("\"Wi-Fi\"")));
}

TEST_F(ProtectionWatchTest, ATouchAfterTheCodeTakesTheAllowanceAway)
{
    bootWithPasscode(true);
    step({ActionKind::Touch, "tap Wi-Fi"});
    for (char digit : std::string("2468")) {
        key(digit);
    }
    step({ActionKind::Touch, "back"});
    m_watch.beforeStep({ActionKind::Touch, "tap Wi-Fi"}, m_phone.device().app(), false);
    openAroundTheLockScreen("Wi-Fi");
    EXPECT_NE(m_watch.afterStep(m_phone.device().app(), false), std::nullopt);
}
