#include "device/foundation/plist_serialization.h"
#include "device/settings/profile.h"
#include "tests/support/temp_root.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <variant>

using device::settings::DeviceProfile;
using device::settings::ProfileError;

namespace {

std::string errorOf(const std::variant<DeviceProfile, ProfileError>& loaded)
{
    auto* error = std::get_if<ProfileError>(&loaded);
    return error ? error->message : "";
}

}  // namespace

TEST(ProfileTest, BuiltInProfilesDescribeAPhoneAndATablet)
{
    auto phone = device::settings::loadProfileNamed("phone");
    auto tablet = device::settings::loadProfileNamed("tablet");
    ASSERT_EQ(errorOf(phone), "");
    ASSERT_EQ(errorOf(tablet), "");
    EXPECT_FALSE(std::get<DeviceProfile>(phone).isTablet());
    EXPECT_TRUE(std::get<DeviceProfile>(tablet).isTablet());

    // The root list has what the library leans on: counted sections, a developer group before the
    // seventh, extension entries in it, and the entries named below.
    for (const auto* loaded : {&phone, &tablet}) {
        const auto& profile = std::get<DeviceProfile>(*loaded);
        int counted = 0;
        int tweakRows = 0;
        bool developerBeforeSeventh = false;
        bool hasCastle = false;
        bool hasBluetooth = false;
        for (const auto& entry : profile.entries) {
            if (entry.cell == "PSGroupCell") {
                if (entry.identifier == "DEVELOPER_SETTINGS") {
                    developerBeforeSeventh = counted == 6;
                } else {
                    ++counted;
                }
            } else if (counted == 7) {
                ++tweakRows;
            }
            hasCastle |= entry.identifier == "CASTLE" && entry.label == "iCloud";
            hasBluetooth |= entry.label == "Bluetooth";
        }
        EXPECT_GE(counted, 8) << profile.name;
        EXPECT_TRUE(developerBeforeSeventh) << profile.name;
        EXPECT_GE(tweakRows, 2) << profile.name;
        EXPECT_TRUE(hasCastle) << profile.name;
        EXPECT_TRUE(hasBluetooth) << profile.name;
    }
}

TEST(ProfileTest, MistakesAreReportedWithTheFileAndThePlace)
{
    testing_support::TempRoot dir;
    auto write = [&](const std::string& name, const std::string& text) {
        std::ofstream(dir.path() / name) << text;
        return (dir.path() / name).string();
    };
    auto missing = device::settings::loadProfile(dir.path() / "absent.plist");
    EXPECT_NE(errorOf(missing).find("absent.plist"), std::string::npos);

    auto garbage = write("garbage.plist", "not a plist at all");
    EXPECT_NE(errorOf(device::settings::loadProfile(garbage)).find("not a readable property list"), std::string::npos);

    using device::foundation::PlistArray;
    using device::foundation::PlistDictionary;
    PlistDictionary profile{{"name", "mine"},
                            {"model", "iPhone"},
                            {"machine", "iPhone6,1"},
                            {"screen", PlistDictionary{{"width", 320}, {"height", 568}, {"scale", 2}}},
                            {"entries", PlistArray{PlistDictionary{{"cell", "PSGroupCell"}},
                                                   PlistDictionary{{"cell", "PSWobbleCell"}, {"label", "X"}}}}};
    auto bad = write("bad.plist", device::foundation::serializePlistXml(profile));
    auto message = errorOf(device::settings::loadProfile(bad));
    EXPECT_NE(message.find("bad.plist"), std::string::npos) << message;
    EXPECT_NE(message.find("entries[1]"), std::string::npos) << message;
    EXPECT_NE(message.find("PSWobbleCell"), std::string::npos) << message;
}

