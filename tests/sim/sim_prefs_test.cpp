#include "tests/sim/sim_run.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

#include <fstream>

using device::foundation::PlistArray;
using device::foundation::PlistData;
using device::foundation::PlistDictionary;
using nlohmann::ordered_json;
using testing_support::BootedDevice;
using testing_support::jsonLines;
using testing_support::Library;
using testing_support::runSim;

namespace {

constexpr std::string_view kPreferences = "/var/mobile/Library/Preferences/";

std::string storePath(std::string_view shortName)
{
    return std::string(kPreferences) + "com.corvane.velmora." + std::string(shortName) + ".plist";
}

}  // namespace

TEST(SimPrefs, PrintsEveryStoreByShortNameWithTheirValuesAsJson)
{
    BootedDevice phone("phone", Library::None);
    phone.writePlist(storePath("enabled"), PlistDictionary{{"Enabled", true}});
    phone.writePlist(storePath("position_Work"),
                     PlistDictionary{{"0", "Wi-Fi"},
                                     {"ratio", 0.5},
                                     {"picture", PlistData{1, 2, 3, 4}},
                                     {"list", PlistArray{7, "seven", PlistDictionary{{"deep", false}}}}});
    std::filesystem::create_directories((phone.root_dir() / kPreferences));
    std::ofstream(phone.root_dir() / storePath("hide")) << "<plist><dict><key>cut";

    auto run = runSim(phone.boot(), "prefs\nprefs position_Work\nprefs tag");
    ASSERT_EQ(run.exit, 0) << run.err;
    auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 3u);

    std::vector<std::string> names;
    for (const auto& item : lines[0].items()) {
        names.push_back(item.key());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"enabled", "advanced", "hide", "tag", "position", "protected", "theme",
                                               "icons", "temp", "position_Work"}));
    EXPECT_EQ(lines[0]["enabled"], ordered_json::parse(R"({"Enabled": true})"));
    EXPECT_EQ(lines[0]["hide"], ordered_json::object());
    EXPECT_NE(run.err.find(storePath("hide")), std::string::npos) << "an unreadable store is named";
    EXPECT_EQ(lines[1], ordered_json::parse(
                            R"({"0":"Wi-Fi","list":[7,"seven",{"deep":false}],"picture":"AQIDBA==","ratio":0.5})"));
    EXPECT_EQ(lines[2], ordered_json::object());
}

TEST(SimPrefs, AnUnknownStoreIsAnError)
{
    BootedDevice phone("phone", Library::None);
    auto run = runSim(phone.boot(), "prefs\nprefs position_../../etc");
    EXPECT_EQ(run.exit, 2);
    EXPECT_NE(run.err.find("test, line 2: prefs: no store is called \"position_../../etc\""), std::string::npos)
        << run.err;
}
