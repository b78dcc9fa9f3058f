#include "tests/velmora/rootlist/tag_folder_sim.h"

namespace velmora::testing {
namespace {

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::Not;

using TagFolderTest = TagFolderSimTest;

TEST_P(TagFolderTest, MembersShowOnceInStoredOrderAndTheSearchFiltersThemByPrefix)
{
    // The order names Maps twice and an entry that is no member; Music, not named, comes last.
    save(store::tagPositionStorePath("Apps"), {{"0", "Maps"}, {"1", "Maps"}, {"2", "Nowhere"}, {"3", kMail}});
    auto dumps = run("relaunch\ntap Apps\nexpect ⌕ (Search in Apps)\ndump\ntap Search in Apps\ntype mA\ndump\n"
                     "erase 2\ndump\ntype mu\ntap Hide KB\ndump\ntap Done\ndump\n");
    ASSERT_EQ(dumps.size(), 5u);
    EXPECT_THAT(labelsOf(dumps[0]["page"]), ElementsAre("Maps", kMail, "Music"));
    EXPECT_EQ(dumps[0]["page"]["search"]["placeholder"], "Search in Apps");
    EXPECT_EQ(dumps[0]["page"]["right"], "Edit");

    EXPECT_THAT(labelsOf(dumps[1]["page"]), ElementsAre("Maps", kMail));
    EXPECT_EQ(dumps[1]["page"]["right"], "Hide KB");
    EXPECT_TRUE(dumps[1]["keyboard"]);
    EXPECT_THAT(labelsOf(dumps[2]["page"]), ElementsAre("Maps", kMail, "Music"));
    EXPECT_THAT(labelsOf(dumps[3]["page"]), ElementsAre("Music"));
    EXPECT_EQ(dumps[3]["page"]["right"], "Done");
    EXPECT_FALSE(dumps[3]["keyboard"]);

    EXPECT_EQ(dumps[4]["page"]["right"], "Edit");
    EXPECT_EQ(dumps[4]["page"]["search"]["text"], "");
    EXPECT_THAT(labelsOf(dumps[4]["page"]), ElementsAre("Maps", kMail, "Music"));
}

TEST_P(TagFolderTest, AddModeOffersTheFreeEntriesAndStoresEachSwitchAtOnce)
{
    auto dumps = run("relaunch\ntap Apps\ntap Edit\ndump\ntap Add Entries\ndump\ntoggle Notes\nprefs tag\n"
                     "tap Done\ndump\nrelaunch\ndump\n");
    ASSERT_EQ(dumps.size(), 5u);
    EXPECT_EQ(dumps[0]["sheet"]["title"], "Choose an Action");
    EXPECT_EQ(dumps[0]["sheet"]["buttons"][0], "Add Entries");
    EXPECT_EQ(dumps[0]["sheet"]["buttons"][1], "Reorder & Remove");

    const ordered_json& adding = dumps[1]["page"];
    EXPECT_EQ(adding["right"], "Done");
    EXPECT_THAT(labelsOf(adding), AllOf(Contains("Notes"), Contains("Airplane Mode"), Not(Contains("Wi-Fi")),
                                        Not(Contains("Bluetooth")), Not(Contains("iCloud")), Not(Contains("Maps")),
                                        Not(Contains("Safari")), Not(Contains(""))));
    for (const auto& row : adding["sections"][0]["rows"]) {
        EXPECT_EQ(row["kind"], "switch") << row["label"];
        EXPECT_EQ(row["on"], false) << row["label"];
    }
    EXPECT_EQ(dumps[2]["1"]["Notes"], true);

    EXPECT_THAT(labelsOf(dumps[3]["page"]), ElementsAre(kMail, "Notes", "Maps", "Music"));
    EXPECT_EQ(dumps[3]["page"]["right"], "Edit");
    if (onTablet()) {
        EXPECT_THAT(labelsOf(dumps[3]["master"]), Not(Contains("Notes")));
    }
    EXPECT_THAT(labelsOf(rootOf(dumps[4])), AllOf(Contains("Apps"), Not(Contains("Notes"))));
}

INSTANTIATE_TEST_SUITE_P(Profiles, TagFolderTest, ::testing::Values("phone", "tablet"));

}  // namespace
}  // namespace velmora::testing
