#include "tests/velmora/support/library_test.h"

#include "velmora/core/shared_state.h"

#include "device/foundation/file_manager.h"
#include "device/objc/message.h"
#include "device/uikit/image.h"

#include <gmock/gmock.h>

namespace velmora::testing {
namespace {

namespace objc = device::objc;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Eight counted sections: the seventh ("S6") is the tweak section; developer groups are not counted.
std::vector<ProfileEntry> hostList()
{
    return {group("S0"), row("Wi-Fi"), group("S1"), row("General"), row("Wallpaper"), group("S2"),
            row("iCloud", "CASTLE"), row("Mail"), group("S3"), row("Music"), group("S4"), row("Photos"),
            group("S5"), row("Notes"), group("Dev", "DEVELOPER_SETTINGS"), row("Developer"), group("S6"),
            row("Tweak A"), row("Tweak B"), group("Dev 2", "DEVELOPER_SETTINGS"), row("Tweak C"), group("S7"),
            row("App")};
}

class RebuildTest : public LibraryTest {
protected:
    std::vector<std::string> rebuilt(std::vector<ProfileEntry> host = hostList())
    {
        m_controller = rootList(std::move(host));
        objc::msgSend<void>(m_controller.get(), "reloadSpecifiers");
        return describe(m_controller->specifiers());
    }

    std::shared_ptr<device::preferences::PSSpecifier> entryNamed(std::string_view name) const
    {
        for (const auto& entry : m_controller->specifiers()) {
            if (entry->name() == name) {
                return entry;
            }
        }
        return nullptr;
    }

