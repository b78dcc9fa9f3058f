#include "tests/velmora/pane/pane_sim.h"

#include "device/foundation/property_list_file.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

using device::foundation::PlistDictionary;
using store::Store;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr const char* kInformation = "tap General\ntap Information\n";

class InfoPagesTest : public PaneSimTest {
protected:
    explicit InfoPagesTest(std::string profile = "phone") : PaneSimTest(std::move(profile)) {}
};

class TabletInfoPagesTest : public InfoPagesTest {
protected:
    TabletInfoPagesTest() : InfoPagesTest("tablet") {}
};

TEST_F(InfoPagesTest, TheChangeLogEndsAtTheFirstMissingRelease)
{
    m_device.boot();
    PlistDictionary release{{"Version", "2.0"}, {"Date", "May 1"}, {"Changes", "More"}};
    ASSERT_TRUE(device::foundation::writeToFile(
        PlistDictionary{{"0", release}, {"1", PlistDictionary{{"Version", "1.0"}, {"Date", "April 1"}, {"Changes", "First"}}},
                        {"3", release}},
        "/Library/Application Support/Velmora/ChangeLog.plist"));
    auto dumps = run(openPane() + kInformation + "tap Change Log\ndump\n");
    ASSERT_EQ(dumps.size(), 1u);
    const auto& page = dumps[0]["page"];
    EXPECT_THAT(labelsOf(page), ElementsAre("2.0", "1.0"));
    EXPECT_EQ(page["sections"][1]["footer"], "Released on April 1\nFirst");
}

TEST_F(InfoPagesTest, AnUnsupportedLanguageIsPointedOut)
{
    auto dumps = run("language pt\n" + openPane() + kInformation + "dump\nback\nback\nback\nlanguage fr\n"
                     + "tap Velmora\ntap Général\ntap Informations\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_EQ(rowLabelled(dumps[0]["page"], "Language")["value"], "pt");
    EXPECT_THAT(dumps[0]["page"]["sections"][1]["footer"].get<std::string>(), HasSubstr("not supported"));
    EXPECT_EQ(rowLabelled(dumps[0]["page"], "Version")["value"], "1.4.2");
    for (const auto& section : dumps[1]["page"]["sections"]) {
        EXPECT_THAT(section["footer"].is_null() ? std::string() : section["footer"].get<std::string>(),
                    Not(HasSubstr("supported")));
    }
}

TEST_F(InfoPagesTest, TheResetEmptiesTheTagsAndTheRootListFollowsWhenShown)
{
    save(Store::Enabled, {{"Enabled", true}});
    save(Store::Tag, {{"1", PlistDictionary{{"Name", "Work"}, {"Wi-Fi", true}}}});
    auto dumps = run("relaunch\n" + openPane() + kInformation + "tap User Guide\ntap Reset Tags\ndump\ntap OK\n");
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_EQ(dumps[0]["alert"]["title"], "Reset Complete");
    EXPECT_TRUE(stored(Store::Tag).empty());
    EXPECT_THAT(describeRootList(), Contains("Work"));

    auto root = run("back\nback\nback\nback\ndump\n");
    EXPECT_THAT(labelsOf(root[0]["page"]), Not(Contains("Work")));
    EXPECT_THAT(labelsOf(root[0]["page"]), Contains("Wi-Fi"));
}

TEST_F(TabletInfoPagesTest, OnATabletTheResetShowsOnTheRootListAtOnce)
{
    save(Store::Enabled, {{"Enabled", true}});
    save(Store::Tag, {{"1", PlistDictionary{{"Name", "Work"}, {"Wi-Fi", true}}}});
    auto dumps = run("relaunch\n" + openPane() + kInformation + "tap User Guide\ndump\ntap Reset Tags\ntap OK\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_THAT(labelsOf(dumps[0]["master"]), Contains("Work"));
    EXPECT_THAT(labelsOf(dumps[1]["master"]), Not(Contains("Work")));
    EXPECT_THAT(labelsOf(dumps[1]["master"]), Contains("Wi-Fi"));
}

TEST_F(InfoPagesTest, OutsidePagesOpenInTheAppsThePhoneHas)
{
    auto dumps = run(openPane("General") + "tap About\ntap Follow Me on Twitter\ndump\nback\ntap Check for Updates\ndump\n"
                     + "back\ntap More by Corvane\ntap DockTidy\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    EXPECT_EQ(dumps[0]["opened"], ordered_json::array({"twitter://user?screen_name=corvane"}));
    EXPECT_EQ(dumps[1]["opened"], ordered_json::array({"cydia://package/com.corvane.velmora"}));
    EXPECT_EQ(labelsOf(dumps[1]["page"]), std::vector<std::string>{"You are running version 1.4.2"});
    EXPECT_EQ(dumps[2]["opened"], ordered_json::array({"cydia://package/com.corvane.docktidy"}));
}

TEST_F(InfoPagesTest, TheHeartOpensTheComposeSheetWithItsText)
{
    auto dumps = run(openPane() + "tap Heart\ndump\ntap Cancel\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_THAT(dumps[0]["modal"]["texts"], Contains("I keep my Settings tidy with #Velmora!"));
    EXPECT_EQ(dumps[1]["modal"], nullptr);
    EXPECT_EQ(dumps[1]["page"]["title"], "Velmora");
}

TEST_F(TabletInfoPagesTest, WithoutTheAppsOnlyTheWebPageOpens)
{
    auto dumps = run(openPane("General") + "tap About\ntap Follow Me on Twitter\ndump\nback\ntap Check for Updates\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_EQ(dumps[0]["opened"], ordered_json::array({"https://twitter.com/intent/follow?screen_name=corvane"}));
    EXPECT_TRUE(dumps[1]["opened"].empty());
}

}  // namespace
}  // namespace velmora::testing
