#pragma once

#include "tests/support/temp_root.h"

#include "velmora/store/store.h"

#include "device/settings/prefs_list_controller.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora::testing {

using device::foundation::PlistArray;
using device::foundation::PlistDictionary;
using device::foundation::PlistValue;
using device::settings::ProfileEntry;
using store::Store;

enum class DeviceKind { Phone, Tablet };
enum class Library { Linked, NotLoaded };

// A freshly booted device in its own temporary root with the library loaded. The English file
// translates each option name to itself capitalised ("anim" -> "Anim"), so tests write stores by hand.
class LibraryTest : public ::testing::Test {
protected:
    LibraryTest();
    ~LibraryTest() override;

    void boot(DeviceKind kind, std::string machine, Library library = Library::Linked);
    // A host root list controller whose own list is `hostEntries`.
    std::shared_ptr<device::settings::PrefsListController> rootList(std::vector<ProfileEntry> hostEntries);

    void writeStore(Store which, const PlistDictionary& contents) { ASSERT_TRUE(store::save(which, contents)); }
    void writePlist(const std::string& platformPath, const PlistValue& value);
    void writeTranslations(const std::string& code, const PlistDictionary& texts);
    void writePicture(const std::string& platformPath);

    testing_support::TempRoot m_root;
    device::settings::DeviceProfile m_profile;
};

ProfileEntry group(std::optional<std::string> label = std::nullopt,
                   std::optional<std::string> identifier = std::nullopt);
ProfileEntry row(std::string label, std::optional<std::string> identifier = std::nullopt);

// Rows by name ("<none>" without one), group entries as "[name]".
std::vector<std::string> describe(const device::preferences::SpecifierList& list);

}  // namespace velmora::testing
