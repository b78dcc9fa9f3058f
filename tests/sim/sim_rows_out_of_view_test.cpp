#include "device/settings/prefs_list_controller.h"
#include "device/uikit/alert_view.h"
#include "device/uikit/table_view.h"
#include "tests/sim/sim_run.h"
#include "tests/support/booted_device.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using device::settings::ProfileEntry;
using nlohmann::ordered_json;
using testing::HasSubstr;
using testing::Not;
using testing_support::BootedDevice;
using testing_support::jsonLines;
using testing_support::labelsOf;
using testing_support::Library;
using testing_support::rowLabelled;
using testing_support::runSim;

namespace {

ProfileEntry row(std::string cell, std::string label, std::vector<ProfileEntry> page = {})
{
    ProfileEntry entry;
    entry.cell = std::move(cell);
    entry.label = std::move(label);
    entry.page = std::move(page);
    return entry;
}

// The phone with rows of its own after the host's: a switch, an editable list longer than the screen,
// and two rows of one name, the first near the top.
BootedDevice& extendedPhone(BootedDevice& phone)
{
    auto& entries = phone.options().profile.entries;
    entries.insert(entries.begin() + 1, row("PSLinkCell", "Twin", {row("PSStaticTextCell", "First twin")}));
    entries.push_back(row("PSGroupCell", "Extras"));
    auto nightShift = row("PSSwitchCell", "Night Shift");
    nightShift.value = device::foundation::PlistValue(false);
    entries.push_back(nightShift);
    std::vector<ProfileEntry> items;
    for (int i = 1; i <= 20; ++i) {
        items.push_back(row("PSStaticTextCell", "Item " + std::to_string(i)));
    }
    auto list = row("PSLinkCell", "Long List", items);
    list.editable = true;
    entries.push_back(list);
    entries.push_back(row("PSLinkCell", "Twin", {row("PSStaticTextCell", "Second twin")}));
    return phone;
}

const device::uikit::UITableView& rootTable(BootedDevice& phone)
{
    return *phone.root()->table();
}

}  // namespace

TEST(SimRowsOutOfView, HostRowsBelowTheFoldAreScrolledIntoViewByTheLeastAmountThenTapped)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    const auto& table = rootTable(phone);
    double visible = table.frame().height();
    auto general = runSim(device, "tap General\ndump\ntap Keyboard\ntap Keyboards\ndump");
    ASSERT_EQ(general.exit, 0) << general.err;
    auto lines = jsonLines(general.out);
    EXPECT_EQ(lines.at(0)["page"]["title"], "General");
    EXPECT_EQ(lines.at(1)["page"]["title"], "Keyboards");
    EXPECT_EQ(labelsOf(lines.at(1)["page"]), (std::vector<std::string>{"English", "Spanish", "Emoji"}));

    // General's row now ends at the bottom of the list's frame: no further than needed.
    auto* generalRow = table.cellForRowAtIndexPath({2, 0});
    ASSERT_NE(generalRow, nullptr);
    ASSERT_EQ(generalRow->textLabel()->text(), "General");
    EXPECT_DOUBLE_EQ(table.contentOffset().y, generalRow->frame().maxY() - visible);

    // From the end of the list, a row above is brought down until its top shows.
    auto up = runSim(device, "back\nback\nback\nscroll 5000\ntap Wi-Fi\ndump");
    ASSERT_EQ(up.exit, 0) << up.err;
    EXPECT_EQ(jsonLines(up.out).at(0)["page"]["title"], "Wi-Fi");
    EXPECT_DOUBLE_EQ(table.contentOffset().y, table.cellForRowAtIndexPath({0, 1})->frame().minY());
}

TEST(SimRowsOutOfView, ScrollMovesTheListByExactlyThePointsGiven)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    ASSERT_EQ(runSim(device, "scroll 100").exit, 0);
    EXPECT_DOUBLE_EQ(rootTable(phone).contentOffset().y, 100);
    ASSERT_EQ(runSim(device, "scroll 700\nscroll -250").exit, 0);
    EXPECT_DOUBLE_EQ(rootTable(phone).contentOffset().y, 550);
}