TEST(ProfileTest, TextRowsAndEditableListsAreCheckedWhereTheyStand)
{
    testing_support::TempRoot dir;
    using device::foundation::PlistArray;
    using device::foundation::PlistDictionary;
    auto messageFor = [&](const std::string& name, const PlistDictionary& entry) {
        PlistDictionary profile{{"name", "mine"},
                                {"model", "iPhone"},
                                {"machine", "iPhone6,1"},
                                {"screen", PlistDictionary{{"width", 320}, {"height", 568}, {"scale", 2}}},
                                {"entries", PlistArray{PlistDictionary{{"cell", "PSGroupCell"}}, entry}}};
        std::ofstream(dir.path() / name) << device::foundation::serializePlistXml(profile);
        return errorOf(device::settings::loadProfile(dir.path() / name));
    };
    PlistArray rows{PlistDictionary{{"cell", "PSStaticTextCell"}, {"label", "English"}}};

    EXPECT_EQ(messageFor("name.plist", PlistDictionary{{"cell", "PSEditTextCell"}, {"label", "Name"}, {"value", true}}),
              (dir.path() / "name.plist").string() + ": entries[1]: the \"value\" of a PSEditTextCell must be a string");
    EXPECT_EQ(messageFor("flag.plist", PlistDictionary{{"cell", "PSLinkCell"}, {"label", "Keyboards"}, {"editable", "yes"},
                                                       {"page", rows}}),
              (dir.path() / "flag.plist").string() + ": entries[1]: \"editable\" must be a boolean");
    EXPECT_EQ(messageFor("empty.plist", PlistDictionary{{"cell", "PSLinkCell"}, {"label", "Keyboards"}, {"editable", true}}),
              (dir.path() / "empty.plist").string() + ": entries[1]: \"editable\" needs a \"page\" of rows to edit");

    messageFor("fine.plist", PlistDictionary{{"cell", "PSLinkCell"}, {"label", "Keyboards"}, {"editable", true},
                                             {"page", rows}});
    auto loaded = device::settings::loadProfile(dir.path() / "fine.plist");
    ASSERT_EQ(errorOf(loaded), "");
    EXPECT_TRUE(std::get<DeviceProfile>(loaded).entries[1].editable);
    EXPECT_FALSE(std::get<DeviceProfile>(loaded).entries[0].editable);
}

TEST(ProfileTest, UrlSchemesAreAnOptionalListOfSchemeNames)
{
    testing_support::TempRoot dir;
    using device::foundation::PlistArray;
    using device::foundation::PlistDictionary;
    using device::foundation::PlistValue;
    auto load = [&](const std::string& name, std::optional<PlistValue> schemes) {
        PlistDictionary profile{{"name", "mine"},
                                {"model", "iPhone"},
                                {"machine", "iPhone6,1"},
                                {"screen", PlistDictionary{{"width", 320}, {"height", 568}, {"scale", 2}}},
                                {"entries", PlistArray{PlistDictionary{{"cell", "PSGroupCell"}}}}};
        if (schemes) {
            profile.emplace("urlSchemes", *schemes);
        }
        std::ofstream(dir.path() / name) << device::foundation::serializePlistXml(profile);
        return device::settings::loadProfile(dir.path() / name);
    };
    auto path = [&](const std::string& name) { return (dir.path() / name).string(); };

    EXPECT_EQ(errorOf(load("word.plist", PlistValue("cydia"))),
              path("word.plist") + ": profile: \"urlSchemes\" must be an array of URL scheme names");
    EXPECT_EQ(errorOf(load("number.plist", PlistArray{PlistValue("cydia"), PlistValue(7)})),
              path("number.plist") + ": urlSchemes[1]: a URL scheme name must be a string");
    auto colon = errorOf(load("colon.plist", PlistArray{PlistValue("cydia:")}));
    EXPECT_EQ(colon.rfind(path("colon.plist") + ": urlSchemes[0]: \"cydia:\" is not a URL scheme name", 0), 0u)
        << colon;

    auto none = load("none.plist", std::nullopt);
    ASSERT_EQ(errorOf(none), "");
    EXPECT_TRUE(std::get<DeviceProfile>(none).urlSchemes.empty());
    auto some = load("some.plist", PlistArray{PlistValue("cydia"), PlistValue("x-callback+v1.0")});
    ASSERT_EQ(errorOf(some), "");
    EXPECT_EQ(std::get<DeviceProfile>(some).urlSchemes, (std::vector<std::string>{"cydia", "x-callback+v1.0"}));

    auto phone = device::settings::loadProfileNamed("phone");
    auto tablet = device::settings::loadProfileNamed("tablet");
    EXPECT_EQ(std::get<DeviceProfile>(phone).urlSchemes, (std::vector<std::string>{"cydia", "twitter"}));
    EXPECT_TRUE(std::get<DeviceProfile>(tablet).urlSchemes.empty());
}

