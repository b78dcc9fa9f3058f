#include "tests/velmora/support/library_test.h"

#include "device/objc/message.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

namespace objc = device::objc;
using ::testing::Contains;
using ::testing::Not;

// The phone's connectivity section as the host lists it: the carrier row comes seventh, after the
// sixth entry that decides whether it shows.
const std::vector<ProfileEntry> kPhoneHost{group("S0", "CONNECTIVITY"), row("Airplane Mode"), row("Wi-Fi"),
                                           row("Bluetooth"), row("Cellular"), row("Personal Hotspot"),
                                           row("Carrier", "CARRIER"), group("S1"), row("General")};

class ShowCarrierTest : public LibraryTest {
protected:
    std::vector<std::string> rebuild()
    {
        objc::msgSend<void>(m_controller.get(), "reloadSpecifiers");
        return describe(m_controller->specifiers());
    }

    std::shared_ptr<device::settings::PrefsListController> m_controller;
};

bool answersNo(objc::id, objc::SEL)
{
    return false;
}

TEST_F(ShowCarrierTest, TheHostAsksThroughTheRuntimeWhetherToBuildTheCarrierRow)
{
    boot(DeviceKind::Phone, "iPhone6,1", Library::NotLoaded);
    m_controller = rootList(kPhoneHost);
    EXPECT_THAT(describe(m_controller->specifiers()), Contains("Carrier"));

    objc::Method method = objc::class_getInstanceMethod(objc::objc_getClass("PrefsListController"),
                                                        objc::sel_registerName("_showCarrier"));
    ASSERT_NE(method, nullptr);
    objc::method_setImplementation(method, reinterpret_cast<objc::IMP>(&answersNo));
    EXPECT_THAT(rebuild(), Not(Contains("Carrier")));
}

TEST_F(ShowCarrierTest, OnThePhoneHidingTheSixthEntryDropsTheCarrierRowFromTheNextBuild)
{
    writeStore(Store::Enabled, {{"Enabled", true}});
    writeStore(Store::Hide, {{"Personal Hotspot", true}});
    m_controller = rootList(kPhoneHost);
    // The first build has no earlier list to ask about, so the row shows.
    EXPECT_THAT(rebuild(), Contains("Carrier"));
    auto later = rebuild();
    EXPECT_THAT(later, Not(Contains("Carrier")));
    EXPECT_THAT(later, Not(Contains("Personal Hotspot")));
    EXPECT_FALSE(objc::msgSend<bool>(m_controller.get(), "_showCarrier"));

    for (const PlistValue& other : {PlistValue(false), PlistValue(std::string("no"))}) {
        writeStore(Store::Hide, {{"Personal Hotspot", other}});
        rebuild();
        EXPECT_THAT(rebuild(), Contains("Carrier"));
    }
}

TEST_F(ShowCarrierTest, AListOfFewerThanSixEntriesShowsTheCarrierRow)
{
    writeStore(Store::Enabled, {{"Enabled", true}});
    writeStore(Store::Hide, {{"Wi-Fi", true}});
    m_controller = rootList({group("S0"), row("Wi-Fi"), row("Carrier", "CARRIER")});
    for (int build = 0; build < 3; ++build) {
        EXPECT_THAT(rebuild(), Contains("Carrier")) << build;
    }
    EXPECT_TRUE(objc::msgSend<bool>(m_controller.get(), "_showCarrier"));
}

TEST_F(ShowCarrierTest, OnATabletTheHostDecides)
{
    boot(DeviceKind::Tablet, "iPad3,4");
    writeStore(Store::Enabled, {{"Enabled", true}});
    writeStore(Store::Hide, {{"Personal Hotspot", true}});
    m_controller = rootList(kPhoneHost);
    rebuild();
    EXPECT_THAT(rebuild(), Contains("Carrier"));
    m_controller = rootList({group("S0"), row("Wi-Fi")});
    EXPECT_FALSE(objc::msgSend<bool>(m_controller.get(), "_showCarrier"));
}

}  // namespace
}  // namespace velmora::testing
