#include "tests/velmora/rootlist/arrange_sim.h"

#include "device/objc/object.h"
#include "device/uikit/refresh_control.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace velmora::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

class PhoneArrangeTest : public ArrangeSimTest {
protected:
    PhoneArrangeTest() : ArrangeSimTest("phone") {}
};

class TabletArrangeTest : public ArrangeSimTest {
protected:
    TabletArrangeTest() : ArrangeSimTest("tablet") { useSmallList(); }
};

class TabletFullListArrangeTest : public ArrangeSimTest {
protected:
    TabletFullListArrangeTest() : ArrangeSimTest("tablet") {}
};

std::vector<std::string> rowsOf(const Sections& sections)
{
    std::vector<std::string> rows;
    for (const auto& section : sections) {
        rows.insert(rows.end(), section.begin(), section.end());
    }
    return rows;
}

// The row right after `row` in the list.
std::string after(const std::vector<std::string>& rows, const std::string& row)
{
    auto found = std::find(rows.begin(), rows.end(), row);
    return found == rows.end() || found + 1 == rows.end() ? std::string() : *(found + 1);
}

// Far apart rows: the finger holds the dragged row at the list's edge until the place scrolls in.
TEST_F(PhoneArrangeTest, ARowIsDraggedToAPlaceFartherAwayThanTheScreenShows)
{
    auto dumps = run("tap Edit\ndrag Wi-Fi to Flickr\ndrag Cascade to General\ntap Done\nrelaunch\ndump\n");
    ASSERT_EQ(dumps.size(), 1u);
    auto rows = rowsOf(sectionsOf(dumps[0]["page"]));
    EXPECT_EQ(after(rows, "Wi-Fi"), "Flickr") << "it takes the place, in front of the row there: "
                                              << ::testing::PrintToString(rows);
    EXPECT_EQ(after(rows, "Cascade"), "General");
}

TEST_F(TabletFullListArrangeTest, ARowIsDraggedToAPlaceFartherAwayThanTheSheetShows)
{
    auto dumps = run("tap Edit\ndrag Quickdial to FaceTime\ndrag Numbers to Wi-Fi\ntap Done\nrelaunch\ndump\n");
    ASSERT_EQ(dumps.size(), 1u);
    auto rows = rowsOf(sectionsOf(rootPage(dumps[0])));
    EXPECT_EQ(after(rows, "Quickdial"), "FaceTime");
    EXPECT_EQ(after(rows, "Numbers"), "Wi-Fi");
    EXPECT_EQ(after(rows, "Airplane Mode"), "Numbers");
}

