#include "tests/velmora/pane/pane_sim.h"

#include "device/render/view_raster.h"
#include "device/uikit/application.h"
#include "device/uikit/window.h"

#include <gmock/gmock.h>

#include <filesystem>

namespace velmora::testing {
namespace {

using device::foundation::PlistDictionary;
using store::Store;
using ::testing::ElementsAre;

constexpr const char* kStar = "/Library/Application Support/Velmora/Themes/Default/Icons/star@2x.png";
constexpr const char* kDefaultIcon = "/Library/Application Support/Velmora/defaulttagicon.png";

// Types a name into the add-tag page's field and saves.
std::string saveNamed(const std::string& name)
{
    return "tap Name\nerase 40\ntype " + name + "\ntap return\ntap Save\ndump\n";
}

class TagPagesTest : public PaneSimTest {
protected:
    void writeTags(const PlistDictionary& tags) { save(Store::Tag, tags); }
};

TEST_F(TagPagesTest, NewTagsAreNumberedInOrderAndTheirNamesChecked)
{
    // The tag list has just emptied the name: a Save at once finds an empty one.
    auto dumps = run(openPane("Tags") + "tap Add Tag\ndump\ntap Save\ndump\ntap Ok\n" + saveNamed("\" Lead\"") + "tap OK\n" + saveNamed("\"Trail \"") + "tap OK\n"
                     + saveNamed("a/b") + "tap OK\n" + saveNamed("..") + "tap OK\n"
                     + "tap Icon\ntap star\nback\n" + saveNamed("\"My Work\"") + "tap OK\ndump\ntap Save\ndump\n");
    ASSERT_EQ(dumps.size(), 9u);
    EXPECT_EQ(rowLabelled(dumps[0]["page"], "Tag Number")["value"], "1");

    struct Refusal {
        const char* title;
        const char* message;
        const char* button;
    };
    const Refusal refusals[] = {
        {"OK", "Please type a name for the tag.", "Ok"},
        {"Error", "A tag name cannot begin with a space.", "OK"},
        {"Error", "A tag name cannot end with a space.", "OK"},
        {"Error", "A tag name cannot contain a slash (/), and cannot be \".\" or \"..\".", "OK"},
        {"Error", "A tag name cannot contain a slash (/), and cannot be \".\" or \"..\".", "OK"},
    };
    for (std::size_t i = 0; i < std::size(refusals); ++i) {
        const auto& alert = dumps[i + 1]["alert"];
        EXPECT_EQ(alert["title"], refusals[i].title) << i;
        EXPECT_EQ(alert["message"], refusals[i].message) << i;
        EXPECT_EQ(alert["buttons"], ordered_json::array({refusals[i].button})) << i;
    }
    EXPECT_EQ(dumps[6]["alert"]["message"], "The tag has been saved.");
    EXPECT_EQ(rowLabelled(dumps[7]["page"], "Tag Number")["value"], "2");
    EXPECT_EQ(dumps[8]["alert"]["message"], "A tag with this name already exists.");
    EXPECT_EQ(stored(Store::Tag), (PlistDictionary{{"1", PlistDictionary{{"Name", "My Work"}, {"Icon", kStar}}}}));
}

TEST_F(TagPagesTest, ATypedIconPathIsKeptOnlyWhenAPictureIsThere)
{
    run(openPane("Tags") + "tap Add Tag\ntap Icon\ntap Icon Path\ntype /no/such/picture.png\ntap return\nback\n"
        + saveNamed("Nowhere") + "tap OK\ntap Icon\ntap Icon Path\nerase 40\ntype " + kDefaultIcon
        + "\ntap return\nback\n" + saveNamed("Somewhere"));
    auto tags = stored(Store::Tag);
    EXPECT_EQ(tags["1"], (PlistDictionary{{"Name", "Nowhere"}, {"Icon", kDefaultIcon}}));
    EXPECT_EQ(tags["2"], (PlistDictionary{{"Name", "Somewhere"}, {"Icon", kDefaultIcon}}));
}

TEST_F(TagPagesTest, AfterTheResetANewTagIsTagOneAgain)
{
    run(openPane("Tags") + "tap Add Tag\n" + saveNamed("Work") + "tap OK\n" + saveNamed("Home") + "tap OK\n"
        + "back\nback\ntap General\ntap Information\ntap User Guide\ntap Reset Tags\ntap OK\n"
        + "back\nback\nback\ntap Tags\ntap Add Tag\n" + saveNamed("Fresh") + "tap OK\n");
    auto tags = stored(Store::Tag);
    ASSERT_EQ(tags.size(), 1u);
    EXPECT_EQ(tags["1"].dictionary()->at("Name"), "Fresh");

    // A store emptied by hand while the app runs is no different.
    writeTags({});
    auto dumps = run("back\ntap Add Tag\ndump\n" + saveNamed("Again"));
    EXPECT_EQ(rowLabelled(dumps[0]["page"], "Tag Number")["value"], "1");
    EXPECT_EQ(stored(Store::Tag).count("1"), 1u);
}

TEST_F(TagPagesTest, RemovingATagMovesTheLaterOnesDownAndDeletesItsOrder)
{
    PlistDictionary three{{"1", PlistDictionary{{"Name", "Work"}}},
                          {"2", PlistDictionary{{"Name", "Home"}}},
                          {"3", PlistDictionary{{"Name", "Games"}}}};
    struct Case {
        const char* removed;
        std::vector<std::string> left;
    };
    for (const Case& test : {Case{"Work", {"Home", "Games"}}, Case{"Home", {"Work", "Games"}},
                             Case{"Games", {"Work", "Home"}}}) {
        writeTags(three);
        save(store::tagPositionStorePath(test.removed), {{"0", "Mail"}});
        auto dumps = run(openPane("Tags") + "tap " + test.removed + "\ntap Remove\ndump\ntap Ok\ndump\nback\nback\nback\n");
        ASSERT_EQ(dumps.size(), 2u);
        EXPECT_EQ(dumps[0]["alert"]["title"], "Tag Removed");
        EXPECT_TRUE(dumps[1]["page"]["sections"].empty()) << test.removed;
        auto tags = stored(Store::Tag);
        EXPECT_EQ(tags.size(), 2u) << test.removed;
        EXPECT_EQ(tags["1"].dictionary()->at("Name"), test.left[0]) << test.removed;
        EXPECT_EQ(tags["2"].dictionary()->at("Name"), test.left[1]) << test.removed;
        EXPECT_FALSE(exists(store::tagPositionStorePath(test.removed))) << test.removed;
    }
}

TEST_F(TagPagesTest, RenamingATagCarriesItsOrdersAlong)
{
    writeTags({{"1", PlistDictionary{{"Name", "Work"}, {"Wi-Fi", true}}}, {"2", PlistDictionary{{"Name", "Home"}}}});
    save(Store::Position, {{"0", "Work"}, {"1", "AIRPLANE_MODE"}});
    save(store::tagPositionStorePath("Work"), {{"0", "Wi-Fi"}});
    save(store::tagPositionStorePath("Office"), {{"0", "Left behind"}});

    auto dumps = run(openPane("Tags") + "tap Work\ntap Name\nerase 4\ntype Home\ntap Hide KB\ndump\ntap OK\n"
                     + "tap Name\nerase 4\ntype \"Work \"\ntap Hide KB\ndump\ntap OK\n"
                     + "tap Name\nerase 5\ntype ../../x\ntap Hide KB\ndump\ntap OK\n"
                     + "tap Name\nerase 7\ntype Office\ntap Hide KB\ndump\n");
    ASSERT_EQ(dumps.size(), 4u);
    EXPECT_EQ(dumps[0]["alert"]["message"], "A tag with this name already exists.");
    EXPECT_EQ(dumps[1]["alert"]["message"], "A tag name cannot be empty or begin or end with a space.");
    EXPECT_EQ(dumps[2]["alert"]["message"], "A tag name cannot contain a slash (/), and cannot be \".\" or \"..\".");
    EXPECT_EQ(dumps[3]["alert"], nullptr);
    EXPECT_EQ(dumps[3]["page"]["title"], "Office");

    auto tags = stored(Store::Tag);
    EXPECT_EQ(tags["1"], (PlistDictionary{{"Name", "Office"}, {"Wi-Fi", true}}));
    EXPECT_EQ(stored(Store::Position), (PlistDictionary{{"0", "Office"}, {"1", "AIRPLANE_MODE"}}));
    EXPECT_EQ(storedAt(store::tagPositionStorePath("Office")), (PlistDictionary{{"0", "Wi-Fi"}}));
    EXPECT_FALSE(exists(store::tagPositionStorePath("Work")));
    EXPECT_FALSE(exists("/var/mobile/Library/x.plist"));
}

TEST_F(TagPagesTest, MembersAreSwitchedInTheEditorAndLeaveTheRootList)
{
    writeTags({{"1", PlistDictionary{{"Name", "Work"}}}, {"2", PlistDictionary{{"Name", "Home"}, {"Notes", true}}}});
    save(Store::Enabled, {{"Enabled", true}});
    auto dumps = run(openPane("Tags") + "tap Work\ndump\ntoggle Wi-Fi\ntoggle Wi-Fi\ntoggle Wi-Fi\nback\nback\nback\ndump\n");
    ASSERT_EQ(dumps.size(), 2u);
    auto offered = labelsOf(dumps[0]["page"]);
    for (const char* kept : {"Bluetooth", "iCloud", "Notes"}) {
        EXPECT_THAT(offered, ::testing::Not(::testing::Contains(kept))) << kept;
    }
    EXPECT_THAT(offered, ::testing::Contains("Wi-Fi"));
    EXPECT_EQ(stored(Store::Tag)["1"], (PlistDictionary{{"Name", "Work"}, {"Wi-Fi", true}}));
    auto root = labelsOf(dumps[1]["page"]);
    EXPECT_THAT(root, ::testing::Not(::testing::Contains("Wi-Fi")));
    EXPECT_THAT(root, ::testing::Contains("Work"));
}

TEST_F(TagPagesTest, TheChooserTicksATagsIconAndTheEditorStoresANewOneWhenLeft)
{
    writeTags({{"1", PlistDictionary{{"Name", "Work"}, {"Icon", kStar}}}});
    run(openPane("Tags") + "tap Work\ntap Icon\n");
    auto icons = stored(Store::Icons);
    EXPECT_EQ(icons["star"], "true");
    EXPECT_EQ(icons["bolt"], "false");

    run("tap bolt\nback\n");
    EXPECT_EQ(stored(Store::Tag)["1"].dictionary()->at("Icon"), kStar);
    run("back\n");
    EXPECT_EQ(stored(Store::Tag)["1"].dictionary()->at("Icon"),
              "/Library/Application Support/Velmora/Themes/Default/Icons/bolt@2x.png");
}

// The editor builds its rows as its table first asks for them; the picture shows those rows where
// they are, not a row of the list drawn over the name field.
TEST_F(TagPagesTest, TheEditorIsDrawnAsItsRowsAre)
{
    writeTags({{"1", PlistDictionary{{"Name", "Work"}}}});
    run(openPane("Tags") + "tap Work\n");
    auto screen = device::render::renderWindow(*device::uikit::UIApplication::sharedApplication().keyWindow());
    // Below the name's letters, where another row would show its icon.
    const std::uint8_t* belowName = screen.pixel(30 * 2, 134 * 2);
    EXPECT_EQ(belowName[0], 255);
    EXPECT_EQ(belowName[1], 255);
    EXPECT_EQ(belowName[2], 255);
}

TEST_F(TagPagesTest, AStoreThatCannotBeWrittenShowsAnErrorAndChangesNothing)
{
    std::filesystem::create_directories(m_device.root_dir() / store::storePath(Store::Tag));
    std::filesystem::create_directories(m_device.root_dir() / store::storePath(Store::Theme));
    auto dumps = run(openPane("Tags") + "tap Add Tag\n" + saveNamed("Work") + "tap OK\ndump\nback\nback\n"
                     + "tap General\ntap Information\ntap User Guide\ntap Reset Tags\ndump\ntap OK\n"
                     + "back\nback\nback\ntap Themes\ntap Midnight\ntap Select\ndump\n");
    ASSERT_EQ(dumps.size(), 4u);
    for (std::size_t i : {0, 2, 3}) {
        expectNotSaved(dumps[i]);
    }
    EXPECT_EQ(rowLabelled(dumps[1]["page"], "Tag Number")["value"], "1");
    EXPECT_EQ(dumps[3]["page"]["right"], "Select");
}

// On a full disk the tag pages show what is stored, not what was asked: a member switch flips back,
// the chooser keeps the stored tick and path, a typed name goes, and the user hears of each.
TEST_F(TagPagesTest, OnAFullDiskTheTagPagesShowWhatIsStored)
{
    writeTags({{"1", PlistDictionary{{"Name", "Work"}, {"Icon", kStar}}}});
    run(openPane("Tags") + "tap Work\n");
    auto tags = stored(Store::Tag);
    auto scratch = stored(Store::Temp);
    auto ticks = stored(Store::Icons);
    auto dumps = runOnFullDisk("toggle Wi-Fi\ndump\ntap OK\ntap Icon\ndump\ntap bolt\ndump\ntap OK\n");
    ASSERT_EQ(dumps.size(), 3u);
    expectNotSaved(dumps[0]);
    EXPECT_EQ(rowLabelled(dumps[0]["page"], "Wi-Fi")["on"], false);
    EXPECT_EQ(dumps[1]["alert"], nullptr);
    expectNotSaved(dumps[2]);
    EXPECT_EQ(rowLabelled(dumps[2]["page"], "Icon Path")["value"], kStar);
    auto* chooser = dynamic_cast<device::preferences::PSListController*>(
        m_device.root()->navigationController()->topViewController());
    ASSERT_NE(chooser, nullptr);
    for (const auto& row : chooser->specifiers()) {
        if (row->nameOrEmpty() == "star" || row->nameOrEmpty() == "bolt") {
            const bool* checked = std::get_if<bool>(row->propertyForKey("checked"));
            EXPECT_EQ(checked && *checked, row->nameOrEmpty() == "star") << row->nameOrEmpty();
        }
    }

    // Chosen where it could be stored, the icon cannot reach the tag when the editor is left; it is
    // then still in the scratch store, where the next tag would take it, so the tag list says so too.
    run("tap bolt\n");
    scratch = stored(Store::Temp);
    ticks = stored(Store::Icons);
    dumps = runOnFullDisk("back\nback\ndump\ntap OK\ndump\ntap OK\n"
                          "tap Add Tag\ntap Name\ntype Home\ntap return\ndump\n");
    ASSERT_EQ(dumps.size(), 3u);
    for (const auto& dump : dumps) {
        expectNotSaved(dump);
    }
    EXPECT_EQ(dumps[1]["page"]["title"], "Tags");
    EXPECT_EQ(rowLabelled(dumps[2]["page"], "Name")["value"], nullptr);
    EXPECT_EQ(stored(Store::Tag), tags);
    EXPECT_EQ(stored(Store::Temp), scratch);
    EXPECT_EQ(stored(Store::Icons), ticks);
}

// A renamed tag whose place in a long root order cannot follow it keeps its old name, and its place.
TEST_F(TagPagesTest, ARenameTheRootOrderCannotFollowIsUndone)
{
    writeTags({{"1", PlistDictionary{{"Name", "Work"}}}});
    PlistDictionary order{{"0", "Work"}};
    for (long place = 1; place < 300; ++place) {
        order[store::decimalKey(place)] = "ENTRY_" + std::to_string(place);
    }
    save(Store::Position, order);
    save(store::tagPositionStorePath("Work"), {{"0", "Wi-Fi"}});
    run(openPane("Tags") + "tap Work\n");
    auto tags = stored(Store::Tag);
    // Room for the tag store, not for the order.
    auto dumps = runOnFullDisk("tap Name\nerase 4\ntype Office\ntap Hide KB\ndump\n", 4096);
    ASSERT_EQ(dumps.size(), 1u);
    expectNotSaved(dumps[0]);
    EXPECT_EQ(dumps[0]["page"]["title"], "Work");
    EXPECT_EQ(rowLabelled(dumps[0]["page"], "Name")["value"], "Work");
    EXPECT_EQ(stored(Store::Tag), tags);
    EXPECT_EQ(stored(Store::Position), order);
    EXPECT_FALSE(exists(store::tagPositionStorePath("Office")));
}

}  // namespace
}  // namespace velmora::testing
