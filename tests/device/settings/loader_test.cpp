#include "device/objc/message.h"
#include "device/objc/runtime.h"
#include "device/settings/prefs_list_controller.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using testing_support::BootedDevice;
using testing_support::Library;

namespace {

bool hostAnswersResumeReload()
{
    auto* cls = device::objc::objc_getClass("PrefsListController");
    auto root = device::objc::class_createInstance(cls);
    return device::objc::msgSend<bool>(root, "shouldReloadSpecifiersOnResume");
}

}  // namespace

TEST(LoaderTest, TheLibraryInTheDynamicLibrariesFolderIsLoadedAtEveryLaunch)
{
    BootedDevice phone("phone", Library::None);
    phone.options().injection = device::settings::LibraryInjection::Inject;
    auto folder = phone.root_dir() / "/Library/MobileSubstrate/DynamicLibraries";
    std::filesystem::create_directories(folder);
    phone.options().provision = false;
    std::filesystem::copy_file(VELMORA_MODULE_PATH, folder / "Velmora.so");
    std::ofstream(folder / "Broken.dylib") << "not a library";

    auto& device = phone.boot();
    ASSERT_EQ(device.loadFailures().size(), 1u);
    EXPECT_NE(device.loadFailures()[0].find("Broken.dylib"), std::string::npos);
    EXPECT_FALSE(hostAnswersResumeReload());
    EXPECT_TRUE(device::objc::respondsTo(phone.root(), "setEditingState"));

    // A relaunch starts a fresh runtime; the library is opened again and installs itself again.
    device.relaunch();
    EXPECT_FALSE(hostAnswersResumeReload());
    EXPECT_TRUE(device::objc::respondsTo(phone.root(), "setEditingState"));
}

TEST(LoaderTest, WithoutInjectionTheHostKeepsItsOwnBehaviour)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    EXPECT_TRUE(hostAnswersResumeReload());
    EXPECT_FALSE(device::objc::respondsTo(phone.root(), "setEditingState"));
}

TEST(LoaderTest, AFilterBesideALibraryDecidesWhetherTheSettingsAppOpensIt)
{
    auto bootWithFilter = [](const char* filter) {
        BootedDevice phone("phone", Library::None);
        phone.options().injection = device::settings::LibraryInjection::Inject;
        phone.options().provision = false;
        auto folder = phone.root_dir() / "Library/MobileSubstrate/DynamicLibraries";
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(VELMORA_MODULE_PATH, folder / "Velmora.so");
        std::ofstream(folder / "Velmora.plist") << filter;
        auto& device = phone.boot();
        return std::pair(device.loadFailures(), device::objc::respondsTo(phone.root(), "setEditingState"));
    };
    auto filterFor = [](const char* bundle) {
        return std::string("<plist version=\"1.0\"><dict><key>Filter</key><dict><key>Bundles</key><array><string>") +
               bundle + "</string></array></dict></dict></plist>";
    };

    auto [settingsFailures, loadedInSettings] = bootWithFilter(filterFor("com.apple.Preferences").c_str());
    EXPECT_TRUE(settingsFailures.empty());
    EXPECT_TRUE(loadedInSettings);

    auto [otherFailures, loadedForOther] = bootWithFilter(filterFor("com.apple.springboard").c_str());
    EXPECT_TRUE(otherFailures.empty());
    EXPECT_FALSE(loadedForOther);

    auto [brokenFailures, loadedWithBrokenFilter] = bootWithFilter("<plist><dict>");
    ASSERT_EQ(brokenFailures.size(), 1u);
    EXPECT_NE(brokenFailures[0].find("Velmora.so: its filter"), std::string::npos);
    EXPECT_FALSE(loadedWithBrokenFilter);
}