TEST_F(PhoneArrangeTest, RowsMovedAcrossSectionsStayThereThroughRelaunchAndTheNextArrangement)
{
    auto dumps = run("dump\ntap Edit\ndump\ndrag Wi-Fi to Notification Center\ndrag Carrier to Airplane Mode\n"
                     "tap Done\ndump\nrelaunch\ndump\n");
    ASSERT_EQ(dumps.size(), 4u);
    Sections expected = sectionsOf(dumps[0]["page"]);
    const auto& arranging = dumps[1]["page"];
    EXPECT_TRUE(arranging["editing"]);
    EXPECT_EQ(arranging["left"], "Reset");
    EXPECT_EQ(arranging["right"], "Done");
    EXPECT_EQ(sectionsOf(arranging), expected);
    move(expected, "Wi-Fi", 1, 0);
    move(expected, "Carrier", 0, 0);
    // Each divider is stored after its section's rows, so the last one now closes the list.
    expected.emplace_back();
    EXPECT_FALSE(dumps[2]["page"]["editing"]);
    EXPECT_EQ(dumps[2]["page"]["left"], nullptr);
    EXPECT_EQ(dumps[2]["page"]["right"], "Edit");
    EXPECT_EQ(sectionsOf(dumps[2]["page"]), expected);
    EXPECT_EQ(sectionsOf(dumps[3]["page"]), expected);
    // Each section's rows, then the divider that opened it in the host's list.
    auto order = storedOrder();
    ASSERT_GE(order.size(), 8u);
    EXPECT_THAT(std::vector(order.begin(), order.begin() + 8),
                ElementsAre("CARRIER", "AIRPLANE_MODE", "Bluetooth", "MOBILE_DATA_SETTINGS_ID", "INTERNET_TETHERING",
                            "CONNECTIVITY", "WIFI", "NOTIFICATIONS_ID"));

    // The stored order now puts rows before the first divider: they are still shown, and kept.
    dumps = run("tap Edit\ndump\ntap Done\nrelaunch\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_EQ(sectionsOf(dumps[0]["page"]), expected);
    EXPECT_EQ(sectionsOf(dumps[1]["page"]), expected);
    EXPECT_EQ(storedOrder(), order);
}

// The divider before the tag folders has no identifier; the order after it must still be read whole.
TEST_F(PhoneArrangeTest, DoneWithoutMovingStoresTheListAsShownWithConsecutivePlaces)
{
    prepare(Store::Tag, {{"1", PlistDictionary{{"Name", "Work"}, {"Wi-Fi", true}}}});
    auto dumps = run("dump\ntap Edit\ntap Done\ndump\nrelaunch\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    Sections expected = sectionsOf(dumps[0]["page"]);
    ASSERT_EQ(expected.back(), std::vector<std::string>{"Velmora"});
    // The unnamed divider cannot be stored, so the library's entry joins the tag folders; the
    // closing divider, stored last, still comes back.
    expected.back() = {};
    expected[expected.size() - 2].push_back("Velmora");
    EXPECT_EQ(sectionsOf(dumps[1]["page"]), expected);
    EXPECT_EQ(sectionsOf(dumps[2]["page"]), expected);
    auto order = storedOrder();
    ASSERT_GE(order.size(), 3u);
    EXPECT_THAT(std::vector(order.end() - 3, order.end()), ElementsAre("Work", "Velmora", ""));
}

TEST_F(PhoneArrangeTest, HiddenDividersAndHiddenEntriesKeepTheirPlaceOutOfTheOrder)
{
    prepare(Store::Hide, {{"Hide Dividers", true}, {"Bluetooth", true}});
    auto dumps = run("dump\ntap Edit\ndrag Cellular to Airplane Mode\ntap Done\ndump\nrelaunch\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    Sections expected = sectionsOf(dumps[0]["page"]);
    ASSERT_EQ(expected.size(), 1u);
    move(expected, "Cellular", 0, 0);
    EXPECT_EQ(sectionsOf(dumps[1]["page"]), expected);
    EXPECT_EQ(sectionsOf(dumps[2]["page"]), expected);
    auto order = storedOrder();
    EXPECT_EQ(order.front(), "MOBILE_DATA_SETTINGS_ID");
    EXPECT_THAT(order, Not(Contains("Bluetooth")));
    EXPECT_THAT(order, Not(Contains("CONNECTIVITY")));
}

// Whatever else lies in the root table (here a view at its front) stays there.
TEST_F(PhoneArrangeTest, ArrangeModeTakesAwayOnlyThePullToRefreshControl)
{
    prepare(Store::Advanced, {{"FirstTimez", true}, {"Pull to Refresh", true}});
    m_device.boot();
    auto* table = m_device.root()->table();
    auto banner = device::objc::create<device::uikit::UIView>(device::uikit::CGRectMake(0, -100, 320, 40));
    table->insertSubviewAtIndex(banner, 0);
    auto refreshControls = [table] {
        return std::count_if(table->subviews().begin(), table->subviews().end(), [](const auto& view) {
            return dynamic_cast<device::uikit::UIRefreshControl*>(view.get()) != nullptr;
        });
    };
    ASSERT_EQ(refreshControls(), 1);
    run("tap Edit\n");
    EXPECT_EQ(refreshControls(), 0);
    EXPECT_EQ(banner->superview(), table);
    run("tap Done\n");
    EXPECT_EQ(refreshControls(), 1);
    EXPECT_EQ(banner->superview(), table);
}

// A section's trailing divider cannot be picked up; a row dropped onto its place opens the next section.
TEST_F(TabletArrangeTest, TheSheetMovesRowsAcrossSectionsAndTheRoundTripHolds)
{
    auto refused = testing_support::runSim(m_device.boot(), "tap Edit\ndrag Two to Alpha\n");
    EXPECT_EQ(refused.exit, 2);
    EXPECT_THAT(refused.err, HasSubstr("the row \"Two\" cannot be moved: its list keeps it in place"));
    auto dumps = run("dump\ndrag Alpha to Delta\ndrag Echo to Three\ndump\ntap Done\ndump\nrelaunch\ndump\n");
    ASSERT_EQ(dumps.size(), 4u);
    const auto& sheet = dumps[0]["modal"];
    EXPECT_EQ(sheet["style"], "formsheet");
    EXPECT_EQ(sheet["page"]["title"], "Edit");
    EXPECT_EQ(sheet["page"]["left"], "Reset");
    EXPECT_EQ(sheet["page"]["right"], "Done");
    EXPECT_TRUE(sheet["page"]["editing"]);
    EXPECT_EQ(sectionsOf(sheet["page"]),
              (Sections{{"Alpha", "Bravo", "Charlie", "Two"}, {"Delta", "Echo", "Three"}, {"Foxtrot", ""}, {"Velmora"}}));
    Sections moved{{"Bravo", "Charlie", "Two"}, {"Alpha", "Delta", "Three"}, {"Echo", "Foxtrot", ""}, {"Velmora"}};
    EXPECT_EQ(sectionsOf(dumps[1]["modal"]["page"]), moved);
    EXPECT_EQ(dumps[2]["modal"], nullptr);
    Sections shown = withoutTrailingGroups(moved);
    EXPECT_EQ(sectionsOf(rootPage(dumps[2])), shown);
    EXPECT_EQ(sectionsOf(rootPage(dumps[3])), shown);
    auto order = storedOrder();
    EXPECT_THAT(order, ElementsAre("BRAVO", "CHARLIE", "TWO", "ALPHA", "DELTA", "THREE", "ECHO", "FOXTROT", "",
                                   "Velmora"));

    // Rows now lie before the first divider: the next sheet shows them first, and keeps them.
    dumps = run("tap Edit\ndump\ntap Done\nrelaunch\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_EQ(sectionsOf(dumps[0]["modal"]["page"]), moved);
    EXPECT_EQ(sectionsOf(rootPage(dumps[1])), shown);
    EXPECT_EQ(storedOrder(), order);
}

// An order that cannot be stored, arranged or sorted, is not shown: the list is rebuilt as stored.
TEST_F(PhoneArrangeTest, AnOrderThatCannotBeStoredIsNotShownAndSaidSo)
{
    auto shown = sectionsOf(run("dump\n")[0]["page"]);
    auto dumps = runOnFullDisk("tap Edit\ndrag Cellular to Airplane Mode\ntap Done\ndump\ntap OK\n"
                               "tap Edit\ntap Reset\ntap A->Z\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    for (const auto& dump : dumps) {
        expectNotSaved(dump);
        EXPECT_EQ(sectionsOf(dump["page"]), shown);
    }
    EXPECT_FALSE(orderStored());
}

TEST_F(TabletArrangeTest, AnOrderThatCannotBeStoredIsNotShownAndSaidSo)
{
    auto shown = sectionsOf(rootPage(run("dump\n")[0]));
    auto dumps = runOnFullDisk("tap Edit\ndrag Alpha to Delta\ntap Done\ndump\n");
    ASSERT_EQ(dumps.size(), 1u);
    expectNotSaved(dumps[0]);
    EXPECT_EQ(dumps[0]["modal"], nullptr);
    EXPECT_EQ(sectionsOf(rootPage(dumps[0])), shown);
    EXPECT_FALSE(orderStored());
}

}  // namespace
}  // namespace velmora::testing
