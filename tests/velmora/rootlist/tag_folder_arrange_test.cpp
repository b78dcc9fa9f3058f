#include "tests/velmora/rootlist/tag_folder_sim.h"

#include <filesystem>

namespace velmora::testing {
namespace {

using device::foundation::PlistDictionary;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

using TagFolderArrangeTest = TagFolderSimTest;

// Whatever is left in arrange mode is what the page shows after a relaunch.
TEST_P(TagFolderArrangeTest, ReorderingAndRemovingHoldAcrossARelaunch)
{
    save(store::tagPositionStorePath("Apps"), {{"0", "Maps"}, {"1", kMail}, {"2", "Music"}});
    auto dumps = run("relaunch\ntap Apps\ntap Edit\ntap Reorder & Remove\ndump\ndrag Music to Maps\ndelete " + std::string(kMail)
                     + "\ndump\ntap Done\ndump\n" + (onTablet() ? "" : "back\ndump\n") + "relaunch\ntap Apps\ndump\n");
    ASSERT_EQ(dumps.size(), onTablet() ? 4u : 5u);
    // On a phone the page's own table arranges, on a tablet a form sheet's.
    const ordered_json& arranging = onTablet() ? dumps[0]["modal"]["page"] : dumps[0]["page"];
    EXPECT_TRUE(arranging["editing"]);
    EXPECT_THAT(labelsOf(arranging), ElementsAre("Maps", kMail, "Music"));
    if (onTablet()) {
        EXPECT_EQ(dumps[0]["modal"]["style"], "formsheet");
        EXPECT_EQ(arranging["left"], "Remove");
        EXPECT_EQ(arranging["right"], "Done");
    } else {
        EXPECT_FALSE(arranging.contains("search"));
        EXPECT_EQ(arranging["right"], "Done");
    }
    EXPECT_THAT(labelsOf(onTablet() ? dumps[1]["modal"]["page"] : dumps[1]["page"]), ElementsAre("Music", "Maps"));
    EXPECT_EQ(appsRecord()[kMail], false);

    const ordered_json& left = dumps[2];
    EXPECT_EQ(left["modal"], nullptr);
    EXPECT_FALSE(left["page"]["editing"]);
    EXPECT_EQ(left["page"]["right"], "Edit");
    EXPECT_EQ(left["page"]["search"]["placeholder"], "Search in Apps");
    EXPECT_THAT(labelsOf(left["page"]), ElementsAre("Music", "Maps"));
    EXPECT_EQ(appsOrder(), (PlistDictionary{{"0", "Music"}, {"1", "Maps"}}));

    EXPECT_THAT(labelsOf(rootOf(dumps[onTablet() ? 2 : 3])), Contains(kMail));
    EXPECT_THAT(labelsOf(dumps.back()["page"]), ElementsAre("Music", "Maps"));
}

TEST_P(TagFolderArrangeTest, LeavingWithoutAChangeWritesTheOrderShown)
{
    auto dumps = run("relaunch\ntap Apps\ndump\ntap Edit\ntap Reorder & Remove\ntap Done\n");
    ASSERT_EQ(dumps.size(), 1u);
    auto shown = labelsOf(dumps[0]["page"]);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(appsOrder(), (PlistDictionary{{"0", shown[0]}, {"1", shown[1]}, {"2", shown[2]}}));
}

// On a full disk neither a switch, a deleted row nor a new order is shown as kept, and each says so.
TEST_P(TagFolderArrangeTest, WhatCannotBeStoredIsNotShownAsKept)
{
    save(store::tagPositionStorePath("Apps"), {{"0", "Maps"}, {"1", kMail}, {"2", "Music"}});
    run("relaunch\ntap Apps\n");
    auto record = appsRecord();
    auto order = appsOrder();
    auto dumps = runOnFullDisk("tap Edit\ntap Add Entries\ntoggle Notes\ndump\ntap OK\ntap Done\ntap Edit\n"
                               "tap Reorder & Remove\ndrag Music to Maps\ndelete "
                               + std::string(kMail) + "\ndump\ntap OK\ntap Done\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    for (const auto& dump : dumps) {
        expectNotSaved(dump);
    }
    EXPECT_EQ(rowLabelled(dumps[0]["page"], "Notes")["on"], false);
    EXPECT_THAT(labelsOf(onTablet() ? dumps[1]["modal"]["page"] : dumps[1]["page"]), Contains(kMail));
    EXPECT_THAT(labelsOf(dumps[2]["page"]), ElementsAre("Maps", kMail, "Music"));
    EXPECT_EQ(appsRecord(), record);
    EXPECT_EQ(appsOrder(), order);
}

INSTANTIATE_TEST_SUITE_P(Profiles, TagFolderArrangeTest, ::testing::Values("phone", "tablet"));

class TabletFolderArrangeTest : public TagFolderSimTest {};

TEST_P(TabletFolderArrangeTest, RemoveEmptiesTheSheetAndDoneStillWritesTheOrder)
{
    save(store::tagPositionStorePath("Apps"), {{"0", "Music"}, {"1", "Maps"}, {"2", kMail}});
    auto dumps = run("relaunch\ntap Apps\ntap Edit\ntap Reorder & Remove\ntap Remove\ndump\ntap Done\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_THAT(dumps[0]["modal"]["page"]["sections"], IsEmpty());
    for (const char* member : {"Music", "Maps", kMail}) {
        EXPECT_EQ(appsRecord()[member], false) << member;
    }
    EXPECT_EQ(appsOrder(), (PlistDictionary{{"0", "Music"}, {"1", "Maps"}, {"2", kMail}}));
    EXPECT_EQ(dumps[1]["modal"], nullptr);
    EXPECT_THAT(labelsOf(dumps[1]["page"]), IsEmpty());
    EXPECT_THAT(labelsOf(dumps[1]["master"]), Contains(kMail));
}

INSTANTIATE_TEST_SUITE_P(Tablet, TabletFolderArrangeTest, ::testing::Values("tablet"));

// A tag name becomes part of a file name: one that climbs out of the preferences folder gets no
// order file, wherever it points.
class HostileTagNameTest : public PaneSimTest {};

TEST_F(HostileTagNameTest, ItsOrderIsNeverWrittenOutsideThePreferencesFolder)
{
    const std::string name = "x/../../escaped";
    save(store::Store::Enabled, {{"Enabled", true}});
    save(store::Store::Tag, {{"1", PlistDictionary{{"Name", name}, {"Maps", true}}}});
    // The folder the climb starts from exists, so the name alone must stop the write.
    m_device.writePlist(store::tagPositionStorePath("x/kept"), PlistDictionary{});
    auto dumps = run("relaunch\ntap " + name + "\ndump\ntap Edit\ntap Reorder & Remove\ntap Done\n");
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_THAT(labelsOf(dumps[0]["page"]), ElementsAre("Maps"));
    EXPECT_FALSE(exists("/var/mobile/Library/escaped.plist"));
    EXPECT_FALSE(exists(store::tagPositionStorePath(name)));
}

}  // namespace
}  // namespace velmora::testing
