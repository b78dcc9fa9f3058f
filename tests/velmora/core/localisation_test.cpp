#include "tests/velmora/support/library_test.h"

#include "velmora/core/device_number.h"
#include "velmora/core/themed_icon.h"
#include "velmora/core/translator.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/system_info.h"

namespace velmora::testing {
namespace {

using core::Translator;

class TranslatorTest : public LibraryTest {
protected:
    TranslatorTest()
    {
        writeTranslations("en", {{"edit", "Edit"}, {"done", "Done"}, {"blank", ""}});
        writeTranslations("it", {{"edit", "Modifica"}, {"blank", ""}});
    }

    void useLanguage(const std::string& code) { writeStore(Store::Advanced, {{"language", code}}); }
};

TEST_F(TranslatorTest, TheInterfaceLanguageFirstThenEnglishThenNull)
{
    useLanguage("it");
    EXPECT_EQ(Translator("edit"), "Modifica");
    EXPECT_EQ(Translator("done"), "Done");
    EXPECT_EQ(Translator("blank"), "(null)");
    EXPECT_EQ(Translator("nowhere"), "(null)");

    writeTranslations("it", {{"done", "Fatto"}});
    EXPECT_EQ(Translator("done"), "Fatto");
}

TEST_F(TranslatorTest, AnUnsupportedOrMissingLanguageMeansEnglish)
{
    EXPECT_EQ(Translator("edit"), "Edit");
    writeTranslations("xx", {{"edit", "Xedit"}});
    useLanguage("xx");
    EXPECT_EQ(Translator("edit"), "Edit");
    EXPECT_EQ(Translator("nowhere"), "(null)");
}

TEST_F(TranslatorTest, ASupportedLanguageWithoutAUsableFileFallsBackToEnglishKeyByKey)
{
    useLanguage("de");
    EXPECT_EQ(Translator("edit"), "Edit");
    EXPECT_EQ(Translator("nowhere"), "(null)");

    useLanguage("it");
    writePlist("/Library/Application Support/Velmora/Languages/it.plist", PlistArray{"edit"});
    EXPECT_EQ(Translator("edit"), "Edit");
}

TEST_F(TranslatorTest, WithoutEnglishOnlyTheInterfaceLanguageAnswers)
{
    device::foundation::FileManager::defaultManager().removeItemAtPath(
        "/Library/Application Support/Velmora/Languages/en.plist");
    useLanguage("it");
    EXPECT_EQ(Translator("edit"), "Modifica");
    EXPECT_EQ(Translator("blank"), "");
    EXPECT_EQ(Translator("done"), "(null)");
}

TEST_F(LibraryTest, ThemedIconsComeFromTheChosenThemeOrDefaultWithoutFallback)
{
    const std::string themes = "/Library/Application Support/Velmora/Themes/";
    writePicture(themes + "Default/icon@2x.png");
    writePicture(themes + "Default/Heart@2x.png");
    writePicture(themes + "Midnight/icon@2x.png");

    auto source = [](std::string_view name) {
        auto icon = core::themedIcon(name);
        return icon ? icon->sourcePath() : "none";
    };
    EXPECT_EQ(source("icon"), themes + "Default/icon@2x.png");
    writeStore(Store::Theme, {{"Selected", ""}});
    EXPECT_EQ(source("icon"), themes + "Default/icon@2x.png");

    writeStore(Store::Theme, {{"Selected", "Midnight"}});
    EXPECT_EQ(source("icon"), themes + "Midnight/icon@2x.png");
    EXPECT_EQ(source("Heart"), "none");
}

TEST_F(LibraryTest, TheDeviceNumberIsReadFromTheLastThreeCharactersOfTheModel)
{
    for (auto [machine, number] : {std::pair{"iPhone5,2", 5}, {"iPhone6,1", 6}, {"iPad3,4", 3}, {"iPhone10,3", 0}}) {
        device::foundation::SystemInfo info = device::foundation::SystemInfo::current();
        info.machine = machine;
        device::foundation::SystemInfo::set(info);
        EXPECT_EQ(core::deviceNumber(), number) << machine;
    }
}

}  // namespace
}  // namespace velmora::testing