TEST(SimRowsOutOfView, EveryCommandThatNamesARowReachesOneBelowTheFold)
{
    BootedDevice phone("phone", Library::None);
    auto& device = extendedPhone(phone).boot();
    auto run = runSim(device, "toggle Night Shift\ndump\ntap Twin #2\ndump\nback\ntap Long List\n"
                              "swipe Item 18 left\ntap Delete\ndump\n"
                              "tap Edit\ndelete Item 20\ndrag Item 19 to Item 14\ndump");
    ASSERT_EQ(run.exit, 0) << run.err;
    auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(rowLabelled(lines[0]["page"], "Night Shift")["on"], true);
    EXPECT_EQ(labelsOf(lines[1]["page"]), (std::vector<std::string>{"Second twin"})) << "#2 counts rows out of view";
    auto items = labelsOf(lines[2]["page"]);
    EXPECT_EQ(items.size(), 19u);
    EXPECT_EQ(std::count(items.begin(), items.end(), "Item 18"), 0);
    auto arranged = labelsOf(lines[3]["page"]);
    ASSERT_EQ(arranged.size(), 18u);
    EXPECT_EQ(arranged.back(), "Item 17");
    EXPECT_EQ(arranged[13], "Item 19") << "dropped at Item 14's place";
    EXPECT_EQ(arranged[14], "Item 14");

    // Farther apart than the screen shows: the row is held at the edge while the list scrolls.
    auto apart = runSim(device, "drag Item 1 to Item 19\ndump");
    ASSERT_EQ(apart.exit, 0) << apart.err;
    auto farther = labelsOf(jsonLines(apart.out).back()["page"]);
    auto moved = std::find(farther.begin(), farther.end(), "Item 1");
    ASSERT_NE(moved, farther.end());
    ASSERT_NE(moved, farther.begin());
    EXPECT_EQ(*(moved - 1), "Item 19") << "moved down, it takes the place and the row there moves up";
}

TEST(SimRowsOutOfView, TheKeyboardsListIsReachedAndArrangedWithoutScrolling)
{
    BootedDevice phone("phone", Library::None);
    auto run = runSim(phone.boot(), "tap General\ntap Keyboard\ntap Keyboards\ntap Edit\ndrag Emoji to English\n"
                                    "delete Spanish\ndump");
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(labelsOf(jsonLines(run.out).at(0)["page"]), (std::vector<std::string>{"Emoji", "English"}));
}

TEST(SimRowsOutOfView, AMissingTargetListsTheRowsScrolledOutOfViewAfterThoseOnScreen)
{
    BootedDevice phone("phone", Library::None);
    auto run = runSim(phone.boot(), "tap Nowhere");
    EXPECT_EQ(run.exit, 2);
    auto onScreen = run.err.find("On screen: ");
    auto outOfView = run.err.find(". Scrolled out of view: ");
    ASSERT_NE(onScreen, std::string::npos) << run.err;
    ASSERT_NE(outOfView, std::string::npos) << run.err;
    std::string shown = run.err.substr(onScreen, outOfView - onScreen);
    std::string hidden = run.err.substr(outOfView);
    EXPECT_THAT(shown, HasSubstr("\"Airplane Mode\""));
    EXPECT_THAT(shown, Not(HasSubstr("\"General\"")));
    EXPECT_THAT(hidden, HasSubstr("\"General\" \"Sounds\""));
    EXPECT_THAT(hidden, HasSubstr("\"Weather+\""));
    EXPECT_THAT(hidden, Not(HasSubstr("\"Airplane Mode\"")));

    auto toggle = runSim(phone.device(), "toggle Nowhere");
    EXPECT_THAT(toggle.err, HasSubstr("Scrolled out of view: \"General\""));
}

TEST(SimRowsOutOfView, RowsUnderAModalOrAnAlertAreNoTargets)
{
    BootedDevice phone("phone", Library::Linked);
    auto& device = phone.boot();
    auto underModal = runSim(device, "tap General");
    EXPECT_EQ(underModal.exit, 2);
    EXPECT_THAT(underModal.err, HasSubstr("nothing on screen shows \"General\""));
    EXPECT_THAT(underModal.err, Not(HasSubstr("Scrolled out of view")));
    EXPECT_THAT(underModal.err, Not(HasSubstr("\"Airplane Mode\"")));
    EXPECT_EQ(runSim(device, "toggle Airplane Mode").exit, 2) << "a row in view but under the modal";

    ASSERT_EQ(runSim(device, "tap Done").exit, 0);
    auto alert = device::uikit::UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles(
        "Wait", "", nullptr, "OK");
    alert->show();
    auto underAlert = runSim(device, "tap General\ntap Wi-Fi");
    EXPECT_EQ(underAlert.exit, 2);
    EXPECT_THAT(underAlert.err, HasSubstr("line 1: tap: nothing on screen shows \"General\""));
    auto closed = runSim(device, "tap OK\ntap General\ndump");
    ASSERT_EQ(closed.exit, 0) << closed.err;
    EXPECT_EQ(jsonLines(closed.out).at(0)["page"]["title"], "General");
}

TEST(SimRowsOutOfView, TheTabletsRootListScrollsBesideThePage)
{
    BootedDevice tablet("tablet", Library::None);
    auto run = runSim(tablet.boot(), "tap Weather+\ndump\ntap Use Location\ntap Twitter\ndump");
    ASSERT_EQ(run.exit, 0) << run.err;
    auto lines = jsonLines(run.out);
    EXPECT_EQ(lines.at(0)["page"]["title"], "Weather+");
    EXPECT_EQ(lines.at(1)["page"]["title"], "Twitter");
}
