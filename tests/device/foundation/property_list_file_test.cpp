#include "device/foundation/property_list_file.h"

#include "device/foundation/file_manager.h"
#include "tests/support/temp_root.h"

#include <gtest/gtest.h>
#include <plist/plist.h>

#include <fstream>
#include <sstream>

namespace device::foundation {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kStorePath = "/var/mobile/Library/Preferences/com.corvane.velmora.tag.plist";

class PropertyListFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeviceRoot::set(m_root.path());
        fs::create_directories(m_root / "/var/mobile/Library/Preferences");
    }
    void TearDown() override { DeviceRoot::set({}); }

    void writeHostFile(std::string_view platformPath, std::string_view contents)
    {
        std::ofstream(m_root / platformPath, std::ios::binary) << contents;
    }

    std::string readHostFile(std::string_view platformPath)
    {
        std::ostringstream contents;
        contents << std::ifstream(m_root / platformPath, std::ios::binary).rdbuf();
        return contents.str();
    }

    testing_support::TempRoot m_root;
};

TEST_F(PropertyListFileTest, StoreRoundTripThroughAnXmlFile)
{
    PlistDictionary store{{"1", PlistDictionary{{"Name", "Work"}, {"Icon", "/icon.png"}, {"Mail", true}, {"Notes", false}}},
                          {"2", PlistDictionary{{"Name", "Play"}}}};
    ASSERT_TRUE(writeToFile(store, kStorePath));
    EXPECT_TRUE(readHostFile(kStorePath).starts_with("<?xml"));
    EXPECT_EQ(dictionaryWithContentsOfFile(kStorePath), store);

    store.erase("2");
    ASSERT_TRUE(writeToFile(store, kStorePath));
    EXPECT_EQ(dictionaryWithContentsOfFile(kStorePath), store);
}

TEST_F(PropertyListFileTest, AFileReadAgainShowsWhatItHoldsNow)
{
    ASSERT_TRUE(writeToFile(PlistDictionary{{"Mail", true}}, kStorePath));
    EXPECT_EQ(dictionaryWithContentsOfFile(kStorePath), (PlistDictionary{{"Mail", true}}));
    EXPECT_EQ(dictionaryWithContentsOfFile(kStorePath), (PlistDictionary{{"Mail", true}}));

    std::string edited = readHostFile(kStorePath);
    edited.replace(edited.find("Mail"), 4, "Maps");
    writeHostFile(kStorePath, edited);
    EXPECT_EQ(dictionaryWithContentsOfFile(kStorePath), (PlistDictionary{{"Maps", true}}));

    writeHostFile(kStorePath, edited.substr(0, edited.size() / 2));
    EXPECT_FALSE(dictionaryWithContentsOfFile(kStorePath));
    fs::remove(m_root / kStorePath);
    EXPECT_FALSE(dictionaryWithContentsOfFile(kStorePath));
}

TEST_F(PropertyListFileTest, RootTypeMustMatchTheReader)
{
    ASSERT_TRUE(writeToFile(PlistArray{"a", "b"}, kStorePath));
    EXPECT_FALSE(dictionaryWithContentsOfFile(kStorePath));
    EXPECT_EQ(arrayWithContentsOfFile(kStorePath), (PlistArray{"a", "b"}));
    EXPECT_EQ(propertyListWithContentsOfFile(kStorePath), PlistValue(PlistArray{"a", "b"}));

    ASSERT_TRUE(writeToFile(PlistDictionary{}, kStorePath));
    EXPECT_EQ(dictionaryWithContentsOfFile(kStorePath), PlistDictionary{});
    EXPECT_FALSE(arrayWithContentsOfFile(kStorePath));
}

TEST_F(PropertyListFileTest, MissingOrUnreadableFilesReadAsNothing)
{
    EXPECT_FALSE(dictionaryWithContentsOfFile(kStorePath));
    writeHostFile(kStorePath, "<?xml version=\"1.0\"?><plist><dict><key>a</key>");
    EXPECT_FALSE(dictionaryWithContentsOfFile(kStorePath));
    writeHostFile(kStorePath, "");
    EXPECT_FALSE(dictionaryWithContentsOfFile(kStorePath));
    EXPECT_FALSE(dictionaryWithContentsOfFile("/var/mobile/Library/Preferences"));
}

TEST_F(PropertyListFileTest, BinaryFilesAreRead)
{
    plist_t root = plist_new_dict();
    plist_dict_set_item(root, "Selected", plist_new_string("Dark"));
    char* data = nullptr;
    std::uint32_t length = 0;
    plist_to_bin(root, &data, &length);
    writeHostFile(kStorePath, std::string_view(data, length));
    plist_to_bin_free(data);
    plist_free(root);

    EXPECT_EQ(dictionaryWithContentsOfFile(kStorePath), (PlistDictionary{{"Selected", "Dark"}}));
}

TEST_F(PropertyListFileTest, WritingFailsWithoutTheFolderAndCreatesNothing)
{
    EXPECT_FALSE(writeToFile(PlistDictionary{{"a", true}}, "/var/mobile/Library/Missing/store.plist"));
    EXPECT_FALSE(fs::exists(m_root / "/var/mobile/Library/Missing"));
}

}  // namespace
}  // namespace device::foundation
