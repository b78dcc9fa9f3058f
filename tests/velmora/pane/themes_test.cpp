#include "tests/velmora/pane/pane_sim.h"

#include "device/foundation/file_manager.h"
#include "device/preferences/list_controller.h"
#include "device/graphics/png_codec.h"
#include "device/uikit/image.h"
#include "device/uikit/navigation_controller.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

using store::Store;
using ::testing::ElementsAre;

class ThemesTest : public PaneSimTest {
protected:
    // The picture behind the first row of the page on top.
    std::string firstIconOnTop()
    {
        auto* page = dynamic_cast<device::preferences::PSListController*>(
            m_device.root()->navigationController()->topViewController());
        auto icon = page ? page->specifiers().front()->objectProperty<device::uikit::UIImage>("iconImage") : nullptr;
        return icon ? icon->sourcePath() : std::string();
    }

    void writePicture(const std::string& path)
    {
        auto png = device::graphics::encodePng(device::graphics::Bitmap(2, 2));
        auto& files = device::foundation::FileManager::defaultManager();
        ASSERT_TRUE(png && files.writeAtomically(path, *png)) << path;
    }
};

TEST_F(ThemesTest, SelectingAThemeChangesTheIconsOfThePagesBuiltAfterwards)
{
    auto dumps = run(openPane("Themes") + "dump\ntap Default\ndump\nback\ntap Midnight\ntap Select\ndump\ntap OK\n"
                     + "dump\nback\ntap Midnight\ndump\nback\nback\n");
    ASSERT_EQ(dumps.size(), 5u);
    EXPECT_THAT(labelsOf(dumps[0]["page"]), ElementsAre("Default", "Midnight"));
    EXPECT_EQ(dumps[1]["page"]["right"], "Select");
    EXPECT_EQ(rowLabelled(dumps[1]["page"], "Designed by")["value"].get<std::string>().rfind("Corvane", 0), 0u);
    EXPECT_EQ(dumps[2]["alert"]["title"], "Theme Selected");
    EXPECT_EQ(dumps[3]["page"]["right"], nullptr);
    EXPECT_EQ(dumps[4]["page"]["right"], nullptr);
    EXPECT_EQ(stored(Store::Theme), (device::foundation::PlistDictionary{{"Selected", "Midnight"}}));
    EXPECT_THAT(firstIconOnTop(), ::testing::HasSubstr("/Themes/Midnight/enableicon@2x.png"));
}

TEST_F(ThemesTest, AThemePageListsItsIconsButNotItsPreview)
{
    m_device.boot();
    const std::string folder = "/Library/Application Support/Velmora/Themes/Plain";
    ASSERT_TRUE(device::foundation::FileManager::defaultManager().createDirectoryAtPath(folder));
    writePicture(folder + "/theme@2x.png");
    writePicture(folder + "/a@2x.png");
    writePicture(folder + "/b.png");
    auto dumps = run(openPane("Themes") + "tap Plain\ndump\n");
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_THAT(labelsOf(dumps[0]["page"]), ElementsAre("Designed by", "a"));
    EXPECT_EQ(rowLabelled(dumps[0]["page"], "Designed by")["value"], "Unknown");
    EXPECT_EQ(dumps[0]["page"]["sections"][0]["header"], "Plain");
}

}  // namespace
}  // namespace velmora::testing