    std::shared_ptr<device::settings::PrefsListController> m_controller;
};

struct Configuration {
    const char* rule;
    bool masterSwitch;
    PlistDictionary hide;
    PlistDictionary tags;
    PlistDictionary advanced;
    std::vector<std::string> expected;
};

PlistDictionary tag(std::string name, std::vector<std::string> members)
{
    PlistDictionary record{{"Name", std::move(name)}};
    for (auto& member : members) {
        record[member] = true;
    }
    return record;
}

TEST_F(RebuildTest, EachConfigurationOfTheStoresGivesItsList)
{
    const Configuration configurations[] = {
        {"master switch off: nothing hidden or folded", false, {{"Wallpaper", true}, {"Dividers", true}},
         {{"1", tag("Social", {"Mail"})}}, {},
         {"[S0]", "Wi-Fi", "[S1]", "General", "Wallpaper", "[S2]", "iCloud", "Mail", "[S3]", "Music", "[S4]",
          "Photos", "[S5]", "Notes", "[Dev]", "Developer", "[S6]", "Tweak A", "Tweak B", "[Dev 2]", "Tweak C",
          "[S7]", "App", "[]", "Velmora"}},
        {"the tweak section moves to the end without its group; hidden entries leave", true,
         {{"Wallpaper", true}, {"Tweak B", true}, {"Dividers", false}}, {}, {},
         {"[S0]", "Wi-Fi", "[S1]", "General", "[S2]", "iCloud", "Mail", "[S3]", "Music", "[S4]", "Photos", "[S5]",
          "Notes", "[Dev]", "Developer", "[S7]", "App", "Tweak A", "[Dev 2]", "Tweak C", "[]", "Velmora"}},
        {"tweaks shown in the pane stay in place", true, {}, {}, {{"Locat", true}},
         {"[S0]", "Wi-Fi", "[S1]", "General", "Wallpaper", "[S2]", "iCloud", "Mail", "[S3]", "Music", "[S4]",
          "Photos", "[S5]", "Notes", "[Dev]", "Developer", "Tweak A", "Tweak B", "[Dev 2]", "Tweak C", "[S7]", "App",
          "[]", "Velmora"}},
        {"hidden dividers make one flat list", true, {{"Dividers", true}, {"Music", true}}, {}, {},
         {"Wi-Fi", "General", "Wallpaper", "iCloud", "Mail", "Photos", "Notes", "Developer", "Tweak A", "Tweak B",
          "Tweak C", "App", "Velmora"}},
        {"appending moves: with tweaks in the pane they stay ahead of the kept rows", true, {{"Dividers", true}}, {},
         {{"Locat", true}},
         {"Tweak A", "Tweak B", "Tweak C", "Wi-Fi", "General", "Wallpaper", "iCloud", "Mail", "Music", "Photos",
          "Notes", "Developer", "App", "Velmora"}},
        {"members fold into folders after a divider; iCloud stays; emptied S3 goes", true, {},
         {{"1", tag("Social", {"Mail", "Music", "iCloud", "Tweak A"})}, {"2", tag("Work", {"General"})}}, {},
         {"[S0]", "Wi-Fi", "[S1]", "Wallpaper", "[S2]", "iCloud", "[S4]", "Photos", "[S5]", "Notes", "[Dev]",
          "Developer", "[S7]", "App", "Tweak B", "[Dev 2]", "Tweak C", "[]", "Social", "Work", "[]", "Velmora"}},
        {"a hidden member stays hidden", true, {{"Mail", true}}, {{"1", tag("Social", {"Mail", "Wi-Fi"})}}, {},
         {"[S1]", "General", "Wallpaper", "[S2]", "iCloud", "[S3]", "Music", "[S4]", "Photos", "[S5]", "Notes",
          "[Dev]", "Developer", "[S7]", "App", "Tweak A", "Tweak B", "[Dev 2]", "Tweak C", "[]", "Social", "[]",
          "Velmora"}},
        {"tags stop at the first gap; a record without a name gives a nameless folder", true, {},
         {{"1", PlistDictionary{{"Mail", true}}}, {"3", tag("Third", {"Music"})}}, {},
         {"[S0]", "Wi-Fi", "[S1]", "General", "Wallpaper", "[S2]", "iCloud", "[S3]", "Music", "[S4]", "Photos",
          "[S5]", "Notes", "[Dev]", "Developer", "[S7]", "App", "Tweak A", "Tweak B", "[Dev 2]", "Tweak C", "[]",
          "<none>", "[]", "Velmora"}},
        {"only untagged and unhidden tweaks move", true, {{"Tweak C", true}},
         {{"1", tag("Tweaks", {"Tweak B"})}, {"2", tag("More", {"Tweak A"})}}, {},
         {"[S0]", "Wi-Fi", "[S1]", "General", "Wallpaper", "[S2]", "iCloud", "Mail", "[S3]", "Music", "[S4]",
          "Photos", "[S5]", "Notes", "[Dev]", "Developer", "[S7]", "App", "[]", "Tweaks", "More", "[]", "Velmora"}},
        {"tags shown in the pane add nothing", true, {}, {{"1", tag("Social", {"Mail"})}}, {{"Groups", true}},
         {"[S0]", "Wi-Fi", "[S1]", "General", "Wallpaper", "[S2]", "iCloud", "Mail", "[S3]", "Music", "[S4]",
          "Photos", "[S5]", "Notes", "[Dev]", "Developer", "[S7]", "App", "Tweak A", "Tweak B", "[Dev 2]", "Tweak C",
          "[]", "Velmora"}},
        {"with hidden dividers folders come last", true, {{"Dividers", true}},
         {{"1", tag("Social", {"Mail", "Tweak A"})}}, {},
         {"Wi-Fi", "General", "Wallpaper", "iCloud", "Music", "Photos", "Notes", "Developer", "Tweak B", "Tweak C",
          "App", "Social", "Velmora"}},
    };
    for (const auto& configuration : configurations) {
        SCOPED_TRACE(configuration.rule);
        writeStore(Store::Enabled, {{"Enabled", configuration.masterSwitch}});
        writeStore(Store::Hide, configuration.hide);
        writeStore(Store::Tag, configuration.tags);
        writeStore(Store::Advanced, configuration.advanced);
        EXPECT_THAT(rebuilt(), ElementsAreArray(configuration.expected));
    }
}

TEST_F(RebuildTest, TheTweakSectionIsTheSeventhCountedSection)
{
    rebuilt();
    EXPECT_THAT(describe(core::sharedState().tweakSection),
                ElementsAre("[S6]", "Tweak A", "Tweak B", "[Dev 2]", "Tweak C"));
    writeStore(Store::Enabled, {{"Enabled", true}});
    EXPECT_THAT(rebuilt({group("S0"), row("A"), group("D", "DEVELOPER_SETTINGS"), row("B")}),
                ElementsAre("[S0]", "A", "[D]", "B", "[]", "Velmora"));
    EXPECT_TRUE(core::sharedState().tweakSection.empty());
}

TEST_F(RebuildTest, FolderEntriesOpenTagFolderPagesWithTheTagsIcon)
{
    writePicture("/var/mobile/Media/social.png");
    writeStore(Store::Enabled, {{"Enabled", true}});
    writeStore(Store::Tag, {{"1", PlistDictionary{{"Name", "Social"}, {"Icon", "/var/mobile/Media/social.png"}}},
                            {"2", PlistDictionary{{"Name", "Work"}, {"Icon", "/nowhere.png"}}}});
    rebuilt();
    auto social = entryNamed("Social");
    ASSERT_TRUE(social);
    EXPECT_EQ(social->identifier(), "Social");
    EXPECT_EQ(social->cellType(), device::preferences::PSLinkCell);
    EXPECT_STREQ(objc::class_getName(social->detailControllerClass()), "TagFolder");
    EXPECT_EQ(social->target(), m_controller.get());
    auto icon = social->objectProperty<device::uikit::UIImage>("iconImage");
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->sourcePath(), "/var/mobile/Media/social.png");
    EXPECT_EQ(entryNamed("Work")->propertyForKey("iconImage"), nullptr);
}

TEST_F(RebuildTest, DuplicateNamesGetBlanksInOnePassAndStoresUseTheNewNames)
{
    std::vector<ProfileEntry> host{group("S0"), row("Mail", "M1"), row("Mail", "M2"), row("Mail", "M3"),
                                   row("Notes"), row("Mail", "M4")};
    EXPECT_THAT(rebuilt(host), ElementsAre("[S0]", "Mail", "Mail ", "Mail", "Notes", "Mail  ", "[]", "Velmora"));
    EXPECT_THAT(core::sharedState().duplicateNames, ElementsAre("Mail", "Mail"));

    writeStore(Store::Enabled, {{"Enabled", true}});
    writeStore(Store::Hide, {{"Mail ", true}});
    EXPECT_THAT(rebuilt(host), ElementsAre("[S0]", "Mail", "Mail", "Notes", "Mail  ", "[]", "Velmora"));
    EXPECT_EQ(entryNamed("Mail  ")->identifier(), "M4");

    writeStore(Store::Hide, {});
    writeStore(Store::Tag, {{"1", tag("Box", {"Mail"})}});
    EXPECT_THAT(rebuilt(host), ElementsAre("[S0]", "Mail ", "Notes", "Mail  ", "[]", "Box", "[]", "Velmora"));
}

TEST_F(RebuildTest, TheLibraryEntryComesLastTitledByTheNameOptionOfTheInterfaceLanguage)
{
    writePicture("/Library/Application Support/Velmora/Themes/Default/icon@2x.png");
    rebuilt();
    auto entry = m_controller->specifiers().back();
    EXPECT_EQ(entry->name(), "Velmora");
    EXPECT_EQ(entry->cellType(), device::preferences::PSLinkCell);
    EXPECT_STREQ(objc::class_getName(entry->detailControllerClass()), "VelmoraController");
    auto icon = entry->objectProperty<device::uikit::UIImage>("iconImage");
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->sourcePath(), "/Library/Application Support/Velmora/Themes/Default/icon@2x.png");

