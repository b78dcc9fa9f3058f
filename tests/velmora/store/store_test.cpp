#include "tests/velmora/support/library_test.h"

#include "velmora/store/tag_records.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

namespace velmora::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(LibraryTest, StoresAreWholeDictionariesUnderTheirShortNames)
{
    EXPECT_EQ(store::storePath(Store::Protected),
              "/var/mobile/Library/Preferences/com.corvane.velmora.protected.plist");
    EXPECT_EQ(store::tagPositionStorePath("Social"),
              "/var/mobile/Library/Preferences/com.corvane.velmora.position_Social.plist");

    PlistDictionary tags{{"1", PlistDictionary{{"Name", "Social"}, {"Mail", true}}}};
    EXPECT_TRUE(store::save(Store::Tag, tags));
    EXPECT_TRUE(std::filesystem::exists(m_root / "/var/mobile/Library/Preferences/com.corvane.velmora.tag.plist"));
    EXPECT_EQ(store::load(Store::Tag), tags);
    EXPECT_TRUE(store::save(Store::Tag, {}));
    EXPECT_THAT(store::load(Store::Tag), IsEmpty());
}

TEST_F(LibraryTest, FilesThatAreNotAStoreReadAsEmpty)
{
    std::string xml = R"(<?xml version="1.0"?><plist version="1.0">)";
    std::string deep = xml + "<dict><key>a</key>";
    for (int i = 0; i < 100000; ++i) {
        deep += "<array>";
    }
    for (const std::string& bytes : {std::string("\x01\x02 not a property list"),
                                     xml + "<dict><key>Mail</key><tr", xml + "<array><true/></array></plist>", deep}) {
        std::ofstream(m_root / store::storePath(Store::Hide), std::ios::binary) << bytes;
        EXPECT_THAT(store::load(Store::Hide), IsEmpty());
    }
    EXPECT_THAT(store::load(Store::Icons), IsEmpty());
}

TEST_F(LibraryTest, FailedWritesAreReportedAndNothingIsWrittenOutsideTheRoot)
{
    std::filesystem::create_directories(m_root / store::storePath(Store::Theme));
    EXPECT_FALSE(store::save(Store::Theme, {{"Selected", "Midnight"}}));

    std::string escapingTagName = "../../../../../../../../../../.." + m_root.path().parent_path().string() + "/escape";
    EXPECT_FALSE(store::save(store::tagPositionStorePath(escapingTagName), {{"0", "Mail"}}));
    EXPECT_FALSE(std::filesystem::exists(m_root.path().parent_path() / "escape.plist"));
}

TEST_F(LibraryTest, TagOrdersAreMovedAndRemovedWhenTheyExist)
{
    store::remove(Store::Position);
    store::moveTagPositionStore("Nothing", "Still nothing");
    EXPECT_FALSE(std::filesystem::exists(m_root / store::tagPositionStorePath("Still nothing")));

    ASSERT_TRUE(store::save(store::tagPositionStorePath("Work"), {{"0", "Mail"}}));
    store::moveTagPositionStore("Work", "Office");
    EXPECT_FALSE(std::filesystem::exists(m_root / store::tagPositionStorePath("Work")));
    EXPECT_EQ(store::load(store::tagPositionStorePath("Office")), (PlistDictionary{{"0", "Mail"}}));
    store::remove(store::tagPositionStorePath("Office"));
    EXPECT_FALSE(std::filesystem::exists(m_root / store::tagPositionStorePath("Office")));
}

TEST_F(LibraryTest, ValuesAreReadTheHostsWay)
{
    PlistDictionary values{{"bool", true},      {"false", false}, {"one", 1},       {"zero", 0},
                           {"real", 0.5},       {"yes", "YES"},   {"padded", " +7"}, {"no", "no"},
                           {"zeros", "000"},    {"text", "Velmora"}, {"array", PlistArray{true}}};
    std::vector<std::string> trueKeys;
    for (const auto& [key, value] : values) {
        if (store::readBool(values, key)) {
            trueKeys.push_back(key);
        }
    }
    EXPECT_THAT(trueKeys, ElementsAre("bool", "one", "padded", "real", "yes"));
    EXPECT_FALSE(store::readBool(values, "absent"));
    EXPECT_EQ(store::readString(values, "text"), "Velmora");
    EXPECT_EQ(store::readString(values, "one"), "");

    auto records = store::tagRecords({{"1", PlistDictionary{{"Name", "A"}}}, {"2", "not a record"}, {"4", "D"}});
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(store::readString(records[0], "Name"), "A");
    EXPECT_THAT(records[1], IsEmpty());
}

}  // namespace
}  // namespace velmora::testing
