#include "tests/velmora/pane/pane_sim.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

using device::foundation::PlistDictionary;
using store::Store;
using ::testing::Contains;
using ::testing::Not;

class AdvancedPageTest : public PaneSimTest {};

constexpr const char* kAdvanced = "tap General\ntap Advanced\n";

TEST_F(AdvancedPageTest, TheTitleOptionIsOnThePageOnlyWhileTagsAreGroups)
{
    auto dumps = run(openPane() + kAdvanced + "dump\ntoggle Tags as Groups\ndump\ntoggle Tags as Groups\ndump\n"
                     + "toggle Tags as Groups\ndump\n");
    ASSERT_EQ(dumps.size(), 4u);
    auto withoutTitles = labelsOf(dumps[0]["page"]);
    EXPECT_EQ(withoutTitles.size(), 7u);
    EXPECT_THAT(withoutTitles, Not(Contains("Group Titles")));
    for (std::size_t shown : {1u, 3u}) {
        auto labels = labelsOf(dumps[shown]["page"]);
        ASSERT_EQ(labels.size(), 8u) << shown;
        EXPECT_EQ(labels[1], "Group Titles") << shown;
        EXPECT_EQ(dumps[shown]["page"]["sections"][1]["footer"], dumps[shown]["page"]["sections"][1]["footer"]);
    }
    EXPECT_EQ(labelsOf(dumps[2]["page"]).size(), 7u);
    EXPECT_EQ(stored(Store::Advanced)["Tags as Groups"], true);
}

TEST_F(AdvancedPageTest, TheEntryTitleIsTypedAndClearedBackToTheDefault)
{
    auto dumps = run(openPane() + kAdvanced + "tap Name\ntype My Tweaks\ntap Hide KB\nback\nback\nback\ndump\n"
                     + "tap My Tweaks\n" + kAdvanced + "tap Name\nerase 9\ntap Hide KB\nback\nback\nback\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_EQ(labelsOf(dumps[0]["page"]).back(), "My Tweaks");
    EXPECT_EQ(labelsOf(dumps[1]["page"]).back(), "Velmora");
    EXPECT_EQ(stored(Store::Advanced)["Name"], "");
}

TEST_F(AdvancedPageTest, OptionsAreKeptUnderTheTextsOfTheLanguageTheyWereSetIn)
{
    save(Store::Enabled, {{"Enabled", true}});
    auto dumps = run(openPane() + kAdvanced + "toggle Pull to Refresh\nback\nback\nback\nlanguage de\n"
                     + "tap Velmora\ntap Allgemein\ntap Erweitert\ndump\n");
    ASSERT_EQ(dumps.size(), 1u);
    for (const auto& section : dumps[0]["page"]["sections"]) {
        for (const auto& row : section["rows"]) {
            EXPECT_NE(row["on"], true) << row["label"];
        }
    }
    auto advanced = stored(Store::Advanced);
    EXPECT_EQ(advanced["Pull to Refresh"], true);
    EXPECT_EQ(advanced["language"], "de");
}

// A change that cannot be stored is not shown as made: the switch or field shows the store again,
// the user is told, and the store keeps what it held.
TEST_F(AdvancedPageTest, AChangeThatCannotBeStoredIsUndoneOnScreenAndSaidSo)
{
    save(Store::Enabled, {{"Enabled", true}});
    auto enabled = stored(Store::Enabled);
    auto advanced = stored(Store::Advanced);
    run(openPane());
    auto dumps = runOnFullDisk(std::string("toggle Enabled\ndump\ntap OK\n") + kAdvanced
                               + "toggle Pull to Refresh\ndump\ntap OK\ntap Name\ntype Mine\ntap Hide KB\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    for (const auto& dump : dumps) {
        expectNotSaved(dump);
    }
    EXPECT_EQ(rowLabelled(dumps[0]["page"], "Enabled")["on"], true);
    EXPECT_EQ(rowLabelled(dumps[1]["page"], "Pull to Refresh")["on"], false);
    EXPECT_EQ(rowLabelled(dumps[2]["page"], "Name")["value"], nullptr);
    EXPECT_EQ(stored(Store::Enabled), enabled);
    EXPECT_EQ(stored(Store::Advanced), advanced);
}

}  // namespace
}  // namespace velmora::testing
