#include "tests/velmora/support/library_test.h"

#include "velmora/core/library_load.h"
#include "velmora/core/shared_state.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/property_list_file.h"
#include "device/foundation/run_loop.h"
#include "device/foundation/system_info.h"
#include "device/preferences/list_controller.h"
#include "device/graphics/png_codec.h"
#include "device/uikit/application.h"
#include "device/uikit/screen.h"
#include "device/uikit/uikit_classes.h"

#include <filesystem>

namespace velmora::testing {

namespace foundation = device::foundation;

LibraryTest::LibraryTest()
{
    boot(DeviceKind::Phone, "iPhone6,1");
    writeTranslations("en", {{"anim", "Anim"}, {"groups", "Groups"}, {"locat", "Locat"}, {"name", "Name"},
                             {"refresh", "Refresh"}, {"swipe_cells", "Swipe_cells"}, {"dividers", "Dividers"},
                             {"edit", "Edit"}, {"done", "Done"}, {"ty", "Thank you"}});
}

// Lets go of what the test's shared state holds while the platform still runs, and leaves no class
// behind whose code may have been unloaded.
LibraryTest::~LibraryTest()
{
    foundation::RunLoop::main().reset();
    device::uikit::UIApplication::sharedApplication().reset();
    device::objc::objc_resetRuntime();
    core::createSharedState();
    device::settings::setRunningProfile(nullptr);
}

// As a launch does: an empty runtime with the platform's classes, then the library loaded.
void LibraryTest::boot(DeviceKind kind, std::string machine, Library library)
{
    std::filesystem::create_directories(m_root / "/var/mobile/Library/Preferences");
    foundation::DeviceRoot::set(m_root.path());
    device::objc::objc_resetRuntime();
    foundation::RunLoop::main().reset();
    device::uikit::UIApplication::sharedApplication().reset();
    foundation::registerFoundationClasses();
    device::uikit::registerUIKitClasses();
    device::preferences::registerPreferencesClasses();
    device::settings::registerSettingsClasses();

    bool tablet = kind == DeviceKind::Tablet;
    m_profile.model = tablet ? "iPad" : "iPhone";
    m_profile.machine = std::move(machine);
    foundation::SystemInfo info;
    info.model = m_profile.model;
    info.machine = m_profile.machine;
    foundation::SystemInfo::set(info);
    device::uikit::UIScreen::configure(tablet ? device::uikit::CGSize{768, 1024} : device::uikit::CGSize{320, 568}, 2);
    device::settings::setRunningProfile(&m_profile);
    if (library == Library::Linked) {
        core::loadLibrary();
    }
}

std::shared_ptr<device::settings::PrefsListController> LibraryTest::rootList(std::vector<ProfileEntry> hostEntries)
{
    m_profile.entries = std::move(hostEntries);
    return device::objc::create<device::settings::PrefsListController>();
}

void LibraryTest::writePlist(const std::string& platformPath, const PlistValue& value)
{
    std::filesystem::create_directories((m_root / platformPath).parent_path());
    ASSERT_TRUE(foundation::writeToFile(value, platformPath));
}

void LibraryTest::writeTranslations(const std::string& code, const PlistDictionary& texts)
{
    writePlist("/Library/Application Support/Velmora/Languages/" + code + ".plist", texts);
}

void LibraryTest::writePicture(const std::string& platformPath)
{
    std::filesystem::create_directories((m_root / platformPath).parent_path());
    auto png = device::graphics::encodePng(device::graphics::Bitmap(2, 2));
    ASSERT_TRUE(png && foundation::FileManager::defaultManager().writeAtomically(platformPath, *png));
}

ProfileEntry group(std::optional<std::string> label, std::optional<std::string> identifier)
{
    ProfileEntry entry;
    entry.cell = "PSGroupCell";
    entry.label = std::move(label);
    entry.identifier = std::move(identifier);
    return entry;
}

ProfileEntry row(std::string label, std::optional<std::string> identifier)
{
    ProfileEntry entry;
    entry.cell = "PSLinkCell";
    entry.label = std::move(label);
    entry.identifier = std::move(identifier);
    return entry;
}

std::vector<std::string> describe(const device::preferences::SpecifierList& list)
{
    std::vector<std::string> names;
    for (const auto& entry : list) {
        names.push_back(entry->isGroup() ? "[" + entry->nameOrEmpty() + "]" : entry->name().value_or("<none>"));
    }
    return names;
}

}  // namespace velmora::testing