    writeStore(Store::Advanced, {{"Name", ""}});
    EXPECT_EQ(rebuilt().back(), "Velmora");
    writeStore(Store::Advanced, {{"Name", "Organiser"}});
    EXPECT_EQ(rebuilt().back(), "Organiser");

    writeTranslations("it", {{"name", "Nome"}});
    writeStore(Store::Advanced, {{"language", "it"}, {"Name", "Organiser"}});
    EXPECT_EQ(rebuilt().back(), "Velmora");
    writeStore(Store::Advanced, {{"language", "it"}, {"Nome", "Organizzatore"}});
    EXPECT_EQ(rebuilt().back(), "Organizzatore");
}

TEST_F(RebuildTest, EachStoreTranslationAndIconFileIsReadOncePerRebuild)
{
    const std::string icon = "/Library/Application Support/Velmora/defaulttagicon.png";
    writePicture(icon);
    writeTranslations("it", {{"anim", "Animazione"}});
    writeStore(Store::Enabled, {{"Enabled", true}});
    writeStore(Store::Advanced, {{"language", "it"}, {"Animazione", true}, {"Refresh", true}});
    writeStore(Store::Hide, {{"Dividers", true}, {"Mail", true}});
    PlistDictionary social = tag("Social", {"Music"});
    PlistDictionary work = tag("Work", {"General"});
    social["Icon"] = icon;
    work["Icon"] = icon;
    writeStore(Store::Tag, {{"1", social}, {"2", work}});
    writeStore(Store::Position, {{"0", "App"}, {"1", "Wi-Fi"}});
    m_controller = rootList(hostList());
    const std::vector<std::string> files{store::storePath(Store::Enabled), store::storePath(Store::Advanced),
                                         store::storePath(Store::Hide),    store::storePath(Store::Tag),
                                         store::storePath(Store::Position), store::storePath(Store::Theme),
                                         "/Library/Application Support/Velmora/Languages/it.plist",
                                         "/Library/Application Support/Velmora/Languages/en.plist", icon};
    auto& fileManager = device::foundation::FileManager::defaultManager();
    std::vector<std::size_t> before;
    for (const auto& file : files) {
        before.push_back(fileManager.readCount(file));
    }
    objc::msgSend<void>(m_controller.get(), "reloadSpecifiers");
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(fileManager.readCount(files[i]) - before[i], 1u) << files[i];
    }
    EXPECT_THAT(describe(m_controller->specifiers()),
                ElementsAre("App", "Wi-Fi", "Wallpaper", "iCloud", "Photos", "Notes", "Developer", "Tweak A",
                            "Tweak B", "Tweak C", "Social", "Work", "Velmora"));
    for (const char* folder : {"Social", "Work"}) {
        auto picture = entryNamed(folder)->objectProperty<device::uikit::UIImage>("iconImage");
        ASSERT_TRUE(picture) << folder;
        EXPECT_EQ(picture->sourcePath(), icon);
    }
}

}  // namespace
}  // namespace velmora::testing
