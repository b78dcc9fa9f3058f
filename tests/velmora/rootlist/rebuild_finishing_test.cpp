#include "tests/velmora/support/library_test.h"

#include "velmora/core/shared_state.h"

#include "device/foundation/run_loop.h"
#include "device/objc/message.h"
#include "device/uikit/refresh_control.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

namespace objc = device::objc;
using ::testing::ElementsAre;
using ::testing::Pair;

const std::vector<ProfileEntry> kHost{group("S0"), row("Wi-Fi", "WIFI"), row("Bluetooth", "BT"), group("S1"),
                                      group("S2"), row("General", "GENERAL"), group("S3"), row("Mail", "MAIL")};

class RebuildFinishingTest : public LibraryTest {
protected:
    std::vector<std::string> rebuilt(std::vector<ProfileEntry> host = kHost)
    {
        m_controller = rootList(std::move(host));
        return rebuild();
    }

    std::vector<std::string> rebuild()
    {
        objc::msgSend<void>(m_controller.get(), "reloadSpecifiers");
        return describe(m_controller->specifiers());
    }

    std::map<std::string, std::vector<std::string>> sectionMap() const
    {
        std::map<std::string, std::vector<std::string>> sections;
        for (const auto& [key, entries] : core::sharedState().sectionMap) {
            sections[key] = describe(entries);
        }
        return sections;
    }

    std::shared_ptr<device::settings::PrefsListController> m_controller;
};

TEST_F(RebuildFinishingTest, AGroupDirectlyFollowedByAnotherIsRemovedAndSectionsAreMapped)
{
    EXPECT_THAT(rebuilt(),
                ElementsAre("[S0]", "Wi-Fi", "Bluetooth", "[S2]", "General", "[S3]", "Mail", "[]", "Velmora"));
    EXPECT_EQ(core::sharedState().sectionCount, 4);
    EXPECT_THAT(sectionMap(), ElementsAre(Pair("-1", ElementsAre()), Pair("0", ElementsAre("Wi-Fi", "Bluetooth")),
                                          Pair("1", ElementsAre("General")), Pair("2", ElementsAre("Mail")),
                                          Pair("3", ElementsAre("Velmora"))));

    boot(DeviceKind::Tablet, "iPad3,4");
    rebuilt();
    EXPECT_THAT(sectionMap(),
                ElementsAre(Pair("-1", ElementsAre("[S0]")), Pair("0", ElementsAre("Wi-Fi", "Bluetooth", "[S2]")),
                            Pair("1", ElementsAre("General", "[S3]")), Pair("2", ElementsAre("Mail", "[]")),
                            Pair("3", ElementsAre("Velmora"))));
}

TEST_F(RebuildFinishingTest, TheStoredOrderComesFirstThenUnnamedRowsWhileUnnamedGroupsGo)
{
    writeStore(Store::Position, {{"0", "MAIL"}, {"1", "S2"}, {"2", "gone"}, {"3", "WIFI"}, {"4", "MAIL"}});
    EXPECT_THAT(rebuilt(), ElementsAre("[S2]", "Wi-Fi", "Mail", "Bluetooth", "General", "Velmora"));
    EXPECT_THAT(describe(core::sharedState().listSnapshot),
                ElementsAre("[S0]", "Wi-Fi", "Bluetooth", "[S2]", "General", "[S3]", "Mail", "[]", "Velmora"));
    EXPECT_EQ(core::sharedState().sectionCount, 1);

    // Keys run from "0" to the count less one, so "3" is never reached.
    writeStore(Store::Position, {{"0", "Velmora"}, {"1", "GENERAL"}, {"3", "WIFI"}});
    EXPECT_THAT(rebuild(), ElementsAre("Velmora", "General", "Wi-Fi", "Bluetooth", "Mail"));
    EXPECT_THAT(sectionMap(), ElementsAre(Pair("-1", ElementsAre("Velmora", "General", "Wi-Fi", "Bluetooth", "Mail"))));

    writeStore(Store::Position, {{"0", "WIFI"}, {"1", "Velmora"}, {"2", "S0"}});
    EXPECT_THAT(rebuilt({group("S0"), row("Wi-Fi", "WIFI")}), ElementsAre("Wi-Fi", "Velmora", "[S0]"));
    EXPECT_EQ(core::sharedState().sectionCount, 2);
}

TEST_F(RebuildFinishingTest, WithHiddenDividersThereIsOneSection)
{
    writeStore(Store::Enabled, {{"Enabled", true}});
    writeStore(Store::Hide, {{"Dividers", true}});
    EXPECT_THAT(rebuilt(), ElementsAre("Wi-Fi", "Bluetooth", "General", "Mail", "Velmora"));
    EXPECT_EQ(core::sharedState().sectionCount, 1);
    EXPECT_THAT(sectionMap(), ElementsAre(Pair("0", ElementsAre("Wi-Fi", "Bluetooth", "General", "Mail", "Velmora"))));
}

TEST_F(RebuildFinishingTest, ASpinningRefreshControlStopsOnlyWhenPullToRefreshIsOn)
{
    rebuilt();
    auto control = objc::create<device::uikit::UIRefreshControl>();
    m_controller->table()->insertSubviewAtIndex(control, 0);
    control->beginRefreshing();
    rebuild();
    EXPECT_TRUE(control->isRefreshing());
    writeStore(Store::Advanced, {{"Refresh", true}});
    rebuild();
    EXPECT_FALSE(control->isRefreshing());
}

TEST_F(RebuildFinishingTest, OneSwipeTimerRunsWhileSwipeActionsAreOn)
{
    rebuilt();
    EXPECT_FALSE(core::sharedState().loopTimer);
    writeStore(Store::Advanced, {{"Swipe_cells", true}});
    rebuild();
    auto timer = core::sharedState().loopTimer;
    ASSERT_TRUE(timer && timer->isValid() && timer->repeats());
    EXPECT_DOUBLE_EQ(timer->timeInterval(), 0.2);
    rebuild();
    EXPECT_EQ(core::sharedState().loopTimer, timer);
    device::foundation::RunLoop::main().advance(1);

    writeStore(Store::Advanced, {{"Swipe_cells", false}});
    rebuild();
    EXPECT_FALSE(core::sharedState().loopTimer);
    EXPECT_FALSE(timer->isValid());
}

}  // namespace
}  // namespace velmora::testing