TEST(ProfileTest, EveryFieldIsHeldToTheDocumentedFormat)
{
    testing_support::TempRoot dir;
    using device::foundation::PlistArray;
    using device::foundation::PlistDictionary;
    using device::foundation::PlistValue;
    PlistDictionary fine{{"name", "mine"},
                         {"model", "iPhone"},
                         {"machine", "iPhone6,1"},
                         {"screen", PlistDictionary{{"width", 320}, {"height", 568}, {"scale", 2}}},
                         {"entries", PlistArray{PlistDictionary{{"cell", "PSGroupCell"}}}}};
    auto messageFor = [&](const std::string& name, const std::string& key, const PlistValue& value) {
        PlistDictionary profile = fine;
        profile.insert_or_assign(key, value);
        std::ofstream(dir.path() / name) << device::foundation::serializePlistXml(profile);
        auto message = errorOf(device::settings::loadProfile(dir.path() / name));
        std::string file = (dir.path() / name).string() + ": ";
        return message.empty() || !message.starts_with(file) ? message : message.substr(file.size());
    };
    auto entries = [](const PlistDictionary& entry) {
        return PlistArray{PlistDictionary{{"cell", "PSGroupCell"}}, entry};
    };
    struct Case {
        std::string key;
        PlistValue value;
        std::string message;
    };
    for (const auto& [key, value, message] : std::initializer_list<Case>{
             {"entries",
              entries({{"cell", "PSTitleValueCell"}, {"label", "Wi-Fi"}, {"value", PlistDictionary{{"a", 1}}}}),
              "entries[1]: the \"value\" of a PSTitleValueCell must be a string"},
             {"entries", entries({{"cell", "PSLinkCell"}, {"label", "Wi-Fi"}, {"value", PlistArray{}}}),
              "entries[1]: the \"value\" of a PSLinkCell must be a string"},
             {"entries", entries({{"cell", "PSSwitchCell"}, {"label", "Airplane Mode"}, {"value", "on"}}),
              "entries[1]: the \"value\" of a PSSwitchCell must be a boolean"},
             {"entries", PlistArray{PlistDictionary{{"cell", "PSGroupCell"}, {"value", "x"}}},
              "entries[0]: a PSGroupCell takes no \"value\""},
             {"entries", entries({{"cell", "PSSwitchCell"}, {"label", "A"}, {"footer", "below"}}),
              "entries[1]: only a PSGroupCell takes a \"footer\""},
             {"entries",
              entries({{"cell", "PSSwitchCell"}, {"label", "A"}, {"page", PlistArray{PlistDictionary{{"cell", "PSGroupCell"}}}}}),
              "entries[1]: only a PSLinkCell takes a \"page\""},
             {"entries", entries({{"cell", "PSLinkCell"}, {"label", "A"}, {"lable", "B"}}),
              "entries[1]: unknown key \"lable\""},
             {"colour", "red", "profile: unknown key \"colour\""},
             {"screen", PlistDictionary{{"width", 320}, {"height", 568}, {"scale", 2.5}},
              "screen: \"scale\" must be a whole number from 1 to 10000"},
             {"screen", PlistDictionary{{"width", 320}, {"height", 568}, {"scale", 2}, {"depth", 8}},
              "screen: unknown key \"depth\""},
             {"languages", PlistArray{PlistValue("en"), PlistValue("english!")},
              "languages[1]: \"english!\" is not a language code such as en or fr"},
             {"languages", PlistArray{}, "profile: \"languages\" needs at least one language code"},
         }) {
        EXPECT_EQ(messageFor("case.plist", key, value), message) << message;
    }
    EXPECT_EQ(messageFor("fine.plist", "languages", PlistArray{PlistValue("pt-BR"), PlistValue("en")}), "");

    EXPECT_EQ(errorOf(device::settings::loadProfile(dir.path())), dir.path().string() + ": is a folder, not a device profile");
}
