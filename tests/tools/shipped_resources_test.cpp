#include "picturegen/manifest.h"

#include <gtest/gtest.h>
#include <plist/plist.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace tools {
namespace {

const std::filesystem::path kResources = VELMORA_RESOURCE_SOURCE_DIR;
const std::filesystem::path kVelmoraDir = "Library/Application Support/Velmora";
const std::filesystem::path kHostIconDir = "Applications/Preferences.app/Icons";

struct PlistFree {
    void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

PlistPtr loadPlist(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    const std::string xml = content.str();
    plist_t root = nullptr;
    plist_from_xml(xml.data(), static_cast<uint32_t>(xml.size()), &root);
    return PlistPtr(root);
}

std::string stringAt(plist_t dict, const char* key)
{
    const plist_t node = dict ? plist_dict_get_item(dict, key) : nullptr;
    if (node == nullptr || plist_get_node_type(node) != PLIST_STRING) {
        return {};
    }
    return plist_get_string_ptr(node, nullptr);
}

uint64_t numberAt(plist_t dict, const char* key)
{
    const plist_t node = plist_dict_get_item(dict, key);
    uint64_t value = 0;
    if (node != nullptr && plist_get_node_type(node) == PLIST_UINT) {
        plist_get_uint_val(node, &value);
    }
    return value;
}

std::set<std::filesystem::path> manifestFiles()
{
    std::set<std::filesystem::path> files;
    for (const Picture& picture : readManifest(kResources / "pictures.json")) {
        files.insert(picture.file);
    }
    return files;
}

const Picture& pictureAt(const std::vector<Picture>& pictures, const std::filesystem::path& file)
{
    const auto found = std::find_if(pictures.begin(), pictures.end(), [&](const Picture& p) { return p.file == file; });
    if (found == pictures.end()) {
        throw std::runtime_error("no picture " + file.string());
    }
    return *found;
}

class ProfileTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ProfileTest, DescribesItsDevice)
{
    const PlistPtr profile = loadPlist(kResources / "profiles" / (GetParam() + ".plist"));
    ASSERT_TRUE(profile);
    const bool phone = GetParam() == "phone";
    EXPECT_EQ(stringAt(profile.get(), "name"), GetParam());
    EXPECT_EQ(stringAt(profile.get(), "model"), phone ? "iPhone" : "iPad");
    EXPECT_EQ(stringAt(profile.get(), "machine"), phone ? "iPhone6,1" : "iPad3,4");
    EXPECT_EQ(stringAt(profile.get(), "system"), "7.1.2");
    const plist_t screen = plist_dict_get_item(profile.get(), "screen");
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(numberAt(screen, "width"), phone ? 320u : 768u);
    EXPECT_EQ(numberAt(screen, "height"), phone ? 568u : 1024u);
    EXPECT_EQ(numberAt(screen, "scale"), 2u);
    const plist_t languages = plist_dict_get_item(profile.get(), "languages");
    ASSERT_NE(languages, nullptr);
    ASSERT_EQ(plist_get_node_type(languages), PLIST_ARRAY);
    ASSERT_GE(plist_array_get_size(languages), 1u);
    EXPECT_EQ(std::string(plist_get_string_ptr(plist_array_get_item(languages, 0), nullptr)), "en");
}

void expectWellFormedRows(plist_t rows, const std::set<std::filesystem::path>& pictures, bool root,
                          const std::string& where)
{
    static const std::set<std::string> kCells = {"PSGroupCell",      "PSLinkCell",       "PSSwitchCell",
                                                 "PSTitleValueCell", "PSButtonCell",     "PSStaticTextCell",
                                                 "PSEditTextCell"};
    ASSERT_EQ(plist_get_node_type(rows), PLIST_ARRAY) << where;
    for (uint32_t i = 0; i < plist_array_get_size(rows); ++i) {
        const plist_t entry = plist_array_get_item(rows, i);
        const std::string at = where + "[" + std::to_string(i) + "]";
        const std::string cell = stringAt(entry, "cell");
        EXPECT_TRUE(kCells.contains(cell)) << at << ": cell \"" << cell << "\"";
        if (cell == "PSGroupCell") {
            continue;
        }
        const std::string label = stringAt(entry, "label");
        EXPECT_FALSE(label.empty()) << at;
        if (root) {
            const std::string icon = stringAt(entry, "icon");
            EXPECT_TRUE(pictures.contains(kHostIconDir / (icon + ".png"))) << at << " (" << label << "): icon \"" << icon << "\"";
        }
        if (const plist_t page = plist_dict_get_item(entry, "page")) {
            EXPECT_EQ(cell, "PSLinkCell") << at << ": only links open pages";
            expectWellFormedRows(page, pictures, false, at + " (" + label + ") page");
        } else {
            EXPECT_EQ(plist_dict_get_item(entry, "editable"), nullptr) << at << ": only pages are editable";
        }
    }
}

TEST_P(ProfileTest, RowsHaveKnownCellsLabelsAndDrawnIcons)
{
    const PlistPtr profile = loadPlist(kResources / "profiles" / (GetParam() + ".plist"));
    ASSERT_TRUE(profile);
    expectWellFormedRows(plist_dict_get_item(profile.get(), "entries"), manifestFiles(), true, "entries");
}

TEST_P(ProfileTest, SeventhCountedSectionHoldsTheTweaks)
{
    const PlistPtr profile = loadPlist(kResources / "profiles" / (GetParam() + ".plist"));
    ASSERT_TRUE(profile);
    const plist_t entries = plist_dict_get_item(profile.get(), "entries");
    int counted = -1;
    int tweakRows = 0;
    bool sawDeveloperGroup = false;
    std::set<std::string> identifiers;
    for (uint32_t i = 0; i < plist_array_get_size(entries); ++i) {
        const plist_t entry = plist_array_get_item(entries, i);
        const std::string identifier = stringAt(entry, "identifier");
        identifiers.insert(identifier.empty() ? stringAt(entry, "label") : identifier);
        if (stringAt(entry, "cell") != "PSGroupCell") {
            tweakRows += counted == 6 ? 1 : 0;
            continue;
        }
        if (identifier == "DEVELOPER_SETTINGS") {
            sawDeveloperGroup = true;
            continue;
        }
        ++counted;
        if (counted == 6) {
            EXPECT_EQ(identifier, "TWEAKS");
        }
    }
    EXPECT_TRUE(sawDeveloperGroup);
    EXPECT_GE(counted + 1, 8);
    EXPECT_GE(tweakRows, 3);
    EXPECT_TRUE(identifiers.contains("CASTLE"));
    EXPECT_TRUE(identifiers.contains("Bluetooth"));
}

INSTANTIATE_TEST_SUITE_P(Devices, ProfileTest, ::testing::Values("phone", "tablet"));

TEST(ShippedPicturesTest, EveryThemeHasEveryThemedIconAndTagPictures)
{
    const std::vector<Picture> pictures = readManifest(kResources / "pictures.json");
    const std::string names[] = {"icon",  "enableicon", "Generalicon", "hideicon", "security", "Tagsicon",
                                 "Themeicon", "addTagicon", "Heart", "dash", "dot", "noTabs", "pattern", "pattern1",
                                 "theme"};
    for (const std::string theme : {"Default", "Midnight"}) {
        const auto dir = kVelmoraDir / "Themes" / theme;
        for (const std::string& name : names) {
            EXPECT_NO_THROW(pictureAt(pictures, dir / (name + "@2x.png"))) << theme << " lacks " << name;
        }
        const auto tagIcons = std::count_if(pictures.begin(), pictures.end(), [&](const Picture& p) {
            return p.file.parent_path() == dir / "Icons" && p.file.filename().string().ends_with("@2x.png") &&
                   p.width == 58 && p.height == 58;
        });
        EXPECT_GE(tagIcons, 6) << theme;
        EXPECT_TRUE(std::filesystem::exists(kResources / "Themes" / theme / "developer.txt")) << theme;
    }
}

TEST(ShippedPicturesTest, SetUpPicturesAndDefaultTagIconHaveTheirSizes)
{
    const std::vector<Picture> pictures = readManifest(kResources / "pictures.json");
    const std::tuple<std::string, int, int> expected[] = {
        {"defaulttagicon.png", 58, 58}, {"Setup/iphone4.png", 640, 960}, {"Setup/iphone5.png", 640, 1136}};
    for (const auto& [file, width, height] : expected) {
        const Picture& picture = pictureAt(pictures, kVelmoraDir / file);
        EXPECT_EQ(picture.width, width) << file;
        EXPECT_EQ(picture.height, height) << file;
    }
    EXPECT_NO_THROW(pictureAt(pictures, kVelmoraDir / "Corvane.png"));
}

TEST(ShippedInformationTest, ChangeLogRunsWithoutGapsAndStartsAtTheCurrentVersion)
{
    const PlistPtr information = loadPlist(kResources / "informations.plist");
    const PlistPtr changeLog = loadPlist(kResources / "ChangeLog.plist");
    ASSERT_TRUE(information);
    ASSERT_TRUE(changeLog);
    const std::string version = stringAt(information.get(), "Version");
    EXPECT_FALSE(version.empty());

    const uint32_t count = plist_dict_get_size(changeLog.get());
    ASSERT_GE(count, 2u);
    for (uint32_t i = 0; i < count; ++i) {
        const plist_t entry = plist_dict_get_item(changeLog.get(), std::to_string(i).c_str());
        ASSERT_NE(entry, nullptr) << "key " << i;
        for (const char* key : {"Version", "Date", "Changes"}) {
            EXPECT_FALSE(stringAt(entry, key).empty()) << "entry " << i << " " << key;
        }
    }
    EXPECT_EQ(stringAt(plist_dict_get_item(changeLog.get(), "0"), "Version"), version);
}

}  // namespace
}  // namespace tools
