#include "tests/support/booted_device.h"

#include "monkey/root_list_check.h"
#include "monkey/sandbox.h"
#include "monkey/store_checks.h"

#include "device/preferences/specifier.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using device::foundation::PlistDictionary;
using testing::ElementsAre;
using testing::HasSubstr;
using testing_support::BootedDevice;

namespace {

constexpr std::string_view kPreferences = "/var/mobile/Library/Preferences/";

std::string preferencesFile(std::string_view name)
{
    return std::string(kPreferences) + std::string(name);
}

}  // namespace

TEST(MonkeyStoreChecks, PassAFreshDeviceAndNameEveryBrokenStore)
{
    BootedDevice phone;
    phone.writePlist(preferencesFile("com.corvane.velmora.tag.plist"),
                     PlistDictionary{{"1", PlistDictionary{{"Name", "Work"}}}, {"2", PlistDictionary{}}});
    phone.boot();
    EXPECT_THAT(monkey::checkStores(), ElementsAre());

    std::ofstream(phone.root_dir() / preferencesFile("com.corvane.velmora.hide.plist")) << "<plist><dict><key>cut";
    std::ofstream(phone.root_dir() / preferencesFile(".com.corvane.velmora.theme.plist.a1B2c3")) << "half";
    auto faults = monkey::checkStores();
    ASSERT_EQ(faults.size(), 2U);
    EXPECT_THAT(faults[0], HasSubstr(".com.corvane.velmora.theme.plist.a1B2c3 is left behind"));
    EXPECT_THAT(faults[1], HasSubstr("com.corvane.velmora.hide.plist does not read as a property list"));
}

TEST(MonkeyStoreChecks, TagNumbersMustRunFromOneWithoutAGap)
{
    BootedDevice phone;
    phone.boot();
    for (const auto& tags : {PlistDictionary{{"2", PlistDictionary{}}},
                             PlistDictionary{{"1", PlistDictionary{}}, {"3", PlistDictionary{}}},
                             PlistDictionary{{"1", PlistDictionary{}}, {"01", PlistDictionary{}}},
                             PlistDictionary{{"1", PlistDictionary{}}, {"Name", "Work"}}}) {
        phone.writePlist(preferencesFile("com.corvane.velmora.tag.plist"), tags);
        auto faults = monkey::checkStores();
        ASSERT_EQ(faults.size(), 1U);
        EXPECT_THAT(faults[0], HasSubstr("com.corvane.velmora.tag.plist"));
    }
}

TEST(MonkeyRootListCheck, NamesAnEntryListedTwiceButNotARepeatedGroup)
{
    BootedDevice phone;
    phone.boot();
    auto& entries = phone.root()->specifiers();
    EXPECT_THAT(monkey::entriesShownTwice(*phone.root()), ElementsAre());

    entries.push_back(device::preferences::PSSpecifier::groupSpecifierWithName("Twice"));
    entries.push_back(device::preferences::PSSpecifier::groupSpecifierWithName("Twice"));
    EXPECT_THAT(monkey::entriesShownTwice(*phone.root()), ElementsAre());

    auto notes = std::find_if(entries.begin(), entries.end(),
                              [](const auto& entry) { return entry->name() == "Notes"; });
    ASSERT_NE(notes, entries.end());
    entries.push_back(*notes);
    EXPECT_THAT(monkey::entriesShownTwice(*phone.root()), ElementsAre("Notes"));
}

TEST(MonkeySandbox, TellsWhatWasWrittenAnywhereButInADeviceRoot)
{
    testing_support::TempRoot folder;
    monkey::Sandbox sandbox(folder.path() / "run");
    std::filesystem::create_directories(sandbox.root("phone") / "var/mobile");
    std::ofstream(sandbox.root("tablet").string() + ".plist") << "beside";
    EXPECT_THAT(sandbox.writtenOutside(), ElementsAre("tablet.plist"));

    std::filesystem::remove(sandbox.root("tablet").string() + ".plist");
    std::filesystem::create_directories(folder.path() / "run/outside/.local/share");
    EXPECT_THAT(sandbox.writtenOutside(), ElementsAre("outside/.local", "outside/.local/share"));
}
