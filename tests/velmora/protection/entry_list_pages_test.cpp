#include "tests/velmora/pane/pane_sim.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

using device::foundation::PlistDictionary;
using store::Store;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

class EntryListPagesTest : public PaneSimTest {
protected:
    explicit EntryListPagesTest(std::string profile = "phone") : PaneSimTest(std::move(profile)) {}

    static std::vector<std::string> rowsOf(const ordered_json& page, std::size_t section)
    {
        std::vector<std::string> labels;
        for (const auto& row : page["sections"][section]["rows"]) {
            labels.push_back(row["label"]);
        }
        return labels;
    }
    // Every entry of a listing page has an icon: its own or its application's.
    void expectIconsOnEveryRow()
    {
        auto* page = dynamic_cast<device::preferences::PSListController*>(
            m_device.root()->navigationController()->topViewController());
        ASSERT_NE(page, nullptr);
        for (const auto& row : page->specifiers()) {
            if (row->cellType() == device::preferences::PSSwitchCell) {
                EXPECT_NE(row->objectProperty<device::uikit::UIImage>("iconImage"), nullptr) << row->nameOrEmpty();
            }
        }
    }
};

TEST_F(EntryListPagesTest, TheProtectedPageListsTheRootListAsShownWithoutItsSwitches)
{
    save(Store::Enabled, {{"Enabled", true}});
    save(Store::Hide, {{"Notes", true}});
    auto dumps = run("relaunch\n" + openPane("Protection") + "dump\ntoggle Wi-Fi\ntoggle Velmora\ntoggle Velmora\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    const auto& page = dumps[0]["page"];
    EXPECT_THAT(rowsOf(page, 0), ElementsAre("Passcode"));
    EXPECT_EQ(page["sections"][1]["header"], "Protected Items");
    EXPECT_EQ(page["sections"][1]["footer"], "Switch on the entries that should ask for your passcode before they open.");
    auto listed = rowsOf(page, 2);
    EXPECT_EQ(listed.front(), "Wi-Fi");
    EXPECT_THAT(listed, Not(Contains("Airplane Mode")));
    EXPECT_THAT(listed, Not(Contains("Notes")));
    EXPECT_THAT(listed, Contains("Bluetooth"));
    expectIconsOnEveryRow();
    EXPECT_EQ(rowLabelled(dumps[1]["page"], "Wi-Fi")["on"], true);
    EXPECT_EQ(stored(Store::Protected), (PlistDictionary{{"Wi-Fi", true}, {"Velmora", false}}));
}

TEST_F(EntryListPagesTest, TheProtectedPageLeadsToThePasscodePage)
{
    auto dumps = run(openPane("Protection") + "tap Passcode\ndump\n");
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_THAT(labelsOf(dumps[0]["page"]), ElementsAre("Enabled", "Change Passcode"));
}

TEST_F(EntryListPagesTest, HiddenEntriesStayListedAndLeaveTheRootListWhenItIsShownAgain)
{
    save(Store::Enabled, {{"Enabled", true}});
    auto dumps = run("relaunch\n" + openPane("Hidden Items") + "dump\ntoggle Wi-Fi\nback\nback\ndump\n"
                     + "tap Velmora\ntap Hidden Items\ndump\ntoggle Wi-Fi\nback\nback\ndump\n");
    ASSERT_EQ(dumps.size(), 4u);
    const auto& page = dumps[0]["page"];
    EXPECT_THAT(rowsOf(page, 0), ElementsAre("Hide Dividers"));
    auto listed = rowsOf(page, 1);
    EXPECT_EQ(listed.front(), "Airplane Mode");
    EXPECT_THAT(listed, Not(Contains("Bluetooth")));
    expectIconsOnEveryRow();
    EXPECT_THAT(labelsOf(dumps[1]["page"]), Not(Contains("Wi-Fi")));
    EXPECT_EQ(rowLabelled(dumps[2]["page"], "Wi-Fi")["on"], true);
    EXPECT_THAT(labelsOf(dumps[3]["page"]), Contains("Wi-Fi"));
    EXPECT_EQ(stored(Store::Hide), (PlistDictionary{{"Wi-Fi", false}}));
}

TEST_F(EntryListPagesTest, ShowingTheDividersAgainDropsTheStoredOrder)
{
    save(Store::Enabled, {{"Enabled", true}});
    save(Store::Position, {{"0", "com.apple.mobilenotes"}, {"1", "WIFI"}});
    auto dumps = run("relaunch\n" + openPane("Hidden Items") + "toggle Hide Dividers\nback\nback\ndump\n");
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_EQ(dumps[0]["page"]["sections"].size(), 1u);
    EXPECT_EQ(labelsOf(dumps[0]["page"]).front(), "Notes");
    EXPECT_TRUE(exists(store::storePath(Store::Position)));

    dumps = run(openPane("Hidden Items") + "toggle Hide Dividers\nback\nback\ndump\n");
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_GT(dumps[0]["page"]["sections"].size(), 1u);
    EXPECT_EQ(labelsOf(dumps[0]["page"]).front(), "Airplane Mode");
    EXPECT_FALSE(exists(store::storePath(Store::Position)));
    EXPECT_EQ(stored(Store::Hide), (PlistDictionary{{"Hide Dividers", false}}));
}

// A switch whose change cannot be stored goes back to what is stored, and the user is told; the
// stored order stays too, since the dividers did not come back.
TEST_F(EntryListPagesTest, ASwitchThatCannotBeStoredShowsTheStoreAgainAndSaysSo)
{
    save(Store::Hide, {{"Wi-Fi", true}, {"Hide Dividers", true}});
    save(Store::Position, {{"0", "com.apple.mobilenotes"}, {"1", "WIFI"}});
    auto hidden = stored(Store::Hide);
    auto order = stored(Store::Position);
    run("relaunch\n" + openPane("Hidden Items"));
    auto dumps = runOnFullDisk("toggle Wi-Fi\ndump\ntap OK\ntoggle Hide Dividers\ndump\ntap OK\nback\n"
                               "tap Protection\ntoggle Notes\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    for (const auto& dump : dumps) {
        expectNotSaved(dump);
    }
    EXPECT_EQ(rowLabelled(dumps[0]["page"], "Wi-Fi")["on"], true);
    EXPECT_EQ(rowLabelled(dumps[1]["page"], "Hide Dividers")["on"], true);
    EXPECT_EQ(rowLabelled(dumps[2]["page"], "Notes")["on"], false);
    EXPECT_EQ(stored(Store::Hide), hidden);
    EXPECT_EQ(stored(Store::Position), order);
    EXPECT_FALSE(exists(store::storePath(Store::Protected)));
}

class TabletEntryListPagesTest : public EntryListPagesTest {
protected:
    TabletEntryListPagesTest() : EntryListPagesTest("tablet") {}
};

TEST_F(TabletEntryListPagesTest, HidingShowsBesideThePaneAtOnceAndProtectingChangesNothingThere)
{
    save(Store::Enabled, {{"Enabled", true}});
    save(Store::Position, {{"0", "com.apple.mobilenotes"}, {"1", "WIFI"}});
    auto dumps = run("relaunch\n" + openPane("Hidden Items") + "toggle Wi-Fi\ntoggle Hide Dividers\ndump\n"
                     + "toggle Hide Dividers\ndump\nback\ntap Protection\ntoggle Notes\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    EXPECT_THAT(labelsOf(dumps[0]["master"]), Not(Contains("Wi-Fi")));
    EXPECT_EQ(dumps[0]["master"]["sections"].size(), 1u);
    EXPECT_EQ(labelsOf(dumps[0]["master"]).front(), "Notes");
    EXPECT_GT(dumps[1]["master"]["sections"].size(), 1u);
    EXPECT_EQ(labelsOf(dumps[1]["master"]).front(), "Airplane Mode");
    EXPECT_EQ(dumps[2]["master"], dumps[1]["master"]);
    EXPECT_THAT(rowsOf(dumps[2]["page"], 2), Not(Contains("Wi-Fi")));
    EXPECT_EQ(stored(Store::Protected), (PlistDictionary{{"Notes", true}}));
}

}  // namespace
}  // namespace velmora::testing
