#include "device/foundation/user_defaults.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/property_list_file.h"
#include "tests/support/temp_root.h"

#include <gtest/gtest.h>

namespace device::foundation {
namespace {

class UserDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override { DeviceRoot::set(m_root.path()); }
    void TearDown() override { DeviceRoot::set({}); }

    UserDefaults& m_defaults = UserDefaults::standardUserDefaults();
    testing_support::TempRoot m_root;
};

TEST_F(UserDefaultsTest, MissingFileOrKeyReadsAsNothing)
{
    EXPECT_FALSE(m_defaults.objectForKey("AppleLanguages"));
    FileManager::defaultManager().createDirectoryAtPath("/var/mobile/Library/Preferences");
    ASSERT_TRUE(writeToFile(PlistDictionary{{"Other", 1}}, kGlobalPreferencesPath));
    EXPECT_FALSE(m_defaults.objectForKey("AppleLanguages"));
}

TEST_F(UserDefaultsTest, SettingCreatesTheFileAndKeepsOtherKeys)
{
    ASSERT_TRUE(m_defaults.setObjectForKey(PlistArray{"fr", "en"}, "AppleLanguages"));
    ASSERT_TRUE(m_defaults.setObjectForKey("fr_FR", "AppleLocale"));
    EXPECT_EQ(m_defaults.objectForKey("AppleLanguages"), PlistValue(PlistArray{"fr", "en"}));
    EXPECT_EQ(dictionaryWithContentsOfFile(kGlobalPreferencesPath),
              (PlistDictionary{{"AppleLanguages", PlistArray{"fr", "en"}}, {"AppleLocale", "fr_FR"}}));
}

TEST_F(UserDefaultsTest, ChangesToTheFileAreSeenAtTheNextLookup)
{
    ASSERT_TRUE(m_defaults.setObjectForKey(PlistArray{"en"}, "AppleLanguages"));
    ASSERT_TRUE(writeToFile(PlistDictionary{{"AppleLanguages", PlistArray{"de"}}}, kGlobalPreferencesPath));
    EXPECT_EQ(m_defaults.objectForKey("AppleLanguages"), PlistValue(PlistArray{"de"}));
}

}  // namespace
}  // namespace device::foundation
