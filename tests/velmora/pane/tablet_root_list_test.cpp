#include "tests/velmora/pane/pane_sim.h"

#include "device/uikit/image.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

using device::foundation::PlistDictionary;
using store::Store;
using ::testing::Contains;
using ::testing::Not;

// On a tablet the root list stays beside the pane: every change it shows reaches it at once.
class TabletRootListTest : public PaneSimTest {
protected:
    TabletRootListTest() : PaneSimTest("tablet") {}

    std::vector<std::string> master(const ordered_json& dump) { return labelsOf(dump["master"]); }
};

TEST_F(TabletRootListTest, TagChangesShowBesideThePaneWithoutAnythingElse)
{
    save(Store::Enabled, {{"Enabled", true}});
    auto dumps = run("relaunch\n" + openPane("Tags") + "tap Add Tag\ntap Name\ntype Work\ntap return\ntap Save\ntap OK\n"
                     + "dump\nback\ntap Work\ntoggle Wi-Fi\ndump\ntap Name\nerase 4\ntype Office\ntap Hide KB\ndump\n"
                     + "tap Remove\ntap Ok\ndump\n");
    ASSERT_EQ(dumps.size(), 4u);
    EXPECT_THAT(master(dumps[0]), Contains("Work"));
    EXPECT_THAT(master(dumps[1]), Not(Contains("Wi-Fi")));
    EXPECT_THAT(master(dumps[2]), Contains("Office"));
    EXPECT_THAT(master(dumps[2]), Not(Contains("Work")));
    EXPECT_THAT(master(dumps[3]), Not(Contains("Office")));
    EXPECT_THAT(master(dumps[3]), Contains("Wi-Fi"));
}

TEST_F(TabletRootListTest, OptionsAndTheMasterSwitchShowBesideThePane)
{
    save(Store::Enabled, {{"Enabled", true}});
    save(Store::Tag, {{"1", PlistDictionary{{"Name", "Work"}, {"Wi-Fi", true}}}});
    auto dumps = run("relaunch\n" + openPane() + "tap General\ntap Advanced\ntoggle Tags as Groups\ndump\n"
                     + "tap Name\ntype Mine\ntap Hide KB\ndump\nback\nback\ntoggle Enabled\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    EXPECT_THAT(master(dumps[0]), Not(Contains("Work")));
    EXPECT_EQ(master(dumps[1]).back(), "Mine");
    EXPECT_THAT(master(dumps[2]), Contains("Wi-Fi"));
    EXPECT_EQ(dumps[2]["master"]["right"], nullptr);
}

TEST_F(TabletRootListTest, ANewThemeAndATagsNewIconShowBesideThePane)
{
    save(Store::Enabled, {{"Enabled", true}});
    save(Store::Tag, {{"1", PlistDictionary{{"Name", "Work"}}}});
    auto iconOf = [this](const std::string& name) {
        for (const auto& entry : m_device.root()->specifiers()) {
            if (entry->name() == name) {
                auto icon = entry->objectProperty<device::uikit::UIImage>("iconImage");
                return icon ? icon->sourcePath() : std::string();
            }
        }
        return std::string();
    };
    run("relaunch\n" + openPane("Themes") + "tap Midnight\ntap Select\ntap OK\n");
    EXPECT_THAT(iconOf("Velmora"), ::testing::HasSubstr("/Themes/Midnight/"));
    run("back\nback\ntap Tags\ntap Work\ntap Icon\ntap bolt\nback\nback\n");
    EXPECT_EQ(iconOf("Work"), "/Library/Application Support/Velmora/Themes/Midnight/Icons/bolt@2x.png");
}

}  // namespace
}  // namespace velmora::testing
